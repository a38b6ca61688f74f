// Toolkit contract: relation sets of models and features.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

// A relation set names its owner item: the model's own item (type = model type, id =
// model id), the model's post-regeneration set (id -2), or a feature.
typedef ProError (*ProSolidRelsetVisitAction)(ProRelset* p_relset, ProAppData caller_data);

PRO_BEGIN_C_DECLS
// Note: one action, no filter; the action gets no status.
PRO_TK_EXPORT ProError ProSolidRelsetVisit(ProMdl model, ProSolidRelsetVisitAction action,
                                           ProAppData caller_data);
PRO_TK_EXPORT ProError ProRelsetToModelitem(ProRelset* p_relset, ProModelitem* p_item);
PRO_TK_EXPORT ProError ProModelitemToRelset(ProModelitem* p_item, ProRelset* p_relset);
// The lines as a ProArray of wide texts. A live ProArray in *p_line_array is replaced
// (and released); the texts belong to the returned array, so one ProArrayFree releases
// them all.
PRO_TK_EXPORT ProError ProRelsetRelationsGet(ProRelset* p_relset, ProWstring** p_line_array);
// Replaces the set's relations with the n_lines given lines (none: an empty set).
PRO_TK_EXPORT ProError ProRelsetRelationsSet(ProRelset* p_relset, ProWstring* line_array,
                                             int n_lines);
PRO_END_C_DECLS
