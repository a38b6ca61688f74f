// Toolkit contract: family-table instances.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// The generic of an instance; PRO_TK_E_NOT_FOUND for a model that is no instance.
PRO_TK_EXPORT ProError ProFaminstanceGenericGet(ProMdl inst_model, int immediate,
                                                ProMdl* gen_model);
PRO_END_C_DECLS
