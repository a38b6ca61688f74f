// The "features" section of model files (docs/model-files.md).
#include <ProObjects.h>

#include <climits>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "simhost/state/curves.h"
#include "simhost/state/curves_file.h"
#include "simhost/state/elemtree_json.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/json_vec3.h"
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
        item.place.origin = keyVec3(placement, "origin");
        item.place.x = keyVec3(placement, "x");
        item.place.y = keyVec3(placement, "y");
        item.place.z = keyVec3(placement, "z");
        if (!geometry::orthonormal(item.place, kPlacementFileTolerance)) {
            throw std::invalid_argument("the axes x, y, z are not orthonormal and right-handed");
        }
    } else if (item.type == PRO_POINT && entry.contains("xyz")) {
        item.place.origin = keyVec3(entry, "xyz");
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

// Curves of a file without ids: they get new ids once every id of the section is known,
// and take their place in the feature's items as the file lists them.
struct PendingCurve {
    int featureId = 0;
    std::size_t position = 0;  // index into the feature's items
    std::string name;
    CurveGeometry geometry;
};

// A feature's `curves`: each one a curve item (type 62) with its geometry, after the
// feature's other items.
void readCurves(Model& model, Feature& feature, const json& entry,
                std::vector<PendingCurve>& pending) {
    JsonPlace curvesPlace("curves");
    std::size_t index = 0;
    std::size_t pendingHere = 0;
    for (const json& curveEntry : keyListOr(entry, "curves")) {
        JsonPlace place(index++);
        std::string name = nameFrom(curveEntry);
        CurveGeometry geometry = curveGeometryFromJson(curveEntry);
        if (!curveEntry.contains("id")) {
            pending.push_back({feature.id, feature.items.size() + pendingHere++, std::move(name),
                               std::move(geometry)});
            continue;
        }
        GeomItem item;
        item.id = keyInt(curveEntry, "id", INT_MIN, kIdMax);
        item.type = PRO_CURVE;
        item.name = std::move(name);
        const int itemId = item.id;
        if (!features(model).itemLoad(feature, std::move(item))) {
            throw std::invalid_argument("item id " + std::to_string(itemId) + " is taken");
        }
        curves(model).keep({itemId, feature.id, std::move(geometry)});
    }
}

void readPendingCurves(Model& model, std::vector<PendingCurve>& pending) {
    FeatureStore& store = features(model);
    for (PendingCurve& curve : pending) {
        Feature& feature = *store.find(curve.featureId);
        GeomItem* item = store.itemAdd(feature, PRO_CURVE, curve.name);
        if (item == nullptr) {
            throw std::invalid_argument("no item id left for a curve");
        }
        feature.items.pop_back();
        feature.items.insert(feature.items.begin() + static_cast<std::ptrdiff_t>(curve.position),
                             item->id);
        curves(model).keep({item->id, feature.id, std::move(curve.geometry)});
    }
}

void readFeature(Model& model, const json& entry, const TreeModels& models,
                 std::vector<PendingCurve>& pending) {
    FeatureStore& store = features(model);
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
    readCurves(model, kept, entry, pending);
}

void readList(Model& model, const json& list, const TreeModels& models,
              std::vector<PendingCurve>& pending) {
    std::size_t index = 0;
    for (const json& entry : listOf(list)) {
        JsonPlace place(index++);
        readFeature(model, entry, models, pending);
    }
}

void readSection(Model& model, const json& section) {
    FeatureStore& store = features(model);
    store = FeatureStore{};
    curves(model).clear();
    TreeModels models = treeModels(model);
    std::vector<PendingCurve> pending;
    if (section.is_array()) {
        readList(model, section, models, pending);
    } else {
        {
            JsonPlace place("list");
            readList(model, section.at("list"), models, pending);
        }
        store.reserveIds(keyIntOr(section, "next_id", 1, INT_MIN, kIdMax + 1));
    }
    readPendingCurves(model, pending);
}

json curveJson(const GeomItem& item, const CurveItem& curve) {
    json entry = {{"id", item.id}};
    if (!item.name.empty()) {
        entry["name"] = item.name;
    }
    curveGeometryToJson(curve.geometry, entry);
    return entry;
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
        json curveList = json::array();
        if (!feature.items.empty()) {
            json items = json::array();
            for (int itemId : feature.items) {
                const GeomItem& item = *store.item(itemId);
                if (const CurveItem* curve = curveFind(model, itemId)) {
                    curveList.push_back(curveJson(item, *curve));
                    continue;
                }
                json itemEntry = {{"id", item.id}, {"type", item.type}};
                if (!item.name.empty()) {
                    itemEntry["name"] = item.name;
                }
                placementWrite(item, itemEntry);
                items.push_back(std::move(itemEntry));
            }
            if (!items.empty()) {
                entry["items"] = std::move(items);
            }
        }
        if (!curveList.empty()) {
            entry["curves"] = std::move(curveList);
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
