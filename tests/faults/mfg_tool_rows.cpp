// Fault-sweep rows of kelt2pMfg: the tools of the model, creating and redefining tools.
#include <ProToolkit.h>

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
                  throwsAlways(Outcome::library(PRO_TK_BAD_INPUTS, text)));
}

// Redefining a model-based tool: the id goes to narrow text and back to ask whether the
// tool exists (ToolExist, with its own texts); a tool that does not is refused as not
// found. The attribute is advisory.
Expectation redefinition() {
    const char* text = "Ardo::Mfg::ToolRedefine";
    Expectation redefine = mfgscene::advisoryAttribute(throwsLibrary(text));
    redefine =
        mfgscene::exceptCall(redefine, "ProToolInit", 1, throwsLibrary("Ardo::Mfg::ToolExist"));
    redefine = exceptFor(redefine, {"ProWstringToString", "ProStringToWstring"},
                         throwsAlways(Outcome::library(PRO_TK_BAD_INPUTS, "Ardo::Mfg::ToolExist")));
    return except(redefine, "ProToolVerify",
                  throwsAlways(Outcome::library(PRO_TK_E_NOT_FOUND, text)));
}

std::vector<SweepRow> toolRows() {
    return {
        {"Ardo::kelt2pMfg::ToolList()", loadJob, [] { count = mfg.ToolList(); },
         except(mfgscene::answerOn(throwsToolkit("ardotk::ToolList"), "ProMfgToolVisit",
                                   PRO_TK_E_NOT_FOUND, swallows()),
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
                 EXPECT_THROW_CODE(toolModel.NameGet(), Ardo::Error, PRO_TK_EMPTY,
                                   "Ardo::Mdl::NameGet");
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
         [] { mfg.ToolAdd(tool); }, mfgscene::toolCreation(),
         [](const HostCall& call, int, const Outcome& outcome) {
             mfgscene::expectToolMade("NEW_EM", call, outcome);
         }},
        {"Ardo::kelt2pMfg::ToolRedefine(Ardo::kelt2pTool&)",
         [] {
             loadJob();
             tool = mfgscene::modelTool("");
         },
         [] { mfg.ToolRedefine(tool); }, redefinition()},
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
