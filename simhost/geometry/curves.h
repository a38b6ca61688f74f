// Free-form curves on the geometry kernel: interpolating splines and elliptic arcs,
// evaluated by the normalised parameter (0 at the start, 1 at the end) and measured.
// The kernel builds the curve for each call; nothing is kept between calls.
//
// A spline passes through its points at their normalised chord-length parameters
// (splineParameters), with the given tangent directions there when tangents are given
// (one per point). A build without the kernel answers kKernelNotAvailable.
#pragma once

#include <vector>

#include "simhost/geometry/kernel.h"

namespace simhost::geometry {

// How far apart consecutive points of a spline must be.
constexpr double kSplinePointGap = 1e-7;

// The points' parameters: 0 at the first, 1 at the last, in between by the distance
// along the polygon through the points. Needs at least two points, consecutive ones
// apart by more than kSplinePointGap (else an empty list).
std::vector<double> splineParameters(const std::vector<Vec3>& points);

// The point at the parameter t in [0, 1] with the first and second derivatives by it;
// any output may be null. PRO_TK_BAD_INPUTS for fewer than two points, coincident
// consecutive points, a tangent list of another length than the points', or t outside
// [0, 1].
ProError splineEvaluate(const std::vector<Vec3>& points, const std::vector<Vec3>& tangents,
                        double t, Vec3* point, Vec3* d1, Vec3* d2);
ProError splineLength(const std::vector<Vec3>& points, const std::vector<Vec3>& tangents,
                      double* length);

// An elliptic arc: center + xRadius * cos a * xAxis + yRadius * sin a * (normal x xAxis)
// for a from `start` to `end` (radians).
struct EllipseArc {
    Vec3 center{0.0, 0.0, 0.0};
    Vec3 xAxis{1.0, 0.0, 0.0};
    Vec3 normal{0.0, 0.0, 1.0};
    double xRadius = 0.0;
    double yRadius = 0.0;
    double start = 0.0;
    double end = 0.0;
};
// The arc's length. PRO_TK_BAD_INPUTS for radii that are not positive or axes that are
// not orthonormal.
ProError ellipseLength(const EllipseArc& arc, double* length);

}  // namespace simhost::geometry
