// Finding, testing and deleting features by name and by id.
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/feature.h"
#include "toolkit/feature_search.h"

namespace Ardo {

int Solid::FeatureFind(const char* featureName) {
    requireHandle("Ardo::Solid::FeatureFind");
    try {
        return ardotk::FeatureByName(static_cast<ProSolid>(handle), featureName).id;
    } catch (const ardotk::Error&) {
        throw Error(0, "nothing found");
    }
}

// An existence test: an unbound model has no features (status -45, no exception).
bool Solid::FeatueExist(int id) {
    if (handle == nullptr) {
        status = PRO_TK_EMPTY;
        return false;
    }
    ProFeature feature{};
    status = ProFeatureInit(static_cast<ProSolid>(handle), id, &feature);
    return status == PRO_TK_NO_ERROR;
}

bool Solid::FeatueExist(const char* featureName) {
    if (handle == nullptr) {
        return false;
    }
    try {
        ardotk::FeatureByName(static_cast<ProSolid>(handle), featureName);
        return true;
    } catch (...) {
        return false;
    }
}

void Solid::FeatureDelete(const char* featureName) {
    requireHandle("Ardo::Solid::FeatureDelete");
    ProFeature feature = ardotk::FeatureByName(static_cast<ProSolid>(handle), featureName);
    ardotk::FeatureDelete(static_cast<ProSolid>(handle), feature.id);
}

void Solid::FeatureDelete(int id) {
    requireHandle("Ardo::Solid::FeatureDelete");
    ProFeature feature = featureInit(id);
    ardotk::FeatureDelete(static_cast<ProSolid>(handle), feature.id);
}

}  // namespace Ardo
