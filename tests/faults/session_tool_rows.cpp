// Fault-sweep rows of kelt2pTool and the tool-type names. The description's own
// operations make no host call but the text conversions; a refused conversion leaves the
// empty text in the description. ModelSet reads the tool model's name and "TOOL_TYPE".
#include <gtest/gtest.h>

#include <string>

#include "base/facade_impl.h"
#include "faults/session_scene.h"
#include "mfg/tool.h"

namespace {

using namespace testkit;

Ardo::kelt2pTool tool;
Ardo::kelt2pMdl holder;
std::string returnedText;

void freshTool() {
    freshHost();
    tool = Ardo::kelt2pTool();
}

void namedTool() {
    freshTool();
    tool.IdSet("EM_12");
}

// A tool named "OLD_ID" of type DRILLING, and the part "holder" whose "TOOL_TYPE" names
// BALL MILL.
void toolAndHolder() {
    freshTool();
    tool.IdSet("OLD_ID");
    tool.TypeSet(Ardo::KELT2P_TOOL_DRILLING);
    writeTextFile("holder.prt",
                  R"({"parameters": {"model": [{"name": "TOOL_TYPE", "type": "string",
                                                 "value": "BALL MILL"}]}})");
    holder = Ardo::kelt2pMdl();
    holder.Load("holder", Ardo::KELT2P_MDL_PART, false);
}

// What ModelSet leaves in the description when `failed` fails: a refused name keeps the
// id; a refused narrowing or widening of the name gives the empty id; a refused
// "TOOL_TYPE" read or narrowing keeps the type.
void modelSetLeft(const HostCall& failed, int, const Outcome&) {
    const std::string& f = failed.function;
    const bool nameRefused = f == "ProMdlNameGet";
    const bool nameLost =
        f == "ProStringToWstring" || (f == "ProWstringToString" && failed.occurrence == 1);
    EXPECT_STREQ(tool.IdGet(), nameRefused ? "OLD_ID" : nameLost ? "" : "HOLDER");
    // The type is read only past a failure of the name's conversions.
    EXPECT_EQ(tool.TypeGet(), nameLost ? Ardo::KELT2P_TOOL_BALL_MILL : Ardo::KELT2P_TOOL_DRILLING);
    EXPECT_TRUE(Ardo::FacadeAccess::ImplOf(tool).modelSet) << "the model is set first";
}

std::vector<SweepRow> toolRows() {
    return {
        {"Ardo::kelt2pTool::IdSet(char const*)", freshTool, [] { tool.IdSet("EM_12"); }, swallows(),
         [](const HostCall&, int, const Outcome&) { EXPECT_STREQ(tool.IdGet(), ""); }},
        {"Ardo::kelt2pTool::IdGet()", namedTool, [] { returnedText = tool.IdGet(); }, swallows(),
         [](const HostCall&, int, const Outcome&) { EXPECT_EQ(returnedText, ""); }},
        {"Ardo::kelt2pTool::TypeSet(Ardo::kelt2pToolType)", freshTool,
         [] { tool.TypeSet(Ardo::KELT2P_TOOL_END_MILL); }},
        {"Ardo::kelt2pTool::TypeGet() const", namedTool, [] { tool.TypeGet(); }},
        {"Ardo::kelt2pTool::ToolParamAdd(char const*, double)", freshTool,
         [] { tool.ToolParamAdd("CUTTER_DIAM", 12.0); }},
        // The parameter is added with the empty text.
        {"Ardo::kelt2pTool::ToolParamAdd(char const*, char const*)", freshTool,
         [] { tool.ToolParamAdd("MATERIAL", "HSS"); }, swallows(),
         [](const HostCall&, int, const Outcome&) {
             const Ardo::Tool& added = Ardo::FacadeAccess::ImplOf(tool);
             ASSERT_EQ(added.params.size(), 1u);
             EXPECT_STREQ(added.params[0].name, "MATERIAL");
             EXPECT_EQ(added.params[0].value.type, PRO_PARAM_STRING);
             EXPECT_EQ(added.params[0].value.value.s_val[0], L'\0');
         }},
        {"Ardo::kelt2pTool::AddCuttingData(char const*, Ardo::kelt2pCutData)", namedTool,
         [] { tool.AddCuttingData("STEEL", Ardo::kelt2pCutData{}); }},
        {"Ardo::kelt2pTool::ModelSet(Ardo::kelt2pMdl const&, int, bool)", toolAndHolder,
         [] { tool.ModelSet(holder, 1, true); },
         except(except(except(throwsLibrary("Parameter TOOL_TYPE not defined"), "ProMdlNameGet",
                              throwsLibrary("Ardo::Mdl::NameGet")),
                       "ProWstringToString", swallows()),
                "ProStringToWstring", swallows()),
         modelSetLeft},
        {"Ardo::kelt2pToolTypeName(Ardo::kelt2pToolType)", nullptr,
         [] { Ardo::kelt2pToolTypeName(Ardo::KELT2P_TOOL_END_MILL); }},
        {"Ardo::kelt2pToolTypeFromName(char const*, bool*)", nullptr,
         [] {
             bool found = false;
             Ardo::kelt2pToolTypeFromName("END MILL", &found);
         }},
        {"Ardo::kelt2pToolTypeCount()", nullptr, [] { Ardo::kelt2pToolTypeCount(); }},
        {"Ardo::kelt2pToolTypeAt(int)", nullptr, [] { Ardo::kelt2pToolTypeAt(0); }},
    };
}
SWEEP_ROWS(toolRows);

}  // namespace
