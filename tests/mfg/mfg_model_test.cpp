// The manufacturing model: binding, listings into the shared lists, operations,
// workcells, NC sequences and the tools of the model.
#include <string>

#include "mfg/mfg_fixture.h"

using Ardo::kelt2pMfg;
using mfgtest::Job;
using mfgtest::MfgTest;

namespace {

// Four tools, the last with a tool model "cutter" whose file does not exist.
constexpr const char* kToolsWithModel =
    R"([{"id": "EM_12", "type": 10}, {"id": "DRILL_8", "type": 1}, {"id": "BALL_6", "type": 11},
        {"id": "HOLDER_T", "type": 10, "model": {"name": "cutter", "type": "PRT"}}])";

}  // namespace

TEST_F(MfgTest, UnboundModelOperationAndWorkcellAreRefusedBeforeAnyHostCall) {
    launchAndConnect();
    kelt2pMfg empty;
    Ardo::kelt2pOperation op;
    Ardo::kelt2pWcell wcell;
    Ardo::kelt2pTool tool = paramTool("T1");
    simhost::clearJournal();
    EXPECT_THROW_CODE(op.Name(), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(wcell.ToolList(), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(wcell.ToolAdd(), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(empty.OperList(".*"), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(empty.WcellList(".*"), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(empty.NcSeqList(), Ardo::Error, -45, "Ardo::Mfg::NcSeqList");
    EXPECT_THROW_CODE(empty.ToolList(), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(empty.GetMdl(), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(empty.ToolAdd(tool), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(empty.ToolSetCutData(tool), Ardo::Error, -45, "Ardo::Mdl::IsInit");
    EXPECT_THROW_CODE(empty.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 1, 1, ""), Ardo::Error,
                      -45, "Ardo::Mfg::ToolAdd2WcellToolList");
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(MfgTest, CurrentRefusesAPartAndStaysUnbound) {
    writeFile("plate.prt", "{}");
    loadJob();
    Ardo::kelt2pMdl part;
    part.Load("plate", Ardo::KELT2P_MDL_PART, false);
    part.Display();
    kelt2pMfg current;
    EXPECT_THROW_CODE(current.Current(), Ardo::Error, 0, "KEIN MFG-MODELL!");
    EXPECT_THROW_CODE(current.OperList(".*"), Ardo::Error, -45, "Ardo::Mdl::IsInit");

    mfg.Display();
    current.Current();
    EXPECT_STREQ(current.NameGet(), "JOB");
    EXPECT_TRUE(current.IsMfg());
}

TEST_F(MfgTest, OperListOfAModelWithoutOperationsIsEmpty) {
    Job job;
    job.operations = "[]";
    job.ncSequences = "[]";
    job.active = "null";
    loadJob(job);
    EXPECT_EQ(mfg.OperList(".*"), 0);
    EXPECT_SUBSCRIPT_ERROR(mfg.OperList(0));
}

TEST_F(MfgTest, OperListMatchesWholeNamesAndSkipsSuppressedOperations) {
    Job job;
    job.operations = R"([
        {"id": 20, "name": "OP010", "workcell": "MILL5"},
        {"id": 30, "name": "OP020", "workcell": "MILL5", "status": 5},
        {"id": 40, "name": "OP030", "workcell": "MILL5", "status": 6}])";
    loadJob(job);
    EXPECT_EQ(mfg.OperList("OP"), 0);
    ASSERT_EQ(mfg.OperList("OP.*"), 2);
    EXPECT_EQ(mfg.OperList(0).ID(), 20);
    EXPECT_EQ(mfg.OperList(1).ID(), 40);
    EXPECT_PATTERN_ERROR(mfg.OperList("OP("));
}

TEST_F(MfgTest, ListsAreSharedByAllModelObjects) {
    writeFile("other.mfg", Job().text());
    Job job;
    job.operations = R"([{"id": 20, "name": "ROUGH", "workcell": "MILL5"},
                         {"id": 30, "name": "FINISH", "workcell": "MILL5"}])";
    job.ncSequences = "[]";
    job.active = "null";
    loadJob(job);
    kelt2pMfg other;
    other.Load("other");
    EXPECT_EQ(mfg.OperList(".*"), 2);
    EXPECT_EQ(other.OperList(".*"), 1);
    EXPECT_STREQ(mfg.OperList(0).Name(), "OP010");
    EXPECT_SUBSCRIPT_ERROR(mfg.OperList(1));
}

TEST_F(MfgTest, OperationProperties) {
    loadJob();
    ASSERT_EQ(mfg.OperList("OP010"), 1);
    Ardo::kelt2pOperation op = mfg.OperList(0);
    EXPECT_STREQ(op.Name(), "OP010");
    EXPECT_EQ(op.ID(), 20);
    EXPECT_STREQ(op.Material(), "ALMG3");
    EXPECT_STREQ(op.NclFile(), "op010.ncl");
    EXPECT_STREQ(op.PartNo(), "4711");
    EXPECT_EQ(op.Origin(), 1);
    ASSERT_EQ(op.Comment(), 2);
    EXPECT_STREQ(op.Comment(1u), "top side");
    EXPECT_STREQ(op.Comment(2u), "");
    EXPECT_STREQ(op.WcellGet().Name(), "MILL5");
    EXPECT_EQ(mfg.OperCurrent().ID(), 20);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, CopiedOperationsAndWorkcellsKeepTheirOwnTexts) {
    loadJob();
    ASSERT_EQ(mfg.OperList("OP010"), 1);
    Ardo::kelt2pOperation op = mfg.OperList(0);
    const char* name = op.Name();
    Ardo::kelt2pOperation copy(op);
    Ardo::kelt2pOperation assigned;
    assigned = op;
    EXPECT_STREQ(copy.Material(), "ALMG3");
    EXPECT_STREQ(assigned.PartNo(), "4711");
    EXPECT_STREQ(name, "OP010") << "the copies' texts live in their own buffers";

    Ardo::kelt2pWcell wcell = op.WcellGet();
    const char* controller = wcell.Controller();
    Ardo::kelt2pWcell other;
    other = wcell;
    Ardo::kelt2pWcell& alias = other;
    other = alias;
    EXPECT_STREQ(other.Location(), "HALL 2");
    EXPECT_STREQ(controller, "TNC640");
}

TEST_F(MfgTest, NoActiveOperation) {
    Job job;
    job.active = "null";
    loadJob(job);
    EXPECT_THROW_CODE(mfg.OperCurrent(), ardotk::Error, -4, "no active operation found");
}

TEST_F(MfgTest, WorkcellProperties) {
    Job job;
    job.workcells = R"([
        {"id": 10, "name": "MILL5", "type": 1, "axes": 5, "lathe_direction": 3,
         "parameters": {"CONTROLLER": "TNC640", "LOCATION": "HALL 2"},
         "comments": ["five axes"],
         "tool_tables": [{"head": 2, "entries": []}, {"head": 1, "entries": []}]},
        {"id": 11, "name": "LATHE", "type": 2, "axes": 2, "lathe_direction": 3,
         "tool_tables": [{"head": 2, "entries": []}]},
        {"id": 12, "name": "BARE", "type": 8, "axes": 3, "lathe_direction": 0}])";
    job.ncSequences = "[]";
    loadJob(job);
    Ardo::kelt2pWcell mill = mfgtest::workcellNamed(mfg, "MILL5");
    EXPECT_STREQ(mill.Controller(), "TNC640");
    EXPECT_STREQ(mill.Location(), "HALL 2");
    EXPECT_EQ(mill.Type(), 1);
    EXPECT_EQ(mill.Axis(), 5);
    EXPECT_EQ(mill.Heads(), Ardo::KELT2P_HEADS_BOTH);
    EXPECT_EQ(mill.Comment(), 1);
    EXPECT_STREQ(mill.Comment(0u), "five axes");
    simhost::clearJournal();
    EXPECT_EQ(mill.LatheDir(), Ardo::KELT2P_LATHEDIR_NONE);
    // Only the type is read.
    EXPECT_EQ(testkit::callCount("ProElemtreeElementGet"), 1);

    Ardo::kelt2pWcell lathe = mfgtest::workcellNamed(mfg, "LATHE");
    EXPECT_EQ(lathe.LatheDir(), 3);
    EXPECT_EQ(lathe.Heads(), Ardo::KELT2P_HEADS_HEAD2);
    EXPECT_EQ(lathe.Comment(), 0);
    Ardo::kelt2pWcell bare = mfgtest::workcellNamed(mfg, "BARE");
    EXPECT_EQ(bare.LatheDir(), 0);
    EXPECT_EQ(bare.Heads(), Ardo::KELT2P_HEADS_OTHER);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, NcSequencesAndTheirToolIds) {
    loadJob();
    ASSERT_EQ(mfg.NcSeqList(), 2);
    EXPECT_EQ(mfg.NcSeqList(1), 22);
    EXPECT_STREQ(mfg.NcseqToolid(22), "DRILL_8");

    const std::string id32(32, 'T');
    mfg.NcseqToolid(22, id32.c_str());
    EXPECT_EQ(std::string(mfg.NcseqToolid(22)), id32);
    simhost::clearJournal();
    EXPECT_THROW_CODE(mfg.NcseqToolid(22, std::string(33, 'T').c_str()), Ardo::Error, -6,
                      "Ardo::Mfg::NcseqToolid");
    EXPECT_TRUE(simhost::journal().empty());
}

TEST_F(MfgTest, ToolsOfTheModel) {
    Job job;
    job.tools = kToolsWithModel;
    loadJob(job);
    ASSERT_EQ(mfg.ToolList(), 4);
    EXPECT_STREQ(mfg.ToolList(0), "EM_12");
    EXPECT_STREQ(mfg.ToolList(3), "HOLDER_T");
    EXPECT_SUBSCRIPT_ERROR(mfg.ToolList(4));
    EXPECT_TRUE(mfg.ToolExist("BALL_6"));
    EXPECT_FALSE(mfg.ToolExist("BALL_7"));
    EXPECT_FALSE(mfg.ToolHasModelGet("EM_12"));
    EXPECT_TRUE(mfg.ToolHasModelGet("HOLDER_T"));

    const std::string id81s(81, 'X');
    const char* id81 = id81s.c_str();
    EXPECT_THROW_CODE(mfg.ToolExist(id81), Ardo::Error, -6, "Ardo::kelt2pMfg::ToolExist");
    EXPECT_THROW_CODE(mfg.ToolHasModelGet(id81), Ardo::Error, -6,
                      "Ardo::kelt2pMfg::ToolHasModelGet");
    EXPECT_THROW_CODE(mfg.ToolModelGet(id81), Ardo::Error, -6, "Ardo::kelt2pMfg::ToolModelGet");
    EXPECT_FALSE(mfg.ToolExist(std::string(80, 'X').c_str()));
}

TEST_F(MfgTest, ToolModelThatCannotLoadKeepsNameAndType) {
    Job job;
    job.tools = kToolsWithModel;
    loadJob(job);
    Ardo::kelt2pMdl model = mfg.ToolModelGet("HOLDER_T");
    EXPECT_STREQ(model.NameGet(), "CUTTER");
    EXPECT_EQ(model.TypeGet(), Ardo::KELT2P_MDL_PART);
    EXPECT_THROW_CODE(model.Save(), Ardo::Error, -45, "Ardo::Mdl::Save");

    writeFile("cutter.prt", "{}");
    Ardo::kelt2pMdl loaded = mfg.ToolModelGet("HOLDER_T");
    EXPECT_NO_THROW(loaded.Save());

    EXPECT_THROW_CODE(mfg.ToolModelGet("EM_12"), Ardo::Error, -4, "no tool model");
}

TEST_F(MfgTest, CopiesKeepTheirOwnPendingList) {
    loadJob();
    Ardo::kelt2pTool tool = paramTool("NEW_1");
    mfg.ToolAdd2WcellToolList(tool, Ardo::KELT2P_HEAD_1, 7, 7, "new");
    kelt2pMfg copy(mfg);
    mfg.ToolAdd2WcellToolListInit();
    copy.ToolAdd2Wcell();
    Ardo::kelt2pWcell wcell = mfgtest::workcellNamed(mfg, "MILL5");
    EXPECT_EQ(wcell.ToolList(), 4);
    mfg.ToolAdd2Wcell();
    EXPECT_EQ(wcell.ToolList(), 4);
}
