// UdfAddStd: places a UDF without references in front of the model's features, through
// insert mode after the first active feature, which then moves behind the UDF's
// features.
#include <ProGroup.h>

#include "base/text.h"
#include "feature/udf_data.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/feature.h"
#include "toolkit/udf.h"

namespace Ardo {

namespace {

constexpr const char* kStdText = "Ardo::kelt2pMdl::UdfAddStd";

// The first (or, from the end, the last) active feature of the solid; none raises
// ardotk::Error(-1, ""). Host failures raise ardotk::Error(code, "").
ProFeature activeFeature(ProSolid solid, bool last) {
    ardotk::FeatureStatuses features = ardotk::SolidFeatstatusGet(solid);
    for (int k = 0; k < features.count; ++k) {
        int at = last ? features.count - 1 - k : k;
        if (features.statuses.get()[at] == PRO_FEAT_ACTIVE) {
            return ardotk::FeatureInit(solid, features.ids.get()[at]);
        }
    }
    throw ardotk::Error(PRO_TK_GENERAL_ERROR, "");
}

// Places the UDF in insert mode and moves the insertion point's feature behind it.
void placeInFront(ProSolid solid, wchar_t* name, ProFeature& first) {
    ardotk::UdfdataOwner data = udf::dataFor(name, kStdText);
    ProGroup group = udf::place(solid, data, kStdText);
    udf::dataFree(data, kStdText);
    check(ProGroupUngroup(&group), kStdText);
    first = activeFeature(solid, false);
    ProFeature lastPlaced = activeFeature(solid, true);
    int number = ardotk::FeatureNumberGet(lastPlaced);
    check(ProFeatureReorder(solid, &first.id, 1, number), kStdText);
}

}  // namespace

void Solid::UdfAddStd(const char* name) {
    requireHandle(kStdText);
    ProSolid solid = static_cast<ProSolid>(handle);
    ProName wide = {};
    text::widenBounded(wide, name);
    ProFeature first = activeFeature(solid, false);
    ardotk::FeatureInsertModeActivate(first);
    try {
        placeInFront(solid, wide, first);
        check(ProInsertModeCancel(solid, PRO_B_TRUE), kStdText);
    } catch (...) {
        // A failure must not leave the model in insert mode with its later features
        // suppressed.
        ProInsertModeCancel(solid, PRO_B_TRUE);
        throw;
    }
}

}  // namespace Ardo
