// Geometry data the host hands out (ProGeomitemdata): allocated here, counted as live
// until ProGeomitemdataFree.
#pragma once

#include <ProGeomitemdata.h>

#include "simhost/geometry/placement.h"
#include "simhost/state/curves.h"

namespace simhost::api {

ProGeomitemdata* geomitemdataOfCsys(const geometry::Placement& place);
ProGeomitemdata* geomitemdataOfCurve(const state::CurveGeometry& geometry);

}  // namespace simhost::api
