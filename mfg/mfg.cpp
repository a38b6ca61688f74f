// The manufacturing model: loading, adopting the current model, its solid.
#include "mfg/mfg.h"

#include "kelt2proe/error.h"
#include "model/solid.h"

namespace Ardo {

ProSolid Mfg::solidGet(const char* text) {
    ProSolid solid = nullptr;
    check(ProMfgSolidGet(mfgHandle(), &solid), text);
    return solid;
}

void Mfg::Load(const char* modelName) {
    Mdl::Load(modelName, KELT2P_MDL_MFG, false);
}

// A current model of another type leaves the object unbound.
void Mfg::Current() {
    Mdl::Current();
    if (TypeGet() != KELT2P_MDL_MFG) {
        handle = nullptr;
        throw Error(status, "KEIN MFG-MODELL!");
    }
}

Solid Mfg::GetMdl() {
    IsInit();
    return Solid(solidGet("Ardo::Mfg::GetSolid"));
}

}  // namespace Ardo
