// Toolkit contract: NC sequences of manufacturing models.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProFeatureIsNcseq(const ProFeature* feat, ProBoolean* p_is_ncseq);
PRO_END_C_DECLS
