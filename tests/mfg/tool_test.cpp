// Tool descriptions and their creation and redefinition in the host.
#include <kelt2proe/simhost/control.h>

#include <cstring>
#include <string>
#include <vector>

#include "mfg/mfg_fixture.h"

using mfgtest::Job;
using mfgtest::MfgTest;

namespace {

// A part "holder" whose TOOL_TYPE parameter holds `toolType`.
std::string holderPart(const std::string& toolType) {
    return R"({"parameters": {"model": [{"name": "TOOL_TYPE", "type": "string", "value": ")" +
           toolType + R"("}]}})";
}

}  // namespace

TEST_F(MfgTest, ToolAddCreatesFromParametersInCallOrder) {
    loadJob();
    Ardo::kelt2pTool tool;
    tool.IdSet("NEW_EM");
    tool.TypeSet(Ardo::KELT2P_TOOL_END_MILL);
    tool.ToolParamAdd("CUTTER_DIAM", 10.0);
    tool.ToolParamAdd("TOOL_MATERIAL", "HSS");
    tool.ToolParamAdd("CUTTER_DIAM", 16.0);
    simhost::clearJournal();
    mfg.ToolAdd(tool);
    EXPECT_TRUE(mfg.ToolExist("NEW_EM"));
    EXPECT_EQ(testkit::callCount("ProToolElemParamAdd"), 3);
    // The later of two parameters of one name counts.
    EXPECT_DOUBLE_EQ(mfgtest::hostToolParam("NEW_EM", "CUTTER_DIAM").value.d_val, 16.0);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, ToolAddOfAnExistingIdChangesNothing) {
    loadJob();
    Ardo::kelt2pTool tool = paramTool("EM_12", 99.0);
    simhost::clearJournal();
    mfg.ToolAdd(tool);
    EXPECT_EQ(testkit::callCount("ProToolCreate"), 0);
    EXPECT_EQ(testkit::callCount("ProToolinputAlloc"), 0);
    EXPECT_DOUBLE_EQ(mfgtest::hostToolParam("EM_12", "CUTTER_DIAM").value.d_val, 12.0);
}

TEST_F(MfgTest, ToolParamAddCutsNamesAndValues) {
    loadJob();
    const std::string name40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCD";
    Ardo::kelt2pTool tool;
    tool.IdSet("CUT_T");
    tool.TypeSet(Ardo::KELT2P_TOOL_DRILLING);
    tool.ToolParamAdd(name40.c_str(), 1.5);
    tool.ToolParamAdd(("T" + name40).c_str(), std::string(90, 'v').c_str());
    mfg.ToolAdd(tool);
    EXPECT_DOUBLE_EQ(mfgtest::hostToolParam("CUT_T", name40.substr(0, 30).c_str()).value.d_val,
                     1.5);
    ProParamvalue text = mfgtest::hostToolParam("CUT_T", ("T" + name40).substr(0, 31).c_str());
    ASSERT_EQ(text.type, PRO_PARAM_STRING);
    EXPECT_EQ(std::wstring(text.value.s_val), std::wstring(80, L'v'));
}

TEST_F(MfgTest, IdSetAndTheSharedIdBuffer) {
    launchAndConnect();
    Ardo::kelt2pTool a;
    Ardo::kelt2pTool b;
    // The host line holds 80 characters.
    EXPECT_THROW_CODE(a.IdSet(std::string(81, 'A').c_str()), Ardo::Error, -6,
                      "Ardo::kelt2pTool::IdSet");
    a.IdSet(std::string(80, 'A').c_str());
    b.IdSet("SECOND");
    const char* first = a.IdGet();
    EXPECT_EQ(std::string(first), std::string(80, 'A'));
    b.IdGet();
    EXPECT_STREQ(first, "SECOND");

    Ardo::kelt2pTool copy(a);
    copy.IdSet("COPY");
    EXPECT_EQ(std::string(a.IdGet()), std::string(80, 'A'));
}

