// The "components" section of model files (docs/model-files.md): the component
// records, in feature order.
#include <ProAsmcomp.h>

#include <stdexcept>
#include <unordered_set>

#include "simhost/state/components.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;

// Placements in files are orthonormal within this tolerance (as coordinate systems').
constexpr double kPlacementTolerance = 1e-6;

geometry::Vec3 vec3Read(const json& entry, const char* key) {
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

geometry::Placement placementRead(const json& entry) {
    JsonPlace place("placement");
    const json& object = entry.at("placement");
    if (!object.is_object()) {
        throw std::invalid_argument("an object with origin, x, y and z expected");
    }
    geometry::Placement out;
    out.origin = vec3Read(object, "origin");
    out.x = vec3Read(object, "x");
    out.y = vec3Read(object, "y");
    out.z = vec3Read(object, "z");
    if (!geometry::orthonormal(out, kPlacementTolerance)) {
        throw std::invalid_argument("the axes x, y, z are not orthonormal and right-handed");
    }
    return out;
}

json placementJson(const geometry::Placement& p) {
    auto vec = [](const geometry::Vec3& v) { return json::array({v[0], v[1], v[2]}); };
    return {{"origin", vec(p.origin)}, {"x", vec(p.x)}, {"y", vec(p.y)}, {"z", vec(p.z)}};
}

ComponentConstraint constraintRead(const json& entry) {
    ComponentConstraint constraint;
    {
        JsonPlace place("type");
        constraint.type = intIn(entry.at("type"));
        if (constraint.type != kConstrDefault && constraint.type != kConstrCsys) {
            throw std::invalid_argument("unknown constraint type " +
                                        std::to_string(constraint.type));
        }
    }
    if (constraint.type == kConstrCsys) {
        constraint.compCsys = keyInt(entry, "component_ref", 1);
        JsonPlace place("assembly_ref");
        const json& ref = entry.at("assembly_ref");
        constraint.assemCsys = keyInt(ref, "id", 1);
        JsonPlace pathPlace("path");
        const json& path = keyListOr(ref, "path");
        if (path.size() > static_cast<std::size_t>(kComponentLevelsMax)) {
            throw std::invalid_argument("component path too deep");
        }
        for (std::size_t k = 0; k < path.size(); ++k) {
            JsonPlace at(k);
            constraint.assemPath.push_back(intIn(path[k]));
        }
    }
    return constraint;
}

json constraintJson(const ComponentConstraint& constraint) {
    json out = {{"type", constraint.type}};
    if (constraint.type == kConstrCsys) {
        out["component_ref"] = constraint.compCsys;
        out["assembly_ref"] = {{"id", constraint.assemCsys}, {"path", constraint.assemPath}};
    }
    return out;
}

void readSection(Model& model, const json& section) {
    ComponentStore& store = components(model);
    store.byFeature.clear();
    const json& list = listOf(section);
    for (std::size_t i = 0; i < list.size(); ++i) {
        JsonPlace at(i);
        const json& entry = list[i];
        int id = keyInt(entry, "id", 1, kIdMax);
        Component component;
        component.model = upperName(keyAs<std::string>(entry, "model"));
        if (!modelNameValid(component.model)) {
            JsonPlace place("model");
            throw std::invalid_argument("\"" + component.model + "\" is no model name");
        }
        {
            JsonPlace place("type");
            component.modelType = modelTypeFromText(keyOr<std::string>(entry, "type", "PRT"));
            if (component.modelType != kPart && component.modelType != kAssembly) {
                throw std::invalid_argument("unknown model type");
            }
        }
        component.compType = keyIntOr(entry, "component_type", 0, PRO_ASM_COMP_TYPE_NONE,
                                      PRO_ASM_COMP_TYPE_NO_DEF_ASSUM);
        if (entry.contains("placement")) {
            component.placement = placementRead(entry);
        }
        JsonPlace place("constraints");
        const json& constraints = keyListOr(entry, "constraints");
        if (constraints.size() > 1) {
            throw std::invalid_argument("at most one constraint");
        }
        for (std::size_t k = 0; k < constraints.size(); ++k) {
            JsonPlace constraintAt(k);
            component.constraints.push_back(constraintRead(constraints[k]));
        }
        if (!store.byFeature.emplace(id, std::move(component)).second) {
            JsonPlace idPlace("id");
            throw std::invalid_argument("component " + std::to_string(id) + " listed twice");
        }
    }
}

json writeSection(Model& model) {
    std::vector<int> ids = componentIds(model);
    if (ids.empty()) {
        return nullptr;
    }
    json list = json::array();
    for (int id : ids) {
        const Component& component = *componentOf(model, id);
        json entry = {{"id", id},
                      {"model", component.model},
                      {"type", modelTypeText(component.modelType)},
                      {"placement", placementJson(component.placement)}};
        if (component.compType != PRO_ASM_COMP_TYPE_NONE) {
            entry["component_type"] = component.compType;
        }
        if (!component.constraints.empty()) {
            json constraints = json::array();
            for (const ComponentConstraint& constraint : component.constraints) {
                constraints.push_back(constraintJson(constraint));
            }
            entry["constraints"] = std::move(constraints);
        }
        list.push_back(std::move(entry));
    }
    return list;
}

// A component listed without its feature in "features" gets one (a file may list
// components only); a listed id that is another kind of feature makes the file invalid.
void featuresComplete(Model& model) {
    FeatureStore& store = features(model);
    for (auto& [id, component] : components(model).byFeature) {
        const Feature* feature = store.find(id);
        if (feature == nullptr) {
            Feature made;
            made.id = id;
            made.type = kFeatComponent;
            if (!store.load(std::move(made))) {
                throw std::invalid_argument("components: id " + std::to_string(id) + " is taken");
            }
        } else if (feature->type != kFeatComponent) {
            throw std::invalid_argument("components: feature " + std::to_string(id) +
                                        " is no component");
        }
    }
}

const bool registered = [] {
    sectionCodecAdd({"components", readSection, writeSection});
    modelLoadHookAdd(featuresComplete);
    return true;
}();

}  // namespace

}  // namespace simhost::state
