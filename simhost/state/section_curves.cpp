#include "simhost/state/section_curves.h"

#include <ProObjects.h>

#include <cmath>

#include "simhost/state/curves.h"
#include "simhost/state/features.h"

namespace simhost::state {

namespace {

using geometry::Placement;
using geometry::Vec3;

double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

SectionEntity lineOf(const Point2& a, const Point2& b) {
    SectionEntity line;
    line.type = PRO_2D_LINE;
    line.a = a;
    line.b = b;
    return line;
}

// An arc parallel to the sketch plane as a counter-clockwise sketch arc.
SectionEntity arcOf(const CurveArc& arc, const Placement& frame, double turning) {
    SectionEntity out;
    out.type = PRO_2D_ARC;
    out.a = sketchPoint(frame, arc.origin);
    out.radius = arc.radius;
    double at0 = std::atan2(dot(arc.vector1, frame.y), dot(arc.vector1, frame.x));
    if (turning > 0.0) {
        out.startAngle = at0 + arc.start;
        out.endAngle = at0 + arc.end;
    } else {
        // Seen from the sketch's side the arc turns clockwise: it runs backwards.
        out.startAngle = at0 - arc.end;
        out.endAngle = at0 - arc.start;
    }
    return out;
}

ProError entitiesOf(const CurveGeometry& curve, const Placement& frame,
                    std::vector<SectionEntity>& out) {
    if (curve.kind == CurveKind::Line) {
        out.push_back(
            lineOf(sketchPoint(frame, curve.line.end1), sketchPoint(frame, curve.line.end2)));
        return PRO_TK_NO_ERROR;
    }
    if (curve.kind == CurveKind::Arc) {
        double turning = dot(cross(curve.arc.vector1, curve.arc.vector2), frame.z);
        if (std::fabs(std::fabs(turning) - 1.0) < 1e-9) {
            out.push_back(arcOf(curve.arc, frame, turning));
            return PRO_TK_NO_ERROR;
        }
    }
    std::vector<Point2> points;
    for (int k = 0; k <= kCurvePolylineSegments; ++k) {
        CurvePoint at;
        if (ProError rc =
                curveEvaluate(curve, static_cast<double>(k) / kCurvePolylineSegments, &at)) {
            return rc;
        }
        points.push_back(sketchPoint(frame, at.point));
    }
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
        out.push_back(lineOf(points[k], points[k + 1]));
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace

ProError curveLoopEntities(Model& model, const SelectionData& selection, const Placement& frame,
                           double epsilon, std::vector<SectionEntity>& out) {
    const CurveItem* chosen = selection.item.type == PRO_CURVE &&
                                      selection.item.owner == modelHandle(model.id) &&
                                      !(selection.path && selection.path->table_num != 0)
                                  ? curveFind(model, selection.item.id)
                                  : nullptr;
    const Feature* feature = chosen != nullptr ? featureFind(model, chosen->featureId) : nullptr;
    if (feature == nullptr || (feature->type != kFeatDatumCurve && feature->type != kFeatImport)) {
        return PRO_TK_BAD_INPUTS;
    }
    SectionData all;
    all.epsilon = epsilon;
    std::size_t chosenAt = 0;
    for (const CurveItem* curve : featureCurves(model, feature->id)) {
        if (curve->id == chosen->id) {
            chosenAt = all.entities.size();
        }
        if (ProError rc = entitiesOf(curve->geometry, frame, all.entities)) {
            return rc;
        }
    }
    std::vector<std::vector<LoopStep>> loops;
    if (!sectionProblems(all, &loops).empty()) {
        return PRO_TK_GENERAL_ERROR;
    }
    for (const std::vector<LoopStep>& loop : loops) {
        bool holds = false;
        for (const LoopStep& step : loop) {
            holds = holds || step.entity == chosenAt;
        }
        if (!holds) {
            continue;
        }
        for (const LoopStep& step : loop) {
            out.push_back(all.entities[step.entity]);
        }
        return PRO_TK_NO_ERROR;
    }
    return PRO_TK_GENERAL_ERROR;
}

}  // namespace simhost::state
