// Toolkit contract: value records held by element-tree elements.
#pragma once

#include <ProSelection.h>

typedef struct Pro_Value* ProValue;

typedef enum {
    PRO_VALUE_TYPE_INT = 1,
    PRO_VALUE_TYPE_DOUBLE = 2,
    PRO_VALUE_TYPE_POINTER = 3,
    PRO_VALUE_TYPE_STRING = 4,
    PRO_VALUE_TYPE_WSTRING = 5,
    PRO_VALUE_TYPE_SELECTION = 6,
    PRO_VALUE_TYPE_TRANSFORM = 7,
    PRO_VALUE_TYPE_BOOLEAN = 8
} ProValueDataType;

typedef struct pro_value_data {
    ProValueDataType type;
    union {
        int i;
        double d;
        void* p;
        char* s;
        wchar_t* w;
        ProSelection r;
        double** t;
        ProBoolean b;
    } v;
} ProValueData;

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProValueAlloc(ProValue* p_value);
// Copies the data into the value: texts, the selection and the 4x4 transform are
// copied, a pointer is kept as it is.
PRO_TK_EXPORT ProError ProValueDataSet(ProValue value, ProValueData* value_data);
// Texts, selection and transform returned point into the value and stay valid while it
// lives and its data is not set again.
PRO_TK_EXPORT ProError ProValueDataGet(ProValue value, ProValueData* value_data);
// Refused for a value that an element holds: the element frees its values.
PRO_TK_EXPORT ProError ProValueFree(ProValue value);
PRO_END_C_DECLS
