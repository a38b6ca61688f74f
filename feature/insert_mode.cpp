// Insert mode of a model: new features go after a chosen feature until it ends.
#include <ProFeature.h>

#include "model/solid.h"
#include "toolkit/udf.h"

namespace Ardo {

void Solid::InsertModeActivate(int featureId) {
    requireHandle("Ardo::kelt2pMdl::InsertModeActivate");
    ProFeature feature = featureInit(featureId);
    ardotk::FeatureInsertModeActivate(feature);
}

void Solid::InsertModeCancel(bool resume) {
    requireHandle("Ardo::kelt2pMdl::InsertModeCancel");
    check(ProInsertModeCancel(static_cast<ProSolid>(handle), resume ? PRO_B_TRUE : PRO_B_FALSE),
          "");
}

bool Solid::InsertModeIsActive() {
    requireHandle("Ardo::kelt2pMdl::InsertModeIsActive");
    return ardotk::InsertModeIsActive(static_cast<ProSolid>(handle));
}

}  // namespace Ardo
