// Writing and reading workcell tool tables.
#include <kelt2proe/simhost/control.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "mfg/mfg_fixture.h"

using Ardo::kelt2pMachTool;
using Ardo::kelt2pWcell;
using mfgtest::Job;
using mfgtest::MfgTest;

namespace {

// The keys of the value pairs written since the journal was cleared, per entry: each
// key element (496) is allocated right before its integer is set.
std::vector<std::vector<int>> writtenKeys() {
    std::vector<std::vector<int>> entries;
    std::vector<std::string> calls = simhost::journal();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i] == "ProElementAlloc 494") {
            entries.emplace_back();
        } else if (calls[i] == "ProElementAlloc 496" && i + 1 < calls.size() &&
                   calls[i + 1].rfind("ProElementIntegerSet ", 0) == 0 && !entries.empty()) {
            entries.back().push_back(std::stoi(calls[i + 1].substr(21)));
        }
    }
    return entries;
}

std::vector<int> keyRange(std::vector<int> keys, int from, int to) {
    for (int k = from; k <= to; ++k) {
        keys.push_back(k);
    }
    return keys;
}

Job jobWithWorkcells(const std::string& workcells) {
    Job job;
    job.workcells = workcells;
    job.operations = R"([{"id": 20, "name": "OP010", "workcell": "MILL5"}])";
    job.ncSequences = "[]";
    return job;
}

}  // namespace

TEST_F(MfgTest, EmptyPendingListStillAddsBothTables) {
    loadJob(jobWithWorkcells("[" + mfgtest::workcellWith(10, "MILL5", 1, "[]") + "]"));
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    EXPECT_EQ(wcell.Heads(), Ardo::KELT2P_HEADS_OTHER);
    simhost::clearJournal();
    wcell.ToolAdd();
    EXPECT_EQ(testkit::callCount("ProFeatureRedefine"), 1);
    EXPECT_EQ(wcell.Heads(), Ardo::KELT2P_HEADS_BOTH);
    EXPECT_EQ(wcell.ToolList(), 0);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

// Entries go to the table of their head value; a head other than 1 or 2 is dropped.
TEST_F(MfgTest, EntriesGoToTheTableOfTheirHead) {
    loadJob(jobWithWorkcells("[" +
                             mfgtest::workcellWith(10, "MILL5", 1,
                                                   R"([{"head": 2, "entries": [
                                 [[1, 1], [2, "BALL_6"], [3, 21], [4, "ball"]]]}])") +
                             "]"));
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    wcell.ToolAdd2ToolListInit();
    wcell.ToolAdd2ToolList(paramTool("H1"), Ardo::KELT2P_HEAD_1, 3, 0, "head one");
    wcell.ToolAdd2ToolList(paramTool("H3"), static_cast<Ardo::kelt2pMachHead>(3), 4, 4, "x");
    wcell.ToolAdd2ToolList(paramTool("H2"), Ardo::KELT2P_HEAD_2, 2, 5, "head two");
    wcell.ToolAdd();
    ASSERT_EQ(wcell.ToolList(), 3);
    kelt2pMachTool ball = wcell.ToolListAt(0);
    kelt2pMachTool h2 = wcell.ToolListAt(1);
    kelt2pMachTool h1 = wcell.ToolListAt(2);
    EXPECT_STREQ(ball.toolId, "BALL_6");
    EXPECT_STREQ(h2.toolId, "H2");
    EXPECT_EQ(h2.head, 2);
    EXPECT_EQ(h2.registers[0], 5);
    EXPECT_STREQ(h1.toolId, "H1");
    EXPECT_EQ(h1.head, 1);
    EXPECT_EQ(h1.position, 3);
    EXPECT_STREQ(h1.comments[0], "head one");
    // Register 0 is written as "no register".
    EXPECT_EQ(h1.registers[0], -1);
    // A dropped entry's tool was still created.
    EXPECT_TRUE(mfg.ToolExist("H3"));
}

