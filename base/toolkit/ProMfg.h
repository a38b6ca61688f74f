// Toolkit contract: manufacturing models, their solid and assembly, and their tools.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef struct mfg* ProMfg;

// A cutting tool of a manufacturing model: its id (case-sensitive, compared exactly) and
// the model that owns it. The record is a plain value; it names the tool, it does not
// hold it, so a tool handle may name a tool that does not exist (ProToolVerify).
typedef struct Pro_Tool {
    ProLine tool_id;
    ProMfg owner_mfg;
} ProTool;

// Fixtures are features of the manufacturing model grouping components that hold the
// workpiece; the elements of their tree.
#define PRO_FEAT_FIXTURE 1002
#define PRO_E_FIXT_COMPONENTS 332
#define PRO_E_SETUP_TIME 333
#define PRO_E_ASSEM_SETUP_TYPE 3304
typedef ProModelitem ProFixture;
typedef const struct pro_model_item* ProConstFixturePtr;

// Called once per tool; any result other than PRO_TK_NO_ERROR ends the visit, and
// ProMfgToolVisit then returns that result.
typedef ProError (*ProMfgToolAction)(const ProTool* tool, ProAppData app_data);

PRO_BEGIN_C_DECLS
// The solid whose features are the operations, workcells and NC sequences.
PRO_TK_EXPORT ProError ProMfgSolidGet(const ProMfg mfg, ProSolid* r_solid_obj);
// The assembly of the manufacturing model.
PRO_TK_EXPORT ProError ProMfgAssemGet(const ProMfg mfg, ProAssembly* r_assem_obj);
// Makes the fixture (a feature of type PRO_FEAT_FIXTURE) the model's active fixture.
PRO_TK_EXPORT ProError ProMfgFixtActivate(const ProMfg mfg, ProConstFixturePtr fixture);
// Visits the tools of the model in the order of their creation.
PRO_TK_EXPORT ProError ProMfgToolVisit(const ProMfg mfg, ProMfgToolAction action_fnc,
                                       void* app_data);
PRO_END_C_DECLS
