// The store of revolved features and its "revolves" section of model files.
#include "simhost/state/revolve_store.h"

#include <Pro2dEntdef.h>

#include <stdexcept>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/geometry/kernel.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;

json pointJson(const Point2& p) {
    return json::array({p[0], p[1]});
}

Point2 pointFrom(const json& entry, const char* key) {
    JsonPlace place(key);
    const json& list = listOf(entry.at(key));
    if (list.size() != 2) {
        throw std::invalid_argument("two numbers expected");
    }
    return {doubleIn(list[0]), doubleIn(list[1])};
}

json entityJson(const SectionEntity& entity) {
    json out = {{"id", entity.id}, {"type", entity.type}, {"a", pointJson(entity.a)}};
    if (entity.construction) {
        out["construction"] = true;
    }
    if (entity.type == PRO_2D_ARC) {
        out["radius"] = entity.radius;
        out["angles"] = json::array({entity.startAngle, entity.endAngle});
    } else if (entity.type != PRO_2D_COORD_SYS) {
        out["b"] = pointJson(entity.b);
    }
    return out;
}

SectionEntity entityFrom(const json& entry) {
    SectionEntity entity;
    entity.id = keyInt(entry, "id", 1);
    entity.type = keyInt(entry, "type");
    entity.construction = entry.contains("construction") && entry.at("construction").is_boolean() &&
                          entry.at("construction").get<bool>();
    entity.a = pointFrom(entry, "a");
    switch (entity.type) {
        case PRO_2D_LINE:
        case PRO_2D_CENTER_LINE:
            entity.b = pointFrom(entry, "b");
            break;
        case PRO_2D_ARC: {
            entity.radius = keyDouble(entry, "radius");
            Point2 angles = pointFrom(entry, "angles");
            entity.startAngle = angles[0];
            entity.endAngle = angles[1];
            if (!(entity.radius > 0.0)) {
                JsonPlace place("radius");
                throw std::invalid_argument("a positive radius expected");
            }
            break;
        }
        case PRO_2D_COORD_SYS:
            break;
        default: {
            JsonPlace place("type");
            throw std::invalid_argument("unknown entity type " + std::to_string(entity.type));
        }
    }
    return entity;
}

void readSection(Model& model, const json& section) {
    RevolveStore& store = revolves(model);
    store.clear();
    std::size_t index = 0;
    for (const json& entry : listOf(section)) {
        JsonPlace place(index++);
        Revolve& kept = store.at(keyInt(entry, "feature", 1));
        kept.epsilon = keyDouble(entry, "epsilon");
        kept.incomplete = entry.contains("incomplete") && entry.at("incomplete").is_boolean() &&
                          entry.at("incomplete").get<bool>();
        JsonPlace list("entities");
        std::size_t at = 0;
        for (const json& entity : keyListOr(entry, "entities")) {
            JsonPlace item(at++);
            kept.entities.push_back(entityFrom(entity));
            kept.nextId = std::max(kept.nextId, kept.entities.back().id + 1);
        }
    }
}

json writeSection(Model& model) {
    const RevolveStore& store = revolves(model);
    if (store.all().empty()) {
        return nullptr;
    }
    json list = json::array();
    for (const auto& [id, kept] : store.all()) {
        json entities = json::array();
        for (const SectionEntity& entity : kept.entities) {
            entities.push_back(entityJson(entity));
        }
        json entry = {{"feature", id}, {"epsilon", kept.epsilon}, {"entities", entities}};
        if (kept.incomplete) {
            entry["incomplete"] = true;
        }
        list.push_back(std::move(entry));
    }
    return list;
}

const bool registered = [] {
    sectionCodecAdd({"revolves", readSection, writeSection});
    return true;
}();

}  // namespace

RevolveStore::~RevolveStore() {
    clear();
}

Revolve* RevolveStore::find(int featureId) {
    auto it = revolves_.find(featureId);
    return it == revolves_.end() ? nullptr : &it->second;
}

void RevolveStore::erase(int featureId) {
    auto it = revolves_.find(featureId);
    if (it != revolves_.end()) {
        geometry::solidFree(it->second.solid);
        revolves_.erase(it);
    }
}

void RevolveStore::clear() {
    for (const auto& entry : revolves_) {
        geometry::solidFree(entry.second.solid);
    }
    revolves_.clear();
}

}  // namespace simhost::state
