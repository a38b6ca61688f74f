// Layers of a model, their kind of model item and their section of the model file:
//   "layers": [{"id": 40, "name": "DATUMS", "status": 1,
//               "items": [{"type": 3, "id": 5}, {"type": 25, "id": 6}]}]
#include "simhost/state/layers.h"

#include <algorithm>
#include <stdexcept>

#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"
#include "simhost/state/modelitems.h"

namespace simhost::state {

namespace {

using nlohmann::json;

[[noreturn]] void refuse(const std::string& what) {
    throw std::invalid_argument(what);
}

LayerItemRef itemIn(const json& entry) {
    if (!entry.is_object()) {
        refuse("an object with an item type and id expected");
    }
    return {keyInt(entry, "type", -1, 1003), keyInt(entry, "id", 0, kIdMax)};
}

Layer layerIn(const json& entry) {
    if (!entry.is_object()) {
        refuse("an object with a layer id and name expected");
    }
    Layer layer;
    layer.id = keyInt(entry, "id", 1, kIdMax);
    auto name = entry.find("name");
    {
        JsonPlace place("name");
        if (name == entry.end() || !name->is_string() ||
            !modelNameValid(name->get<std::string>())) {
            refuse("a layer name of 1 to 31 letters, digits, '_' or '-' expected");
        }
    }
    layer.name = upperName(name->get<std::string>());
    layer.status = keyIntOr(entry, "status", kLayerStatusNormal);
    if (!layerStatusSettable(layer.status)) {
        JsonPlace place("status");
        refuse("unknown layer status " + std::to_string(layer.status));
    }
    JsonPlace place("items");
    std::size_t index = 0;
    for (const json& item : keyListOr(entry, "items")) {
        JsonPlace at(index++);
        layer.items.push_back(itemIn(item));
    }
    return layer;
}

void readLayers(Model& model, const json& section) {
    LayerState& state = layerState(model);
    state.layers.clear();
    std::size_t index = 0;
    for (const json& entry : listOf(section)) {
        JsonPlace place(index++);
        Layer layer = layerIn(entry);
        if (layerById(model, layer.id) != nullptr) {
            JsonPlace at("id");
            refuse("layer id " + std::to_string(layer.id) + " is given twice");
        }
        if (layerByName(model, layer.name) != nullptr) {
            JsonPlace at("name");
            refuse("layer " + layer.name + " is named twice");
        }
        state.layers.push_back(std::move(layer));
    }
}

// Once the whole file is read: layer ids are no feature's or item's, the model's id
// counter goes past them, and every item on a layer exists.
void settleLayers(Model& model) {
    if (layerState(model).layers.empty()) {
        return;
    }
    FeatureStore& store = features(model);
    for (const Layer& layer : layerState(model).layers) {
        if (store.find(layer.id) != nullptr || store.item(layer.id) != nullptr) {
            refuse("layers: id " + std::to_string(layer.id) + " is taken by a feature or item");
        }
        store.reserveIds(layer.id + 1);
    }
    for (const Layer& layer : layerState(model).layers) {
        for (const LayerItemRef& item : layer.items) {
            if (!layerItemExists(model, item)) {
                refuse("layers: " + layer.name + " holds no item of type " +
                       std::to_string(item.type) + " with id " + std::to_string(item.id));
            }
        }
    }
}

json writeLayers(Model& model) {
    const LayerState& state = layerState(model);
    if (state.layers.empty()) {
        return nullptr;
    }
    json out = json::array();
    for (const Layer& layer : state.layers) {
        json items = json::array();
        for (const LayerItemRef& item : layer.items) {
            items.push_back({{"type", item.type}, {"id", item.id}});
        }
        out.push_back(
            {{"id", layer.id}, {"name", layer.name}, {"status", layer.status}, {"items", items}});
    }
    return out;
}

// Items that are gone (a deleted feature, its geometry, another layer) leave the layers.
void dropGoneItems(Model& model) {
    for (Layer& layer : layerState(model).layers) {
        auto gone = [&](const LayerItemRef& item) { return !layerItemExists(model, item); };
        layer.items.erase(std::remove_if(layer.items.begin(), layer.items.end(), gone),
                          layer.items.end());
    }
}

ModelitemKind layerKind() {
    ModelitemKind kind;
    kind.exists = [](Model& model, int id) { return layerById(model, id) != nullptr; };
    kind.nameGet = [](Model& model, int id) -> std::optional<std::string> {
        const Layer* layer = layerById(model, id);
        return layer != nullptr ? std::optional<std::string>(layer->name) : std::nullopt;
    };
    kind.nameSet = [](Model& model, int id, const std::string& name) -> ProError {
        Layer* layer = layerById(model, id);
        if (layer == nullptr) {
            return PRO_TK_E_NOT_FOUND;
        }
        const Layer* holder = layerByName(model, name);
        if (holder != nullptr && holder != layer) {
            return PRO_TK_E_FOUND;
        }
        layer->name = name;
        return PRO_TK_NO_ERROR;
    };
    kind.byName = [](Model& model, const std::string& name) {
        const Layer* layer = layerByName(model, name);
        return layer != nullptr ? layer->id : 0;
    };
    return kind;
}

const bool kRegistered = [] {
    sectionCodecAdd({"layers", readLayers, writeLayers});
    modelLoadHookAdd(settleLayers);
    modelitemKindAdd(kLayerItemType, layerKind());
    featureDeleteHookAdd([](Model& model, int) { dropGoneItems(model); });
    return true;
}();

}  // namespace

Layer* layerById(Model& model, int id) {
    for (Layer& layer : layerState(model).layers) {
        if (layer.id == id) {
            return &layer;
        }
    }
    return nullptr;
}

Layer* layerByName(Model& model, const std::string& upperName) {
    for (Layer& layer : layerState(model).layers) {
        if (layer.name == upperName) {
            return &layer;
        }
    }
    return nullptr;
}

bool layerStatusSettable(int status) {
    return status == 1 || status == 2 || status == 3 || status == 5;
}

bool layerItemExists(Model& model, const LayerItemRef& item) {
    const ModelitemKind* kind = item.type > 0 ? modelitemKind(item.type) : nullptr;
    return kind != nullptr && kind->exists(model, item.id);
}

}  // namespace simhost::state
