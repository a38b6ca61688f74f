// Components of assemblies and manufacturing models: features of type 1000 that place
// another model (a part or an assembly) in their owner.
//
// Each component keeps a record with the feature: the component model's name and type
// (so that a component whose model is not in session is still known by name), its
// component type, its placement constraints and its placement P in the owner's frame.
// The record, not the feature's tree, is what the host places from; the tree stays as
// it was given.
//
// Constraints: default placement (type 10, the identity) or coordinate-system
// coincidence (type 6): a coordinate system B of the component model made to coincide
// with a coordinate system R of the owner or of a component at any depth below it, so
// that P * B = R, i.e. P = R * B^-1, R composed along the reference's path. A component
// without constraints (placed by a matrix, or its constraints removed) keeps its
// placement.
//
// A component path is the root model and the ids of the components from the root down:
// ids[0] is a component of the root, ids[k] one of the model of ids[k - 1]. The placement
// of the path's end in the root's frame is the product of the components' placements
// along the path.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include <ProToolkit.h>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

constexpr int kFeatComponent = 1000;
constexpr int kElemComponentConstraints = 605;
constexpr int kElemComponentConstraint = 606;
constexpr int kElemComponentConstrType = 607;
constexpr int kElemComponentCompRef = 608;
constexpr int kElemComponentAssemRef = 609;
constexpr int kElemComponentModel = 612;

constexpr int kConstrCsys = 6;
constexpr int kConstrDefault = 10;

// The deepest component path: components nest at most this many levels below a root.
constexpr int kComponentLevelsMax = 25;

struct ComponentConstraint {
    int type = kConstrDefault;
    // Coordinate-system coincidence: the item id of the component model's coordinate
    // system, and the owner's reference: the coordinate system's item id in the model
    // at the end of `assemPath` (ids from the component's owner; empty: the owner itself).
    int compCsys = 0;
    int assemCsys = 0;
    std::vector<int> assemPath;
};

struct Component {
    std::string model;  // upper case
    int modelType = kPart;
    int compType = 0;  // PRO_ASM_COMP_TYPE_NONE
    std::vector<ComponentConstraint> constraints;
    geometry::Placement placement;
};

// The component records of one model, by feature id.
struct ComponentStore {
    std::unordered_map<int, Component> byFeature;
};

inline ComponentStore& components(Model& model) {
    return model.content<ComponentStore>();
}

// The record of the feature when it is a component, else null.
Component* componentOf(Model& model, int featureId);
// The feature ids of the model's components in feature order (all statuses).
std::vector<int> componentIds(Model& model);
// The component's model in session, or null.
Model* componentModel(Session& s, const Component& component);
// The component models `model` uses, each once, in component order, as (name, type):
// in session or not.
struct ComponentModelName {
    std::string name;
    int type = kPart;
};
std::vector<ComponentModelName> componentModelNames(Model& model);
// Points the model's components that place (oldName, type) at newName.
void componentModelRenamed(Model& model, const std::string& oldName, int type,
                           const std::string& newName);

// The model at the end of ids[0..depth) from root, and its placement in root's frame.
// PRO_TK_BAD_INPUTS for a depth outside 0 to 25 or an id that is no component of the
// model on the way; PRO_TK_E_NOT_FOUND when a component's model is not in session.
// `end` and `placement` may be null.
ProError componentPathResolve(Session& s, Model& root, const int* ids, int depth, Model** end,
                              geometry::Placement* placement);

// Every part placed below root at any depth, with its placement in root's frame and its
// path ids, in pre-order (components in feature order, each before what it holds). Only
// components whose feature is active or unregenerated count: a suppressed one is skipped
// with everything below it, and so is one whose model is not in session.
struct PlacedPart {
    Model* part;
    geometry::Placement placement;
    std::vector<int> ids;
};
std::vector<PlacedPart> placedParts(Session& s, Model& root);

// The inverse of an orthonormal placement.
geometry::Placement placementInverse(const geometry::Placement& placement);

// How deep components nest below `model` (0 for a model without components); models not
// in session count as parts.
int componentLevels(Session& s, Model& model);
// True when `model` is `inside` or holds it at any depth.
bool componentContains(Session& s, Model& model, const Model& inside);

// Recomputes the placement of one component from its constraints; a component whose
// references cannot be found keeps its placement.
void componentPlace(Session& s, Model& owner, int featureId);
// Regenerates the model: its component models first (each once, recursively), then the
// model's datum features and components in feature order, so that whatever is placed
// on an earlier coordinate system or component follows it.
void modelRegenerate(Session& s, Model& model);

}  // namespace simhost::state
