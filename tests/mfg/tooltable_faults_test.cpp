// Writing through the active operation end to end, and every host call of writing and
// reading failed in turn.
#include <kelt2proe/simhost/control.h>

#include <string>
#include <vector>

#include "mfg/mfg_fixture.h"
#include "support/fault_sweep.h"

using Ardo::kelt2pMachTool;
using Ardo::kelt2pWcell;
using mfgtest::MfgTest;

namespace {

// Every call but the frees (a refused free leaves its object to the host) and the text
// conversions, which report no result.
bool failsInTheSweep(const testkit::HostCall& call) {
    return !call.isRelease() && !call.isTextConversion();
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
    testkit::FaultSweep sweep;
    sweep.prepare = [this] {
        simhost::reset();
        loadJob();
        mfg.ToolAdd2WcellToolListInit();
        Ardo::kelt2pTool tool = paramTool("NEW_EM");
        mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 7, 7, "pending");
        mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_2, 8, 8, "pending");
    };
    sweep.operation = [this] { mfg.ToolAdd2Wcell(); };
    sweep.fails = failsInTheSweep;
    sweep.check = [this](const testkit::HostCall& call, const testkit::Outcome& outcome) {
        using Thrown = testkit::Outcome::Thrown;
        kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
        if (outcome.thrown != Thrown::Nothing) {
            EXPECT_NE(outcome.thrown, Thrown::Other) << outcome;
            expectWriteFailure(call.function, outcome.thrown == Thrown::LibraryError, outcome.code,
                               outcome.text);
            EXPECT_EQ(wcell.ToolList(), 3);
            mfg.ToolAdd2Wcell();
        } else {
            // Only the trail-file comments may fail without failing the write.
            EXPECT_EQ(call.function, "ProTrailfileCommentWrite");
        }
        EXPECT_EQ(wcell.ToolList(), 5);
    };
    EXPECT_GT(testkit::runFaultSweep(sweep), 50u);
}

TEST_F(MfgTest, EveryFailureOfAReadIsReported) {
    kelt2pWcell wcell;
    int count = -1;
    testkit::FaultSweep sweep;
    sweep.prepare = [&] {
        simhost::reset();
        loadJob();
        wcell = mfgtest::workcellNamed(mfg, "MILL5");
        count = -1;
    };
    sweep.operation = [&] { count = wcell.ToolList(0); };
    sweep.fails = failsInTheSweep;
    sweep.check = [&](const testkit::HostCall& call, const testkit::Outcome& outcome) {
        using Thrown = testkit::Outcome::Thrown;
        if (call.function == "ProFeatureElemtreeCreate" && call.occurrence == 1) {
            EXPECT_EQ(outcome, testkit::Outcome::toolkit(-1, "ardotk::ToolListWcell"));
        } else if (call.function == "ProElementIsArray" && call.occurrence == 1) {
            EXPECT_EQ(outcome, testkit::Outcome::toolkit(-1, "NO PRO_E_TOOL_TABLES"));
        } else if (outcome.thrown != Thrown::Nothing) {
            EXPECT_EQ(outcome.thrown, Thrown::ToolkitError) << outcome;
            EXPECT_EQ(outcome.code, -1);
        }
        if (outcome.thrown == Thrown::Nothing) {
            // Only an NC sequence's elements may fail to read without failing the list.
            EXPECT_EQ(count, 3);
            EXPECT_FALSE(wcell.ToolListAt(0).inUse && wcell.ToolListAt(1).inUse);
        }
    };
    sweep.prepare();
    ASSERT_EQ(wcell.ToolList(0), 3);
    EXPECT_GT(testkit::runFaultSweep(sweep), 50u);
}
