// Wrappers of the host's curve items: the curves a feature makes, their geometry, type,
// length and points. Every failing host call raises ardotk::Error(code, "").
#pragma once

#include <ProCurve.h>
#include <ProFeature.h>
#include <ProGeomitemdata.h>

#include <vector>

#include "toolkit/owned.h"

namespace ardotk {

using GeomitemdataOwner = Owned<ProGeomitemdata*, ProGeomitemdataFree>;

// The feature's geometry items of `type` (PRO_TYPE_UNUSED: all) in the host's order;
// none is an empty list.
std::vector<ProGeomitem> FeatureGeomitems(ProFeature& feature, ProType type);

// ProGeomitemdataGet: the item's geometry, the caller's.
GeomitemdataOwner GeomitemdataGet(ProGeomitem& item);
// Frees the geometry through ProGeomitemdataFree, whose failure raises.
void GeomitemdataFree(GeomitemdataOwner& data);

ProCurve GeomitemToCurve(ProGeomitem& item);
ProEnttype CurveTypeGet(ProCurve curve);
double CurveLengthEval(ProCurve curve);
// The point at the normalised parameter `t`.
void CurveXyzdataEval(ProCurve curve, double t, ProVector point);

}  // namespace ardotk
