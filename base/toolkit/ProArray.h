// Toolkit contract: expandable arrays allocated and released by the toolkit.
#pragma once

#include <ProToolkit.h>

typedef void* ProArray;

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProArrayAlloc(int n_objs, int obj_size, int reallocation_size,
                                     ProArray* p_array);
PRO_TK_EXPORT ProError ProArrayFree(ProArray* p_array);
PRO_TK_EXPORT ProError ProArrayObjectAdd(ProArray* p_array, int index, int n_objects,
                                         void* p_object);
PRO_TK_EXPORT ProError ProArraySizeGet(ProArray array, int* p_size);
PRO_END_C_DECLS
