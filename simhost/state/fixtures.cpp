// The host's check of fixture trees, the kept tree, the active fixture and its section
// of the model file ("active_fixture": the feature id).
#include "simhost/state/fixtures.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "simhost/state/mfg.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

const ValueContent* onlyValue(const TreeNode& node, int type) {
    if (node.kind != ElementKind::Plain || node.values.size() != 1 || node.values[0].type != type) {
        return nullptr;
    }
    return &node.values[0];
}

bool isFeatureOfType(Model& model, int id, int type) {
    const Feature* feature = featureFind(model, id);
    return feature != nullptr && feature->type == type;
}

std::optional<TreeFault> componentsFault(Model& model, const TreeNode& node) {
    if (node.kind != ElementKind::Plain) {
        return TreeFault{kElemFixtComponents, PRO_TK_BAD_INPUTS};
    }
    for (const ValueContent& value : node.values) {
        if (value.type != PRO_VALUE_TYPE_INT || !isFeatureOfType(model, value.i, kFeatComponent)) {
            return TreeFault{kElemFixtComponents, PRO_TK_BAD_INPUTS};
        }
    }
    return std::nullopt;
}

// The element at fault in a fixture tree, or nullopt for a tree the host accepts.
std::optional<TreeFault> fixtureTreeFault(Model& model, const TreeNode& tree) {
    if (model.type != kMfg) {
        return TreeFault{kElemFeatureType, PRO_TK_BAD_INPUTS};
    }
    bool setupType = false;
    bool setupTime = false;
    for (const TreeNode& child : tree.children) {
        const auto fault = TreeFault{child.id, PRO_TK_BAD_INPUTS};
        switch (child.id) {
            case kElemFeatureType:
            case kElemFeatureName:
                break;
            case kElemAssemSetupType:
                if (setupType || onlyValue(child, PRO_VALUE_TYPE_INT) == nullptr) {
                    return fault;
                }
                setupType = true;
                break;
            case kElemSetupTime:
                if (setupTime || onlyValue(child, PRO_VALUE_TYPE_DOUBLE) == nullptr) {
                    return fault;
                }
                setupTime = true;
                break;
            case kElemMfgName: {
                const ValueContent* name = onlyValue(child, PRO_VALUE_TYPE_WSTRING);
                if (name == nullptr || !name->w || name->w->empty()) {
                    return fault;
                }
                break;
            }
            case kElemNcseqOper: {
                const ValueContent* oper = onlyValue(child, PRO_VALUE_TYPE_INT);
                if (oper == nullptr || !isFeatureOfType(model, oper->i, kFeatOperation)) {
                    return fault;
                }
                break;
            }
            case kElemFixtComponents:
                if (auto components = componentsFault(model, child)) {
                    return components;
                }
                break;
            default:
                return fault;
        }
    }
    if (!setupType) {
        return TreeFault{kElemAssemSetupType, PRO_TK_E_NOT_FOUND};
    }
    if (!setupTime) {
        return TreeFault{kElemSetupTime, PRO_TK_E_NOT_FOUND};
    }
    return std::nullopt;
}

// Keeps only the last component list of a fixture's tree.
void keepLastComponents(Model&, Feature& feature) {
    if (feature.type != kFeatFixture) {
        return;
    }
    std::vector<TreeNode>& children = feature.tree.children;
    auto last = std::find_if(children.rbegin(), children.rend(),
                             [](const TreeNode& child) { return child.id == kElemFixtComponents; });
    if (last == children.rend()) {
        return;
    }
    const TreeNode* kept = &*last;
    children.erase(std::remove_if(children.begin(), children.end(),
                                  [kept](const TreeNode& child) {
                                      return child.id == kElemFixtComponents && &child != kept;
                                  }),
                   children.end());
}

const bool kRegistered = [] {
    featureCreateCheckAdd(kFeatFixture, fixtureTreeFault);
    featureRedefineCheckAdd(kFeatFixture, [](Model& model, const TreeNode& tree) {
        return fixtureTreeFault(model, tree) ? PRO_TK_BAD_INPUTS : PRO_TK_NO_ERROR;
    });
    featureRedefineHookAdd(keepLastComponents);
    featureCreateHookAdd(keepLastComponents);
    featureDeleteHookAdd([](Model& model, int featureId) {
        FixtureState& state = fixtureState(model);
        if (state.active == featureId) {
            state.active = 0;
        }
    });
    sectionCodecAdd({"active_fixture",
                     [](Model& model, const nlohmann::json& section) {
                         if (section.is_null()) {
                             return;
                         }
                         if (!section.is_number_integer()) {
                             throw std::invalid_argument("a feature id expected");
                         }
                         fixtureState(model).active = section.get<int>();
                     },
                     [](Model& model) {
                         const int id = fixtureState(model).active;
                         return model.type == kMfg && isFeatureOfType(model, id, kFeatFixture)
                                    ? nlohmann::json(id)
                                    : nlohmann::json(nullptr);
                     }});
    modelLoadHookAdd([](Model& model) {
        FixtureState& state = fixtureState(model);
        if (state.active != 0 && !isFeatureOfType(model, state.active, kFeatFixture)) {
            throw std::invalid_argument("active_fixture: no fixture with this id");
        }
    });
    return true;
}();

}  // namespace

std::vector<int> fixtureComponents(const TreeNode& tree) {
    std::vector<int> ids;
    for (const TreeNode& child : tree.children) {
        if (child.id == kElemFixtComponents) {
            ids.clear();
            for (const ValueContent& value : child.values) {
                ids.push_back(value.i);
            }
        }
    }
    return ids;
}

}  // namespace simhost::state
