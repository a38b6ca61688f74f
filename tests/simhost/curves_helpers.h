// Helpers of the curve tests: curve items of a feature, their handles, data and points.
#pragma once

#include <ProCurve.h>
#include <ProGeomitem.h>
#include <ProGeomitemdata.h>

#include <array>
#include <cmath>
#include <vector>

#include "feature_helpers.h"

namespace curvetest {

using Vec = std::array<double, 3>;

constexpr double kPi = 3.141592653589793;

// The ids of the curve items (type 62) of the feature, in the order of the visit.
inline std::vector<int> curveIds(ProSolid solid, int featureId) {
    ProFeature f = featuretest::feature(solid, featureId);
    std::vector<int> ids;
    ProError rc = ProFeatureGeomitemVisit(
        &f, PRO_CURVE,
        [](ProGeomitem* item, ProError, ProAppData data) {
            static_cast<std::vector<int>*>(data)->push_back(item->id);
            return PRO_TK_NO_ERROR;
        },
        nullptr, &ids);
    EXPECT_TRUE(rc == PRO_TK_NO_ERROR || rc == PRO_TK_E_NOT_FOUND) << rc;
    return ids;
}

inline ProGeomitem curveItem(ProSolid solid, int itemId) {
    return ProGeomitem{PRO_CURVE, itemId, solid};
}

inline ProCurve curveOf(ProSolid solid, int itemId) {
    ProGeomitem item = curveItem(solid, itemId);
    ProCurve curve = nullptr;
    EXPECT_EQ(ProGeomitemToCurve(&item, &curve), PRO_TK_NO_ERROR);
    return curve;
}

inline Vec vec(const double* v) {
    return {v[0], v[1], v[2]};
}

// The point of the curve at the normalised parameter.
inline Vec pointAt(ProCurve curve, double t) {
    ProVector p{};
    EXPECT_EQ(ProCurveXyzdataEval(curve, t, p, nullptr, nullptr), PRO_TK_NO_ERROR);
    return vec(p);
}

inline double lengthOf(ProCurve curve) {
    double length = -1.0;
    EXPECT_EQ(ProCurveLengthEval(curve, &length), PRO_TK_NO_ERROR);
    return length;
}

inline double distance(const Vec& a, const Vec& b) {
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

}  // namespace curvetest

// Two points agree within `tol`.
#define EXPECT_VEC_NEAR(a, b, tol) EXPECT_LE(curvetest::distance((a), (b)), (tol))
