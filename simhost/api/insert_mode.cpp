// Insert mode and the moving of features in the regeneration order.
#include <ProFeature.h>

#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/insert_mode.h"

using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::featureOf;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

namespace {

Model* solidArg(Session* s, ProSolid solid) {
    Model* m = modelOf(s, solid);
    return m != nullptr && isSolid(*m) ? m : nullptr;
}

}  // namespace

extern "C" {

ProError ProFeatureInsertModeActivate(ProFeature* p_last_feat) try {
    SIMHOST_ENTER("ProFeatureInsertModeActivate", featureArg(p_last_feat));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, p_last_feat, m, f)) {
        return rc;
    }
    return insertModeActivate(*m, f->id);
}
SIMHOST_CATCH

ProError ProInsertModeCancel(ProSolid solid, ProBoolean resume) try {
    SIMHOST_ENTER("ProInsertModeCancel", handleArg(solid), std::to_string(resume));
    SIMHOST_SESSION(s);
    Model* m = solidArg(s, solid);
    if (m == nullptr || (resume != PRO_B_TRUE && resume != PRO_B_FALSE)) {
        return PRO_TK_BAD_INPUTS;
    }
    return insertModeCancel(*m, resume == PRO_B_TRUE);
}
SIMHOST_CATCH

ProError ProInsertModeIsActive(ProSolid solid, ProBoolean* p_is_active) try {
    SIMHOST_ENTER("ProInsertModeIsActive", handleArg(solid));
    SIMHOST_SESSION(s);
    Model* m = solidArg(s, solid);
    if (m == nullptr || p_is_active == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_is_active = insertModeActive(*m) ? PRO_B_TRUE : PRO_B_FALSE;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureReorder(ProSolid solid, int* feat_ids, int n_feats, int new_feat_num) try {
    SIMHOST_ENTER("ProFeatureReorder", handleArg(solid), std::to_string(n_feats),
                  std::to_string(new_feat_num));
    SIMHOST_SESSION(s);
    Model* m = solidArg(s, solid);
    if (m == nullptr || feat_ids == nullptr || n_feats <= 0) {
        return PRO_TK_BAD_INPUTS;
    }
    return featuresReorder(*m, std::vector<int>(feat_ids, feat_ids + n_feats), new_feat_num);
}
SIMHOST_CATCH

}  // extern "C"
