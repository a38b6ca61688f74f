#include "simhost/state/feature_trees.h"

#include "simhost/core/wide.h"
#include "simhost/state/features.h"

namespace simhost::state {

namespace {

const TreeNode* childOf(const TreeNode& root, int id) {
    for (const TreeNode& child : root.children) {
        if (child.id == id) {
            return &child;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<int> featureTreeType(const TreeNode& root) {
    const TreeNode* node = childOf(root, kElemFeatureType);
    if (node == nullptr) {
        // A sketched feature may say what it is by its form and its kind alone: a solid
        // (917) made by extrusion, revolution ... is a protrusion, type 917.
        const TreeNode* form = childOf(root, kElemFeatureForm);
        node = form != nullptr ? childOf(root, kElemSolidType) : nullptr;
    }
    if (node == nullptr || node->values.size() != 1 ||
        node->values.front().type != PRO_VALUE_TYPE_INT) {
        return std::nullopt;
    }
    return node->values.front().i;
}

TreeName featureTreeName(const TreeNode& root, std::string& upper) {
    const TreeNode* node = childOf(root, kElemFeatureName);
    if (node == nullptr || node->values.empty()) {
        return TreeName::None;
    }
    const ValueContent& value = node->values.front();
    if (value.type == PRO_VALUE_TYPE_WSTRING && value.w) {
        upper = upperName(core::narrow(*value.w));
    } else if (value.type == PRO_VALUE_TYPE_STRING && value.s) {
        upper = upperName(*value.s);
    } else {
        return TreeName::Invalid;
    }
    if (upper.empty()) {
        return TreeName::None;
    }
    return modelNameValid(upper) ? TreeName::Valid : TreeName::Invalid;
}

const TreeNode* treeNodeResolve(const TreeNode& root, const std::vector<ProElempathItem>& items) {
    const TreeNode* at = &root;
    for (const ProElempathItem& item : items) {
        if (item.type == PRO_ELEM_PATH_ITEM_TYPE_INDEX) {
            int index = item.path_item.elem_index;
            if (index < 0 || static_cast<std::size_t>(index) >= at->children.size()) {
                return nullptr;
            }
            at = &at->children[static_cast<std::size_t>(index)];
        } else {
            at = childOf(*at, item.path_item.elem_id);
            if (at == nullptr) {
                return nullptr;
            }
        }
    }
    return at;
}

}  // namespace simhost::state
