// The model's feature list: filled by a search by pattern and type, read by index.
#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/feature_search.h"

namespace Ardo {

int Solid::FeatureList(const char* pattern, kelt2pFeaturetype featureType) {
    requireHandle("Ardo::Solid::FeatureList");
    ardotk::FeatureSearch(static_cast<ProSolid>(handle), pattern, featureType, true, featureList);
    return static_cast<int>(featureList.size());
}

int Solid::FeatureList(int index) const {
    if (featureList.empty()) {
        throw Error(0, "no features in list");
    }
    return checkedAt(featureList, index).id;
}

}  // namespace Ardo
