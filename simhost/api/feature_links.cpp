// Deleting features, and the parents and children that element-tree references make.
#include <ProFeature.h>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/feature_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/features.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::featureOf;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;
using simhost::api::plainInt;

namespace {

std::string idsArg(const int* ids, int count) {
    std::string out;
    for (int i = 0; ids != nullptr && i < count && i < 16; ++i) {
        out += (i == 0 ? "" : ",") + std::to_string(ids[i]);
    }
    return out;
}

bool deleteOptionsValid(const ProFeatureDeleteOptions* options, int count) {
    if (count < 0 || (count > 0 && options == nullptr)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const int option = plainInt(options[i]);
        if (option < PRO_FEAT_DELETE_NO_OPTS || option > PRO_FEAT_DELETE_KEEP_EMBED_DATUMS) {
            return false;
        }
    }
    return true;
}

bool hasOption(const ProFeatureDeleteOptions* options, int count, ProFeatureDeleteOptions which) {
    return count > 0 && std::find(options, options + count, which) != options + count;
}

// The features a deletion removes, in regeneration order. Clipping removes everything
// from the first listed feature on; fixing removes only the listed ones and leaves
// their children with unresolved references; otherwise children go with their parents.
std::vector<int> doomed(FeatureStore& store, const void* handle, const std::vector<int>& ids,
                        const ProFeatureDeleteOptions* options, int count) {
    if (hasOption(options, count, PRO_FEAT_DELETE_CLIP) ||
        hasOption(options, count, PRO_FEAT_DELETE_CLIP_ALL) ||
        hasOption(options, count, PRO_FEAT_DELETE_CLIP_INDIV_GP_MEMBERS)) {
        int first = store.number(ids.front());
        for (int id : ids) {
            first = std::min(first, store.number(id));
        }
        return std::vector<int>(store.order().begin() + (first - 1), store.order().end());
    }
    if (hasOption(options, count, PRO_FEAT_DELETE_FIX)) {
        std::unordered_set<int> chosen(ids.begin(), ids.end());
        std::vector<int> out;
        for (int id : store.order()) {
            if (chosen.count(id) != 0) {
                out.push_back(id);
            }
        }
        return out;
    }
    return store.withDescendants(ids, handle);
}

ProError idsOut(const std::vector<int>& ids, int** p_ids, int* p_count) {
    *p_ids = arrayOf(ids.data(), static_cast<int>(ids.size()));
    *p_count = static_cast<int>(ids.size());
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProFeatureDelete(ProSolid solid, int* feat_ids, int feat_count,
                          ProFeatureDeleteOptions* delete_opts, int num_opts) try {
    SIMHOST_ENTER("ProFeatureDelete", handleArg(solid), idsArg(feat_ids, feat_count),
                  std::to_string(num_opts));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, solid);
    if (m == nullptr || !isSolid(*m) || feat_ids == nullptr || feat_count <= 0 ||
        !deleteOptionsValid(delete_opts, num_opts)) {
        return PRO_TK_BAD_INPUTS;
    }
    FeatureStore& store = features(*m);
    std::vector<int> ids(feat_ids, feat_ids + feat_count);
    for (int id : ids) {
        if (store.find(id) == nullptr) {
            return PRO_TK_E_NOT_FOUND;
        }
    }
    std::vector<int> gone = doomed(store, solid, ids, delete_opts, num_opts);
    store.erase(gone);
    for (int id : gone) {
        featureDeleteHooksRun(*m, id);
    }
    m->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureChildrenGet(ProFeature* p_feat_handle, int** p_children, int* p_count) try {
    SIMHOST_ENTER("ProFeatureChildrenGet", featureArg(p_feat_handle));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, p_feat_handle, m, f)) {
        return rc;
    }
    if (p_children == nullptr || p_count == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return idsOut(features(*m).children(f->id, p_feat_handle->owner), p_children, p_count);
}
SIMHOST_CATCH

ProError ProFeatureParentsGet(ProFeature* p_feat_handle, int** p_parents, int* p_count) try {
    SIMHOST_ENTER("ProFeatureParentsGet", featureArg(p_feat_handle));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, p_feat_handle, m, f)) {
        return rc;
    }
    if (p_parents == nullptr || p_count == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return idsOut(features(*m).parents(*f, p_feat_handle->owner), p_parents, p_count);
}
SIMHOST_CATCH

}  // extern "C"
