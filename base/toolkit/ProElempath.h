// Toolkit contract: paths that address an element within an element tree.
#pragma once

#include <ProToolkit.h>

typedef struct _UiElemId* ProElempath;

typedef enum {
    PRO_ELEM_PATH_ITEM_TYPE_ID = 1,
    PRO_ELEM_PATH_ITEM_TYPE_INDEX = 2
} ProElempathItemtype;

typedef struct path {
    ProElempathItemtype type;
    union path_item {
        int elem_id;
        int elem_index;
    } path_item;
} ProElempathItem;

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProElempathAlloc(ProElempath* p_elem_path);
// Each item steps from an element to one of its children: by element id (the first
// child with it) or by index (0-based, in order of addition).
PRO_TK_EXPORT ProError ProElempathDataSet(ProElempath elem_path, ProElempathItem* elempath_data,
                                          int path_size);
PRO_TK_EXPORT ProError ProElempathFree(ProElempath* p_elem_path);
PRO_END_C_DECLS