TEST_F(MfgTest, TipCountDecidesTheKeysWritten) {
    loadJob(jobWithWorkcells("[" + mfgtest::workcellWith(10, "MILL5", 1, "[]") + "]"));
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    kelt2pMachTool one;
    one.position = 4;
    kelt2pMachTool two;
    two.position = 6;
    two.tipCount = 2;
    two.registers[1] = 12;
    std::snprintf(two.comments[1], sizeof two.comments[1], "second tip");
    two.gauge[1][0] = 7.5;
    two.gauge[1][2] = 80.25;
    wcell.ToolAdd2ToolList(paramTool("ONE"), one);
    wcell.ToolAdd2ToolList(paramTool("TWO"), two);
    simhost::clearJournal();
    wcell.ToolAdd();
    std::vector<std::vector<int>> keys = writtenKeys();
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0], (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(keys[1], keyRange({1, 2, 3, 4}, 8, 36));

    ASSERT_EQ(wcell.ToolList(), 2);
    kelt2pMachTool read = wcell.ToolListAt(1);
    EXPECT_EQ(read.tipCount, 2);
    EXPECT_EQ(read.registers[1], 12);
    EXPECT_STREQ(read.comments[1], "second tip");
    EXPECT_DOUBLE_EQ(read.gauge[1][0], 7.5);
    EXPECT_DOUBLE_EQ(read.gauge[1][2], 80.25);
    // Slots past the tip count keep the defaults of a new record.
    EXPECT_EQ(read.registers[2], 0);
    EXPECT_EQ(wcell.ToolListAt(0).tipCount, 1);
}

TEST_F(MfgTest, TipCountOutsideTheRecordIsRefusedAndCutOnReading) {
    Job job = jobWithWorkcells("[" +
                               mfgtest::workcellWith(10, "MILL5", 1,
                                                     R"([{"head": 1, "entries": [
                                 [[1, 1], [2, "EM_12"], [3, 1], [4, "many"], [8, 12]]]}])") +
                               "]");
    loadJob(job);
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    kelt2pMachTool nine;
    Ardo::kelt2pTool tool = paramTool("NINE");
    simhost::clearJournal();
    for (int tips : {9, 0}) {
        nine.tipCount = tips;
        EXPECT_THROW_CODE(wcell.ToolAdd2ToolList(tool, nine), Ardo::Error, -2,
                          "Ardo::Wcell::ToolAdd2ToolList");
    }
    EXPECT_TRUE(simhost::journal().empty());
    ASSERT_EQ(wcell.ToolList(), 1);
    EXPECT_EQ(wcell.ToolListAt(0).tipCount, 8);
}

