#include "toolkit/feature.h"

#include <ProGeomitem.h>
#include <ProMdl.h>
#include <ProSolid.h>

#include <cstddef>

#include "kelt2proe/error.h"
#include "toolkit/array.h"
#include "toolkit/check.h"
#include "toolkit/selection.h"

namespace ardotk {

ProFeature FeatureInit(ProSolid solid, int id) {
    ProFeature feature{};
    check(ProFeatureInit(solid, id, &feature));
    return feature;
}

ElemTree FeatureElemtreeCreate(ProFeature& feature, const char* text) {
    ElemTree tree;
    check(ProFeatureElemtreeCreate(&feature, tree.out()), text);
    return tree;
}

ProFeature FeatureCreate(ProSolid solid, ProElement tree) {
    ProModelitem model{};
    check(ProMdlToModelitem(solid, &model));
    SelectionOwner selection = SelectionAlloc(nullptr, model);
    return FeatureCreate(selection.get(), tree);
}

ProFeature FeatureCreate(ProSelection model, ProElement tree) {
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_DEFINE_MISS_ELEMS};
    ProErrorlist errors{};
    ProFeature feature{};
    check(ProFeatureCreate(model, tree, options, 1, &feature, &errors));
    return feature;
}

void FeatureRedefine(ProFeature& feature, ProElement tree) {
    ProFeatureCreateOptions options[] = {PRO_FEAT_CR_NO_OPTS};
    ProErrorlist errors{};
    check(ProFeatureRedefine(nullptr, &feature, tree, options, 1, &errors));
}

ProFeature GeomitemFeatureGet(ProModelitem& item) {
    ProFeature feature{};
    check(ProGeomitemFeatureGet(&item, &feature));
    return feature;
}

namespace {

ProSolid ownerOf(const ProFeature& feature) {
    return static_cast<ProSolid>(feature.owner);
}

using RelativesGet = ProError (*)(ProFeature*, int**, int*);

std::vector<ProFeature> relatives(ProFeature& feature, RelativesGet get, const char* text) {
    ArrayOwner<int> ids;
    int count = 0;
    ProError err = get(&feature, ids.out(), &count);
    check(err, text);
    std::vector<ProFeature> result(static_cast<std::size_t>(count < 0 ? 0 : count));
    for (std::size_t i = 0; i < result.size(); ++i) {
        check(ProFeatureInit(ownerOf(feature), ids.get()[i], &result[i]), text);
    }
    return result;
}

// Ids and statuses of every feature of the owner, in regeneration order.
struct Featstatus {
    ArrayOwner<int> ids;
    ArrayOwner<ProFeatStatus> statuses;
    int count = 0;
};

void featstatusGet(ProSolid solid, Featstatus& all, const char* text) {
    ProError err = ProSolidFeatstatusGet(solid, all.ids.out(), all.statuses.out(), &all.count);
    check(err, text);
}

ProFeature featureAt(ProFeature& feature, const Featstatus& all, int position, const char* text) {
    ProFeature result{};
    check(ProFeatureInit(ownerOf(feature), all.ids.get()[position], &result), text);
    return result;
}

}  // namespace

ProFeattype FeatureTypeGet(ProFeature& feature) {
    ProFeattype type = 0;
    check(ProFeatureTypeGet(&feature, &type), "");
    return type;
}

void FeatureDelete(ProSolid solid, int id) {
    ProFeatureDeleteOptions options[] = {PRO_FEAT_DELETE_NO_OPTS};
    check(ProFeatureDelete(solid, &id, 1, options, 1), "");
}

std::vector<ProFeature> FeatureChildrenGet(ProFeature& feature) {
    return relatives(feature, ProFeatureChildrenGet, "ardotk::FeatureChildrenGet");
}

std::vector<ProFeature> FeatureParentsGet(ProFeature& feature) {
    return relatives(feature, ProFeatureParentsGet, "ardotk::FeatureParentsGet");
}

// The feature is looked for from the second-to-last position backwards (the last one
// has no successor); the first active feature after it is the result.
ProFeature FeatureNext(ProFeature& feature) {
    const char* text = "ardotk::FeatureNext";
    Featstatus all;
    featstatusGet(ownerOf(feature), all, text);
    for (int pos = all.count - 2; pos >= 0; --pos) {
        if (all.ids.get()[pos] != feature.id) {
            continue;
        }
        for (int next = pos + 1; next < all.count; ++next) {
            if (all.statuses.get()[next] == PRO_FEAT_ACTIVE) {
                return featureAt(feature, all, next, text);
            }
        }
        break;
    }
    throw Error(PRO_TK_E_NOT_FOUND, text);
}

// The feature is looked for from the last position down to the second (the first one
// has no predecessor); the nearest earlier active feature is the result.
ProFeature FeaturePrevious(ProFeature& feature) {
    const char* text = "ardotk::FeaturePrevious";
    Featstatus all;
    featstatusGet(ownerOf(feature), all, text);
    for (int pos = all.count - 1; pos >= 1; --pos) {
        if (all.ids.get()[pos] != feature.id) {
            continue;
        }
        for (int previous = pos - 1; previous >= 0; --previous) {
            if (all.statuses.get()[previous] == PRO_FEAT_ACTIVE) {
                return featureAt(feature, all, previous, text);
            }
        }
        break;
    }
    throw Error(PRO_TK_E_NOT_FOUND, text);
}

}  // namespace ardotk
