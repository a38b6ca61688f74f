// Toolkit contract: selections, a model item with an optional component path.
#pragma once

#include <ProObjects.h>

typedef struct select3d* ProSelection;

PRO_BEGIN_C_DECLS
// `p_cmp_path` may be NULL (an item of the model itself). The selection is the
// caller's until ProSelectionFree.
PRO_TK_EXPORT ProError ProSelectionAlloc(ProAsmcomppath* p_cmp_path, ProModelitem* p_mdl_itm,
                                         ProSelection* p_selection);
PRO_TK_EXPORT ProError ProSelectionCopy(ProSelection from_selection, ProSelection* p_to_selection);
PRO_TK_EXPORT ProError ProSelectionFree(ProSelection* p_selection);
PRO_TK_EXPORT ProError ProSelectionModelitemGet(ProSelection selection, ProModelitem* p_mdl_item);
PRO_TK_EXPORT ProError ProSelectionAsmcomppathGet(ProSelection selection,
                                                  ProAsmcomppath* p_cmp_path);
PRO_TK_EXPORT ProError ProSelectionDisplay(ProSelection selection);
PRO_TK_EXPORT ProError ProSelectionHighlight(ProSelection selection, ProColortype color);
PRO_TK_EXPORT ProError ProSelectionUnhighlight(ProSelection selection);
PRO_END_C_DECLS
