#include "simhost/state/groups.h"

#include <ProObjects.h>

#include <algorithm>
#include <map>
#include <stdexcept>

#include "simhost/core/wide.h"
#include "simhost/state/components.h"
#include "simhost/state/datum_features.h"
#include "simhost/state/dims.h"
#include "simhost/state/elemtree.h"
#include "simhost/state/features.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;

// Group feature id -> member ids in order.
struct Groups {
    std::map<int, std::vector<int>> members;
};

Groups& groups(Model& model) {
    return model.content<Groups>();
}

// --- element trees of the members -------------------------------------------------

TreeNode leaf(int id, ValueContent value) {
    TreeNode node;
    node.id = id;
    node.values.push_back(std::move(value));
    return node;
}

TreeNode intLeaf(int id, int i) {
    ValueContent value;
    value.type = PRO_VALUE_TYPE_INT;
    value.i = i;
    return leaf(id, value);
}

TreeNode doubleLeaf(int id, double d) {
    ValueContent value;
    value.type = PRO_VALUE_TYPE_DOUBLE;
    value.d = d;
    return leaf(id, value);
}

TreeNode wideLeaf(int id, const std::wstring& w) {
    ValueContent value;
    value.type = PRO_VALUE_TYPE_WSTRING;
    value.w = w;
    return leaf(id, value);
}

TreeNode selectionLeaf(int id, const SelectionData& selection) {
    ValueContent value;
    value.type = PRO_VALUE_TYPE_SELECTION;
    value.r = selection;
    return leaf(id, value);
}

TreeNode parent(int id, std::vector<TreeNode> children) {
    TreeNode node;
    node.id = id;
    node.kind = elementIdIsArray(id) ? ElementKind::Array : ElementKind::Compound;
    node.children = std::move(children);
    return node;
}

TreeNode featureRoot(int type, const std::string& name) {
    std::vector<TreeNode> children{intLeaf(kElemFeatureType, type)};
    if (!name.empty()) {
        children.push_back(wideLeaf(kElemFeatureName, core::widen(name)));
    }
    return parent(kElemFeatureTree, std::move(children));
}

using Named = std::map<std::wstring, SelectionData>;

TreeNode csysTree(const UdfFeature& feature, const std::string& name, const Named& named) {
    TreeNode root = featureRoot(kFeatCsys, name);
    if (feature.reference.empty()) {
        return root;  // a default coordinate system
    }
    std::vector<TreeNode> constrs{
        parent(kElemCsysOriginConstr,
               {selectionLeaf(kElemCsysOriginConstrRef, named.at(feature.reference))})};
    if (!feature.origin.empty()) {
        constrs.push_back(parent(kElemCsysOriginConstr, {selectionLeaf(kElemCsysOriginConstrRef,
                                                                       named.at(feature.origin))}));
    }
    root.children.push_back(parent(kElemCsysOriginConstrs, std::move(constrs)));
    root.children.push_back(intLeaf(kElemCsysOffsetType, kOffsetCartesian));
    std::vector<TreeNode> moves;
    for (const UdfMove& move : feature.moves) {
        moves.push_back(parent(kElemCsysOrientMove, {intLeaf(kElemCsysMoveType, move.kind),
                                                     doubleLeaf(kElemCsysMoveValue, move.value)}));
    }
    root.children.push_back(parent(kElemCsysOrientMoves, std::move(moves)));
    return root;
}