TEST_F(MfgTest, GaugeLengthsOfTipOneComeFromTheTool) {
    loadJob();
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    ASSERT_EQ(wcell.ToolList(), 3);
    kelt2pMachTool em = wcell.ToolListAt(0);
    kelt2pMachTool drill = wcell.ToolListAt(1);
    EXPECT_DOUBLE_EQ(drill.gauge[0][0], 120.0);  // the parameter wins over key 7
    EXPECT_DOUBLE_EQ(em.gauge[0][0], 0.0);
    EXPECT_DOUBLE_EQ(em.gauge[0][2], 110.5);
    EXPECT_EQ(drill.head, 1);
    EXPECT_EQ(wcell.ToolListAt(2).head, 2);
    EXPECT_THROW(wcell.ToolListAt(3), std::out_of_range);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, GaugeParameterOfAnotherTypeIsRefused) {
    Job job;
    job.tools = R"([{"id": "EM_12", "type": 10, "parameters": {"GAUGE_Y_LENGTH": "long"}},
                    {"id": "DRILL_8", "type": 1}, {"id": "BALL_6", "type": 11}])";
    loadJob(job);
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    EXPECT_THROW_CODE(wcell.ToolList(), ardotk::Error, 0, "wrong parametertype");
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, NcSequencesMarkOneFreeEntryEach) {
    Job job = jobWithWorkcells(R"([{"id": 10, "name": "MILL5", "type": 1, "tool_tables": [
        {"head": 1, "entries": [[[1, 1], [2, "EM_12"]], [[1, 2], [2, "EM_12"]],
                                [[1, 5], [2, "DRILL_8"]], [[1, 5], [2, "DRILL_8"]]]}]},
        {"id": 11, "name": "OTHER", "type": 1, "tool_tables": [
        {"head": 1, "entries": [[[1, 1], [2, "EM_12"]], [[1, 1], [2, "EM_12"]]]}]}])");
    job.operations = R"([{"id": 20, "name": "OP010", "workcell": "MILL5"},
                         {"id": 30, "name": "OP020", "workcell": "OTHER"}])";
    job.ncSequences = R"([
        {"id": 21, "name": "A", "operation": "OP010", "tool": "EM_12", "head": 1, "position": 1},
        {"id": 22, "name": "B", "operation": "OP010", "tool": "EM_12", "head": 1, "position": 1},
        {"id": 23, "name": "C", "operation": "OP010", "tool": "DRILL_8", "head": 1, "position": 5},
        {"id": 24, "name": "D", "operation": "OP010", "tool": "DRILL_8", "head": 1, "position": 5},
        {"id": 31, "name": "E", "operation": "OP020", "tool": "EM_12", "head": 1, "position": 1}])";
    loadJob(job);
    kelt2pWcell mill = mfgtest::workcellNamed(mfg, "MILL5");
    ASSERT_EQ(mill.ToolList(), 4);
    EXPECT_FALSE(mill.ToolListAt(0).inUse);

    ASSERT_EQ(mill.ToolList(20), 4);
    // EM_12 is held once at position 1: the second sequence finds no free entry.
    EXPECT_TRUE(mill.ToolListAt(0).inUse);
    EXPECT_FALSE(mill.ToolListAt(1).inUse);
    // DRILL_8 is held twice at position 5: both are used.
    EXPECT_TRUE(mill.ToolListAt(2).inUse);
    EXPECT_TRUE(mill.ToolListAt(3).inUse);

    // With operation id 0 all sequences count, OP020's included (two on EM_12 pos 1
    // plus one more, on the other workcell's read).
    kelt2pWcell other = mfgtest::workcellNamed(mfg, "OTHER");
    ASSERT_EQ(other.ToolList(0), 2);
    EXPECT_TRUE(other.ToolListAt(0).inUse);
    EXPECT_TRUE(other.ToolListAt(1).inUse);
    ASSERT_EQ(other.ToolList(30), 2);
    EXPECT_TRUE(other.ToolListAt(0).inUse);
    EXPECT_FALSE(other.ToolListAt(1).inUse);

    // By operation: the operation's own workcell is read, whichever workcell is asked.
    ASSERT_EQ(mfg.OperList("OP020"), 1);
    Ardo::kelt2pOperation op020 = mfg.OperList(0);
    ASSERT_EQ(mill.ToolList(op020), 2);
    EXPECT_STREQ(mill.ToolListAt(1).toolId, "EM_12");
}

// Writing through the active operation, then reading with use marking.
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

TEST_F(MfgTest, WorkcellToolListIsShared) {
    Job job = jobWithWorkcells(R"([{"id": 10, "name": "MILL5", "type": 1, "tool_tables": [
        {"head": 1, "entries": [[[1, 1], [2, "EM_12"]], [[1, 2], [2, "BALL_6"]]]}]},
        {"id": 11, "name": "OTHER", "type": 1, "tool_tables": [
        {"head": 2, "entries": [[[1, 9], [2, "DRILL_8"]]]}]}])");
    loadJob(job);
    kelt2pWcell mill = mfgtest::workcellNamed(mfg, "MILL5");
    kelt2pWcell other = mfgtest::workcellNamed(mfg, "OTHER");
    EXPECT_EQ(mill.ToolList(), 2);
    EXPECT_EQ(other.ToolList(), 1);
    EXPECT_STREQ(mill.ToolListAt(0).toolId, "DRILL_8");
    EXPECT_EQ(mill.ToolListAt(0).position, 9);
    EXPECT_THROW(mill.ToolListAt(1), std::out_of_range);
}

