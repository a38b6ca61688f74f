// The "features" section of model files (docs/model-files.md).
#include <ProObjects.h>

#include <climits>
#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/state/elemtree_json.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

namespace {

using nlohmann::json;

// Axes written by hand with a few decimals still count as orthonormal.
constexpr double kPlacementFileTolerance = 1e-6;

// Models that a tree refers to are written as "NAME.TYPE" ("BOLT.PRT"); the model
// itself as ".", so that a copy or a renamed model keeps referring to itself.
TreeModels treeModels(Model& model) {
    TreeModels models;
    void* self = modelHandle(model.id);
    models.nameOf = [self](const void* handle) -> std::string {
        if (handle == self) {
            return ".";
        }
        Session* s = connected();
        Model* other = s != nullptr ? s->area<ModelStore>().byHandle(handle) : nullptr;
        return other != nullptr ? other->name + "." + modelTypeText(other->type) : std::string();
    };
    models.byName = [self](const std::string& name) -> void* {
        if (name == ".") {
            return self;
        }
        Session* s = connected();
        std::size_t dot = name.rfind('.');
        if (s == nullptr || dot == std::string::npos) {
            return nullptr;
        }
        Model* other = s->area<ModelStore>().byName(name.substr(0, dot),
                                                    modelTypeFromText(name.substr(dot + 1)));
        return other != nullptr ? modelHandle(other->id) : nullptr;
    };
    return models;
}

std::string nameFrom(const json& entry) {
    std::string name = upperName(keyOr(entry, "name", std::string()));
    if (!name.empty() && !modelNameValid(name)) {
        JsonPlace place("name");
        throw std::invalid_argument("\"" + name +
                                    "\" is no name (1 to 31 letters, digits, _ or -)");
    }
    return name;
}

geometry::Vec3 vec3From(const json& entry, const char* key) {
    JsonPlace place(key);
    const json& list = listOf(entry.at(key));
    if (list.size() != 3) {
        throw std::invalid_argument("three numbers expected");
    }
    geometry::Vec3 out{};
    for (std::size_t k = 0; k < 3; ++k) {
        JsonPlace at(k);
        out[k] = doubleIn(list[k]);
    }
    return out;
}

json vec3Json(const geometry::Vec3& v) {
    return json::array({v[0], v[1], v[2]});
}

// A coordinate system's placement (`placement`: origin and axes) or a datum point's
// coordinates (`xyz`), optional; without it a coordinate system sits in the model's frame.
void placementRead(const json& entry, GeomItem& item) {
    if (item.type == PRO_CSYS && entry.contains("placement")) {
        JsonPlace place("placement");
        const json& placement = entry.at("placement");
        if (!placement.is_object()) {
            throw std::invalid_argument("an object with origin, x, y and z expected");
        }
        for (const char* key : {"origin", "x", "y", "z"}) {
            if (!placement.contains(key)) {
                throw std::invalid_argument(std::string("no ") + key);
            }
        }
        item.place.origin = vec3From(placement, "origin");
        item.place.x = vec3From(placement, "x");
        item.place.y = vec3From(placement, "y");
        item.place.z = vec3From(placement, "z");
        if (!geometry::orthonormal(item.place, kPlacementFileTolerance)) {
            throw std::invalid_argument("the axes x, y, z are not orthonormal and right-handed");
        }
    } else if (item.type == PRO_POINT && entry.contains("xyz")) {
        item.place.origin = vec3From(entry, "xyz");
    }
}

void placementWrite(const GeomItem& item, json& entry) {
    if (item.type == PRO_CSYS) {
        entry["placement"] = {{"origin", vec3Json(item.place.origin)},
                              {"x", vec3Json(item.place.x)},
                              {"y", vec3Json(item.place.y)},
                              {"z", vec3Json(item.place.z)}};
    } else if (item.type == PRO_POINT) {
        entry["xyz"] = vec3Json(item.place.origin);
    }
}

void readFeature(FeatureStore& store, const json& entry, const TreeModels& models) {
    Feature feature;
    feature.id = keyInt(entry, "id", INT_MIN, kIdMax);
    feature.type = keyInt(entry, "type");
    feature.name = nameFrom(entry);
    feature.status = keyIntOr(entry, "status", kFeatActive);
    feature.ncseq = keyOr(entry, "ncseq", false);
    if (!featureStatusKnown(feature.status)) {
        JsonPlace place("status");
        throw std::invalid_argument("unknown feature status " + std::to_string(feature.status));
    }
    if (entry.contains("tree")) {
        JsonPlace place("tree");
        feature.tree = treeFromJson(entry.at("tree"), models);
    } else {
        feature.tree.id = kElemFeatureTree;
        feature.tree.kind = ElementKind::Compound;
        TreeNode type;
        type.id = kElemFeatureType;
        ValueContent value;
        value.type = PRO_VALUE_TYPE_INT;
        value.i = feature.type;
        type.values.push_back(value);
        feature.tree.children.push_back(std::move(type));
    }
    int id = feature.id;
    if (!store.load(std::move(feature))) {
        throw std::invalid_argument("feature id " + std::to_string(id) +
                                    " or its name is taken, or the id is not positive");
    }
    Feature& kept = *store.find(id);
    JsonPlace itemsPlace("items");
    std::size_t index = 0;
    for (const json& itemEntry : keyListOr(entry, "items")) {
        JsonPlace place(index++);
        GeomItem item;
        item.id = keyInt(itemEntry, "id", INT_MIN, kIdMax);
        item.type = keyInt(itemEntry, "type", PRO_TYPE_UNUSED, PRO_FAMILY_TABLE);
        item.name = nameFrom(itemEntry);
        placementRead(itemEntry, item);
        int itemId = item.id;
        if (!store.itemLoad(kept, std::move(item))) {
            throw std::invalid_argument("item id " + std::to_string(itemId) + " is taken");
        }
    }
}

void readList(FeatureStore& store, const json& list, const TreeModels& models) {
    std::size_t index = 0;
    for (const json& entry : listOf(list)) {
        JsonPlace place(index++);
        readFeature(store, entry, models);
    }
}

void readSection(Model& model, const json& section) {
    FeatureStore& store = features(model);
    store = FeatureStore{};
    TreeModels models = treeModels(model);
    if (section.is_array()) {
        readList(store, section, models);
        return;
    }
    {
        JsonPlace place("list");
        readList(store, section.at("list"), models);
    }
    store.reserveIds(keyIntOr(section, "next_id", 1, INT_MIN, kIdMax + 1));
}

json writeSection(Model& model) {
    FeatureStore& store = features(model);
    if (store.size() == 0 && store.nextId() == 1) {
        return nullptr;
    }
    TreeModels models = treeModels(model);
    json list = json::array();
    for (int id : store.order()) {
        const Feature& feature = *store.find(id);
        json entry = {{"id", feature.id}, {"type", feature.type}};
        if (!feature.name.empty()) {
            entry["name"] = feature.name;
        }
        entry["status"] = feature.status;
        if (feature.ncseq) {
            entry["ncseq"] = true;
        }
        if (!feature.items.empty()) {
            json items = json::array();
            for (int itemId : feature.items) {
                const GeomItem& item = *store.item(itemId);
                json itemEntry = {{"id", item.id}, {"type", item.type}};
                if (!item.name.empty()) {
                    itemEntry["name"] = item.name;
                }
                placementWrite(item, itemEntry);
                items.push_back(std::move(itemEntry));
            }
            entry["items"] = std::move(items);
        }
        entry["tree"] = treeToJson(feature.tree, models);
        list.push_back(std::move(entry));
    }
    return {{"next_id", store.nextId()}, {"list", std::move(list)}};
}

const bool registered = [] {
    sectionCodecAdd({"features", readSection, writeSection});
    return true;
}();

}  // namespace

}  // namespace simhost::state
