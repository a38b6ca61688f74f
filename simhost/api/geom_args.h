// Argument helpers of the geometry-handle functions (coordinate systems, datum points).
#pragma once

#include <ProObjects.h>

#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/state/features.h"
#include "simhost/state/geom_handles.h"

namespace simhost::api {

// "model:item" of a geometry handle for the journal; "?" for a value that is none.
inline std::string geomArg(const void* handle) {
    int modelId = 0;
    int itemId = 0;
    if (!state::geomHandleResolve(handle, modelId, itemId)) {
        return "?";
    }
    return std::to_string(modelId) + ":" + std::to_string(itemId);
}

// The solid and item of the type that a geometry handle names: PRO_TK_NO_ERROR,
// PRO_TK_BAD_INPUTS (no geometry handle, or one of another type) or PRO_TK_E_NOT_FOUND
// (its model is no longer in session, or the item is gone).
inline ProError geomOf(state::Session* s, const void* handle, int type, state::Model*& model,
                       state::GeomItem*& item) {
    int modelId = 0;
    int itemId = 0;
    if (!state::geomHandleResolve(handle, modelId, itemId)) {
        return PRO_TK_BAD_INPUTS;
    }
    model = modelOf(s, state::modelHandle(modelId));
    if (model == nullptr || !isSolid(*model)) {
        return PRO_TK_E_NOT_FOUND;
    }
    item = state::features(*model).item(itemId);
    if (item == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    return item->type == type ? PRO_TK_NO_ERROR : PRO_TK_BAD_INPUTS;
}

// The item of a geometry handle as a model item of `solid`, which must be its owner.
inline ProError geomToItem(state::Session* s, ProSolid solid, const void* handle, int type,
                           ProGeomitem* r_geom_item) {
    state::Model* model = nullptr;
    state::GeomItem* item = nullptr;
    if (r_geom_item == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = geomOf(s, handle, type, model, item)) {
        return rc;
    }
    if (modelOf(s, solid) != model) {
        return PRO_TK_BAD_INPUTS;
    }
    r_geom_item->type = static_cast<ProType>(type);
    r_geom_item->id = item->id;
    r_geom_item->owner = state::modelHandle(model->id);
    return PRO_TK_NO_ERROR;
}

// The handle of the item of the type with that id in `owner`.
inline ProError geomInit(state::Session* s, ProSolid owner, int id, int type, void** p_handle) {
    state::Model* model = modelOf(s, owner);
    if (model == nullptr || !isSolid(*model) || p_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const state::GeomItem* item = state::features(*model).item(id);
    if (item == nullptr || item->type != type) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_handle = state::geomHandle(model->id, id);
    return PRO_TK_NO_ERROR;
}

// Visits the items `ids` of the solid `handle` as geometry handles of the type, filter
// first (PRO_TK_CONTINUE skips an item; another answer reaches the visit as its status),
// ending with the first visit answer that is not PRO_TK_NO_ERROR; PRO_TK_E_NOT_FOUND
// when nothing was visited. The callbacks may change the model, so every item is looked
// up again at its turn and the visit stops when the model is gone.
template <typename Handle, typename Filter, typename Visit>
ProError geomVisit(state::Session* s, const void* handle, const std::vector<int>& ids, int type,
                   Filter filter, Visit visit, ProAppData data) {
    const int modelId = state::modelIdOf(handle);
    bool visited = false;
    for (int id : ids) {
        state::Model* now = modelOf(s, handle);
        if (now == nullptr || now->id != modelId) {
            break;
        }
        const state::GeomItem* item = state::features(*now).item(id);
        if (item == nullptr || item->type != type) {
            continue;
        }
        auto geom = static_cast<Handle>(state::geomHandle(modelId, id));
        ProError status = PRO_TK_NO_ERROR;
        if (filter != nullptr) {
            status = filter(geom, data);
            if (status == PRO_TK_CONTINUE) {
                continue;
            }
        }
        visited = true;
        if (ProError rc = visit(geom, status, data)) {
            return rc;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}

// The ids of the solid's items of the type, in the order of their features; with
// `activeOnly`, of active features only.
inline std::vector<int> geomIds(state::Model& model, int type, bool activeOnly) {
    std::vector<int> ids;
    state::FeatureStore& store = state::features(model);
    for (int featureId : store.order()) {
        const state::Feature* feature = store.find(featureId);
        if (activeOnly && feature->status != state::kFeatActive) {
            continue;
        }
        for (int itemId : feature->items) {
            if (store.item(itemId)->type == type) {
                ids.push_back(itemId);
            }
        }
    }
    return ids;
}

}  // namespace simhost::api
