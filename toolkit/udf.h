// Wrappers of the host's UDF, group and insert-mode calls whose failures reach the
// application as ardotk::Error, and the owner of UDF placement data.
#pragma once

#include <ProFeature.h>
#include <ProSolid.h>
#include <ProUdf.h>

#include "toolkit/array.h"
#include "toolkit/owned.h"

namespace ardotk {

using UdfdataOwner = Owned<ProUdfdata, ProUdfdataFree>;

// The solid's features and their statuses in regeneration order (ProSolidFeatstatusGet);
// raises ardotk::Error(code, "").
struct FeatureStatuses {
    ArrayOwner<int> ids;
    ArrayOwner<ProFeatStatus> statuses;
    int count = 0;
};
FeatureStatuses SolidFeatstatusGet(ProSolid solid);

// ProFeatureInsertModeActivate; raises ardotk::Error(code, "").
void FeatureInsertModeActivate(ProFeature& lastFeature);
// ProInsertModeIsActive: true when the host answers PRO_B_TRUE; raises
// ardotk::Error(code, "").
bool InsertModeIsActive(ProSolid solid);
// ProFeatureNumberGet; raises ardotk::Error(code, "").
int FeatureNumberGet(ProFeature& feature);

}  // namespace ardotk
