// A feature of the model by id: the start of every operation on one feature.
#include <ProFeature.h>

#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"

namespace Ardo {

ProFeature Solid::featureInit(int id) {
    ProFeature feature{};
    check(ProFeatureInit(static_cast<ProSolid>(handle), id, &feature), "");
    return feature;
}

}  // namespace Ardo
