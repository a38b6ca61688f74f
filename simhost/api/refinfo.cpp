// External references of a feature: the features of other models (or of the same
// model) that reference its geometry through a component path.
#include <ProRefInfo.h>

#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/ext_refs.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::featureOf;

namespace {

// A reference type that holds geometry references through components.
bool asksForGeometry(int type) {
    return type == PRO_EXT_GEOM_REF || type == PRO_ALL_EXT_REF_TYPES || type == PRO_ALL_REF_TYPES;
}

bool refTypeKnown(int type) {
    return (type >= PRO_EXT_GEOM_REF && type <= PRO_LOC_MERGE_REF) ||
           type == PRO_ALL_EXT_REF_TYPES || type == PRO_ALL_REF_TYPES;
}

}  // namespace

extern "C" {

ProError ProFeatureExternChildrenGet(ProFeature* feature, ProExtRefType child_type,
                                     ProExtRefInfo** r_child_infos, int* n_infos) try {
    SIMHOST_ENTER("ProFeatureExternChildrenGet", featureArg(feature),
                  std::to_string(static_cast<int>(child_type)));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Feature* target = nullptr;
    if (r_child_infos == nullptr || n_infos == nullptr || !refTypeKnown(child_type)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = featureOf(s, feature, model, target)) {
        return rc;
    }
    std::vector<ExtRef> refs;
    if (asksForGeometry(child_type)) {
        refs = externalReferences(*s, feature->owner, target->id);
    }
    *r_child_infos = nullptr;
    *n_infos = 0;
    if (refs.empty()) {
        return PRO_TK_NO_ERROR;
    }
    const int count = static_cast<int>(refs.size());
    auto* handles = static_cast<ProExtFeatRef*>(arrayAlloc(count, sizeof(ProExtFeatRef)));
    for (int i = 0; i < count; ++i) {
        handles[i] = reinterpret_cast<ProExtFeatRef>(extRefAdd(refs[static_cast<std::size_t>(i)]));
    }
    auto* infos = static_cast<ProExtRefInfo*>(arrayAlloc(1, sizeof(ProExtRefInfo)));
    infos[0].type = PRO_EXT_GEOM_REF;
    infos[0].ext_refs = handles;
    infos[0].n_refs = count;
    *r_child_infos = infos;
    *n_infos = 1;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProExtRefInfoFree(ProExtRefInfo** p_ext_feat_ref_arr) try {
    SIMHOST_ENTER("ProExtRefInfoFree");
    if (p_ext_feat_ref_arr == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProExtRefInfo* infos = *p_ext_feat_ref_arr;
    if (infos == nullptr) {
        return PRO_TK_NO_ERROR;
    }
    if (!arrayLive(infos)) {
        return PRO_TK_BAD_INPUTS;
    }
    const int count = arraySize(infos);
    for (int i = 0; i < count; ++i) {
        ProExtFeatRef* handles = infos[i].ext_refs;
        if (handles == nullptr || !arrayLive(handles)) {
            continue;
        }
        for (int k = 0; k < arraySize(handles); ++k) {
            extRefErase(handles[k]);
        }
        arrayFree(handles);
    }
    arrayFree(infos);
    *p_ext_feat_ref_arr = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProExtRefAsmcompsGet(ProExtFeatRef ext_ref, ProAsmcomppath* own_comp,
                              ProAsmcomppath* ref_comp) try {
    SIMHOST_ENTER("ProExtRefAsmcompsGet");
    const ExtRef* ref = extRefFind(ext_ref);
    if (ref == nullptr || own_comp == nullptr || ref_comp == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *own_comp = ref->ownPath;
    *ref_comp = ref->refPath;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProExtRefOwnFeatGet(ProExtFeatRef ext_ref, ProFeature* p_own_feat) try {
    SIMHOST_ENTER("ProExtRefOwnFeatGet");
    SIMHOST_SESSION(s);
    const ExtRef* ref = extRefFind(ext_ref);
    if (ref == nullptr || p_own_feat == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = simhost::api::modelOf(s, ref->feature.owner);
    if (model == nullptr || featureFind(*model, ref->feature.id) == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_own_feat = ref->feature;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
