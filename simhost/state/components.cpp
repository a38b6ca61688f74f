#include "simhost/state/components.h"

#include <ProObjects.h>

#include <algorithm>
#include <functional>
#include <unordered_set>

#include "simhost/state/datum_features.h"
#include "simhost/state/features.h"

namespace simhost::state {

namespace {

using geometry::Placement;

bool componentActive(Model& model, int featureId) {
    const Feature* feature = featureFind(model, featureId);
    return feature != nullptr &&
           (feature->status == kFeatActive || feature->status == kFeatUnregenerated);
}

// The placement of a coordinate system of the model at the end of `path` (ids from
// `owner`) in the owner's frame; false when the path or the item is not there.
bool csysInOwner(Session& s, Model& owner, const std::vector<int>& path, int csysId,
                 Placement& out) {
    Model* end = nullptr;
    Placement along;
    if (componentPathResolve(s, owner, path.data(), static_cast<int>(path.size()), &end, &along) !=
        PRO_TK_NO_ERROR) {
        return false;
    }
    GeomItem* item = features(*end).item(csysId);
    if (item == nullptr || item->type != PRO_CSYS) {
        return false;
    }
    out = geometry::compose(along, item->place);
    return true;
}

}  // namespace

Component* componentOf(Model& model, int featureId) {
    ComponentStore& store = components(model);
    auto found = store.byFeature.find(featureId);
    return found != store.byFeature.end() ? &found->second : nullptr;
}

std::vector<int> componentIds(Model& model) {
    std::vector<int> ids;
    if (components(model).byFeature.empty()) {
        return ids;
    }
    for (int id : features(model).order()) {
        if (componentOf(model, id) != nullptr) {
            ids.push_back(id);
        }
    }
    return ids;
}

Model* componentModel(Session& s, const Component& component) {
    return s.area<ModelStore>().byName(component.model, component.modelType);
}

std::vector<ComponentModelName> componentModelNames(Model& model) {
    std::vector<ComponentModelName> names;
    std::unordered_set<std::string> seen;
    for (int id : componentIds(model)) {
        const Component& component = *componentOf(model, id);
        if (seen.insert(component.model + "." + modelTypeText(component.modelType)).second) {
            names.push_back({component.model, component.modelType});
        }
    }
    return names;
}

void componentModelRenamed(Model& model, const std::string& oldName, int type,
                           const std::string& newName) {
    for (auto& [id, component] : components(model).byFeature) {
        if (component.model == oldName && component.modelType == type) {
            component.model = newName;
            model.touch();
        }
    }
}

ProError componentPathResolve(Session& s, Model& root, const int* ids, int depth, Model** end,
                              Placement* placement) {
    if (depth < 0 || depth > kComponentLevelsMax || (depth > 0 && ids == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* current = &root;
    Placement along;
    for (int level = 0; level < depth; ++level) {
        const Component* component = componentOf(*current, ids[level]);
        if (component == nullptr) {
            return PRO_TK_BAD_INPUTS;
        }
        Model* next = componentModel(s, *component);
        if (next == nullptr) {
            return PRO_TK_E_NOT_FOUND;
        }
        along = geometry::compose(along, component->placement);
        current = next;
    }
    if (end != nullptr) {
        *end = current;
    }
    if (placement != nullptr) {
        *placement = along;
    }
    return PRO_TK_NO_ERROR;
}

std::vector<PlacedPart> placedParts(Session& s, Model& root) {
    std::vector<PlacedPart> parts;
    std::vector<int> ids;
    // Depth-first in feature order; the path depth bounds the recursion even if the
    // models in session were to form a cycle.
    std::function<void(Model&, const Placement&)> visit = [&](Model& model,
                                                              const Placement& frame) {
        for (int id : componentIds(model)) {
            const Component& component = *componentOf(model, id);
            Model* sub = componentModel(s, component);
            if (sub == nullptr || !componentActive(model, id)) {
                continue;
            }
            ids.push_back(id);
            Placement placement = geometry::compose(frame, component.placement);
            if (sub->type == kPart) {
                parts.push_back({sub, placement, ids});
            } else if (static_cast<int>(ids.size()) < kComponentLevelsMax) {
                visit(*sub, placement);
            }
            ids.pop_back();
        }
    };
    visit(root, Placement{});
    return parts;
}

Placement placementInverse(const Placement& p) {
    // The rotation's inverse is its transpose: the new axes are the rows of the old.
    Placement inverse;
    inverse.x = {p.x[0], p.y[0], p.z[0]};
    inverse.y = {p.x[1], p.y[1], p.z[1]};
    inverse.z = {p.x[2], p.y[2], p.z[2]};
    geometry::Vec3 moved = geometry::placeDirection(inverse, p.origin);
    inverse.origin = {-moved[0], -moved[1], -moved[2]};
    return inverse;
}

int componentLevels(Session& s, Model& model) {
    std::function<int(Model&, int)> levels = [&](Model& current, int depth) {
        int deepest = 0;
        if (depth > kComponentLevelsMax) {
            return deepest;  // deeper than any path reaches; the caller refuses already
        }
        for (int id : componentIds(current)) {
            Model* sub = componentModel(s, *componentOf(current, id));
            int below = sub != nullptr ? levels(*sub, depth + 1) : 0;
            deepest = std::max(deepest, 1 + below);
        }
        return deepest;
    };
    return levels(model, 0);
}

bool componentContains(Session& s, Model& model, const Model& inside) {
    std::unordered_set<int> seen;
    std::function<bool(Model&)> contains = [&](Model& current) {
        if (current.id == inside.id) {
            return true;
        }
        if (!seen.insert(current.id).second) {
            return false;
        }
        for (int id : componentIds(current)) {
            Model* sub = componentModel(s, *componentOf(current, id));
            if (sub != nullptr && contains(*sub)) {
                return true;
            }
        }
        return false;
    };
    return contains(model);
}

void componentPlace(Session& s, Model& owner, int featureId) {
    Component* component = componentOf(owner, featureId);
    if (component == nullptr || component->constraints.empty()) {
        return;
    }
    const ComponentConstraint& constraint = component->constraints.front();
    if (constraint.type == kConstrDefault) {
        component->placement = Placement{};
        return;
    }
    Model* model = componentModel(s, *component);
    Placement reference;
    if (model == nullptr ||
        !csysInOwner(s, owner, constraint.assemPath, constraint.assemCsys, reference)) {
        return;
    }
    const GeomItem* own = features(*model).item(constraint.compCsys);
    if (own == nullptr || own->type != PRO_CSYS) {
        return;
    }
    component->placement = geometry::compose(reference, placementInverse(own->place));
}

void modelRegenerate(Session& s, Model& model) {
    std::unordered_set<int> done;
    std::function<void(Model&, int)> regenerate = [&](Model& current, int depth) {
        if (!done.insert(current.id).second || depth > kComponentLevelsMax) {
            return;
        }
        for (int id : componentIds(current)) {
            if (Model* sub = componentModel(s, *componentOf(current, id))) {
                regenerate(*sub, depth + 1);
            }
        }
        FeatureStore& store = features(current);
        for (int id : store.order()) {
            Feature* feature = store.find(id);
            if (feature == nullptr || feature->status != kFeatActive) {
                continue;
            }
            if (feature->type == kFeatComponent) {
                componentPlace(s, current, id);
            } else {
                datumFeaturePlace(current, *feature);
            }
        }
    };
    regenerate(model, 0);
}

}  // namespace simhost::state
