// Toolkit arrays.
#include <ProArray.h>

#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"

using namespace simhost::core;

extern "C" {

ProError ProArrayAlloc(int n_objs, int obj_size, int reallocation_size, ProArray* p_array) try {
    SIMHOST_ENTER("ProArrayAlloc", std::to_string(n_objs), std::to_string(obj_size));
    if (p_array == nullptr || n_objs < 0 || obj_size <= 0 || reallocation_size <= 0) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_array = arrayAlloc(n_objs, obj_size, reallocation_size);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProArrayFree(ProArray* p_array) try {
    SIMHOST_ENTER("ProArrayFree");
    if (p_array == nullptr || !arrayLive(*p_array)) {
        return PRO_TK_BAD_INPUTS;
    }
    arrayFree(*p_array);
    *p_array = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProArrayObjectAdd(ProArray* p_array, int index, int n_objects, void* p_object) try {
    SIMHOST_ENTER("ProArrayObjectAdd", std::to_string(index), std::to_string(n_objects));
    return arrayInsert(p_array, index, n_objects, p_object) ? PRO_TK_NO_ERROR : PRO_TK_BAD_INPUTS;
}
SIMHOST_CATCH

ProError ProArraySizeGet(ProArray array, int* p_size) try {
    SIMHOST_ENTER("ProArraySizeGet");
    if (p_size == nullptr || !arrayLive(array)) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_size = arraySize(array);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