TreeNode pointTree(const UdfFeature& feature, const std::string& name, const Named& named) {
    TreeNode root = featureRoot(kFeatDatumPoint, name);
    root.children.push_back(intLeaf(kElemDpointType, kDpointTypeOffsetCsys));
    root.children.push_back(intLeaf(kElemDpointOfstCsysType, kOffsetCartesian));
    root.children.push_back(selectionLeaf(kElemDpointOfstCsysRef, named.at(feature.reference)));
    root.children.push_back(intLeaf(kElemDpointOfstCsysWithDims, feature.dimensions ? 1 : 0));
    std::vector<TreeNode> point{wideLeaf(kElemDpointOfstCsysPntName, core::widen(name))};
    for (int axis = 0; axis < 3; ++axis) {
        point.push_back(doubleLeaf(kElemDpointOfstCsysDir[axis], feature.at[axis]));
    }
    root.children.push_back(
        parent(kElemDpointOfstCsysPnts, {parent(kElemDpointOfstCsysPnt, std::move(point))}));
    return root;
}

// --- references -------------------------------------------------------------------

// True when the selection names an item of the type in the solid, or in the model a
// component path from the solid leads to.
bool referenceExists(Session& s, Model& model, const SelectionData& selection, int type) {
    if (selection.item.type != type) {
        return false;
    }
    Model* end = &model;
    if (selection.path) {
        if (selection.path->owner != static_cast<ProSolid>(modelHandle(model.id)) ||
            componentPathResolve(s, model, selection.path->comp_id_table, selection.path->table_num,
                                 &end, nullptr) != PRO_TK_NO_ERROR) {
            return false;
        }
    }
    if (selection.item.owner != modelHandle(end->id)) {
        return false;
    }
    const GeomItem* item = features(*end).item(selection.item.id);
    return item != nullptr && item->type == type;
}

bool referencesValid(Session& s, Model& model, const UdfDefinition& definition,
                     const std::vector<UdfPlacedReference>& given, Named& named) {
    if (given.size() != definition.references.size()) {
        return false;
    }
    for (const UdfReference& required : definition.references) {
        auto match = std::find_if(given.begin(), given.end(), [&](const UdfPlacedReference& r) {
            return r.prompt == required.prompt;
        });
        if (match == given.end() || named.count(required.prompt) != 0 ||
            !referenceExists(s, model, match->selection, required.type)) {
            return false;
        }
        named[required.prompt] = match->selection;
    }
    return true;
}

// The name a member gets: its own unless the solid holds it already.
std::string memberName(Model& model, const UdfFeature& feature) {
    FeatureStore& store = features(model);
    int itemType = feature.type == kFeatCsys ? PRO_CSYS : PRO_POINT;
    if (store.byName(feature.name) == nullptr &&
        store.itemByName(itemType, feature.name) == nullptr) {
        return feature.name;
    }
    return featureDefaultName(model, feature.type);
}

void symbolsGive(Model& model, int featureId, const std::vector<std::wstring>& symbols) {
    std::vector<int> ids = dims(model).idsOfFeature(featureId);
    for (std::size_t k = 0; k < ids.size() && k < symbols.size(); ++k) {
        if (!symbols[k].empty() && dims(model).bySymbol(symbols[k]) == nullptr) {
            dims(model).rename(*dims(model).find(ids[k]), symbols[k]);
        }
    }
}

// --- the host's hooks and the model file -----------------------------------------

void featureDeleted(Model& model, int featureId) {
    Groups& all = groups(model);
    all.members.erase(featureId);
    for (auto& entry : all.members) {
        auto& ids = entry.second;
        ids.erase(std::remove(ids.begin(), ids.end(), featureId), ids.end());
    }
}

void readSection(Model& model, const json& section) {
    Groups& all = groups(model);
    all.members.clear();
    for (const json& entry : listOf(section)) {
        int id = keyInt(entry, "group", 1);
        std::vector<int> ids;
        for (const json& member : listOf(entry.at("members"))) {
            ids.push_back(intIn(member, 1));
        }
        if (!all.members.emplace(id, std::move(ids)).second) {
            throw std::invalid_argument("group " + std::to_string(id) + " given twice");
        }
    }
}

json writeSection(Model& model) {
    const Groups& all = groups(model);
    if (all.members.empty()) {
        return nullptr;
    }
    json list = json::array();
    for (const auto& entry : all.members) {
        list.push_back({{"group", entry.first}, {"members", entry.second}});
    }
    return list;
}

