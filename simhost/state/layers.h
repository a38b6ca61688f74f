// Layers of a model: model items of type PRO_LAYER (117) with a name, a display status
// and the items put on them, saved in the section "layers" of the model's file
// (docs/model-files.md). Layer ids come from the model's id counter, the one of its
// features and geometry items, so that no item of the model shares a layer's id.
#pragma once

#include <string>
#include <vector>

#include "simhost/state/models.h"

namespace simhost::state {

constexpr int kLayerItemType = 117;
constexpr int kLayerStatusNormal = 1;

// An item on a layer: an item of the layer's own model.
struct LayerItemRef {
    int type = 0;
    int id = 0;
    bool operator==(const LayerItemRef& other) const {
        return type == other.type && id == other.id;
    }
};

struct Layer {
    int id = 0;
    std::string name;  // upper case
    int status = kLayerStatusNormal;
    std::vector<LayerItemRef> items;  // in the order added
};

struct LayerState {
    std::vector<Layer> layers;  // in creation order
};

inline LayerState& layerState(Model& model) {
    return model.content<LayerState>();
}

Layer* layerById(Model& model, int id);
Layer* layerByName(Model& model, const std::string& upperName);
// A status a layer can be given: normal, display, blank or hidden.
bool layerStatusSettable(int status);
// True when the model has the item (of a type some host area keeps).
bool layerItemExists(Model& model, const LayerItemRef& item);

}  // namespace simhost::state
