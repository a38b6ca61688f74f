// Toolkit contract: elements of tool inputs. A tool element is an element of the element
// tree interface (ProElementAlloc, ProElementFree) with one of the ids of ProToolinput.h.
#pragma once

#include <ProElement.h>
#include <ProParamval.h>
#include <ProToolinput.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// Adds one named parameter to an element of id 154 (PRO_E_TOOL_PARAMS); the value is
// copied. Value types 50 (double), 51 (text), 52 (integer) and 53 (boolean) are taken.
PRO_TK_EXPORT ProError ProToolElemParamAdd(ProToolElem elem, const ProParamvalue* param_value,
                                           const ProCharName param_name);
// Sets the attribute of an element of id 7 (PRO_E_TOOL_ATTR).
PRO_TK_EXPORT ProError ProToolElemAttrSet(ProToolElem elem, int attrs);
// Sets the solid model (part or assembly) of an element of id 331 (PRO_E_TOOL_MODEL).
PRO_TK_EXPORT ProError ProToolElemModelSet(ProToolElem elem, const ProMdl tool_model);
PRO_END_C_DECLS
