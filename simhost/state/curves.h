// Curves of solids: the curve items (type PRO_CURVE) that datum-curve (949) and import
// (932) features own, their geometry in model coordinates, and what the host computes
// from them.
//
// A curve item is a geometry item of the feature store (its id comes from the model's
// counter like every other item); this store keeps its geometry. A curve is traversed
// by a normalised parameter from 0 (its start) to 1 (its end). Lines and arcs are
// evaluated in closed form; splines and ellipses are measured on the geometry kernel
// (simhost/geometry/curves.h), so a build without the kernel answers
// kKernelNotAvailable for what needs it.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

#include <unordered_map>
#include <vector>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"

namespace simhost::state {

struct Feature;

// Feature types that own curves.
constexpr int kFeatDatumCurve = 949;
constexpr int kFeatImport = 932;

// The kinds of curve, numbered as the toolkit's curve types (ProEnttype).
enum class CurveKind {
    Line = PRO_ENT_LINE,
    Arc = PRO_ENT_ARC,
    Spline = PRO_ENT_SPLINE,
    Ellipse = PRO_ENT_ELLIPSE
};

// A straight line from `end1` to `end2`.
struct CurveLine {
    geometry::Vec3 end1{0.0, 0.0, 0.0};
    geometry::Vec3 end2{0.0, 0.0, 0.0};
};

// origin + radius * (cos t * vector1 + sin t * vector2) for t from `start` to `end`
// (radians); vector1 and vector2 are orthonormal.
struct CurveArc {
    geometry::Vec3 origin{0.0, 0.0, 0.0};
    geometry::Vec3 vector1{1.0, 0.0, 0.0};
    geometry::Vec3 vector2{0.0, 1.0, 0.0};
    double start = 0.0;
    double end = 0.0;
    double radius = 0.0;
};

// An interpolating spline through the points (at least two, consecutive points apart),
// with tangents at them when `tangents` is not empty (then one per point).
struct CurveSpline {
    std::vector<geometry::Vec3> points;
    std::vector<geometry::Vec3> tangents;
};

// center + xRadius * cos t * xAxis + yRadius * sin t * (normal x xAxis) for t from
// `start` to `end` (radians); xAxis and normal are orthonormal.
struct CurveEllipse {
    geometry::Vec3 center{0.0, 0.0, 0.0};
    geometry::Vec3 xAxis{1.0, 0.0, 0.0};
    geometry::Vec3 normal{0.0, 0.0, 1.0};
    double xRadius = 0.0;
    double yRadius = 0.0;
    double start = 0.0;
    double end = 0.0;
};

// The geometry of one curve: `kind` says which member holds it.
struct CurveGeometry {
    CurveKind kind = CurveKind::Line;
    CurveLine line;
    CurveArc arc;
    CurveSpline spline;
    CurveEllipse ellipse;
};

// A curve item: its geometry-item id, the feature that owns it, and its geometry in
// model coordinates.
struct CurveItem {
    int id = 0;
    int featureId = 0;
    CurveGeometry geometry;
};

// A point of a curve with the first and second derivative by the normalised parameter.
struct CurvePoint {
    geometry::Vec3 point{0.0, 0.0, 0.0};
    geometry::Vec3 d1{0.0, 0.0, 0.0};
    geometry::Vec3 d2{0.0, 0.0, 0.0};
};

class CurveStore {
public:
    // Keeps the geometry of an item the feature store already holds.
    void keep(CurveItem item);
    // The curve item of that id, or null.
    const CurveItem* find(int itemId) const;
    // Forgets the curves the feature owns.
    void eraseFeature(int featureId);
    void clear() { items_.clear(); }

private:
    std::unordered_map<int, CurveItem> items_;
};

inline CurveStore& curves(Model& model) {
    return model.content<CurveStore>();
}

// Geometry the host accepts: finite numbers, a line with distinct ends, an arc or
// ellipse with orthonormal directions and positive radii, a spline with at least two
// points, consecutive points apart, and no tangent or one per point (none of length 0).
bool curveGeometryValid(const CurveGeometry& geometry);

// The geometry, given in the frame `frame`, in the coordinates `frame` is given in.
CurveGeometry curvePlaced(const CurveGeometry& geometry, const geometry::Placement& frame);

// New curve items of the feature, one per geometry in order (ids from the model's
// counter), appended to the feature's items. PRO_TK_BAD_INPUTS for invalid geometry
// (nothing is added then), PRO_TK_GENERAL_ERROR when the model has no id left.
ProError curvesAdd(Model& model, Feature& feature, const std::vector<CurveGeometry>& geometry);
// The curve items of the feature, in order.
std::vector<const CurveItem*> featureCurves(Model& model, int featureId);
// The curve item of that id while its feature exists, or null.
const CurveItem* curveFind(Model& model, int itemId);

// The point (and derivatives) at the normalised parameter t in [0, 1]; PRO_TK_BAD_INPUTS
// for t outside it.
ProError curveEvaluate(const CurveGeometry& geometry, double t, CurvePoint* out);
ProError curveLength(const CurveGeometry& geometry, double* length);

}  // namespace simhost::state
