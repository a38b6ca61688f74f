// The solids of a part: made by the geometry kernel from the model file's "solids"
// section (docs/model-files.md), held by their kernel ids and freed with the model.
#pragma once

#include <vector>

#include <nlohmann/json.hpp>

#include "simhost/state/models.h"

namespace simhost::state {

class PartSolids {
public:
    PartSolids() = default;
    ~PartSolids();
    PartSolids(const PartSolids&) = delete;
    PartSolids& operator=(const PartSolids&) = delete;

    // Kernel solid ids in the section's order; empty in a build without the kernel.
    const std::vector<int>& ids() const { return ids_; }
    // The section as the file gave it (null: none), written back as it was.
    const nlohmann::json& section() const { return section_; }

    // Reads the section: makes one solid per entry, files relative to `directory`.
    // Throws std::invalid_argument (with the entry's place) for a malformed entry, a
    // missing or unreadable STEP file or a solid the kernel cannot make.
    void read(const nlohmann::json& section, const std::filesystem::path& directory);
    void clear();

private:
    std::vector<int> ids_;
    nlohmann::json section_;
};

inline PartSolids& partSolids(Model& model) {
    return model.content<PartSolids>();
}

}  // namespace simhost::state
