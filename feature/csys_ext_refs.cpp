// The features that reference a feature of a component from outside its model, into the
// process-wide external-reference list.
#include <ProAsmcomppath.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProRefInfo.h>

#include <vector>

#include "base/subscript.h"
#include "feature/csys_lists.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/feature.h"
#include "toolkit/feature_search.h"
#include "toolkit/owned.h"

namespace Ardo {

namespace {

constexpr const char* kText = "Ardo::Solid::CsysExtRefs";

using InfosOwner = ardotk::Owned<ProExtRefInfo*, ProExtRefInfoFree>;

// Appends the entry for each level of `path` whose component feature is the first
// parent of the referencing feature.
void appendByParent(csys::ExtRef entry, ProFeature& referencing, const CompPath& path) {
    std::vector<ProFeature> parents = ardotk::FeatureParentsGet(referencing);
    if (parents.empty()) {
        return;
    }
    const ProFeature& first = parents.front();
    for (int level = path.Depth() - 1; level >= 0; --level) {
        CompPath shortened(path);
        shortened.Host()->table_num = level;
        ProMdl model = nullptr;
        if (ProAsmcomppathMdlGet(shortened.Host(), &model) != PRO_TK_NO_ERROR) {
            continue;
        }
        if (first.id == path.Host().comp_id_table[level] && first.owner == model) {
            csys::extRefList().push_back(entry);
        }
    }
}

}  // namespace

int Solid::CsysExtRefs(const char* featureName, CompPath& path) {
    requireHandle(kText);
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(handle, &modelType), kText);
    if (modelType != PRO_MDL_ASSEMBLY) {
        throw Error(PRO_TK_GENERAL_ERROR, "no assembly");
    }
    std::vector<csys::ExtRef>& list = csys::extRefList();
    list.clear();
    ProFeature feature =
        ardotk::FeatureByName(static_cast<ProSolid>(path.MdlHandle()), featureName);
    InfosOwner infos;
    int count = 0;
    if (ProFeatureExternChildrenGet(&feature, PRO_ALL_EXT_REF_TYPES, infos.out(), &count) !=
            PRO_TK_NO_ERROR ||
        count < 1) {
        return static_cast<int>(list.size());
    }
    // The host groups the references by type: every reference of a group is a feature
    // of its own, so all of them are taken, not only the first.
    for (int i = 0; i < count; ++i) {
        ProExtRefInfo& info = infos.get()[i];
        for (int r = 0; r < info.n_refs; ++r) {
            ProAsmcomppath own{};
            ProAsmcomppath referenced{};
            ProFeature referencing{};
            if (ProExtRefAsmcompsGet(info.ext_refs[r], &own, &referenced) != PRO_TK_NO_ERROR ||
                ProExtRefOwnFeatGet(info.ext_refs[r], &referencing) != PRO_TK_NO_ERROR) {
                continue;
            }
            csys::ExtRef entry{CompPath(own), referencing.id};
            if (CompPath(referenced) == path) {
                list.push_back(entry);
            } else {
                appendByParent(entry, referencing, path);
            }
        }
    }
    return static_cast<int>(list.size());
}

const CompPath& Solid::CsysExtRefPath(int index) {
    return checkedAt(csys::extRefList(), index).path;
}

int Solid::CsysExtRefId(int index) {
    return checkedAt(csys::extRefList(), index).id;
}

}  // namespace Ardo
