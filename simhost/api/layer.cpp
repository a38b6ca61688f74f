// Layers of a model: creation, visit, display status and the items put on them.
#include <ProLayer.h>

#include <algorithm>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/api/visit_step.h"
#include "simhost/core/entry.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/layers.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideText;

namespace {

std::string layerArg(const ProLayer* layer) {
    return layer == nullptr ? "null" : handleArg(layer->owner) + ":" + std::to_string(layer->id);
}

// The model and layer of a layer handle: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS (no handle,
// no model in session, not a layer item) or PRO_TK_E_NOT_FOUND (the model has no such
// layer).
ProError layerOf(Session* s, const ProLayer* handle, Model*& model, Layer*& layer) {
    if (handle == nullptr || handle->type != PRO_LAYER) {
        return PRO_TK_BAD_INPUTS;
    }
    model = modelOf(s, handle->owner);
    if (model == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    layer = layerById(*model, handle->id);
    return layer != nullptr ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}

}  // namespace

extern "C" {

ProError ProLayerCreate(ProMdl owner, ProName layer_name, ProLayer* layer) try {
    SIMHOST_ENTER("ProLayerCreate", handleArg(owner), wideArg(layer_name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, owner);
    std::string name;
    if (m == nullptr || layer == nullptr || !wideText(layer_name, PRO_NAME_SIZE, name) ||
        !modelNameValid(name)) {
        return PRO_TK_BAD_INPUTS;
    }
    name = upperName(name);
    if (layerByName(*m, name) != nullptr) {
        return PRO_TK_E_FOUND;
    }
    FeatureStore& ids = features(*m);
    const int id = ids.nextId();
    if (id > kIdMax) {
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    ids.reserveIds(id + 1);
    Layer made;
    made.id = id;
    made.name = name;
    layerState(*m).layers.push_back(made);
    m->touch();
    layer->type = PRO_LAYER;
    layer->id = id;
    layer->owner = owner;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlLayerVisit(ProMdl model, ProLayerAction visit_action, ProLayerAction filter_action,
                          ProAppData app_data) try {
    SIMHOST_ENTER("ProMdlLayerVisit", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || visit_action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // The ids are taken first, so that an action that creates layers does not disturb
    // the visit; a layer gone meanwhile is skipped.
    std::vector<int> ids;
    for (const Layer& layer : layerState(*m).layers) {
        ids.push_back(layer.id);
    }
    bool visited = false;
    for (int id : ids) {
        if (layerById(*m, id) == nullptr) {
            continue;
        }
        ProLayer layer{PRO_LAYER, id, model};
        if (filter_action != nullptr && filter_action(&layer, app_data) == PRO_TK_CONTINUE) {
            continue;
        }
        visited = true;
        ProError rc = visit_action(&layer, app_data);
        if (rc != PRO_TK_NO_ERROR) {
            return rc;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

ProError ProLayerDisplaystatusGet(ProLayer* layer, ProLayerDisplay* display_status) try {
    SIMHOST_ENTER("ProLayerDisplaystatusGet", layerArg(layer));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Layer* found = nullptr;
    if (display_status == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = layerOf(s, layer, m, found)) {
        return rc;
    }
    *display_status = static_cast<ProLayerDisplay>(found->status);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProLayerDisplaystatusSet(ProLayer* layer, ProLayerDisplay display_status) try {
    SIMHOST_ENTER("ProLayerDisplaystatusSet", layerArg(layer), std::to_string(display_status));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Layer* found = nullptr;
    if (!layerStatusSettable(display_status)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = layerOf(s, layer, m, found)) {
        return rc;
    }
    if (found->status != display_status) {
        found->status = display_status;
        m->touch();
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProLayerItemInit(ProLayerType type, int id, ProMdl owner, ProLayerItem* item) try {
    SIMHOST_ENTER("ProLayerItemInit", std::to_string(type), std::to_string(id), handleArg(owner));
    SIMHOST_SESSION(s);
    if (item == nullptr || type <= 0 || modelOf(s, owner) == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *item = ProLayerItem{};
    item->type = type;
    item->id = id;
    item->owner.owner_type = PRO_LAYITEM_FROM_MODEL;
    item->owner.owner.layitem_model = owner;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProLayerItemAdd(ProLayer* layer, ProLayerItem* layer_item) try {
    SIMHOST_ENTER("ProLayerItemAdd", layerArg(layer),
                  layer_item == nullptr
                      ? std::string("null")
                      : std::to_string(layer_item->type) + ":" + std::to_string(layer_item->id));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Layer* found = nullptr;
    if (layer_item == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = layerOf(s, layer, m, found)) {
        return rc;
    }
    // This host keeps items of the layer's own model on it, not items reached through
    // a component path.
    if (layer_item->owner.owner_type != PRO_LAYITEM_FROM_MODEL ||
        modelOf(s, layer_item->owner.owner.layitem_model) != m ||
        (layer_item->type == PRO_LAYER_LAYER && layer_item->id == found->id)) {
        return PRO_TK_BAD_INPUTS;
    }
    const LayerItemRef item{layer_item->type, layer_item->id};
    if (!layerItemExists(*m, item)) {
        return PRO_TK_E_NOT_FOUND;
    }
    if (std::find(found->items.begin(), found->items.end(), item) != found->items.end()) {
        return PRO_TK_E_FOUND;
    }
    found->items.push_back(item);
    m->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
