// The geometry of one curve in model files (the `curves` of a feature entry): an object
// with one key naming the kind (`line`, `arc`, `spline`, `ellipse`) and holding its data
// in model coordinates (docs/model-files.md).
#pragma once

#include <nlohmann/json.hpp>

#include "simhost/state/curves.h"

namespace simhost::state {

// The geometry of a curve entry; throws std::invalid_argument (placed at the fault) for
// an entry without exactly one kind or with geometry the host does not accept.
CurveGeometry curveGeometryFromJson(const nlohmann::json& entry);
// Adds the kind's key with the geometry to `entry`.
void curveGeometryToJson(const CurveGeometry& geometry, nlohmann::json& entry);

}  // namespace simhost::state
