// New components placed by a matrix.
#include "simhost/state/component_add.h"

#include <utility>

#include "simhost/state/components.h"

namespace simhost::state {

ProError componentAdd(Model& owner, Model& model, const geometry::Placement& placement,
                      Feature** out) {
    TreeNode tree;
    tree.id = kElemFeatureTree;
    tree.kind = ElementKind::Compound;
    TreeNode type;
    type.id = kElemFeatureType;
    type.values.push_back(ValueContent{});
    type.values.back().type = PRO_VALUE_TYPE_INT;
    type.values.back().i = kFeatComponent;
    TreeNode pointer;
    pointer.id = kElemComponentModel;
    pointer.values.push_back(ValueContent{});
    pointer.values.back().type = PRO_VALUE_TYPE_POINTER;
    pointer.values.back().p = modelHandle(model.id);
    tree.children = {type, pointer};
    Feature* made = features(owner).add(kFeatComponent, std::move(tree), std::string());
    if (made == nullptr) {
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    // The hooks make the record (no constraints) as for any component tree.
    featureCreateHooksRun(owner, *made);
    Component* component = componentOf(owner, made->id);
    if (component == nullptr) {
        return PRO_TK_GENERAL_ERROR;
    }
    component->placement = placement;
    owner.touch();
    if (out != nullptr) {
        *out = made;
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace simhost::state
