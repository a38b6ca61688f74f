// The geometry items a feature made: the visit by item type.
#include <ProFeature.h>

#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/core/entry.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::featureOf;

extern "C" {

ProError ProFeatureGeomitemVisit(ProFeature* p_feat_handle, ProType item_type,
                                 ProGeomitemAction action, ProGeomitemFilter filter,
                                 ProAppData app_data) try {
    SIMHOST_ENTER("ProFeatureGeomitemVisit", featureArg(p_feat_handle),
                  std::to_string(static_cast<int>(item_type)));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Feature* feature = nullptr;
    if (action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = featureOf(s, p_feat_handle, model, feature)) {
        return rc;
    }
    const int modelId = model->id;
    const int featureId = feature->id;
    // A copy: the callbacks may change the feature or the model.
    const std::vector<int> ids = feature->items;
    bool visited = false;
    for (int id : ids) {
        Model* now = simhost::api::modelOf(s, modelHandle(modelId));
        if (now == nullptr || featureFind(*now, featureId) == nullptr) {
            break;
        }
        const GeomItem* item = features(*now).item(id);
        if (item == nullptr || (item_type != PRO_TYPE_UNUSED && item->type != item_type)) {
            continue;
        }
        ProGeomitem geom{};
        geom.type = static_cast<ProType>(item->type);
        geom.id = item->id;
        geom.owner = modelHandle(modelId);
        ProError status = PRO_TK_NO_ERROR;
        if (filter != nullptr) {
            status = filter(&geom, app_data);
            if (status == PRO_TK_CONTINUE) {
                continue;
            }
        }
        visited = true;
        if (ProError rc = action(&geom, status, app_data)) {
            return rc;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

}  // extern "C"
