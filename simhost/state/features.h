// Features of a solid: id, type, name, status, the element tree they were made from,
// the geometry items they own, and the regeneration order.
//
// Feature ids and geometry-item ids come from one counter per model, in order from 1,
// and are never reused. Names are kept in upper case and are unique among the model's
// features. The visit order is the regeneration order: creation appends (in insert
// mode: inserts after the insertion point, which then moves to the new feature),
// deletion removes.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/geometry/placement.h"
#include "simhost/state/elemtree.h"
#include "simhost/state/id_range.h"
#include "simhost/state/models.h"

namespace simhost::state {

// Element ids the host reads from a feature's tree.
constexpr int kElemFeatureTree = 386;
constexpr int kElemFeatureType = 387;
constexpr int kElemFeatureName = 1964;
// A sketched feature's form (extrusion, revolution ...) and kind (solid 917, surface ...).
constexpr int kElemFeatureForm = 388;
constexpr int kElemSolidType = 1956;

// Feature types the host builds geometry for.
constexpr int kFeatDatumPoint = 931;
constexpr int kFeatCsys = 979;

// The host's feature statuses (ProFeatStatus).
constexpr int kFeatActive = 0;
constexpr int kFeatUnregenerated = 6;
bool featureStatusKnown(int status);

// A geometry item (coordinate system, datum point, axis, curve ...) made by a feature.
struct GeomItem {
    int id = 0;
    int type = 0;
    int featureId = 0;
    std::string name;  // upper case; empty: the item carries its feature's name
    // Where a coordinate system sits, in model coordinates; a datum point is its origin.
    geometry::Placement place;
};

struct Feature {
    int id = 0;
    int type = 0;
    std::string name;  // upper case; empty: the feature has no name
    int status = kFeatActive;
    bool ncseq = false;  // an NC sequence of a manufacturing model
    TreeNode tree;
    std::vector<int> items;  // ids of its geometry items, in creation order
};

class FeatureStore {
public:
    Feature* find(int id);
    // Appends a new feature to the regeneration order; its id is the next free one.
    // Null when the model has no id left (kIdMax handed out).
    Feature* add(int type, TreeNode tree, const std::string& name);
    // Appends a feature read from a file with its own id; false when the id or the
    // name is taken or the id is not in 1 to kIdMax.
    bool load(Feature feature);
    // A feature by upper-case name, or null.
    Feature* byName(const std::string& upperName);
    // Renames (empty: no name); false when another feature has that name.
    bool rename(Feature& feature, const std::string& upperName);
    // Removes the features and their geometry items.
    void erase(const std::vector<int>& ids);

    // The feature after which new features go, 0 when they are appended.
    int insertAfter() const { return insertAfter_; }
    void insertAfterSet(int id) { insertAfter_ = id; }
    // Moves the features (each once, in the given order) so that the first of them
    // takes the 1-based number `number` among all features; false, changing nothing, for
    // an unknown or repeated id or a number past the end.
    bool move(const std::vector<int>& ids, int number);

    // Feature ids in regeneration order.
    const std::vector<int>& order() const { return order_; }
    // 1-based position in the regeneration order, 0 when there is no such feature.
    int number(int id);
    std::size_t size() const { return features_.size(); }

    // A new geometry item owned by the feature; its id is the next free one. Null when
    // the model has no id left.
    GeomItem* itemAdd(Feature& feature, int type, const std::string& name = {});
    // Adds an item read from a file with its own id; false when the id is taken or not
    // in 1 to kIdMax.
    bool itemLoad(Feature& feature, GeomItem item);
    GeomItem* item(int id);
    // The item's name: its own, else its feature's; empty when neither has one.
    std::string itemName(const GeomItem& item);
    // The first item of the type (in regeneration order) carrying that name, or null.
    GeomItem* itemByName(int type, const std::string& upperName);

    // The model's features that `feature` references through selections in its tree
    // (the feature itself, or a geometry item it owns), in regeneration order.
    std::vector<int> parents(const Feature& feature, const void* modelHandle);
    // The features that reference `feature`, in regeneration order.
    std::vector<int> children(int id, const void* modelHandle);
    // `ids` with all features that depend on them, directly or through others, in
    // regeneration order.
    std::vector<int> withDescendants(const std::vector<int>& ids, const void* modelHandle);

    // The next number to try for a default name with the prefix; the store remembers
    // where the search ended so that naming many features costs no rescans.
    int& defaultNameNext(const std::string& prefix) { return defaultNameNext_[prefix]; }

    // The id the next feature or item gets; kIdMax + 1 when none is left.
    int nextId() const { return nextId_; }
    // Ids below `next` (at most kIdMax + 1) are no longer handed out.
    void reserveIds(int next) {
        if (next > nextId_) {
            nextId_ = std::min(next, kIdMax + 1);
        }
    }

private:
    void reindex();
    std::unordered_map<int, Feature> features_;
    std::unordered_map<std::string, int> byName_;
    std::unordered_map<int, GeomItem> items_;
    std::vector<int> order_;
    std::unordered_map<int, int> position_;  // id -> index into order_
    bool positionsStale_ = false;
    int nextId_ = 1;
    int insertAfter_ = 0;
    std::unordered_map<std::string, int> defaultNameNext_;
};

inline FeatureStore& features(Model& model) {
    return model.content<FeatureStore>();
}
Feature* featureFind(Model& model, int id);

// Called for every feature deleted (children deleted with it included), after it is
// gone from the model: other areas drop what they keep for it.
void featureDeleteHookAdd(std::function<void(Model&, int featureId)> hook);
void featureDeleteHooksRun(Model& model, int featureId);

// Called after a feature is created, so that an area can add what the host makes with
// it (for example the coordinate-system item of a coordinate-system feature).
void featureCreateHookAdd(std::function<void(Model&, Feature&)> hook);
void featureCreateHooksRun(Model& model, Feature& feature);

// Called after a feature's tree is replaced by a redefinition, so that an area can read
// the new tree into what it keeps (or settle a tree that holds an element twice).
void featureRedefineHookAdd(std::function<void(Model&, Feature&)> hook);
void featureRedefineHooksRun(Model& model, Feature& feature);

// A host check of the tree of a new feature of a type, before it is made: the element
// at fault and why; nullopt accepts the tree.
struct TreeFault {
    int elementId = 0;
    ProError code = PRO_TK_BAD_INPUTS;
};
void featureCreateCheckAdd(int type,
                           std::function<std::optional<TreeFault>(Model&, const TreeNode&)> check);
std::optional<TreeFault> featureCreateCheck(Model& model, int type, const TreeNode& tree);

// A host check of a new tree for features of a type before a redefinition: a non-zero
// result refuses the redefinition and leaves the feature as it was.
void featureRedefineCheckAdd(int type, std::function<ProError(Model&, const TreeNode&)> check);
ProError featureRedefineCheck(Model& model, int type, const TreeNode& tree);

// A feature of the type made without a name gets the prefix and the smallest number
// from 0 that no feature, coordinate system or datum point holds ("CS0", "PNT3").
void featureDefaultNameAdd(int type, std::string prefix);
// The default name for a new feature of the type; empty for types without one.
std::string featureDefaultName(Model& model, int type);

// Feature types the host creates as NC sequences.
void featureNcseqTypeAdd(int type);
bool featureNcseqType(int type);

}  // namespace simhost::state
