// Reading the host's kept element trees: a child by id, and the single value of a plain
// element as an integer, a finite double or a selection.
#pragma once

#include <ProValue.h>

#include <cmath>
#include <optional>

#include "simhost/state/elemtree.h"

namespace simhost::state {

inline const TreeNode* treeChild(const TreeNode* node, int id) {
    if (node == nullptr) {
        return nullptr;
    }
    for (const TreeNode& child : node->children) {
        if (child.id == id) {
            return &child;
        }
    }
    return nullptr;
}

inline const ValueContent* treeValue(const TreeNode* node) {
    return node != nullptr && node->values.size() == 1 ? &node->values.front() : nullptr;
}

inline std::optional<int> treeInt(const TreeNode* node) {
    const ValueContent* value = treeValue(node);
    if (value == nullptr || value->type != PRO_VALUE_TYPE_INT) {
        return std::nullopt;
    }
    return value->i;
}

// A double element; an integer counts as its value. Nullopt for anything else and for
// numbers that are not finite.
inline std::optional<double> treeDouble(const TreeNode* node) {
    const ValueContent* value = treeValue(node);
    if (value == nullptr) {
        return std::nullopt;
    }
    double d = value->type == PRO_VALUE_TYPE_DOUBLE ? value->d
               : value->type == PRO_VALUE_TYPE_INT  ? value->i
                                                    : NAN;
    return std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
}

inline const SelectionData* treeSelection(const TreeNode* node) {
    const ValueContent* value = treeValue(node);
    return value != nullptr && value->type == PRO_VALUE_TYPE_SELECTION && value->r ? &*value->r
                                                                                   : nullptr;
}

}  // namespace simhost::state
