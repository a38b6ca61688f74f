// Toolkit contract: typed parameter values.
#pragma once

#include <ProToolkit.h>

typedef enum {
    PRO_PARAM_DOUBLE = 50,
    PRO_PARAM_STRING = 51,
    PRO_PARAM_INTEGER = 52,
    PRO_PARAM_BOOLEAN = 53,
    PRO_PARAM_NOTE_ID = 54,
    PRO_PARAM_VOID = 57,
    PRO_PARAM_NOT_SET = 58
} ProParamvalueType;

typedef union Pro_Param_Value_Value {
    double d_val;
    int i_val;
    short l_val;
    ProLine s_val;
} ProParamvalueValue;

typedef struct Pro_Param_Value {
    ProParamvalueType type;
    ProParamvalueValue value;
} ProParamvalue;