TEST_F(MfgTest, ModelSetTakesTheTypeFromTheExactName) {
    writeFile("holder.prt", holderPart("END MILL"));
    writeFile("lower.prt", holderPart("end mill"));
    writeFile("joined.prt", holderPart("END_MILL"));
    writeFile("task.prt", holderPart("MULTI TASK"));
    writeFile("bare.prt", "{}");
    loadJob();
    auto typeFrom = [](const char* part) {
        Ardo::kelt2pMdl model;
        model.Load(part, Ardo::KELT2P_MDL_PART, false);
        Ardo::kelt2pTool tool;
        tool.TypeSet(Ardo::KELT2P_TOOL_DRILLING);
        tool.ModelSet(model, 1, false);
        return tool.TypeGet();
    };
    EXPECT_EQ(typeFrom("holder"), Ardo::KELT2P_TOOL_END_MILL);
    EXPECT_EQ(typeFrom("lower"), Ardo::KELT2P_TOOL_DRILLING);
    EXPECT_EQ(typeFrom("joined"), Ardo::KELT2P_TOOL_DRILLING);
    EXPECT_EQ(typeFrom("task"), Ardo::KELT2P_TOOL_DRILLING);
    EXPECT_THROW_CODE(typeFrom("bare"), Ardo::Error, -4, "Parameter TOOL_TYPE not defined");
}

TEST_F(MfgTest, ModelBasedToolTakesTheModelNameAsId) {
    writeFile("holder.prt", holderPart("BALL MILL"));
    loadJob();
    Ardo::kelt2pMdl model;
    model.Load("holder", Ardo::KELT2P_MDL_PART, false);
    Ardo::kelt2pTool tool;
    tool.IdSet("OLD_ID");
    tool.ModelSet(model, 1, true);
    EXPECT_STREQ(tool.IdGet(), "HOLDER");
    mfg.ToolAdd(tool);
    EXPECT_TRUE(mfg.ToolHasModelGet("HOLDER"));
    EXPECT_STREQ(mfg.ToolModelGet("HOLDER").NameGet(), "HOLDER");
    EXPECT_EQ(testkit::callCount("ProToolElemModelSet"), 1);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, ToolRedefineReplacesTheDescription) {
    loadJob();
    Ardo::kelt2pTool missing = paramTool("NOPE");
    EXPECT_THROW_CODE(mfg.ToolRedefine(missing), Ardo::Error, -4, "Ardo::Mfg::ToolRedefine");
    Ardo::kelt2pTool tool = paramTool("EM_12", 14.0);
    mfg.ToolRedefine(tool);
    EXPECT_DOUBLE_EQ(mfgtest::hostToolParam("EM_12", "CUTTER_DIAM").value.d_val, 14.0);
    EXPECT_EQ(simhost::liveObjects(), liveBaseline);
}

TEST_F(MfgTest, CuttingDataNeverReachesTheHost) {
    loadJob();
    Ardo::kelt2pTool tool = paramTool("EM_12");
    simhost::clearJournal();
    tool.AddCuttingData("STEEL", Ardo::kelt2pCutData{1, {}});
    mfg.ToolSetCutData(tool);
    EXPECT_TRUE(simhost::journal().empty());
}

// Every examined step of creation and redefinition, failed in turn: the operation's
// text with the host's code, no tool left behind, every tool input released.
TEST_F(MfgTest, ToolCreationFaults) {
    loadJob();
    const std::vector<std::string> steps = {"ProToolinputAlloc",   "ProToolinputTypeSet",
                                            "ProElementAlloc",     "ProToolElemParamAdd",
                                            "ProToolinputElemAdd", "ProToolCreate"};
    for (const std::string& step : steps) {
        SCOPED_TRACE(step);
        Ardo::kelt2pTool tool = paramTool("FAULT_T");
        simhost::injectFault(step, -17);
        EXPECT_THROW_CODE(mfg.ToolAdd(tool), Ardo::Error, -17, "Ardo::Tool::Create");
        simhost::clearFaults();
        EXPECT_FALSE(mfg.ToolExist("FAULT_T"));
        EXPECT_EQ(simhost::liveObjects(), liveBaseline);
    }
    for (const std::string& step : steps) {
        std::string redefineStep = step == "ProToolCreate" ? "ProToolRedefine" : step;
        SCOPED_TRACE(redefineStep);
        Ardo::kelt2pTool tool = paramTool("EM_12", 50.0);
        simhost::injectFault(redefineStep, -17);
        EXPECT_THROW_CODE(mfg.ToolRedefine(tool), Ardo::Error, -17, "Ardo::Mfg::ToolRedefine");
        simhost::clearFaults();
        EXPECT_DOUBLE_EQ(mfgtest::hostToolParam("EM_12", "CUTTER_DIAM").value.d_val, 12.0);
        EXPECT_EQ(simhost::liveObjects(), liveBaseline);
    }
}
