// The features of a solid: visits and statuses in regeneration order.
#include <ProSolid.h>

#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/api/visit_step.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/features.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureHandle;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

extern "C" {

ProError ProSolidFeatVisit(ProSolid p_handle, ProFeatureVisitAction visit_action,
                           ProFeatureFilterAction filter_action, ProAppData app_data) try {
    SIMHOST_ENTER("ProSolidFeatVisit", handleArg(p_handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, p_handle);
    if (m == nullptr || !isSolid(*m) || visit_action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const int modelId = m->id;
    // The callbacks may change the model (delete features, even erase it): the order is
    // taken first and every feature looked up again at its turn.
    std::vector<int> order = features(*m).order();
    bool visited = false;
    for (int id : order) {
        Model* now = modelOf(s, p_handle);
        if (now == nullptr || now->id != modelId) {
            break;
        }
        if (featureFind(*now, id) == nullptr) {
            continue;
        }
        ProFeature feature = featureHandle(*now, id);
        ProError rc = PRO_TK_NO_ERROR;
        if (simhost::api::visitStepEnds(&feature, filter_action, visit_action, app_data, visited,
                                        rc)) {
            return rc;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

ProError ProSolidFeatstatusGet(ProSolid solid, int** p_feat_id_array,
                               ProFeatStatus** p_status_array, int* p_num_features) try {
    SIMHOST_ENTER("ProSolidFeatstatusGet", handleArg(solid));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, solid);
    if (m == nullptr || !isSolid(*m) || p_feat_id_array == nullptr || p_status_array == nullptr ||
        p_num_features == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    FeatureStore& store = features(*m);
    const std::vector<int>& ids = store.order();
    std::vector<ProFeatStatus> statuses;
    statuses.reserve(ids.size());
    for (int id : ids) {
        statuses.push_back(static_cast<ProFeatStatus>(store.find(id)->status));
    }
    *p_feat_id_array = arrayOf(ids.data(), static_cast<int>(ids.size()));
    *p_status_array = arrayOf(statuses.data(), static_cast<int>(statuses.size()));
    *p_num_features = static_cast<int>(ids.size());
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
