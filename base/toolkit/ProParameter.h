// Toolkit contract: parameters of models and model items.
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

// Visit callbacks of ProParameterVisit. A filter answering PRO_TK_CONTINUE skips the
// parameter; any other answer is passed to the action as its status.
typedef ProError (*ProParameterAction)(ProParameter* handle, ProError status, ProAppData data);
typedef ProError (*ProParameterFilter)(ProParameter* handle, ProAppData data);

PRO_BEGIN_C_DECLS
// The owner is the model's own item (ProMdlToModelitem) or an item of the model, such
// as a feature. Names are compared without regard to case.
PRO_TK_EXPORT ProError ProParameterInit(ProModelitem* owner, ProName name, ProParameter* param);
PRO_TK_EXPORT ProError ProParameterCreate(ProModelitem* owner, ProName name, ProParamvalue* proval,
                                          ProParameter* param);
PRO_TK_EXPORT ProError ProParameterValueGet(ProParameter* param, ProParamvalue* proval);
PRO_TK_EXPORT ProError ProParameterValueSet(ProParameter* param, ProParamvalue* proval);
PRO_TK_EXPORT ProError ProParameterDelete(ProParameter* param);
// The description is allocated by the toolkit; the caller frees it with ProWstringFree.
PRO_TK_EXPORT ProError ProParameterDescriptionGet(ProParameter* param, wchar_t** description);
PRO_TK_EXPORT ProError ProParameterDescriptionSet(ProParameter* param, wchar_t* description);
// Note the order: filter before action.
PRO_TK_EXPORT ProError ProParameterVisit(ProModelitem* owner, ProParameterFilter filter,
                                         ProParameterAction action, ProAppData data);
PRO_END_C_DECLS
