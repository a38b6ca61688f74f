// What the host keeps of a model's revolved features beside their trees: the section's
// entities, the frame the solid was made in and the solid itself (a kernel id, freed
// with the store). Saved in the model file's "revolves" section (docs/model-files.md);
// the solids are made again on load.
#pragma once

#include <map>
#include <vector>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"
#include "simhost/state/sections.h"

namespace simhost::state {

struct Revolve {
    std::vector<SectionEntity> entities;
    int nextId = 1;
    double epsilon = kSectionEpsilonDefault;
    bool incomplete = false;
    int solid = 0;  // 0: none (incomplete, no kernel, or not made)
    geometry::Placement frame;
};

class RevolveStore {
public:
    RevolveStore() = default;
    ~RevolveStore();
    RevolveStore(const RevolveStore&) = delete;
    RevolveStore& operator=(const RevolveStore&) = delete;

    // The feature's record, made empty when it has none.
    Revolve& at(int featureId) { return revolves_[featureId]; }
    void add(int featureId) { at(featureId); }
    Revolve* find(int featureId);
    // Forgets the feature's record and frees its solid.
    void erase(int featureId);
    void clear();
    const std::map<int, Revolve>& all() const { return revolves_; }

private:
    std::map<int, Revolve> revolves_;
};

inline RevolveStore& revolves(Model& model) {
    return model.content<RevolveStore>();
}

}  // namespace simhost::state
