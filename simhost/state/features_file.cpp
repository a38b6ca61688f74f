// The "features" section of model files (docs/model-files.md).
#include <ProObjects.h>

#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/state/elemtree_json.h"
#include "simhost/state/features.h"
#include "simhost/state/model_files.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

namespace {

using nlohmann::json;

// Models that a tree refers to are written as "NAME.TYPE" ("BOLT.PRT"); the model
// itself as ".", so that a copy or a renamed model keeps referring to itself.
TreeModels treeModels(Model& model) {
    TreeModels models;
    void* self = modelHandle(model.id);
    models.nameOf = [self](const void* handle) -> std::string {
        if (handle == self) {
            return ".";
        }
        state::Session* s = state::connected();
        Model* other = s != nullptr ? s->area<ModelStore>().byHandle(handle) : nullptr;
        return other != nullptr ? other->name + "." + modelTypeText(other->type) : std::string();
    };
    models.byName = [self](const std::string& name) -> void* {
        if (name == ".") {
            return self;
        }
        state::Session* s = state::connected();
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
    std::string name = upperName(entry.value("name", std::string()));
    if (!name.empty() && !modelNameValid(name)) {
        throw std::invalid_argument("feature name");
    }
    return name;
}

void readFeature(FeatureStore& store, const json& entry, const TreeModels& models) {
    Feature feature;
    feature.id = entry.at("id").get<int>();
    feature.type = entry.at("type").get<int>();
    feature.name = nameFrom(entry);
    feature.status = entry.value("status", kFeatActive);
    feature.ncseq = entry.value("ncseq", false);
    if (!featureStatusKnown(feature.status)) {
        throw std::invalid_argument("feature status");
    }
    if (entry.contains("tree")) {
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
        throw std::invalid_argument("feature id or name taken");
    }
    Feature& kept = *store.find(id);
    for (const json& itemEntry : entry.value("items", json::array())) {
        GeomItem item;
        item.id = itemEntry.at("id").get<int>();
        item.type = itemEntry.at("type").get<int>();
        item.name = nameFrom(itemEntry);
        if (!store.itemLoad(kept, std::move(item))) {
            throw std::invalid_argument("item id taken");
        }
    }
}

void readSection(Model& model, const json& section) {
    FeatureStore& store = features(model);
    store = FeatureStore{};
    TreeModels models = treeModels(model);
    const json& list = section.is_array() ? section : section.at("list");
    for (const json& entry : list) {
        readFeature(store, entry, models);
    }
    if (section.is_object()) {
        store.reserveIds(section.value("next_id", 1));
    }
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
