// A datum curve of the curve-element list: one line or arc of interface data per
// element, imported in the frame of a coordinate system found by pattern.
#include <ProModelitem.h>

#include <vector>

#include "base/text.h"
#include "feature/curve_elements.h"
#include "feature/curve_geometry.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/intfdata.h"

namespace Ardo {

namespace {

constexpr const char* kText = "Ardo::kelt2pMdl::CreateIntfCurveFeature";

void copyTo(const Point& p, ProVector out) {
    out[0] = p.x;
    out[1] = p.y;
    out[2] = p.z;
}

void appendArc(ProIntfData* data, const kelt2pCurveElement& element) {
    const Vector fromCenter = curves::between(element.center, element.start);
    const Vector toEnd = curves::between(element.center, element.end);
    // The angle first: it refuses a normal in the arc's plane, for which the second
    // vector of the plane would be null.
    const double endAngle = curves::signedAngle(fromCenter, toEnd, element.normal);
    const double radius = fromCenter.Length();
    Vector vector1 = fromCenter;
    vector1.Norm();
    Vector vector2 = element.normal % vector1;
    vector2.Norm();
    ProVector v1 = {};
    ProVector v2 = {};
    ProVector origin = {};
    copyTo(vector1, v1);
    copyTo(vector2, v2);
    copyTo(element.center, origin);
    ardotk::IntfDataArcAppend(data, v1, v2, origin, 0.0, endAngle, radius);
}

void appendLine(ProIntfData* data, const kelt2pCurveElement& element) {
    ProVector end1 = {};
    ProVector end2 = {};
    copyTo(element.start, end1);
    copyTo(element.end, end2);
    ardotk::IntfDataLineAppend(data, end1, end2);
}

}  // namespace

int Solid::CreateIntfCurveFeature(const char* csysPattern, const char* name) {
    requireHandle(kText);
    ProSolid solid = static_cast<ProSolid>(handle);
    std::vector<ProGeomitem> found;
    if (CsysFindByRegEx(csysPattern, found) != 1) {
        throw Error(PRO_TK_E_NOT_FOUND, "no csys found");
    }
    ardotk::IntfDataOwner data = ardotk::IntfDataAlloc();
    for (const kelt2pCurveElement& element : curves::elements()) {
        if (element.isLine) {
            appendLine(data.get(), element);
        } else {
            appendArc(data.get(), element);
        }
    }
    ProFeature feature = ardotk::ImportfeatCreate(solid, data.get(), found.front().id);
    data.release();
    if (name != nullptr && name[0] != '\0') {
        ProName wide = {};
        text::widenBounded(wide, name);
        ProModelitemNameSet(&feature, wide);
    }
    return feature.id;
}

}  // namespace Ardo
