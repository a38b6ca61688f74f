// Toolkit contract: operations of manufacturing models.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// The active operation of the manufacturing solid (ProMfgSolidGet);
// PRO_TK_E_NOT_FOUND when none is active.
PRO_TK_EXPORT ProError ProMfgoperActiveGet(ProSolid mfg_solid, ProMfgoper* oper_feat);
PRO_END_C_DECLS
