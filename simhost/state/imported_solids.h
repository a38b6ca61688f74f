// Imported solids: import features (type 932) that hold a solid brought in from an
// interface file or made by a shrinkwrap. The host keeps each such feature's solid in
// the model's coordinates, as a kernel id together with the kernel's BRep text of it;
// the text is saved in the model file's "imported_solids" section (docs/model-files.md)
// and the solid made again from it on load.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <ProToolkit.h>

#include "simhost/state/elemtree.h"
#include "simhost/state/features.h"
#include "simhost/state/models.h"

namespace simhost::state {

struct ImportedSolid {
    std::string brep;
    int solid = 0;  // 0: none (a build without the kernel)
};

class ImportedSolidStore {
public:
    ImportedSolidStore() = default;
    ~ImportedSolidStore();
    ImportedSolidStore(const ImportedSolidStore&) = delete;
    ImportedSolidStore& operator=(const ImportedSolidStore&) = delete;

    // Keeps the solid for the feature (freeing one it held).
    void set(int featureId, ImportedSolid kept);
    const ImportedSolid* find(int featureId) const;
    void erase(int featureId);
    void clear();
    const std::map<int, ImportedSolid>& all() const { return solids_; }

private:
    std::map<int, ImportedSolid> solids_;
};

inline ImportedSolidStore& importedSolids(Model& model) {
    return model.content<ImportedSolidStore>();
}

// The tree the host keeps for an import feature: its type and, when given, its name.
TreeNode importFeatureTree(const std::string& name);

// A new import feature with the host's default name at the end of the model's features,
// holding `solid` (a kernel id, in model coordinates), which the model takes over, also
// when the call fails. PRO_TK_MAX_LIMIT_REACHED when the model has no id left.
ProError importSolidFeatureAdd(Model& model, int solid, Feature** out);

// The solids of the model's active import features, in regeneration order.
std::vector<int> importedSolidIds(Model& model);
// True when the model has import features with solids (held only with the kernel).
bool importedSolidsDeclared(Model& model);

}  // namespace simhost::state
