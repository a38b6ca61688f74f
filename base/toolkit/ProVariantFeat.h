// Toolkit contract: variant (flexible) features.
#pragma once

#include <ProModelitem.h>
#include <ProObjects.h>
#include <ProParameter.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProMdlIsVariantfeatMdl(ProMdl mdl, ProBoolean* is_var_feat_mdl);
// The items (dimensions) and parameters of the component's model that the component
// varies: the filter first, then the action. PRO_TK_E_NOT_FOUND when nothing was
// visited; an action's answer other than PRO_TK_NO_ERROR ends the visit with it.
PRO_TK_EXPORT ProError ProVariantfeatItemsVisit(ProFeature* feature,
                                                ProModelitemVisitAction visit_action,
                                                ProModelitemFilterAction filter_action,
                                                ProAppData application_data);
PRO_TK_EXPORT ProError ProVariantfeatParamsVisit(ProFeature* feature,
                                                 ProParameterAction visit_action,
                                                 ProParameterFilter filter_action,
                                                 ProAppData application_data);
PRO_END_C_DECLS
