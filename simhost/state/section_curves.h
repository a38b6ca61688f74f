// Curve loops taken into sections: the curves of a datum-curve or import feature,
// projected into a sketch plane as 2-D entities.
//
// Lines become lines; an arc whose plane is parallel to the sketch plane becomes an arc;
// any other curve (an arc seen at a slant, a spline, an ellipse) becomes a polyline of
// kCurvePolylineSegments lines through points evenly spaced in its parameter. The loop
// is the closed chain of the feature's curves that holds the selected curve.
#pragma once

#include <vector>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"
#include "simhost/state/sections.h"
#include "simhost/state/selections.h"

namespace simhost::state {

constexpr int kCurvePolylineSegments = 64;

// The entities of the loop that the selected curve (a PRO_CURVE item of `model`, no
// path) belongs to, in sketch coordinates of `frame`, in chain order; ends within
// `epsilon` meet. PRO_TK_BAD_INPUTS when the selection names no curve of a curve
// feature of the model, PRO_TK_GENERAL_ERROR when the feature's curves do not close
// into loops, kKernelNotAvailable when a free-form curve needs the missing kernel.
ProError curveLoopEntities(Model& model, const SelectionData& selection,
                           const geometry::Placement& frame, double epsilon,
                           std::vector<SectionEntity>& out);

}  // namespace simhost::state
