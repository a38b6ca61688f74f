// A feature of the model by id: the start of every operation on one feature.
#include <ProFeature.h>

#include "kelt2proe/error.h"
#include "model/solid.h"

namespace Ardo {

ProFeature Solid::featureInit(int id) {
    ProFeature feature{};
    status = ProFeatureInit(static_cast<ProSolid>(handle), id, &feature);
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "");
    }
    return feature;
}

}  // namespace Ardo
