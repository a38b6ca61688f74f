// Toolkit contract: variant (flexible) features.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProMdlIsVariantfeatMdl(ProMdl mdl, ProBoolean* is_var_feat_mdl);
PRO_END_C_DECLS
