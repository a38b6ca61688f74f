// The feature store of a model and the hooks of other host areas.
#include "simhost/state/features.h"
#include "simhost/state/feature_hooks.h"

#include <ProObjects.h>

#include <algorithm>
#include <map>
#include <unordered_set>

namespace simhost::state {

namespace {

std::vector<std::function<void(Model&, int)>>& deleteHooks() {
    static std::vector<std::function<void(Model&, int)>> hooks;
    return hooks;
}

std::vector<std::function<void(Model&, Feature&)>>& createHooks() {
    static std::vector<std::function<void(Model&, Feature&)>> hooks;
    return hooks;
}

std::vector<std::function<void(Model&, Feature&)>>& redefineHooks() {
    static std::vector<std::function<void(Model&, Feature&)>> hooks;
    return hooks;
}

std::map<int, std::vector<std::function<ProError(Model&, const TreeNode&)>>>& redefineChecks() {
    static std::map<int, std::vector<std::function<ProError(Model&, const TreeNode&)>>> checks;
    return checks;
}

using CreateCheck = std::function<std::optional<TreeFault>(Model&, const TreeNode&)>;
std::map<int, std::vector<CreateCheck>>& createChecks() {
    static std::map<int, std::vector<CreateCheck>> checks;
    return checks;
}

std::unordered_map<int, std::string>& defaultNamePrefixes() {
    static std::unordered_map<int, std::string> prefixes;
    return prefixes;
}

std::map<int, std::vector<std::function<void(Model&, Feature&)>>>& placeHooks() {
    static std::map<int, std::vector<std::function<void(Model&, Feature&)>>> hooks;
    return hooks;
}

std::vector<std::function<void(Model&, const Feature&, ProElement)>>& elemtreeHooks() {
    static std::vector<std::function<void(Model&, const Feature&, ProElement)>> hooks;
    return hooks;
}

bool& incompleteAsked() {
    static bool asked = false;
    return asked;
}

std::unordered_set<int>& ncseqTypes() {
    static std::unordered_set<int> types;
    return types;
}

// Calls `visit` with every selection the tree holds; recursive, at most kTreeLevelsMax
// levels deep.
template <typename Visit>
void selectionsOf(const TreeNode& node, Visit&& visit) {
    for (const ValueContent& value : node.values) {
        if (value.type == PRO_VALUE_TYPE_SELECTION && value.r) {
            visit(value.r->item);
        }
    }
    for (const TreeNode& child : node.children) {
        selectionsOf(child, visit);
    }
}

}  // namespace

bool featureStatusKnown(int status) {
    return status >= 0 && status <= kFeatUnregenerated;
}

Feature* FeatureStore::find(int id) {
    auto it = features_.find(id);
    return it == features_.end() ? nullptr : &it->second;
}

Feature* FeatureStore::add(int type, TreeNode tree, const std::string& name) {
    if (nextId_ > kIdMax) {
        return nullptr;
    }
    Feature feature;
    feature.id = nextId_;
    feature.type = type;
    feature.name = name;
    feature.tree = std::move(tree);
    feature.ncseq = featureNcseqType(type);
    int id = feature.id;
    if (!load(std::move(feature))) {
        return nullptr;
    }
    if (insertAfter_ != 0) {
        int after = number(insertAfter_);
        if (after != 0 && after < static_cast<int>(order_.size())) {
            order_.pop_back();
            order_.insert(order_.begin() + after, id);
            positionsStale_ = true;
        }
        insertAfter_ = id;
    }
    return find(id);
}

bool FeatureStore::move(const std::vector<int>& ids, int number) {
    std::unordered_set<int> moving;
    for (int id : ids) {
        if (find(id) == nullptr || !moving.insert(id).second) {
            return false;
        }
    }
    std::vector<int> rest;
    rest.reserve(order_.size());
    for (int id : order_) {
        if (moving.count(id) == 0) {
            rest.push_back(id);
        }
    }
    if (ids.empty() || number < 1 || number - 1 > static_cast<int>(rest.size())) {
        return false;
    }
    rest.insert(rest.begin() + (number - 1), ids.begin(), ids.end());
    order_ = std::move(rest);
    positionsStale_ = true;
    return true;
}

bool FeatureStore::load(Feature feature) {
    if (feature.id <= 0 || feature.id > kIdMax || features_.count(feature.id) != 0 ||
        items_.count(feature.id) != 0 ||
        (!feature.name.empty() && byName_.count(feature.name) != 0)) {
        return false;
    }
    int id = feature.id;
    if (!feature.name.empty()) {
        byName_[feature.name] = id;
    }
    feature.items.clear();  // items join through itemLoad / itemAdd
    features_.emplace(id, std::move(feature));
    position_[id] = static_cast<int>(order_.size());
    order_.push_back(id);
    reserveIds(id + 1);
    return true;
}

Feature* FeatureStore::byName(const std::string& upperName) {
    auto it = byName_.find(upperName);
    return it == byName_.end() ? nullptr : find(it->second);
}

bool FeatureStore::rename(Feature& feature, const std::string& upperName) {
    if (upperName == feature.name) {
        return true;
    }
    if (!upperName.empty() && byName_.count(upperName) != 0) {
        return false;
    }
    if (!feature.name.empty()) {
        byName_.erase(feature.name);
    }
    feature.name = upperName;
    if (!upperName.empty()) {
        byName_[upperName] = feature.id;
    }
    return true;
}

void FeatureStore::erase(const std::vector<int>& ids) {
    std::unordered_set<int> gone;
    for (int id : ids) {
        Feature* feature = find(id);
        if (feature == nullptr) {
            continue;
        }
        for (int item : feature->items) {
            items_.erase(item);
        }
        if (!feature->name.empty()) {
            byName_.erase(feature->name);
        }
        features_.erase(id);
        gone.insert(id);
    }
    if (gone.empty()) {
        return;
    }
    // The insertion point falls back to the nearest feature before it that stays.
    if (gone.count(insertAfter_) != 0) {
        int fallback = 0;
        for (int id : order_) {
            if (id == insertAfter_) {
                break;
            }
            if (gone.count(id) == 0) {
                fallback = id;
            }
        }
        insertAfter_ = fallback;
    }
    order_.erase(
        std::remove_if(order_.begin(), order_.end(), [&](int id) { return gone.count(id) != 0; }),
        order_.end());
    positionsStale_ = true;
}

void FeatureStore::reindex() {
    position_.clear();
    for (std::size_t i = 0; i < order_.size(); ++i) {
        position_[order_[i]] = static_cast<int>(i);
    }
    positionsStale_ = false;
}

int FeatureStore::number(int id) {
    if (positionsStale_) {
        reindex();
    }
    auto it = position_.find(id);
    return it == position_.end() ? 0 : it->second + 1;
}

GeomItem* FeatureStore::itemAdd(Feature& feature, int type, const std::string& name) {
    GeomItem made;
    made.id = nextId_;
    made.type = type;
    made.name = name;
    return itemLoad(feature, made) ? item(made.id) : nullptr;
}

bool FeatureStore::itemLoad(Feature& feature, GeomItem item) {
    if (item.id <= 0 || item.id > kIdMax || features_.count(item.id) != 0 ||
        items_.count(item.id) != 0) {
        return false;
    }
    item.featureId = feature.id;
    feature.items.push_back(item.id);
    reserveIds(item.id + 1);
    items_.emplace(item.id, std::move(item));
    return true;
}

GeomItem* FeatureStore::item(int id) {
    auto it = items_.find(id);
    return it == items_.end() ? nullptr : &it->second;
}

std::string FeatureStore::itemName(const GeomItem& item) {
    if (!item.name.empty()) {
        return item.name;
    }
    const Feature* feature = find(item.featureId);
    return feature != nullptr ? feature->name : std::string();
}

GeomItem* FeatureStore::itemByName(int type, const std::string& upperName) {
    for (int id : order_) {
        for (int itemId : features_.at(id).items) {
            GeomItem& candidate = items_.at(itemId);
            if (candidate.type == type && itemName(candidate) == upperName) {
                return &candidate;
            }
        }
    }
    return nullptr;
}

std::vector<int> FeatureStore::parents(const Feature& feature, const void* modelHandle) {
    std::vector<int> out;
    selectionsOf(feature.tree, [&](const ProModelitem& item) {
        if (item.owner != modelHandle) {
            return;
        }
        int parent = 0;
        if (item.type == PRO_FEATURE && find(item.id) != nullptr) {
            parent = item.id;
        } else if (const GeomItem* geom = this->item(item.id);
                   geom != nullptr && geom->type == item.type) {
            parent = geom->featureId;
        }
        if (parent != 0 && parent != feature.id &&
            std::find(out.begin(), out.end(), parent) == out.end()) {
            out.push_back(parent);
        }
    });
    std::sort(out.begin(), out.end(), [&](int a, int b) { return number(a) < number(b); });
    return out;
}

std::vector<int> FeatureStore::children(int id, const void* modelHandle) {
    std::vector<int> out;
    for (int candidate : order_) {
        if (candidate == id) {
            continue;
        }
        std::vector<int> of = parents(features_.at(candidate), modelHandle);
        if (std::find(of.begin(), of.end(), id) != of.end()) {
            out.push_back(candidate);
        }
    }
    return out;
}

std::vector<int> FeatureStore::withDescendants(const std::vector<int>& ids,
                                               const void* modelHandle) {
    std::unordered_set<int> chosen(ids.begin(), ids.end());
    // A parent precedes its children in the regeneration order, so one pass in that
    // order reaches children of children too.
    for (int id : order_) {
        if (chosen.count(id) != 0) {
            continue;
        }
        for (int parent : parents(features_.at(id), modelHandle)) {
            if (chosen.count(parent) != 0) {
                chosen.insert(id);
                break;
            }
        }
    }
    std::vector<int> out;
    for (int id : order_) {
        if (chosen.count(id) != 0) {
            out.push_back(id);
        }
    }
    return out;
}

Feature* featureFind(Model& model, int id) {
    return features(model).find(id);
}

void featureDeleteHookAdd(std::function<void(Model&, int)> hook) {
    deleteHooks().push_back(std::move(hook));
}

void featureDeleteHooksRun(Model& model, int featureId) {
    for (const auto& hook : deleteHooks()) {
        hook(model, featureId);
    }
}

void featureCreateHookAdd(std::function<void(Model&, Feature&)> hook) {
    createHooks().push_back(std::move(hook));
}

void featureCreateHooksRun(Model& model, Feature& feature) {
    for (const auto& hook : createHooks()) {
        hook(model, feature);
    }
}

void featureRedefineHookAdd(std::function<void(Model&, Feature&)> hook) {
    redefineHooks().push_back(std::move(hook));
}

void featureRedefineHooksRun(Model& model, Feature& feature) {
    for (const auto& hook : redefineHooks()) {
        hook(model, feature);
    }
}

void featurePlaceHookAdd(int type, std::function<void(Model&, Feature&)> hook) {
    placeHooks()[type].push_back(std::move(hook));
}

void featurePlaceHooksRun(Model& model, Feature& feature) {
    auto it = placeHooks().find(feature.type);
    if (it != placeHooks().end()) {
        for (const auto& hook : it->second) {
            hook(model, feature);
        }
    }
}

void featureElemtreeHookAdd(std::function<void(Model&, const Feature&, ProElement)> hook) {
    elemtreeHooks().push_back(std::move(hook));
}

void featureElemtreeHooksRun(Model& model, const Feature& feature, ProElement root) {
    for (const auto& hook : elemtreeHooks()) {
        hook(model, feature, root);
    }
}

FeatureCreateIncomplete::FeatureCreateIncomplete(bool incomplete) {
    incompleteAsked() = incomplete;
}

FeatureCreateIncomplete::~FeatureCreateIncomplete() {
    incompleteAsked() = false;
}

bool FeatureCreateIncomplete::asked() {
    return incompleteAsked();
}

void featureDefaultNameAdd(int type, std::string prefix) {
    defaultNamePrefixes()[type] = std::move(prefix);
}

std::string featureDefaultName(Model& model, int type) {
    auto prefix = defaultNamePrefixes().find(type);
    if (prefix == defaultNamePrefixes().end()) {
        return std::string();
    }
    FeatureStore& store = features(model);
    int& next = store.defaultNameNext(prefix->second);
    for (;; ++next) {
        std::string name = prefix->second + std::to_string(next);
        if (store.byName(name) == nullptr && store.itemByName(PRO_CSYS, name) == nullptr &&
            store.itemByName(PRO_POINT, name) == nullptr) {
            return name;
        }
    }
}

void featureCreateCheckAdd(int type,
                           std::function<std::optional<TreeFault>(Model&, const TreeNode&)> check) {
    createChecks()[type].push_back(std::move(check));
}

std::optional<TreeFault> featureCreateCheck(Model& model, int type, const TreeNode& tree) {
    auto it = createChecks().find(type);
    if (it != createChecks().end()) {
        for (const auto& check : it->second) {
            if (std::optional<TreeFault> fault = check(model, tree)) {
                return fault;
            }
        }
    }
    return std::nullopt;
}

void featureRedefineCheckAdd(int type, std::function<ProError(Model&, const TreeNode&)> check) {
    redefineChecks()[type].push_back(std::move(check));
}

ProError featureRedefineCheck(Model& model, int type, const TreeNode& tree) {
    auto it = redefineChecks().find(type);
    if (it == redefineChecks().end()) {
        return PRO_TK_NO_ERROR;
    }
    for (const auto& check : it->second) {
        if (ProError rc = check(model, tree)) {
            return rc;
        }
    }
    return PRO_TK_NO_ERROR;
}

void featureNcseqTypeAdd(int type) {
    ncseqTypes().insert(type);
}

bool featureNcseqType(int type) {
    return ncseqTypes().count(type) != 0;
}

}  // namespace simhost::state
