// Relation sets of a solid: the model's own set, its post-regeneration set (owner item
// id -2) and the sets of its features. The two model sets always exist, empty or not;
// every feature has a set, and the visit lists those that hold relations, in the order
// they got their first ones.
#pragma once

#include <nlohmann/json.hpp>

#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/state/models.h"
#include "simhost/state/owners.h"

namespace simhost::state {

constexpr int kPostRegenRelsetId = -2;
// Longest relation line the host keeps.
constexpr std::size_t kRelationLineMax = 259;

class RelsetStore {
public:
    RelsetStore();
    // The lines of the set owned by `owner` (a model item of `model` or a feature id
    // that the caller has checked); null when no such set can exist.
    const std::vector<std::wstring>* lines(const Model& model, const ItemKey& owner) const;
    // Replaces the lines; false when no such set can exist.
    bool replace(const Model& model, const ItemKey& owner, std::vector<std::wstring> lines);
    // Owners of the sets in visit order.
    std::vector<ItemKey> owners(const Model& model) const;
    void dropFeature(int featureId);

    // The "relations" section; null when every set is empty.
    nlohmann::json toJson() const;
    // Replaces the content from a section; throws on a malformed one.
    void fromJson(const nlohmann::json& section);

private:
    struct FeatureSet {
        std::vector<std::wstring> lines;
        std::list<int>::iterator position;
    };
    std::vector<std::wstring> model_;
    std::vector<std::wstring> postRegen_;
    std::list<int> featureOrder_;
    std::unordered_map<int, FeatureSet> features_;
};

inline RelsetStore& relsets(Model& model) {
    return model.content<RelsetStore>();
}

}  // namespace simhost::state