TEST_F(MfgTest, ToolExistsOnceCollectedEvenIfNeverWritten) {
    loadJob();
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    wcell.ToolAdd2ToolList(paramTool("PENDING_T"), Ardo::KELT2P_HEAD_1, 9, 9, "c");
    EXPECT_TRUE(mfg.ToolExist("PENDING_T"));
    EXPECT_EQ(wcell.ToolList(), 3);
}

// A redefinition the host refuses is reported, and the entries stay pending.
TEST_F(MfgTest, RefusedRedefinitionKeepsThePendingList) {
    loadJob();
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    wcell.ToolAdd2ToolList(paramTool("NEW_T"), Ardo::KELT2P_HEAD_2, 4, 4, "c");
    EXPECT_FAULT("ProFeatureRedefine", -2, wcell.ToolAdd(), Ardo::Error, "Ardo::Wcell::ToolAdd");
    EXPECT_EQ(wcell.ToolList(), 3);
    wcell.ToolAdd();
    EXPECT_EQ(wcell.ToolList(), 4);
    wcell.ToolAdd();
    EXPECT_EQ(wcell.ToolList(), 4);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, DeleteToolTableEmptiesTheWorkcell) {
    loadJob();
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    for (const auto& [function, code] :
         {std::pair{"ProFeatureRedefine", -2}, std::pair{"ProFeatureElemtreeCreate", -3}}) {
        EXPECT_FAULT(function, code, wcell.DeleteToolTable(), Ardo::Error,
                     "Ardo::Wcell::DeleteToolTable");
        EXPECT_EQ(wcell.ToolList(), 3);
    }
    wcell.DeleteToolTable();
    EXPECT_EQ(wcell.ToolList(), 0);
    EXPECT_EQ(wcell.Heads(), Ardo::KELT2P_HEADS_OTHER);
    EXPECT_TRUE(std::filesystem::exists(workDir / "elemtree.inf"));
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

// The removal and the addition of the tables element are not examined: a refused step
// leaves the workcell as the redefinition finds it, and a workcell without a tool-table
// element gets an empty one. Only a refused redefinition is reported.
TEST_F(MfgTest, DeleteToolTableDoesNotExamineRemovalAndAddition) {
    loadJob();
    kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");

    // A second tables element beside the one not removed: the host refuses the tree.
    simhost::injectFault("ProElemtreeElementRemove", -17);
    EXPECT_THROW_CODE(wcell.DeleteToolTable(), Ardo::Error, PRO_TK_BAD_INPUTS,
                      "Ardo::Wcell::DeleteToolTable");
    simhost::clearFaults();
    EXPECT_EQ(wcell.ToolList(), 3);

    for (const char* step : {"ProElementFree", "ProElementAlloc", "ProElemtreeElementAdd"}) {
        SCOPED_TRACE(step);
        simhost::injectFault(step, -17);
        EXPECT_NO_THROW(wcell.DeleteToolTable());
        simhost::clearFaults();
        EXPECT_EQ(simhost::liveObjects(), liveBaseline);
    }
    // The last refused addition left the workcell without its tool-table element.
    EXPECT_THROW_CODE(wcell.ToolList(), ardotk::Error, PRO_TK_E_NOT_FOUND, "NO PRO_E_TOOL_TABLES");

    EXPECT_NO_THROW(wcell.DeleteToolTable());
    EXPECT_EQ(wcell.ToolList(), 0);
    EXPECT_EQ(wcell.Heads(), Ardo::KELT2P_HEADS_OTHER);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}
