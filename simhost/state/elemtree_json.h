// The JSON form of element trees in model files.
#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/state/elemtree.h"

namespace simhost::state {

// Names for the model handles that a tree refers to (selection owners, pointer values);
// a pointer without a name is written as null, a name without a model read as null.
struct TreeModels {
    std::function<std::string(const void*)> nameOf;
    std::function<void*(const std::string&)> byName;
};

nlohmann::json treeToJson(const TreeNode& root, const TreeModels& models = {});
// Throws std::invalid_argument for a malformed tree.
TreeNode treeFromJson(const nlohmann::json& json, const TreeModels& models = {});

}  // namespace simhost::state
