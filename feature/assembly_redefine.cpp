// Redefining a direct component's placement in the host's interactive dialog.
#include <ProAsmcomp.h>
#include <ProFeature.h>

#include "model/solid.h"

namespace Ardo {

bool Solid::CompRedefine(CompPath& path, bool removeConstraints) {
    if (path.Depth() > 1) {
        return false;
    }
    int id = path.IdGetAt(0);
    ProFeature feature{PRO_FEATURE, id, path.Root()};
    status = ProFeatureInit(static_cast<ProSolid>(path.Root()), id, &feature);
    if (removeConstraints) {
        status = ProAsmcompConstrRemove(&feature, -1);
    }
    status = ProAsmcompConstrRedefUI(&feature);
    return status == PRO_TK_NO_ERROR;
}

}  // namespace Ardo
