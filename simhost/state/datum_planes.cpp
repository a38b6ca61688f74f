#include "simhost/state/datum_planes.h"

#include <ProObjects.h>

#include "simhost/state/feature_hooks.h"
#include "simhost/state/features.h"
#include "simhost/state/tree_read.h"

namespace simhost::state {

namespace {

using geometry::Placement;
using geometry::Vec3;

struct PlaneTree {
    const SelectionData* csys = nullptr;
    int axis = 0;
    double offset = 0.0;
};

// The coordinate system a selection names: one of the model's own, without a path.
GeomItem* csysOf(Model& model, const SelectionData* selection) {
    if (selection == nullptr || selection->item.type != PRO_CSYS ||
        selection->item.owner != modelHandle(model.id) ||
        (selection->path && selection->path->table_num != 0)) {
        return nullptr;
    }
    GeomItem* item = features(model).item(selection->item.id);
    return item != nullptr && item->type == PRO_CSYS ? item : nullptr;
}

// A tree with constraints places its plane; one without is a plane the host keeps
// without geometry (as files and older callers give it).
bool placed(const TreeNode& tree) {
    return treeChild(&tree, kElemDtmplnConstraints) != nullptr;
}

std::optional<TreeFault> planeRead(Model& model, const TreeNode& tree, PlaneTree& out) {
    const TreeNode* constraints = treeChild(&tree, kElemDtmplnConstraints);
    if (constraints->children.size() != 1 || constraints->children[0].id != kElemDtmplnConstraint) {
        return TreeFault{kElemDtmplnConstraints, PRO_TK_BAD_INPUTS};
    }
    const TreeNode& constraint = constraints->children[0];
    if (treeInt(treeChild(&constraint, kElemDtmplnConstrType)) != kDtmplnOffsetCsys) {
        return TreeFault{kElemDtmplnConstrType, PRO_TK_BAD_INPUTS};
    }
    out.csys = treeSelection(treeChild(&constraint, kElemDtmplnConstrRef));
    if (csysOf(model, out.csys) == nullptr) {
        return TreeFault{kElemDtmplnConstrRef, PRO_TK_BAD_INPUTS};
    }
    std::optional<int> axis = treeInt(treeChild(&constraint, kElemDtmplnOffCsys));
    if (!axis || *axis < 1 || *axis > 3) {
        return TreeFault{kElemDtmplnOffCsys, PRO_TK_BAD_INPUTS};
    }
    out.axis = *axis;
    if (const TreeNode* offset = treeChild(&constraint, kElemDtmplnOffCsysOffset)) {
        std::optional<double> value = treeDouble(offset);
        if (!value) {
            return TreeFault{kElemDtmplnOffCsysOffset, PRO_TK_BAD_INPUTS};
        }
        out.offset = *value;
    }
    return std::nullopt;
}

Placement planeOf(const Placement& csys, int axis, double offset) {
    const Vec3* axes[3] = {&csys.x, &csys.y, &csys.z};
    int k = axis - 1;
    Placement plane;
    plane.z = *axes[k];
    plane.x = *axes[(k + 1) % 3];
    plane.y = *axes[(k + 2) % 3];
    for (int i = 0; i < 3; ++i) {
        plane.origin[i] = csys.origin[i] + offset * plane.z[i];
    }
    return plane;
}

void planePlace(Model& model, Feature& feature) {
    PlaneTree tree;
    if (!placed(feature.tree) || planeRead(model, feature.tree, tree)) {
        return;
    }
    const GeomItem* csys = csysOf(model, tree.csys);
    for (int id : feature.items) {
        GeomItem* item = features(model).item(id);
        if (item != nullptr && item->type == PRO_SURFACE) {
            item->place = planeOf(csys->place, tree.axis, tree.offset);
        }
    }
}

void planeMake(Model& model, Feature& feature) {
    if (feature.type != kFeatDatumPlane || !placed(feature.tree)) {
        return;
    }
    features(model).itemAdd(feature, PRO_SURFACE);
    planePlace(model, feature);
}

const bool registered = [] {
    featureCreateCheckAdd(kFeatDatumPlane, [](Model& model, const TreeNode& tree) {
        PlaneTree read;
        return placed(tree) ? planeRead(model, tree, read) : std::nullopt;
    });
    featureCreateHookAdd(planeMake);
    featurePlaceHookAdd(kFeatDatumPlane, planePlace);
    return true;
}();

}  // namespace

std::optional<Placement> datumPlaneFrame(Model& model, const SelectionData& selection) {
    if (selection.item.type != PRO_SURFACE || selection.item.owner != modelHandle(model.id) ||
        (selection.path && selection.path->table_num != 0)) {
        return std::nullopt;
    }
    FeatureStore& store = features(model);
    const GeomItem* item = store.item(selection.item.id);
    if (item == nullptr || item->type != PRO_SURFACE) {
        return std::nullopt;
    }
    const Feature* feature = store.find(item->featureId);
    if (feature == nullptr || feature->type != kFeatDatumPlane) {
        return std::nullopt;
    }
    return item->place;
}

}  // namespace simhost::state
