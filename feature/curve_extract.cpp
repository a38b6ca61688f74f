// Reading the lines and arcs of a curve feature into the curve-element list; free-form
// curves are cut into straight elements no longer than the caller's tolerance.
#include <ProFeature.h>

#include <cmath>
#include <vector>

#include "feature/curve_elements.h"
#include "feature/curve_geometry.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/curve.h"
#include "toolkit/feature.h"

namespace Ardo {

namespace {

constexpr const char* kReadText = "Ardo::kelt2pMdl::CurveElements";
constexpr const char* kAddText = "Ardo::kelt2pMdl::CurveElementsAdd";
constexpr ProFeattype kCurveFeature = 949;
constexpr ProFeattype kImportFeature = 932;
// A finer cut would take more memory than a contour is worth and end in steps too small
// to advance the curve parameter.
constexpr double kMaxSegments = 1e6;

Point pointAt(ProCurve curve, double t) {
    ProVector xyz = {};
    ardotk::CurveXyzdataEval(curve, t, xyz);
    return Point(xyz);
}

// The free-form curve as straight elements from parameter 0 to 1.
void appendCut(ProCurve curve, bool mark, double tolerance, const char* text,
               curves::ElementList& out) {
    double segments = std::ceil(ardotk::CurveLengthEval(curve) / tolerance);
    if (!(segments <= kMaxSegments)) {
        throw Error(PRO_TK_BAD_INPUTS, text);
    }
    const double step = 1.0 / (segments < 1.0 ? 1.0 : segments);
    double t = 0.0;
    while (t + step < 1.0) {
        out.push_back(curves::lineElement(pointAt(curve, t), pointAt(curve, t + step), mark));
        t = t + step;
    }
    out.push_back(curves::lineElement(pointAt(curve, t), pointAt(curve, 1.0), mark));
}

void appendCurve(ProGeomitem& item, bool mark, double tolerance, const char* text,
                 curves::ElementList& out) {
    ardotk::GeomitemdataOwner data = ardotk::GeomitemdataGet(item);
    ProCurve curve = ardotk::GeomitemToCurve(item);
    const ProCurvedata& geometry = *data.get()->data.p_curve_data;
    switch (ardotk::CurveTypeGet(curve)) {
        case PRO_ENT_LINE:
            out.push_back(
                curves::lineElement(Point(geometry.line.end1), Point(geometry.line.end2), mark));
            break;
        case PRO_ENT_ARC:
            out.push_back(curves::arcElement(geometry.arc, mark));
            break;
        case PRO_ENT_SPLINE:
        case PRO_ENT_ELLIPSE:
            appendCut(curve, mark, tolerance, text, out);
            break;
        default:
            break;
    }
    ardotk::GeomitemdataFree(data);
}

// The elements of curve feature `id` of `solid` in the host's order of its curves.
curves::ElementList featureElements(ProSolid solid, int id, bool mark, double tolerance,
                                    const char* text) {
    if (!(tolerance > 0.0)) {
        throw Error(PRO_TK_BAD_INPUTS, text);
    }
    ProFeature feature{};
    check(ProFeatureInit(solid, id, &feature), text);
    ProFeattype type = ardotk::FeatureTypeGet(feature);
    if (type != kCurveFeature && type != kImportFeature) {
        throw ardotk::Error(PRO_TK_GENERAL_ERROR, "feature is no curve");
    }
    curves::ElementList read;
    for (ProGeomitem& item : ardotk::FeatureGeomitems(feature, PRO_CURVE)) {
        appendCurve(item, mark, tolerance, text, read);
    }
    return read;
}

}  // namespace

int Solid::CurveElements(int curveFeatureId, bool mark, double tolerance) {
    requireHandle(kReadText);
    curves::ElementList read =
        featureElements(static_cast<ProSolid>(handle), curveFeatureId, mark, tolerance, kReadText);
    curves::elements().swap(read);
    return static_cast<int>(curves::elements().size());
}

int Solid::CurveElementsAdd(int curveFeatureId, bool mark, double tolerance) {
    requireHandle(kAddText);
    curves::ElementList read =
        featureElements(static_cast<ProSolid>(handle), curveFeatureId, mark, tolerance, kAddText);
    curves::elements().splice(curves::elements().end(), read);
    return static_cast<int>(curves::elements().size());
}

}  // namespace Ardo