// Once the features are read: every group is a group feature, every member a feature.
void groupsCheck(Model& model) {
    FeatureStore& store = features(model);
    for (const auto& entry : groups(model).members) {
        const Feature* group = store.find(entry.first);
        if (group == nullptr || group->type != kFeatGroup) {
            throw std::invalid_argument("group " + std::to_string(entry.first) +
                                        " is no group feature");
        }
        for (int id : entry.second) {
            if (store.find(id) == nullptr) {
                throw std::invalid_argument("group member " + std::to_string(id) +
                                            " is no feature");
            }
        }
    }
}

const bool registered = [] {
    sectionCodecAdd({"groups", readSection, writeSection});
    modelLoadHookAdd(groupsCheck);
    featureDeleteHookAdd(featureDeleted);
    featureDefaultNameAdd(kFeatGroup, "GROUP");
    return true;
}();

}  // namespace

std::vector<int> groupMembers(Model& model, int groupId) {
    auto it = groups(model).members.find(groupId);
    return it == groups(model).members.end() ? std::vector<int>() : it->second;
}

bool groupIs(Model& model, int featureId) {
    return groups(model).members.count(featureId) != 0;
}

ProError udfPlace(Session& s, Model& model, const UdfDefinition& definition,
                  const std::vector<UdfPlacedReference>& references, int& groupId) {
    Named named;
    if (!referencesValid(s, model, definition, references, named)) {
        return PRO_TK_BAD_INPUTS;
    }
    FeatureStore& store = features(model);
    // The group takes the definition's name unless the solid or one of the members
    // (made after it) holds that name.
    std::string groupName = upperName(definition.name);
    bool memberHoldsIt = std::any_of(definition.features.begin(), definition.features.end(),
                                     [&](const UdfFeature& f) { return f.name == groupName; });
    if (memberHoldsIt || store.byName(groupName) != nullptr) {
        groupName = featureDefaultName(model, kFeatGroup);
    }
    std::vector<int> made;
    Feature* group = store.add(kFeatGroup, featureRoot(kFeatGroup, groupName), groupName);
    if (group == nullptr) {
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    const int id = group->id;
    featureCreateHooksRun(model, *group);
    for (const UdfFeature& member : definition.features) {
        std::string name = memberName(model, member);
        TreeNode tree = member.type == kFeatCsys ? csysTree(member, name, named)
                                                 : pointTree(member, name, named);
        Feature* feature = store.add(member.type, std::move(tree), name);
        if (feature == nullptr) {
            made.insert(made.begin(), id);
            store.erase(made);
            for (int done : made) {
                featureDeleteHooksRun(model, done);
            }
            return PRO_TK_MAX_LIMIT_REACHED;
        }
        made.push_back(feature->id);
        featureCreateHooksRun(model, *feature);
        std::vector<std::wstring> symbols = member.symbols;
        if (member.type == kFeatCsys) {
            for (const UdfMove& move : member.moves) {
                symbols.push_back(move.symbol);
            }
        }
        symbolsGive(model, feature->id, symbols);
        SelectionData self;
        self.item.type = member.type == kFeatCsys ? PRO_CSYS : PRO_POINT;
        self.item.id = feature->items.empty() ? 0 : feature->items.front();
        self.item.owner = modelHandle(model.id);
        named[member.key] = self;
    }
    groups(model).members[id] = made;
    model.touch();
    groupId = id;
    return PRO_TK_NO_ERROR;
}

ProError groupUngroup(Model& model, int groupId) {
    if (!groupIs(model, groupId)) {
        return PRO_TK_E_NOT_FOUND;
    }
    groups(model).members.erase(groupId);
    features(model).erase({groupId});
    featureDeleteHooksRun(model, groupId);
    model.touch();
    return PRO_TK_NO_ERROR;
}

}  // namespace simhost::state
