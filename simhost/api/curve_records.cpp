#include "simhost/api/curve_records.h"

#include <cstring>
#include <vector>

#include "simhost/core/arrays.h"
#include "simhost/geometry/curves.h"

namespace simhost::api {

namespace {

using geometry::Vec3;

void copyVec(const Vec3& from, double* to) {
    for (int k = 0; k < 3; ++k) {
        to[k] = from[static_cast<std::size_t>(k)];
    }
}

Vec3 vecOf(const double* from) {
    return {from[0], from[1], from[2]};
}

// Tangents of a spline without given ones: the kernel's derivative at each point, or,
// in a build without the kernel, the difference quotient of the neighbouring points.
std::vector<Vec3> splineTangents(const state::CurveSpline& spline,
                                 const std::vector<double>& params) {
    const std::size_t n = spline.points.size();
    std::vector<Vec3> out(n);
    bool kernel = true;
    for (std::size_t k = 0; k < n && kernel; ++k) {
        kernel = geometry::splineEvaluate(spline.points, {}, params[k], nullptr, &out[k],
                                          nullptr) == PRO_TK_NO_ERROR;
    }
    if (kernel) {
        return out;
    }
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t a = k == 0 ? 0 : k - 1;
        const std::size_t b = k + 1 == n ? k : k + 1;
        const double dt = params[b] - params[a];
        for (std::size_t c = 0; c < 3; ++c) {
            out[k][c] = (spline.points[b][c] - spline.points[a][c]) / dt;
        }
    }
    return out;
}

void splineFill(const state::CurveSpline& spline, ProSplinedata& out) {
    const std::vector<double> params = geometry::splineParameters(spline.points);
    const std::vector<Vec3> tangents =
        spline.tangents.empty() ? splineTangents(spline, params) : spline.tangents;
    const int n = static_cast<int>(spline.points.size());
    out.type = PRO_ENT_SPLINE;
    out.num_points = n;
    out.par_arr = core::arrayOf(params.data(), n);
    out.pnt_arr = static_cast<ProPoint3d*>(core::arrayAlloc(n, sizeof(ProPoint3d)));
    out.tan_arr = static_cast<ProPoint3d*>(core::arrayAlloc(n, sizeof(ProPoint3d)));
    for (int k = 0; k < n; ++k) {
        copyVec(spline.points[static_cast<std::size_t>(k)], out.pnt_arr[k]);
        copyVec(tangents[static_cast<std::size_t>(k)], out.tan_arr[k]);
    }
}

}  // namespace

void curveRecordFill(const state::CurveGeometry& g, ProCurvedata& record) {
    std::memset(&record, 0, sizeof record);
    switch (g.kind) {
        case state::CurveKind::Line:
            record.line.type = PRO_ENT_LINE;
            copyVec(g.line.end1, record.line.end1);
            copyVec(g.line.end2, record.line.end2);
            return;
        case state::CurveKind::Arc:
            record.arc.type = PRO_ENT_ARC;
            copyVec(g.arc.vector1, record.arc.vector1);
            copyVec(g.arc.vector2, record.arc.vector2);
            copyVec(g.arc.origin, record.arc.origin);
            record.arc.start_angle = g.arc.start;
            record.arc.end_angle = g.arc.end;
            record.arc.radius = g.arc.radius;
            return;
        case state::CurveKind::Spline:
            splineFill(g.spline, record.spline);
            return;
        case state::CurveKind::Ellipse:
            record.ellipse.type = PRO_ENT_ELLIPSE;
            copyVec(g.ellipse.center, record.ellipse.center);
            copyVec(g.ellipse.xAxis, record.ellipse.x_axis);
            copyVec(g.ellipse.normal, record.ellipse.plane_normal);
            record.ellipse.x_radius = g.ellipse.xRadius;
            record.ellipse.y_radius = g.ellipse.yRadius;
            record.ellipse.start_ang = g.ellipse.start;
            record.ellipse.end_ang = g.ellipse.end;
            return;
    }
}

void curveRecordRelease(ProCurvedata& record) {
    if (record.spline.type != PRO_ENT_SPLINE) {
        return;
    }
    for (void* array :
         {static_cast<void*>(record.spline.par_arr), static_cast<void*>(record.spline.pnt_arr),
          static_cast<void*>(record.spline.tan_arr)}) {
        if (array != nullptr) {
            core::arrayFree(array);
        }
    }
    record.spline.par_arr = nullptr;
    record.spline.pnt_arr = nullptr;
    record.spline.tan_arr = nullptr;
    record.spline.num_points = 0;
}

bool curveRecordRead(const ProCurvedata& record, state::CurveGeometry& g) {
    g = state::CurveGeometry{};
    if (record.line.type == PRO_ENT_LINE) {
        g.kind = state::CurveKind::Line;
        g.line.end1 = vecOf(record.line.end1);
        g.line.end2 = vecOf(record.line.end2);
    } else if (record.arc.type == PRO_ENT_ARC) {
        g.kind = state::CurveKind::Arc;
        g.arc.origin = vecOf(record.arc.origin);
        g.arc.vector1 = vecOf(record.arc.vector1);
        g.arc.vector2 = vecOf(record.arc.vector2);
        g.arc.start = record.arc.start_angle;
        g.arc.end = record.arc.end_angle;
        g.arc.radius = record.arc.radius;
    } else {
        return false;
    }
    return state::curveGeometryValid(g);
}

}  // namespace simhost::api
