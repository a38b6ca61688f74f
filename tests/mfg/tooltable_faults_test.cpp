// Writing through the active operation end to end, and every host call of writing and
// reading failed in turn.
#include <kelt2proe/simhost/control.h>

#include <string>
#include <vector>

#include "mfg/mfg_fixture.h"

using Ardo::kelt2pMachTool;
using Ardo::kelt2pWcell;
using mfgtest::MfgTest;

namespace {

bool isFree(const std::string& call) {
    std::string function = call.substr(0, call.find(' '));
    return function.size() > 4 && function.compare(function.size() - 4, 4, "Free") == 0;
}

// A refused free leaves its object to the host; leaks are counted around other faults.
// The function that the fault hit: the k-th journal entry.
std::string faulted(std::size_t k) {
    std::vector<std::string> calls = simhost::journal();
    return k <= calls.size() ? calls[k - 1].substr(0, calls[k - 1].find(' ')) : std::string();
}

// The exception class and text each failing call of a write through the active
// operation is reported with.
void expectWriteFailure(const std::string& function, bool library, int code,
                        const std::string& text) {
    if (function == "ProFeatureElemtreeCreate") {
        EXPECT_TRUE(library);
        EXPECT_EQ(text, "no active operation found");
    } else if (function == "ProMfgSolidGet") {
        EXPECT_FALSE(library);
        EXPECT_EQ(text, "ardotk::OperActiveGet");
    } else if (function == "ProMfgoperActiveGet") {
        EXPECT_FALSE(library);
        EXPECT_EQ(text, "no active operation found");
    } else if (function == "ProFeatureRedefine") {
        EXPECT_TRUE(library);
        EXPECT_EQ(text, "Ardo::Mfg::ToolAdd2Wcell");
    } else {
        EXPECT_FALSE(library);
        EXPECT_EQ(text, "");
    }
    EXPECT_EQ(code, -1);
}

}  // namespace

TEST_F(MfgTest, WriteThroughTheActiveOperationThenRead) {
    loadJob();
    Ardo::kelt2pTool tool = paramTool("NEW_EM", 20.0);
    mfg.ToolAdd2WcellToolListInit();
    mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_2, 7, 31, "new end mill");
    mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 8, 32, "again");
    simhost::clearJournal();
    mfg.ToolAdd2Wcell();
    std::vector<std::string> calls = simhost::journal();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "ProTrailfileCommentWrite ?ToolAdd2Wcell@kelt2pMfg@Ardo@@QAEXXZ");
    EXPECT_EQ(calls[1], "ProTrailfileCommentWrite ?ToolAdd2Wcell@Mfg@Ardo@@QAEXXZ");

    kelt2pWcell wcell = mfg.OperCurrent().WcellGet();
    ASSERT_EQ(wcell.ToolList(0), 5);
    kelt2pMachTool second = wcell.ToolListAt(2);
    EXPECT_STREQ(second.toolId, "NEW_EM");
    EXPECT_EQ(second.position, 8);
    EXPECT_EQ(second.registers[0], 32);
    EXPECT_STREQ(second.comments[0], "again");
    kelt2pMachTool last = wcell.ToolListAt(4);
    EXPECT_STREQ(last.toolId, "NEW_EM");
    EXPECT_EQ(last.head, 2);
    EXPECT_EQ(last.position, 7);
    EXPECT_FALSE(last.inUse);
    EXPECT_TRUE(wcell.ToolListAt(0).inUse);

    // The list was emptied: a second write adds nothing.
    mfg.ToolAdd2Wcell();
    EXPECT_EQ(wcell.ToolList(), 5);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, EveryFailureOfAWriteKeepsThePendingList) {
    for (std::size_t k = 1;; ++k) {
        SCOPED_TRACE("call " + std::to_string(k));
        simhost::reset();
        loadJob();
        mfg.ToolAdd2WcellToolListInit();
        Ardo::kelt2pTool tool = paramTool("NEW_EM");
        mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 7, 7, "pending");
        mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_2, 8, 8, "pending");
        simhost::clearJournal();
        const long live = simhost::liveObjects();
        simhost::injectFault("*", -1, static_cast<int>(k));
        bool failed = true;
        try {
            mfg.ToolAdd2Wcell();
            failed = false;
        } catch (const Ardo::Error& e) {
            expectWriteFailure(faulted(k), true, e.code, e.text);
        } catch (const ardotk::Error& e) {
            expectWriteFailure(faulted(k), false, e.code, e.text);
        }
        std::string function = faulted(k);
        simhost::clearFaults();
        if (function.empty()) {
            ASSERT_FALSE(failed);
            break;
        }
        if (!isFree(function)) {
            EXPECT_EQ(simhost::liveObjects(), live) << function;
        }
        kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
        if (failed) {
            EXPECT_EQ(wcell.ToolList(), 3) << function;
            mfg.ToolAdd2Wcell();
        }
        EXPECT_EQ(wcell.ToolList(), 5) << function;
    }
}

TEST_F(MfgTest, EveryFailureOfAReadIsReported) {
    for (std::size_t k = 1;; ++k) {
        SCOPED_TRACE("call " + std::to_string(k));
        simhost::reset();
        loadJob();
        kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
        simhost::clearJournal();
        const long live = simhost::liveObjects();
        simhost::injectFault("*", -1, static_cast<int>(k));
        int count = -1;
        std::string text;
        bool raised = false;
        try {
            count = wcell.ToolList(0);
        } catch (const ardotk::Error& e) {
            raised = true;
            EXPECT_EQ(e.code, -1);
            text = e.text;
        }
        std::string function = faulted(k);
        simhost::clearFaults();
        if (function.empty()) {
            EXPECT_EQ(count, 3);
            break;
        }
        if (k == 1) {
            EXPECT_EQ(text, "ardotk::ToolListWcell");
        }
        if (function == "ProElementIsArray") {
            EXPECT_EQ(text, "NO PRO_E_TOOL_TABLES");
        }
        if (!raised) {
            // Only the reading of an NC sequence's elements is passed over.
            EXPECT_EQ(count, 3) << function;
        }
        if (!isFree(function)) {
            EXPECT_EQ(simhost::liveObjects(), live) << function;
        }
    }
}
