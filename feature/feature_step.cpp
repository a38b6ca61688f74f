// Stepping from a feature to its active neighbours in the regeneration order.
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/feature.h"

namespace Ardo {

int Solid::FeatureNext(int id) {
    requireHandle("Ardo::Solid::FeatureNext");
    ProFeature feature = featureInit(id);
    try {
        return ardotk::FeatureNext(feature).id;
    } catch (const ardotk::Error&) {
        return -1;
    }
}

int Solid::FeaturePrevious(int id) {
    requireHandle("Ardo::Solid::FeaturePrevious");
    ProFeature feature = featureInit(id);
    try {
        return ardotk::FeaturePrevious(feature).id;
    } catch (const ardotk::Error&) {
        return -1;
    }
}

}  // namespace Ardo
