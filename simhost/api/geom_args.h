// Argument helpers of the geometry-handle functions (coordinate systems, datum points).
#pragma once

#include <ProObjects.h>

#include <string>

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

}  // namespace simhost::api
