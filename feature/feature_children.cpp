// A feature's children, kept in the one process-wide children list shared by all
// models: filled by FeatureChildrenGet, read by FeatureChildrenAt.
#include <vector>

#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/feature.h"
#include "toolkit/feature_search.h"

namespace Ardo {

namespace {

// The children of the feature named in the last successful FeatureChildrenGet.
std::vector<ProFeature> featureChildrenList;

int childrenListFill(ProFeature& feature) {
    featureChildrenList = ardotk::FeatureChildrenGet(feature);
    return static_cast<int>(featureChildrenList.size());
}

}  // namespace

int Solid::FeatureChildrenGet(int id) {
    requireHandle("Ardo::Solid::FeatureChildrenGet");
    ProFeature feature = featureInit(id);
    return childrenListFill(feature);
}

int Solid::FeatureChildrenGet(const char* featureName) {
    requireHandle("Ardo::Solid::FeatureChildrenGet");
    std::vector<ProFeature> found;
    ardotk::FeatureSearch(static_cast<ProSolid>(handle), featureName, ardotk::kAnyFeatureType, true,
                          found);
    if (found.size() != 1) {
        throw Error(PRO_TK_EMPTY, "Feature not found");
    }
    return childrenListFill(found.front());
}

int Solid::FeatureChildrenAt(int index) {
    if (featureChildrenList.empty()) {
        throw Error(0, "no features in list");
    }
    return checkedAt(featureChildrenList, index).id;
}

}  // namespace Ardo
