// Parameters of models and features.
#include <ProParameter.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "simhost/api/owner_args.h"
#include "simhost/api/visit_step.h"
#include "simhost/core/allocations.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/params.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::itemArg;
using simhost::api::ownerOf;
using simhost::api::wideAny;
using simhost::api::wideArg;
using simhost::api::wideBuffer;

namespace {

std::string paramArg(const ProParameter* param) {
    return param == nullptr ? std::string("null") : wideArg(param->id, PRO_NAME_SIZE);
}

// The host value of a caller's record; false for an unknown type, a text without a
// terminator in its line or a double that is not finite.
bool valueIn(const ProParamvalue* in, ParamValue& out) {
    if (in == nullptr || !paramTypeKnown(in->type)) {
        return false;
    }
    out = ParamValue{};
    out.type = in->type;
    switch (in->type) {
        case PRO_PARAM_DOUBLE:
            out.d = in->value.d_val;
            return std::isfinite(out.d);
        case PRO_PARAM_STRING:
            return wideBuffer(in->value.s_val, PRO_LINE_SIZE, out.s);
        case PRO_PARAM_INTEGER:
            out.i = in->value.i_val;
            return true;
        default:
            out.b = in->value.l_val != 0;
            return true;
    }
}

void valueOut(const ParamValue& in, ProParamvalue* out) {
    std::memset(out, 0, sizeof *out);
    out->type = static_cast<ProParamvalueType>(in.type);
    switch (in.type) {
        case PRO_PARAM_DOUBLE:
            out->value.d_val = in.d;
            break;
        case PRO_PARAM_STRING:
            copyWide(out->value.s_val, PRO_LINE_SIZE, in.s);
            break;
        case PRO_PARAM_INTEGER:
            out->value.i_val = in.i;
            break;
        default:
            out->value.l_val = in.b ? 1 : 0;
            break;
    }
}

// The handle of a parameter: a model owner as PRM_MODEL, a feature as PRM_ITEM.
void handleOut(const Model& model, const ItemKey& key, const std::wstring& name,
               ProParameter* out) {
    std::memset(out, 0, sizeof *out);
    out->type = PRO_PARAMETER;
    copyWide(out->id, PRO_NAME_SIZE, name);
    if (key.type == kFeatureItem) {
        out->owner.type = PRM_ITEM;
        out->owner.who.item.type = PRO_FEATURE;
        out->owner.who.item.id = key.id;
        out->owner.who.item.owner = modelHandle(model.id);
    } else {
        out->owner.type = PRM_MODEL;
        out->owner.who.model = modelHandle(model.id);
    }
}

// The owner of a parameter handle: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS or PRO_TK_E_NOT_FOUND (a
// feature that is gone).
ProError handleOwner(Session* s, const ProParameter* param, Model*& model, ItemKey& key) {
    if (param == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (param->owner.type == PRM_MODEL) {
        model = simhost::api::modelOf(s, param->owner.who.model);
        if (model == nullptr) {
            return PRO_TK_BAD_INPUTS;
        }
        key = ItemKey{model->type, model->id};
        return PRO_TK_NO_ERROR;
    }
    if (param->owner.type == PRM_ITEM) {
        return ownerOf(s, &param->owner.who.item, model, key);
    }
    return PRO_TK_BAD_INPUTS;
}

// The parameter a handle names: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS or PRO_TK_E_NOT_FOUND.
ProError paramOf(Session* s, const ProParameter* param, Model*& model, ItemKey& key, Param*& out) {
    ProError rc = handleOwner(s, param, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    std::wstring name;
    if (!wideBuffer(param->id, PRO_NAME_SIZE, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    out = params(*model).find(key, name);
    return out == nullptr ? PRO_TK_E_NOT_FOUND : PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProParameterInit(ProModelitem* owner, ProName name, ProParameter* param) try {
    SIMHOST_ENTER("ProParameterInit", itemArg(owner), wideArg(name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    std::wstring text;
    if (!wideBuffer(name, PRO_NAME_SIZE, text) || param == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = ownerOf(s, owner, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    Param* found = params(*model).find(key, text);
    if (found == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    handleOut(*model, key, found->name, param);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProParameterCreate(ProModelitem* owner, ProName name, ProParamvalue* proval,
                            ProParameter* param) try {
    SIMHOST_ENTER("ProParameterCreate", itemArg(owner), wideArg(name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    std::wstring text;
    ParamValue value;
    if (!wideBuffer(name, PRO_NAME_SIZE, text) || !paramNameValid(text) || param == nullptr ||
        !valueIn(proval, value)) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = ownerOf(s, owner, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    Param* created = params(*model).add(key, text, value);
    if (created == nullptr) {
        return PRO_TK_E_FOUND;
    }
    model->touch();
    handleOut(*model, key, created->name, param);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProParameterValueGet(ProParameter* param, ProParamvalue* proval) try {
    SIMHOST_ENTER("ProParameterValueGet", paramArg(param));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    Param* p = nullptr;
    if (proval == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = paramOf(s, param, model, key, p);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    valueOut(p->value, proval);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProParameterValueSet(ProParameter* param, ProParamvalue* proval) try {
    SIMHOST_ENTER("ProParameterValueSet", paramArg(param));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    Param* p = nullptr;
    ParamValue value;
    if (!valueIn(proval, value)) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = paramOf(s, param, model, key, p);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    p->value = value;
    model->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProParameterDelete(ProParameter* param) try {
    SIMHOST_ENTER("ProParameterDelete", paramArg(param));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    Param* p = nullptr;
    ProError rc = paramOf(s, param, model, key, p);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    params(*model).remove(key, p->name);
    model->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProParameterDescriptionGet(ProParameter* param, wchar_t** description) try {
    SIMHOST_ENTER("ProParameterDescriptionGet", paramArg(param));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    Param* p = nullptr;
    if (description == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = paramOf(s, param, model, key, p);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    if (p->description.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    std::size_t n = p->description.size();
    auto* text = static_cast<wchar_t*>(std::malloc((n + 1) * sizeof(wchar_t)));
    if (text == nullptr) {
        return PRO_TK_OUT_OF_MEMORY;
    }
    p->description.copy(text, n);
    text[n] = L'\0';
    allocationAdd(text);
    *description = text;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProParameterDescriptionSet(ProParameter* param, wchar_t* description) try {
    SIMHOST_ENTER("ProParameterDescriptionSet", paramArg(param),
                  description == nullptr ? std::string("null") : narrow(description));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    Param* p = nullptr;
    std::wstring text;
    if (!wideAny(description, text)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (text.size() > kParamDescriptionMax) {
        return PRO_TK_LINE_TOO_LONG;
    }
    ProError rc = paramOf(s, param, model, key, p);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    p->description = text;
    model->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProParameterVisit(ProModelitem* owner, ProParameterFilter filter,
                           ProParameterAction action, ProAppData data) try {
    SIMHOST_ENTER("ProParameterVisit", itemArg(owner));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    ItemKey key;
    if (action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = ownerOf(s, owner, model, key);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    // The names are taken first, so that the callbacks may create and delete
    // parameters; one deleted meanwhile is passed over.
    int modelId = model->id;
    bool visited = false;
    for (const std::wstring& name : params(*model).names(key)) {
        model = simhost::api::modelOf(s, modelHandle(modelId));
        if (model == nullptr) {
            break;
        }
        Param* p = params(*model).find(key, name);
        if (p == nullptr) {
            continue;
        }
        ProParameter handle;
        handleOut(*model, key, p->name, &handle);
        ProError result = PRO_TK_NO_ERROR;
        if (simhost::api::visitStepEnds(&handle, filter, action, data, visited, result)) {
            return result;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

}  // extern "C"
