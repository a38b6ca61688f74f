// Writing through the active operation end to end, and every host call of writing and
// reading failed in turn.
#include <kelt2proe/simhost/control.h>

#include <map>
#include <string>
#include <vector>

#include "mfg/mfg_fixture.h"

using Ardo::kelt2pMachTool;
using Ardo::kelt2pWcell;
using mfgtest::MfgTest;

namespace {

struct Fault {
    std::string function;
    int occurrence;
};

// Every call of the journal as a fault to inject: the function and which of its calls.
// Frees are left out (a refused free leaves its object to the host), and so are the
// text conversions, which report no result.
std::vector<Fault> faultPlan() {
    std::map<std::string, int> seen;
    std::vector<Fault> plan;
    for (const std::string& call : simhost::journal()) {
        std::string function = call.substr(0, call.find(' '));
        int occurrence = ++seen[function];
        bool isFree = function.size() > 4 && function.compare(function.size() - 4, 4, "Free") == 0;
        bool isConversion = function == "ProStringToWstring" || function == "ProWstringToString";
        if (!isFree && !isConversion) {
            plan.push_back({function, occurrence});
        }
    }
    return plan;
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
    auto prepare = [this] {
        simhost::reset();
        loadJob();
        mfg.ToolAdd2WcellToolListInit();
        Ardo::kelt2pTool tool = paramTool("NEW_EM");
        mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 7, 7, "pending");
        mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_2, 8, 8, "pending");
        simhost::clearJournal();
    };
    prepare();
    mfg.ToolAdd2Wcell();
    const std::vector<Fault> plan = faultPlan();
    ASSERT_GT(plan.size(), 50u);
    for (const Fault& fault : plan) {
        SCOPED_TRACE(fault.function + " #" + std::to_string(fault.occurrence));
        prepare();
        const long live = simhost::liveObjects();
        simhost::injectFault(fault.function, -1, fault.occurrence);
        bool failed = true;
        try {
            mfg.ToolAdd2Wcell();
            failed = false;
        } catch (const Ardo::Error& e) {
            expectWriteFailure(fault.function, true, e.code, e.text);
        } catch (const ardotk::Error& e) {
            expectWriteFailure(fault.function, false, e.code, e.text);
        }
        simhost::clearFaults();
        EXPECT_EQ(simhost::liveObjects(), live);
        kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
        if (failed) {
            EXPECT_EQ(wcell.ToolList(), 3);
            mfg.ToolAdd2Wcell();
        } else {
            // Only the trail-file comments may fail without failing the write.
            EXPECT_EQ(fault.function, "ProTrailfileCommentWrite");
        }
        EXPECT_EQ(wcell.ToolList(), 5);
    }
}

TEST_F(MfgTest, EveryFailureOfAReadIsReported) {
    auto prepare = [this] {
        simhost::reset();
        loadJob();
        kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
        simhost::clearJournal();
        return wcell;
    };
    kelt2pWcell clean = prepare();
    ASSERT_EQ(clean.ToolList(0), 3);
    const std::vector<Fault> plan = faultPlan();
    ASSERT_GT(plan.size(), 50u);
    for (const Fault& fault : plan) {
        SCOPED_TRACE(fault.function + " #" + std::to_string(fault.occurrence));
        kelt2pWcell wcell = prepare();
        const long live = simhost::liveObjects();
        simhost::injectFault(fault.function, -1, fault.occurrence);
        int count = -1;
        std::string text = "(none)";
        try {
            count = wcell.ToolList(0);
        } catch (const ardotk::Error& e) {
            EXPECT_EQ(e.code, -1);
            text = e.text;
        }
        simhost::clearFaults();
        EXPECT_EQ(simhost::liveObjects(), live);
        if (fault.function == "ProFeatureElemtreeCreate" && fault.occurrence == 1) {
            EXPECT_EQ(text, "ardotk::ToolListWcell");
        } else if (fault.function == "ProElementIsArray" && fault.occurrence == 1) {
            EXPECT_EQ(text, "NO PRO_E_TOOL_TABLES");
        }
        if (text == "(none)") {
            // Only an NC sequence's elements may fail to read without failing the list.
            EXPECT_EQ(count, 3);
            EXPECT_FALSE(wcell.ToolListAt(0).inUse && wcell.ToolListAt(1).inUse);
        }
    }
}
