#include "simhost/state/curves.h"

#include <cmath>
#include <iterator>
#include <utility>

#include "simhost/geometry/curves.h"
#include "simhost/state/features.h"
#include "simhost/state/id_range.h"

namespace simhost::state {

namespace {

using geometry::Vec3;

constexpr double kDirectionTolerance = 1e-6;
constexpr double kTwoPi = 6.283185307179586;

double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// a * s + b * t
Vec3 combine(const Vec3& a, double s, const Vec3& b, double t) {
    return {a[0] * s + b[0] * t, a[1] * s + b[1] * t, a[2] * s + b[2] * t};
}

Vec3 scale(const Vec3& a, double s) {
    return {a[0] * s, a[1] * s, a[2] * s};
}

Vec3 add(const Vec3& a, const Vec3& b) {
    return combine(a, 1.0, b, 1.0);
}

bool finite(const Vec3& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

bool unitPair(const Vec3& a, const Vec3& b) {
    return finite(a) && finite(b) && std::abs(dot(a, a) - 1.0) <= kDirectionTolerance &&
           std::abs(dot(b, b) - 1.0) <= kDirectionTolerance &&
           std::abs(dot(a, b)) <= kDirectionTolerance;
}

// A sweep from `start` to `end` of more than nothing and at most a full turn.
bool sweepValid(double start, double end) {
    const double sweep = std::abs(end - start);
    return std::isfinite(start) && std::isfinite(end) && sweep > 0.0 &&
           sweep <= kTwoPi * (1.0 + 1e-12);
}

bool radiusValid(double r) {
    return std::isfinite(r) && r > 0.0;
}

// A point of an arc or ellipse at angle `a`, with derivatives by the normalised
// parameter when the angle runs over `sweep` radians: p = c + u cos a + v sin a.
CurvePoint conicPoint(const Vec3& center, const Vec3& u, const Vec3& v, double a, double sweep) {
    CurvePoint out;
    const double c = std::cos(a);
    const double s = std::sin(a);
    const Vec3 radial = combine(u, c, v, s);
    out.point = add(center, radial);
    out.d1 = combine(u, -s * sweep, v, c * sweep);
    out.d2 = scale(radial, -sweep * sweep);
    return out;
}

}  // namespace

void CurveStore::keep(CurveItem item) {
    const int id = item.id;
    items_[id] = std::move(item);
}

const CurveItem* CurveStore::find(int itemId) const {
    auto at = items_.find(itemId);
    return at != items_.end() ? &at->second : nullptr;
}

void CurveStore::eraseFeature(int featureId) {
    for (auto at = items_.begin(); at != items_.end();) {
        at = at->second.featureId == featureId ? items_.erase(at) : std::next(at);
    }
}

bool curveGeometryValid(const CurveGeometry& g) {
    switch (g.kind) {
        case CurveKind::Line: {
            const Vec3 d = combine(g.line.end2, 1.0, g.line.end1, -1.0);
            return finite(g.line.end1) && finite(g.line.end2) && dot(d, d) > 0.0;
        }
        case CurveKind::Arc:
            return finite(g.arc.origin) && unitPair(g.arc.vector1, g.arc.vector2) &&
                   radiusValid(g.arc.radius) && sweepValid(g.arc.start, g.arc.end);
        case CurveKind::Spline: {
            const CurveSpline& s = g.spline;
            if (geometry::splineParameters(s.points).empty() ||
                (!s.tangents.empty() && s.tangents.size() != s.points.size())) {
                return false;
            }
            for (const Vec3& t : s.tangents) {
                if (!finite(t) || dot(t, t) == 0.0) {
                    return false;
                }
            }
            return true;
        }
        case CurveKind::Ellipse:
            return finite(g.ellipse.center) && unitPair(g.ellipse.xAxis, g.ellipse.normal) &&
                   radiusValid(g.ellipse.xRadius) && radiusValid(g.ellipse.yRadius) &&
                   sweepValid(g.ellipse.start, g.ellipse.end);
    }
    return false;
}

CurveGeometry curvePlaced(const CurveGeometry& g, const geometry::Placement& frame) {
    using geometry::placeDirection;
    using geometry::placePoint;
    CurveGeometry out = g;
    out.line.end1 = placePoint(frame, g.line.end1);
    out.line.end2 = placePoint(frame, g.line.end2);
    out.arc.origin = placePoint(frame, g.arc.origin);
    out.arc.vector1 = placeDirection(frame, g.arc.vector1);
    out.arc.vector2 = placeDirection(frame, g.arc.vector2);
    for (Vec3& p : out.spline.points) {
        p = placePoint(frame, p);
    }
    for (Vec3& t : out.spline.tangents) {
        t = placeDirection(frame, t);
    }
    out.ellipse.center = placePoint(frame, g.ellipse.center);
    out.ellipse.xAxis = placeDirection(frame, g.ellipse.xAxis);
    out.ellipse.normal = placeDirection(frame, g.ellipse.normal);
    return out;
}

ProError curvesAdd(Model& model, Feature& feature, const std::vector<CurveGeometry>& geometry) {
    for (const CurveGeometry& g : geometry) {
        if (!curveGeometryValid(g)) {
            return PRO_TK_BAD_INPUTS;
        }
    }
    FeatureStore& store = features(model);
    if (store.nextId() + static_cast<long long>(geometry.size()) > kIdMax + 1LL) {
        return PRO_TK_GENERAL_ERROR;
    }
    CurveStore& kept = curves(model);
    for (const CurveGeometry& g : geometry) {
        GeomItem* item = store.itemAdd(feature, PRO_CURVE);
        if (item == nullptr) {
            return PRO_TK_GENERAL_ERROR;
        }
        kept.keep(CurveItem{item->id, feature.id, g});
    }
    return PRO_TK_NO_ERROR;
}

std::vector<const CurveItem*> featureCurves(Model& model, int featureId) {
    std::vector<const CurveItem*> out;
    Feature* feature = featureFind(model, featureId);
    if (feature == nullptr) {
        return out;
    }
    for (int id : feature->items) {
        if (const CurveItem* curve = curveFind(model, id)) {
            out.push_back(curve);
        }
    }
    return out;
}

const CurveItem* curveFind(Model& model, int itemId) {
    const GeomItem* item = features(model).item(itemId);
    if (item == nullptr || item->type != PRO_CURVE) {
        return nullptr;
    }
    const CurveItem* curve = curves(model).find(itemId);
    return curve != nullptr && curve->featureId == item->featureId ? curve : nullptr;
}

ProError curveEvaluate(const CurveGeometry& g, double t, CurvePoint* out) {
    if (out == nullptr || !(t >= 0.0 && t <= 1.0)) {
        return PRO_TK_BAD_INPUTS;
    }
    switch (g.kind) {
        case CurveKind::Line: {
            const Vec3 d = combine(g.line.end2, 1.0, g.line.end1, -1.0);
            out->point = combine(g.line.end1, 1.0, d, t);
            out->d1 = d;
            out->d2 = {0.0, 0.0, 0.0};
            return PRO_TK_NO_ERROR;
        }
        case CurveKind::Arc: {
            const CurveArc& a = g.arc;
            const double sweep = a.end - a.start;
            *out = conicPoint(a.origin, scale(a.vector1, a.radius), scale(a.vector2, a.radius),
                              a.start + t * sweep, sweep);
            return PRO_TK_NO_ERROR;
        }
        case CurveKind::Ellipse: {
            const CurveEllipse& e = g.ellipse;
            const double sweep = e.end - e.start;
            const Vec3 y = cross(e.normal, e.xAxis);
            *out = conicPoint(e.center, scale(e.xAxis, e.xRadius), scale(y, e.yRadius),
                              e.start + t * sweep, sweep);
            return PRO_TK_NO_ERROR;
        }
        case CurveKind::Spline:
            return geometry::splineEvaluate(g.spline.points, g.spline.tangents, t, &out->point,
                                            &out->d1, &out->d2);
    }
    return PRO_TK_BAD_INPUTS;
}

ProError curveLength(const CurveGeometry& g, double* length) {
    if (length == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    switch (g.kind) {
        case CurveKind::Line: {
            const Vec3 d = combine(g.line.end2, 1.0, g.line.end1, -1.0);
            *length = std::sqrt(dot(d, d));
            return PRO_TK_NO_ERROR;
        }
        case CurveKind::Arc:
            *length = g.arc.radius * std::abs(g.arc.end - g.arc.start);
            return PRO_TK_NO_ERROR;
        case CurveKind::Spline:
            return geometry::splineLength(g.spline.points, g.spline.tangents, length);
        case CurveKind::Ellipse: {
            const CurveEllipse& e = g.ellipse;
            return geometry::ellipseLength(
                {e.center, e.xAxis, e.normal, e.xRadius, e.yRadius, e.start, e.end}, length);
        }
    }
    return PRO_TK_BAD_INPUTS;
}

namespace {

const bool registered = [] {
    featureDefaultNameAdd(kFeatImport, "IMPORT");
    featureDeleteHookAdd(
        [](Model& model, int featureId) { curves(model).eraseFeature(featureId); });
    return true;
}();

}  // namespace

}  // namespace simhost::state
