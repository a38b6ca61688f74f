// The element trees the host accepts for component features, and the component record
// it keeps for each one made.
//
// The tree names the component model (612, a model handle as pointer value) and at most
// one constraint (605 holding 606): default placement (607 = 10) or coordinate-system
// coincidence (607 = 6) of a coordinate system of the component model (608, selected
// without a path or with a path of depth 0) with one of the owner or of a component
// at any depth below it (609, its path rooted at the owner). Two constraints would
// overdetermine a coordinate-system placement, so more than one is refused.
#include <ProAsmcomp.h>

#include <optional>

#include "simhost/state/components.h"
#include "simhost/state/features.h"

namespace simhost::state {

namespace {

const TreeNode* childOf(const TreeNode& node, int id) {
    for (const TreeNode& child : node.children) {
        if (child.id == id) {
            return &child;
        }
    }
    return nullptr;
}

const ValueContent* valueOf(const TreeNode* node) {
    return node != nullptr && node->values.size() == 1 ? &node->values.front() : nullptr;
}

// A selection element's coordinate system: its item id and the path ids from `root`
// (empty without a path); nullopt when it names no coordinate system of the model at
// the path's end, `expectedEnd` when given.
struct CsysRef {
    int id = 0;
    std::vector<int> path;
};
std::optional<CsysRef> csysRefRead(Session& s, Model& root, const TreeNode* node,
                                   const Model* expectedEnd) {
    const ValueContent* value = valueOf(node);
    if (value == nullptr || value->type != PRO_VALUE_TYPE_SELECTION || !value->r) {
        return std::nullopt;
    }
    const SelectionData& selection = *value->r;
    CsysRef ref;
    ref.id = selection.item.id;
    Model* end = &root;
    if (selection.path) {
        const ProAsmcomppath& path = *selection.path;
        if (path.owner != static_cast<ProSolid>(modelHandle(root.id)) || path.table_num < 0 ||
            componentPathResolve(s, root, path.comp_id_table, path.table_num, &end, nullptr) !=
                PRO_TK_NO_ERROR) {
            return std::nullopt;
        }
        ref.path.assign(path.comp_id_table, path.comp_id_table + path.table_num);
    }
    if ((expectedEnd != nullptr && end != expectedEnd) || selection.item.type != PRO_CSYS ||
        selection.item.owner != modelHandle(end->id)) {
        return std::nullopt;
    }
    const GeomItem* item = features(*end).item(ref.id);
    if (item == nullptr || item->type != PRO_CSYS) {
        return std::nullopt;
    }
    return ref;
}

// Reads a component tree of `owner` into `out`; a fault names the element refused.
std::optional<TreeFault> componentRead(Model& owner, const TreeNode& tree, Component& out) {
    Session* s = connected();
    if (s == nullptr || (owner.type != kAssembly && owner.type != kMfg)) {
        return TreeFault{kElemFeatureType, PRO_TK_BAD_CONTEXT};
    }
    const ValueContent* modelValue = valueOf(childOf(tree, kElemComponentModel));
    if (modelValue == nullptr) {
        return TreeFault{kElemComponentModel, PRO_TK_BAD_INPUTS};
    }
    Model* model = modelValue->type == PRO_VALUE_TYPE_POINTER
                       ? s->area<ModelStore>().byHandle(modelValue->p)
                       : nullptr;
    if (model == nullptr || (model->type != kPart && model->type != kAssembly)) {
        return TreeFault{kElemComponentModel, PRO_TK_BAD_INPUTS};
    }
    // The component may not hold its owner (a cycle), and the tree below the owner may
    // not nest deeper than a component path reaches.
    if (componentContains(*s, *model, owner) ||
        1 + componentLevels(*s, *model) > kComponentLevelsMax) {
        return TreeFault{kElemComponentModel, PRO_TK_BAD_CONTEXT};
    }
    out.model = model->name;
    out.modelType = model->type;
    const TreeNode* constraints = childOf(tree, kElemComponentConstraints);
    if (constraints == nullptr || constraints->children.empty()) {
        return std::nullopt;
    }
    if (constraints->children.size() != 1 ||
        constraints->children[0].id != kElemComponentConstraint) {
        return TreeFault{kElemComponentConstraints, PRO_TK_BAD_INPUTS};
    }
    const TreeNode& constraint = constraints->children[0];
    const ValueContent* type = valueOf(childOf(constraint, kElemComponentConstrType));
    if (type == nullptr || type->type != PRO_VALUE_TYPE_INT ||
        (type->i != kConstrDefault && type->i != kConstrCsys)) {
        return TreeFault{kElemComponentConstrType, PRO_TK_BAD_INPUTS};
    }
    ComponentConstraint read;
    read.type = type->i;
    if (read.type == kConstrCsys) {
        std::optional<CsysRef> comp =
            csysRefRead(*s, *model, childOf(constraint, kElemComponentCompRef), model);
        if (!comp || !comp->path.empty()) {
            return TreeFault{kElemComponentCompRef, PRO_TK_BAD_INPUTS};
        }
        std::optional<CsysRef> assem =
            csysRefRead(*s, owner, childOf(constraint, kElemComponentAssemRef), nullptr);
        if (!assem) {
            return TreeFault{kElemComponentAssemRef, PRO_TK_BAD_INPUTS};
        }
        read.compCsys = comp->id;
        read.assemCsys = assem->id;
        read.assemPath = std::move(assem->path);
    }
    out.constraints.push_back(std::move(read));
    return std::nullopt;
}

void componentMake(Model& owner, Feature& feature) {
    Session* s = connected();
    Component component;
    if (feature.type != kFeatComponent || s == nullptr ||
        componentRead(owner, feature.tree, component)) {
        return;
    }
    components(owner).byFeature[feature.id] = std::move(component);
    componentPlace(*s, owner, feature.id);
}

const bool registered = [] {
    featureCreateCheckAdd(kFeatComponent, [](Model& owner, const TreeNode& tree) {
        Component read;
        return componentRead(owner, tree, read);
    });
    featureCreateHookAdd(componentMake);
    featureDeleteHookAdd(
        [](Model& owner, int featureId) { components(owner).byFeature.erase(featureId); });
    return true;
}();

}  // namespace

}  // namespace simhost::state
