// Fault-sweep rows of kelt2pMfg: the tools of the model, creating and redefining tools.
#include <string>

#include "faults/mfg_scene.h"
#include "kelt2proe/error.h"
#include "support/host_fixture.h"

namespace {

using namespace testkit;
using mfgscene::exceptFor;
using mfgscene::failed;
using mfgscene::threw;

Ardo::kelt2pMfg mfg;
Ardo::kelt2pTool tool;
Ardo::kelt2pMdl toolModel;
int count = 0;
bool answer = false;

void loadJob() {
    mfgscene::loadJob(mfg);
    count = -1;
    answer = false;
}

// A refused conversion of the id asks the host for the tool of the empty id, which it
// refuses as bad input.
Expectation toolInit(const char* text) {
    return except(throwsLibrary(text), "ProStringToWstring",
                  throwsAlways(Outcome::library(-2, text)));
}

// Creation of a tool by its parameters: whether a tool exists is an answer, every other
// step is examined, the release of the input included.
Expectation creation() {
    return except(throwsLibrary("Ardo::Tool::Create"), "ProToolVerify", swallows());
}

// A creation that failed leaves no tool, unless the host made it before the input's
// release failed.
void expectToolMade(const char* id, const HostCall& call, const Outcome& outcome) {
    EXPECT_EQ(mfgscene::hostHasTool(id), !threw(outcome) || failed(call, {"ProToolinputFree"}));
}

std::vector<SweepRow> toolRows() {
    return {
        {"Ardo::kelt2pMfg::ToolList()", loadJob, [] { count = mfg.ToolList(); },
         except(mfgscene::answerOn(throwsToolkit("ardotk::ToolList"), "ProMfgToolVisit", -4,
                                   swallows()),
                "ProWstringToString", swallows()),
         [](const HostCall& call, int, const Outcome& outcome) {
             if (threw(outcome)) {
                 return;
             }
             if (failed(call, {"ProMfgToolVisit"})) {
                 EXPECT_EQ(count, 0);
                 return;
             }
             ASSERT_EQ(count, 3);
             // A refused conversion leaves that tool's id empty.
             const int emptied = call.isTextConversion() ? call.occurrence - 1 : -1;
             const char* ids[] = {"EM_12", "DRILL_8", "TAP_M8"};
             for (int i = 0; i < 3; ++i) {
                 EXPECT_STREQ(mfg.ToolList(i), i == emptied ? "" : ids[i]);
             }
         }},
        {"Ardo::kelt2pMfg::ToolList(int)",
         [] {
             loadJob();
             mfg.ToolList();
         },
         [] { mfg.ToolList(2); }},
        {"Ardo::kelt2pMfg::ToolExist(char const*)", loadJob,
         [] { answer = mfg.ToolExist("EM_12"); },
         except(toolInit("Ardo::Mfg::ToolExist"), "ProToolVerify", swallows()),
         [](const HostCall& call, int, const Outcome& outcome) {
             if (!threw(outcome)) {
                 EXPECT_EQ(answer, !failed(call, {"ProToolVerify"}));
             }
         }},
        {"Ardo::kelt2pMfg::ToolHasModelGet(char const*)", loadJob,
         [] { answer = mfg.ToolHasModelGet("TAP_M8"); },
         except(toolInit("Ardo::Mfg::ToolHasModelGet"), "ProToolModelGet", swallows()),
         [](const HostCall& call, int, const Outcome& outcome) {
             if (!threw(outcome)) {
                 EXPECT_EQ(answer, !failed(call, {"ProToolModelGet"}));
             }
         }},
        {"Ardo::kelt2pMfg::ToolModelGet(char const*)",
         [] {
             loadJob();
             toolModel = Ardo::kelt2pMdl();
         },
         [] { toolModel = mfg.ToolModelGet("TAP_M8"); },
         except(exceptFor(toolInit("Ardo::Mfg::ToolModelGet"), {"ProWstringToString", "ProMdlLoad"},
                          swallows()),
                "ProToolModelGet", throwsLibrary("no tool model")),
         [](const HostCall& call, int, const Outcome& outcome) {
             if (threw(outcome)) {
                 return;
             }
             // A model that cannot be loaded is handed out unbound with the tool model's
             // name (empty when the name could not be converted) and type.
             EXPECT_EQ(toolModel.IsLoaded(), !failed(call, {"ProMdlLoad", "ProWstringToString"}));
             if (failed(call, {"ProWstringToString"})) {
                 EXPECT_THROW_CODE(toolModel.NameGet(), Ardo::Error, -45, "Ardo::Mdl::NameGet");
             } else {
                 EXPECT_STREQ(toolModel.NameGet(), "TAP_M8");
                 EXPECT_EQ(toolModel.TypeGet(), Ardo::KELT2P_MDL_PART);
             }
         }},
        {"Ardo::kelt2pMfg::ToolAdd(Ardo::kelt2pTool&)",
         [] {
             loadJob();
             tool = mfgscene::paramTool("NEW_EM");
         },
         [] { mfg.ToolAdd(tool); }, creation(),
         [](const HostCall& call, int, const Outcome& outcome) {
             expectToolMade("NEW_EM", call, outcome);
         }},
        {"Ardo::kelt2pMfg::ToolRedefine(Ardo::kelt2pTool&)",
         [] {
             loadJob();
             tool = mfgscene::modelTool("");
         },
         [] { mfg.ToolRedefine(tool); },
         [](const HostCall& call, int code) {
             const char* text = "Ardo::Mfg::ToolRedefine";
             // The id goes to narrow text and back to ask whether the tool exists.
             if (call.isTextConversion()) {
                 return Outcome::library(-2, "Ardo::Mfg::ToolExist");
             }
             if (call.function == "ProToolInit" && call.occurrence == 1) {
                 return Outcome::library(code, "Ardo::Mfg::ToolExist");
             }
             if (call.function == "ProToolVerify") {
                 return Outcome::library(-4, text);
             }
             // The attribute of a model-based tool is advisory: its element is not
             // examined.
             const bool attribute =
                 (call.function == "ProElementAlloc" || call.function == "ProToolinputElemAdd") &&
                 call.occurrence == 1;
             if (attribute || call.function == "ProToolElemAttrSet") {
                 return Outcome::nothing();
             }
             return Outcome::library(code, text);
         }},
        {"Ardo::kelt2pMfg::ToolSetCutData(Ardo::kelt2pTool&)",
         [] {
             loadJob();
             tool = mfgscene::paramTool("NEW_EM");
         },
         [] { mfg.ToolSetCutData(tool); }},
    };
}
SWEEP_ROWS(toolRows);

}  // namespace
