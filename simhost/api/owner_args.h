// Argument helpers of the parameter, dimension and relation-set functions: the owner
// item of a parameter or relation set, and wide texts of any length.
#pragma once

#include <ProObjects.h>

#include <string>

#include "simhost/api/feature_args.h"
#include "simhost/api/model_args.h"
#include "simhost/state/owners.h"

namespace simhost::api {

// "type:id@model" of a model item for the journal.
inline std::string itemArg(const ProModelitem* item) {
    if (item == nullptr) {
        return "null";
    }
    return std::to_string(item->type) + ":" + std::to_string(item->id) + "@" +
           handleArg(item->owner);
}

// The model and owner key of an owner item: the model's own item (type = model type,
// id = model id) or one of its features. 0, PRO_TK_BAD_INPUTS (no item, no such model,
// an item that owns nothing here) or PRO_TK_E_NOT_FOUND (the feature is gone).
inline ProError ownerOf(state::Session* s, const ProModelitem* item, state::Model*& model,
                        state::ItemKey& key) {
    if (item == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (item->type == PRO_FEATURE) {
        state::Feature* feature = nullptr;
        ProError rc = featureOf(s, item, model, feature);
        key = state::ItemKey{state::kFeatureItem, item->id};
        return rc;
    }
    model = modelOf(s, item->owner);
    if (model == nullptr || item->type != model->type || item->id != model->id) {
        return PRO_TK_BAD_INPUTS;
    }
    key = state::ItemKey{model->type, model->id};
    return PRO_TK_NO_ERROR;
}

// A wide text of any length; false for null.
inline bool wideAny(const wchar_t* text, std::wstring& out) {
    if (text == nullptr) {
        return false;
    }
    out.assign(text);
    return true;
}

}  // namespace simhost::api
