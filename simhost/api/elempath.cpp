// Element paths.
#include <ProElempath.h>

#include "simhost/core/entry.h"
#include "simhost/state/elemtree.h"

using namespace simhost::state;

extern "C" {

ProError ProElempathAlloc(ProElempath* p_elem_path) try {
    SIMHOST_ENTER("ProElempathAlloc");
    if (p_elem_path == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_elem_path = pathCreate();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElempathDataSet(ProElempath elem_path, ProElempathItem* elempath_data,
                            int path_size) try {
    SIMHOST_ENTER("ProElempathDataSet", std::to_string(path_size));
    Path* path = pathFind(elem_path);
    if (path == nullptr || path->heldByVisit || path_size < 0 ||
        (path_size > 0 && elempath_data == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    for (int i = 0; i < path_size; ++i) {
        if (elempath_data[i].type != PRO_ELEM_PATH_ITEM_TYPE_ID &&
            elempath_data[i].type != PRO_ELEM_PATH_ITEM_TYPE_INDEX) {
            return PRO_TK_BAD_INPUTS;
        }
    }
    path->items.assign(elempath_data, elempath_data + path_size);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProElempathFree(ProElempath* p_elem_path) try {
    SIMHOST_ENTER("ProElempathFree");
    Path* path = p_elem_path == nullptr ? nullptr : pathFind(*p_elem_path);
    if (path == nullptr || path->heldByVisit) {
        return PRO_TK_BAD_INPUTS;
    }
    pathErase(*path);
    *p_elem_path = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
