// Wrappers of the host's feature calls: type, deletion, parents and children, and the
// neighbours of a feature in the regeneration order.
#pragma once

#include <ProFeature.h>

#include <vector>

#include "toolkit/elemtree.h"

namespace ardotk {

// ProFeatureInit of feature `id` of `solid`; raises ardotk::Error(code, "").
ProFeature FeatureInit(ProSolid solid, int id);

// ProFeatureElemtreeCreate: a copy of the feature's element tree, owned by the caller;
// raises ardotk::Error(code, text).
ElemTree FeatureElemtreeCreate(ProFeature& feature, const char* text = "");

// ProGeomitemFeatureGet: the feature that makes the geometry item; raises
// ardotk::Error(code, "").
ProFeature GeomitemFeatureGet(ProModelitem& item);

// Creates a feature of the solid itself from `tree` (ProMdlToModelitem, ProSelectionAlloc
// without a path, ProFeatureCreate with the one option "define missing elements"); the
// tree stays the caller's. Raises ardotk::Error(code, "").
ProFeature FeatureCreate(ProSolid solid, ProElement tree);
// ProFeatureCreate in the model that `model` selects, with the one option "define missing
// elements"; the tree stays the caller's. Raises ardotk::Error(code, "").
ProFeature FeatureCreate(ProSelection model, ProElement tree);

// ProFeatureRedefine of a feature of the model itself (no component path) with `tree`
// and the one option "no options"; the tree stays the caller's. Raises
// ardotk::Error(code, "").
void FeatureRedefine(ProFeature& feature, ProElement tree);

// ProFeatureTypeGet; raises ardotk::Error(code, "").
ProFeattype FeatureTypeGet(ProFeature& feature);

// ProFeatureDelete of one feature without options; raises ardotk::Error(code, "").
void FeatureDelete(ProSolid solid, int id);

// The features that depend on / that `feature` depends on (ProFeatureChildrenGet,
// ProFeatureParentsGet), each made with ProFeatureInit in the feature's owner; raises
// ardotk::Error(code, "ardotk::FeatureChildrenGet" / "ardotk::FeatureParentsGet").
std::vector<ProFeature> FeatureChildrenGet(ProFeature& feature);
std::vector<ProFeature> FeatureParentsGet(ProFeature& feature);

// The nearest active feature after / before `feature` in the regeneration order
// (ProSolidFeatstatusGet). Raises ardotk::Error(-4, "ardotk::FeatureNext" /
// "ardotk::FeaturePrevious") when there is none, and the host's code with the same
// text when a host call fails.
ProFeature FeatureNext(ProFeature& feature);
ProFeature FeaturePrevious(ProFeature& feature);

}  // namespace ardotk
