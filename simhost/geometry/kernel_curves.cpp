// Splines and elliptic arcs on the kernel (simhost/geometry/curves.h).
#ifdef SIMHOST_HAVE_KERNEL

#include <algorithm>
#include <cmath>

#include <GCPnts_AbscissaPoint.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <GeomAdaptor_Curve.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_Ellipse.hxx>
#include <TColStd_HArray1OfBoolean.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TColgp_Array1OfVec.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <gp_Ax2.hxx>
#include <gp_Elips.hxx>

#include "simhost/geometry/curves.h"
#include "simhost/geometry/kernel_internal.h"

namespace simhost::geometry {

namespace {

constexpr double kQuarterTurn = 1.5707963267948966;

using detail::finite;
using detail::guarded;

gp_Pnt pointOf(const Vec3& v) {
    return gp_Pnt(v[0], v[1], v[2]);
}

Vec3 vecOf(const gp_XYZ& v) {
    return {v.X(), v.Y(), v.Z()};
}

bool inputsValid(const std::vector<Vec3>& points, const std::vector<Vec3>& tangents) {
    if (!tangents.empty() && tangents.size() != points.size()) {
        return false;
    }
    for (const Vec3& t : tangents) {
        if (!finite(t) || t[0] * t[0] + t[1] * t[1] + t[2] * t[2] == 0.0) {
            return false;
        }
    }
    return !splineParameters(points).empty();
}

// The interpolating B-spline, parametrised from 0 to 1; null when the kernel cannot
// build it.
Handle(Geom_BSplineCurve)
    splineOf(const std::vector<Vec3>& points, const std::vector<Vec3>& tangents) {
    const std::vector<double> params = splineParameters(points);
    const int n = static_cast<int>(points.size());
    Handle(TColgp_HArray1OfPnt) pnts = new TColgp_HArray1OfPnt(1, n);
    Handle(TColStd_HArray1OfReal) pars = new TColStd_HArray1OfReal(1, n);
    for (int k = 0; k < n; ++k) {
        pnts->SetValue(k + 1, pointOf(points[static_cast<std::size_t>(k)]));
        pars->SetValue(k + 1, params[static_cast<std::size_t>(k)]);
    }
    GeomAPI_Interpolate interpolate(pnts, pars, Standard_False, 1e-9);
    if (!tangents.empty()) {
        TColgp_Array1OfVec tans(1, n);
        Handle(TColStd_HArray1OfBoolean) flags = new TColStd_HArray1OfBoolean(1, n);
        for (int k = 0; k < n; ++k) {
            const Vec3& t = tangents[static_cast<std::size_t>(k)];
            tans.SetValue(k + 1, gp_Vec(t[0], t[1], t[2]));
            flags->SetValue(k + 1, Standard_True);
        }
        interpolate.Load(tans, flags, Standard_True);
    }
    interpolate.Perform();
    if (!interpolate.IsDone()) {
        return nullptr;
    }
    return interpolate.Curve();
}

}  // namespace

ProError splineEvaluate(const std::vector<Vec3>& points, const std::vector<Vec3>& tangents,
                        double t, Vec3* point, Vec3* d1, Vec3* d2) {
    if (!(t >= 0.0 && t <= 1.0) || !inputsValid(points, tangents)) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&]() -> ProError {
        Handle(Geom_BSplineCurve) curve = splineOf(points, tangents);
        if (curve.IsNull()) {
            return PRO_TK_BAD_INPUTS;
        }
        gp_Pnt p;
        gp_Vec v1;
        gp_Vec v2;
        curve->D2(t, p, v1, v2);
        if (point != nullptr) {
            *point = vecOf(p.XYZ());
        }
        if (d1 != nullptr) {
            *d1 = vecOf(v1.XYZ());
        }
        if (d2 != nullptr) {
            *d2 = vecOf(v2.XYZ());
        }
        return PRO_TK_NO_ERROR;
    });
}

ProError splineLength(const std::vector<Vec3>& points, const std::vector<Vec3>& tangents,
                      double* length) {
    if (length == nullptr || !inputsValid(points, tangents)) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&]() -> ProError {
        Handle(Geom_BSplineCurve) curve = splineOf(points, tangents);
        if (curve.IsNull()) {
            return PRO_TK_BAD_INPUTS;
        }
        GeomAdaptor_Curve adaptor(curve);
        *length = GCPnts_AbscissaPoint::Length(adaptor);
        return PRO_TK_NO_ERROR;
    });
}

ProError ellipseLength(const EllipseArc& arc, double* length) {
    if (length == nullptr || !finite(arc.center) || !finite(arc.xAxis) || !finite(arc.normal) ||
        !std::isfinite(arc.start) || !std::isfinite(arc.end) || !(arc.xRadius > 0.0) ||
        !(arc.yRadius > 0.0) || !std::isfinite(arc.xRadius) || !std::isfinite(arc.yRadius)) {
        return PRO_TK_BAD_INPUTS;
    }
    const gp_Vec x(arc.xAxis[0], arc.xAxis[1], arc.xAxis[2]);
    const gp_Vec n(arc.normal[0], arc.normal[1], arc.normal[2]);
    if (std::abs(x.Magnitude() - 1.0) > detail::kPlacementTolerance ||
        std::abs(n.Magnitude() - 1.0) > detail::kPlacementTolerance ||
        std::abs(x.Dot(n)) > detail::kPlacementTolerance) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&]() -> ProError {
        // The kernel's ellipse has its major radius along its X direction: with the
        // larger radius along y the X direction becomes y, and the angle shifts by a
        // quarter turn.
        const gp_Dir normal(n);
        gp_Dir xDir(x);
        double major = arc.xRadius;
        double minor = arc.yRadius;
        double shift = 0.0;
        if (arc.yRadius > arc.xRadius) {
            xDir = normal.Crossed(gp_Dir(x));
            major = arc.yRadius;
            minor = arc.xRadius;
            shift = -kQuarterTurn;
        }
        Handle(Geom_Ellipse) ellipse =
            new Geom_Ellipse(gp_Elips(gp_Ax2(pointOf(arc.center), normal, xDir), major, minor));
        GeomAdaptor_Curve adaptor(ellipse);
        const double a0 = std::min(arc.start, arc.end) + shift;
        const double a1 = std::max(arc.start, arc.end) + shift;
        *length = GCPnts_AbscissaPoint::Length(adaptor, a0, a1);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#endif
