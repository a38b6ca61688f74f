// A feature's name and type by id. The name is returned in the one process-wide buffer
// of FeatureName, overwritten by each call.
#include <ProModelitem.h>

#include <climits>
#include <cstdio>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/feature.h"

namespace Ardo {

namespace {

// Filled by Solid::FeatureName: a host name (31 wide characters, each at most
// MB_LEN_MAX narrow bytes) or "fid_<id>".
char featureNameBuffer[MB_LEN_MAX * text::kNameSize];

}  // namespace

const char* Solid::FeatureName(int id) {
    requireHandle("Ardo::Solid::FeatureName");
    ProFeature feature = featureInit(id);
    ProName wide = {};
    status = ProModelitemNameGet(&feature, wide);
    if (status == PRO_TK_NO_ERROR) {
        wide[PRO_NAME_SIZE - 1] = L'\0';
        if (text::toNarrow(featureNameBuffer, wide) == nullptr) {
            throw Error(PRO_TK_GENERAL_ERROR, "Ardo::Solid::FeatureName");
        }
    } else {
        std::snprintf(featureNameBuffer, sizeof featureNameBuffer, "fid_%d", id);
    }
    return featureNameBuffer;
}

kelt2pFeaturetype Solid::FeatureType(int id) {
    requireHandle("Ardo::Solid::FeatureType");
    ProFeature feature = featureInit(id);
    return static_cast<kelt2pFeaturetype>(ardotk::FeatureTypeGet(feature));
}

}  // namespace Ardo
