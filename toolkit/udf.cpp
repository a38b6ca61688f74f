#include "toolkit/udf.h"

#include "toolkit/check.h"

namespace ardotk {

FeatureStatuses SolidFeatstatusGet(ProSolid solid) {
    FeatureStatuses out;
    check(ProSolidFeatstatusGet(solid, out.ids.out(), out.statuses.out(), &out.count));
    return out;
}

void FeatureInsertModeActivate(ProFeature& lastFeature) {
    check(ProFeatureInsertModeActivate(&lastFeature));
}

bool InsertModeIsActive(ProSolid solid) {
    ProBoolean active = PRO_B_FALSE;
    check(ProInsertModeIsActive(solid, &active));
    return active == PRO_B_TRUE;
}

int FeatureNumberGet(ProFeature& feature) {
    int number = 0;
    check(ProFeatureNumberGet(&feature, &number));
    return number;
}

}  // namespace ardotk
