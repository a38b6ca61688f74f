// What the host reads from a feature's element tree: its type, its name, and the
// element an element path addresses.
#pragma once

#include <ProElempath.h>

#include <optional>
#include <string>
#include <vector>

#include "simhost/state/elemtree.h"

namespace simhost::state {

// The integer value of the root's feature-type element, or nullopt.
std::optional<int> featureTreeType(const TreeNode& root);

enum class TreeName { None, Valid, Invalid };
// The root's feature-name element (wide or narrow text): None when there is none or
// it is empty, else the upper-case name and whether the host accepts it.
TreeName featureTreeName(const TreeNode& root, std::string& upper);

// The node that `items` address from `root` (the root for no items), or null.
const TreeNode* treeNodeResolve(const TreeNode& root, const std::vector<ProElempathItem>& items);

}  // namespace simhost::state
