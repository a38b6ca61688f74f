// Curve records (ProCurvedata) and the host's curve geometry: records filled for the
// caller, what a record owns released, and a caller's record read back.
#pragma once

#include <ProGeomitemdata.h>

#include "simhost/state/curves.h"

namespace simhost::api {

// Fills the record with the geometry. A spline's parameters, points and tangents are new
// toolkit arrays (live objects until curveRecordRelease or their own free): the
// parameters are the normalised ones its points lie at, the tangents the given ones or,
// without those, the curve's derivative there.
void curveRecordFill(const state::CurveGeometry& geometry, ProCurvedata& record);
// Frees what the record owns (a spline's arrays, unless the caller freed them already).
void curveRecordRelease(ProCurvedata& record);
// The geometry of a line or arc record the host accepts (state::curveGeometryValid);
// false for any other record.
bool curveRecordRead(const ProCurvedata& record, state::CurveGeometry& geometry);

}  // namespace simhost::api
