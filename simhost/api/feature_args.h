// Argument helpers of the feature and model-item functions: feature handles, creation
// options and the error list.
#pragma once

#include <ProFeature.h>

#include <cstring>
#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/state/features.h"

namespace simhost::api {

// "model:id" of a feature handle for the journal.
inline std::string featureArg(const ProModelitem* item) {
    if (item == nullptr) {
        return "null";
    }
    return handleArg(item->owner) + ":" + std::to_string(item->id);
}

// The model and feature a handle names: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS (no handle, not a
// feature handle, no such solid) or PRO_TK_E_NOT_FOUND (the feature is gone).
inline ProError featureOf(state::Session* s, const ProFeature* handle, state::Model*& model,
                          state::Feature*& feature) {
    if (handle == nullptr || handle->type != PRO_FEATURE) {
        return PRO_TK_BAD_INPUTS;
    }
    model = modelOf(s, handle->owner);
    if (model == nullptr || !isSolid(*model)) {
        return PRO_TK_BAD_INPUTS;
    }
    feature = state::featureFind(*model, handle->id);
    return feature != nullptr ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}

inline ProFeature featureHandle(const state::Model& model, int id) {
    ProFeature out;
    out.type = PRO_FEATURE;
    out.id = id;
    out.owner = state::modelHandle(model.id);
    return out;
}

// True for a count and an array of known creation options.
inline bool createOptionsValid(const ProFeatureCreateOptions* options, int count) {
    if (count < 0 || (count > 0 && options == nullptr)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        // Read as a plain int: a caller's value outside the enumeration is refused, not
        // loaded as an enumerator.
        int option = 0;
        std::memcpy(&option, options + i, sizeof option);
        if (option < PRO_FEAT_CR_NO_OPTS || option > PRO_FEAT_CR_ALLOW_CONFIRM) {
            return false;
        }
    }
    return true;
}

// The errors of the session's last creation or redefinition; an error list handed in
// points here until the next one.
struct FeatureErrors {
    std::vector<ProItemerror> list;
};

inline void errorsReport(state::Session* s, ProErrorlist* p_errors,
                         std::vector<ProItemerror> errors) {
    FeatureErrors& kept = s->area<FeatureErrors>();
    kept.list = std::move(errors);
    if (p_errors != nullptr) {
        p_errors->error_list = kept.list.empty() ? nullptr : kept.list.data();
        p_errors->error_number = static_cast<int>(kept.list.size());
    }
}

}  // namespace simhost::api
