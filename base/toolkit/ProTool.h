// Toolkit contract: cutting tools of manufacturing models.
#pragma once

#include <ProItemerr.h>
#include <ProMdl.h>
#include <ProMfg.h>
#include <ProParamval.h>
#include <ProToolinput.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// Builds the handle of the tool `tool_id` of `owner_mfg`; the tool need not exist.
PRO_TK_EXPORT ProError ProToolInit(const ProLine tool_id, ProMfg owner_mfg, ProTool* p_tool_ref);
// PRO_TK_NO_ERROR when the tool exists, PRO_TK_E_NOT_FOUND otherwise.
PRO_TK_EXPORT ProError ProToolVerify(const ProTool* tool_ref);
// Name and type of the solid model of a model-based tool (the older form, with a family
// name buffer and a model type); PRO_TK_E_NOT_FOUND when the tool has no model.
PRO_TK_EXPORT ProError ProToolModelGet(const ProTool* tool_ref, ProFamilyName r_model_name,
                                       ProMdlType* r_model_type);
PRO_TK_EXPORT ProError ProToolTypeGet(const ProTool* tool_ref, ProToolType* r_tool_type);
// A parameter of the tool by its name; PRO_TK_E_NOT_FOUND when the tool has none of it.
PRO_TK_EXPORT ProError ProToolParamGet(const ProTool* tool_ref, const ProCharName param_name,
                                       ProParamvalue* p_param_val);
// Creates the tool named by `tool_ref` from the input; PRO_TK_E_FOUND when it exists.
PRO_TK_EXPORT ProError ProToolCreate(ProTool* tool_ref, ProConstToolinputPtr tool_input,
                                     ProErrorlist* p_errors);
// Replaces the definition of an existing tool with the input.
PRO_TK_EXPORT ProError ProToolRedefine(const ProTool* tool_ref, ProConstToolinputPtr tool_input,
                                       ProErrorlist* p_errors);
PRO_END_C_DECLS
