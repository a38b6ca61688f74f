// Toolkit contract: parameters of models and model items (types; the functions follow
// with the parameter area).
#pragma once

#include <ProObjects.h>
#include <ProParamval.h>
#include <ProToolkit.h>

typedef enum { PRM_MODEL = 0, PRM_ITEM = 1 } ProParamfrom;

// The owner of a parameter: a model (PRM_MODEL) or one of its items (PRM_ITEM).
typedef struct proparamowner {
    ProParamfrom type;
    union {
        ProModelitem item;
        ProMdl model;
    } who;
} ProParamowner;

// A parameter handle: its name (`id`) and owner.
typedef struct proparameter {
    ProType type;
    ProName id;
    ProParamowner owner;
} ProParameter;
