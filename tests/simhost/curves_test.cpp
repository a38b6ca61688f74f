// Curve features read from model files: their items in the feature's visit, the data of
// each curve, points, derivatives and lengths (lines and arcs exactly, splines and
// ellipses on the kernel), handles that outlive their curve, saving and reloading, and
// files the host refuses.
#include <ProArray.h>
#include <ProMdl.h>
#include <ProModelitem.h>

#include <string>

#include "curves_helpers.h"

namespace {

using namespace curvetest;
using featuretest::feature;

#define SKIP_WITHOUT_KERNEL()                                                      \
    if (!simhost::geometryKernelAvailable()) {                                     \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

// A part whose curve feature 10 holds a line, a quarter arc and a half arc turning the
// other way, after a coordinate system.
const char* const kOutline = R"({
  "format": 1, "type": "PRT",
  "features": {"next_id": 20, "list": [
    {"id": 1, "type": 979, "name": "ACS0", "items": [{"id": 2, "type": 25}]},
    {"id": 10, "type": 949, "name": "OUTLINE", "curves": [
      {"id": 11, "line": {"from": [1, 2, 3], "to": [7, 10, 3]}},
      {"id": 12, "arc": {"origin": [0, 0, 5], "vector1": [0, 1, 0], "vector2": [0, 0, 1],
                         "start": 0.25, "end": 1.75, "radius": 4}},
      {"id": 13, "name": "BACK", "arc": {"origin": [0, 0, 0], "vector1": [1, 0, 0],
                         "vector2": [0, 1, 0], "start": 3.141592653589793, "end": 0,
                         "radius": 2}}
    ]}
  ]}
})";

class CurvesTest : public modeltest::ConnectedTest {
protected:
    ProSolid load(const std::string& file, const std::string& text) {
        writeFile(file, text);
        ProMdl model = nullptr;
        lastRc = modeltest::load(file, &model);
        return static_cast<ProSolid>(model);
    }
    ProError lastRc = PRO_TK_NO_ERROR;
};

TEST_F(CurvesTest, CurveItemsAreVisitedInOrderAndReadBackExactly) {
    ProSolid solid = load("outline.prt", kOutline);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    EXPECT_EQ(curveIds(solid, 10), (std::vector<int>{11, 12, 13}));
    EXPECT_TRUE(curveIds(solid, 1).empty());

    const long live = simhost::liveObjects();
    ProGeomitem line = curveItem(solid, 11);
    ProGeomitemdata* data = nullptr;
    ASSERT_EQ(ProGeomitemdataGet(&line, &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(data->obj_type, PRO_CURVE);
    EXPECT_EQ(data->data.p_curve_data->line.type, PRO_ENT_LINE);
    EXPECT_EQ(vec(data->data.p_curve_data->line.end1), (Vec{1, 2, 3}));
    EXPECT_EQ(vec(data->data.p_curve_data->line.end2), (Vec{7, 10, 3}));
    EXPECT_EQ(simhost::liveObjects(), live + 1);
    ASSERT_EQ(ProGeomitemdataFree(&data), PRO_TK_NO_ERROR);
    EXPECT_EQ(data, nullptr);

    ProGeomitem arc = curveItem(solid, 12);
    ASSERT_EQ(ProGeomitemdataGet(&arc, &data), PRO_TK_NO_ERROR);
    const ProArcdata& a = data->data.p_curve_data->arc;
    EXPECT_EQ(a.type, PRO_ENT_ARC);
    EXPECT_EQ(vec(a.origin), (Vec{0, 0, 5}));
    EXPECT_EQ(vec(a.vector1), (Vec{0, 1, 0}));
    EXPECT_EQ(vec(a.vector2), (Vec{0, 0, 1}));
    EXPECT_EQ(a.start_angle, 0.25);
    EXPECT_EQ(a.end_angle, 1.75);
    EXPECT_EQ(a.radius, 4.0);
    ASSERT_EQ(ProGeomitemdataFree(&data), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), live);

    EXPECT_EQ(ProGeomitemdataFree(&data), PRO_TK_BAD_INPUTS);

    // Each curve item has its type, and the named one its own name.
    ProEnttype type = PRO_ENT_NONE;
    ASSERT_EQ(ProCurveTypeGet(curveOf(solid, 11), &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_ENT_LINE);
    ASSERT_EQ(ProCurveTypeGet(curveOf(solid, 13), &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_ENT_ARC);
    ProGeomitem named{};
    ProName back = L"BACK";
    ASSERT_EQ(ProModelitemByNameInit(solid, PRO_CURVE, back, &named), PRO_TK_NO_ERROR);
    EXPECT_EQ(named.id, 13);
}

TEST_F(CurvesTest, LinesAndArcsGivePointsDerivativesAndLengthsInClosedForm) {
    ProSolid solid = load("outline.prt", kOutline);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);

    ProCurve line = curveOf(solid, 11);
    EXPECT_DOUBLE_EQ(lengthOf(line), 10.0);
    EXPECT_EQ(pointAt(line, 0.0), (Vec{1, 2, 3}));
    EXPECT_EQ(pointAt(line, 0.5), (Vec{4, 6, 3}));
    EXPECT_EQ(pointAt(line, 1.0), (Vec{7, 10, 3}));
    ProVector d1{};
    ProVector d2{9, 9, 9};
    ASSERT_EQ(ProCurveXyzdataEval(line, 0.3, nullptr, d1, d2), PRO_TK_NO_ERROR);
    EXPECT_EQ(vec(d1), (Vec{6, 8, 0}));
    EXPECT_EQ(vec(d2), (Vec{0, 0, 0}));

    // Arc in the y-z plane around (0, 0, 5), radius 4, from 0.25 to 1.75 rad.
    ProCurve arc = curveOf(solid, 12);
    EXPECT_NEAR(lengthOf(arc), 4.0 * 1.5, 1e-12);
    auto onArc = [](double angle) {
        return Vec{0.0, 4.0 * std::cos(angle), 5.0 + 4.0 * std::sin(angle)};
    };
    EXPECT_VEC_NEAR(pointAt(arc, 0.0), onArc(0.25), 1e-12);
    EXPECT_VEC_NEAR(pointAt(arc, 0.5), onArc(1.0), 1e-12);
    EXPECT_VEC_NEAR(pointAt(arc, 1.0), onArc(1.75), 1e-12);
    ProVector p{};
    ASSERT_EQ(ProCurveXyzdataEval(arc, 0.5, p, d1, d2), PRO_TK_NO_ERROR);
    // The tangent has length radius * sweep, the second derivative points at the centre
    // with radius * sweep^2.
    EXPECT_VEC_NEAR(vec(d1), (Vec{0, -4.0 * 1.5 * std::sin(1.0), 4.0 * 1.5 * std::cos(1.0)}),
                    1e-12);
    EXPECT_VEC_NEAR(vec(d2), (Vec{0, -4.0 * 2.25 * std::cos(1.0), -4.0 * 2.25 * std::sin(1.0)}),
                    1e-12);

    // An arc whose end angle is below its start runs backwards: from (-2, 0) over
    // (0, 2) to (2, 0), length pi * r.
    ProCurve back = curveOf(solid, 13);
    EXPECT_NEAR(lengthOf(back), 2.0 * kPi, 1e-12);
    EXPECT_VEC_NEAR(pointAt(back, 0.0), (Vec{-2, 0, 0}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(back, 0.5), (Vec{0, 2, 0}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(back, 1.0), (Vec{2, 0, 0}), 1e-12);

    for (double outside : {-1e-9, 1.0 + 1e-9, std::nan("")}) {
        EXPECT_EQ(ProCurveXyzdataEval(line, outside, p, d1, d2), PRO_TK_BAD_INPUTS) << outside;
    }
    EXPECT_EQ(ProCurveLengthEval(line, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProCurveTypeGet(line, nullptr), PRO_TK_BAD_INPUTS);
}

// Free-form curves: splines through points on a line and on a quarter circle, and
// ellipses with either radius the larger.
const char* const kFreeForm = R"({
  "format": 1, "type": "PRT",
  "features": [
    {"id": 1, "type": 949, "curves": [
      {"id": 2, "spline": {"points": [[0, 0, 0], [1.5, 2, 0], [3, 4, 0], [6, 8, 0]]}},
      {"id": 3, "spline": {"points": [[10, 0, 0], [8.660254037844387, 5, 0],
                                      [7.0710678118654755, 7.0710678118654755, 0],
                                      [5, 8.660254037844387, 0], [0, 10, 0]],
                           "tangents": [[0, 1, 0], [-0.5, 0.8660254037844387, 0],
                                        [-1, 1, 0], [-0.8660254037844387, 0.5, 0],
                                        [-1, 0, 0]]}},
      {"id": 4, "ellipse": {"center": [1, 1, 1], "x_axis": [1, 0, 0], "normal": [0, 0, 1],
                            "x_radius": 4, "y_radius": 2, "start": 0,
                            "end": 1.5707963267948966}},
      {"id": 5, "ellipse": {"center": [0, 0, 0], "x_axis": [0, 1, 0], "normal": [1, 0, 0],
                            "x_radius": 2, "y_radius": 4, "start": 0,
                            "end": 0.7853981633974483}}
    ]}
  ]
})";

// Arcs of the ellipse with radii 4 and 2: a quarter of its perimeter, and the eighth turn
// from the end of its small axis (the other eighth is the rest of the quarter).
constexpr double kEllipseQuarter = 4.844224110273838;
constexpr double kEllipseEighthFromMinor = 2.912896621829696;

TEST_F(CurvesTest, SplinesPassThroughTheirPointsAndAreMeasuredOnTheKernel) {
    SKIP_WITHOUT_KERNEL();
    ProSolid solid = load("free.prt", kFreeForm);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);

    ProCurve straight = curveOf(solid, 2);
    EXPECT_NEAR(lengthOf(straight), 10.0, 1e-9);
    EXPECT_VEC_NEAR(pointAt(straight, 0.0), (Vec{0, 0, 0}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(straight, 0.5), (Vec{3, 4, 0}), 1e-9);
    EXPECT_VEC_NEAR(pointAt(straight, 1.0), (Vec{6, 8, 0}), 1e-12);

    ProCurve quarter = curveOf(solid, 3);
    EXPECT_NEAR(lengthOf(quarter), kPi * 10.0 / 2.0, 1e-2);
    EXPECT_VEC_NEAR(pointAt(quarter, 1.0), (Vec{0, 10, 0}), 1e-9);
    // Between the points the curve stays close to the circle.
    const Vec mid = pointAt(quarter, 0.3);
    EXPECT_NEAR(std::hypot(mid[0], mid[1]), 10.0, 1e-2);

    ProEnttype type = PRO_ENT_NONE;
    ASSERT_EQ(ProCurveTypeGet(quarter, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, PRO_ENT_SPLINE);
}

TEST_F(CurvesTest, SplineDataHoldsArraysOfItsPointsReleasedWithTheData) {
    SKIP_WITHOUT_KERNEL();
    ProSolid solid = load("free.prt", kFreeForm);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    const long live = simhost::liveObjects();
    ProGeomitem item = curveItem(solid, 2);
    ProGeomitemdata* data = nullptr;
    ASSERT_EQ(ProGeomitemdataGet(&item, &data), PRO_TK_NO_ERROR);
    const ProSplinedata& s = data->data.p_curve_data->spline;
    ASSERT_EQ(s.type, PRO_ENT_SPLINE);
    ASSERT_EQ(s.num_points, 4);
    for (void* array : {static_cast<void*>(s.par_arr), static_cast<void*>(s.pnt_arr),
                        static_cast<void*>(s.tan_arr)}) {
        int size = 0;
        ASSERT_EQ(ProArraySizeGet(array, &size), PRO_TK_NO_ERROR);
        EXPECT_EQ(size, 4);
    }
    // Parameters by chord length: the points lie at 0, 0.25, 0.5 and 1 of the way.
    const double params[] = {0.0, 0.25, 0.5, 1.0};
    const Vec points[] = {{0, 0, 0}, {1.5, 2, 0}, {3, 4, 0}, {6, 8, 0}};
    ProCurve curve = curveOf(solid, 2);
    for (int k = 0; k < 4; ++k) {
        EXPECT_DOUBLE_EQ(s.par_arr[k], params[k]);
        EXPECT_EQ(vec(s.pnt_arr[k]), points[k]);
        EXPECT_VEC_NEAR(pointAt(curve, s.par_arr[k]), points[k], 1e-9);
        // Without given tangents the record carries the curve's derivative: along the
        // line, with the line's length as the speed of a uniform chord parametrisation.
        EXPECT_VEC_NEAR(vec(s.tan_arr[k]), (Vec{6, 8, 0}), 1e-6);
    }
    EXPECT_EQ(simhost::liveObjects(), live + 4);
    ASSERT_EQ(ProGeomitemdataFree(&data), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), live);

    // Given tangents are handed back as given.
    item = curveItem(solid, 3);
    ASSERT_EQ(ProGeomitemdataGet(&item, &data), PRO_TK_NO_ERROR);
    EXPECT_EQ(vec(data->data.p_curve_data->spline.tan_arr[2]), (Vec{-1, 1, 0}));
    ASSERT_EQ(ProGeomitemdataFree(&data), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), live);
}

TEST_F(CurvesTest, EllipsesArePointedInClosedFormAndMeasuredWhicheverRadiusIsLarger) {
    ProSolid solid = load("free.prt", kFreeForm);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProCurve wide = curveOf(solid, 4);
    ProCurve tall = curveOf(solid, 5);
    EXPECT_VEC_NEAR(pointAt(wide, 0.0), (Vec{5, 1, 1}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(wide, 1.0), (Vec{1, 3, 1}), 1e-12);
    // x axis (0, 1, 0), normal (1, 0, 0): the y axis is normal x x_axis = (0, 0, 1).
    EXPECT_VEC_NEAR(pointAt(tall, 0.0), (Vec{0, 2, 0}), 1e-12);
    EXPECT_VEC_NEAR(pointAt(tall, 1.0), (Vec{0, 2 * std::sqrt(0.5), 4 * std::sqrt(0.5)}), 1e-12);

    ProGeomitem item = curveItem(solid, 5);
    ProGeomitemdata* data = nullptr;
    ASSERT_EQ(ProGeomitemdataGet(&item, &data), PRO_TK_NO_ERROR);
    const ProEllipsedata& e = data->data.p_curve_data->ellipse;
    EXPECT_EQ(e.type, PRO_ENT_ELLIPSE);
    EXPECT_EQ(vec(e.x_axis), (Vec{0, 1, 0}));
    EXPECT_EQ(vec(e.plane_normal), (Vec{1, 0, 0}));
    EXPECT_EQ(e.x_radius, 2.0);
    EXPECT_EQ(e.y_radius, 4.0);
    ProGeomitemdataFree(&data);

    if (!simhost::geometryKernelAvailable()) {
        double length = 0.0;
        EXPECT_EQ(ProCurveLengthEval(wide, &length), PRO_TK_UNSUPPORTED);
        return;
    }
    EXPECT_NEAR(lengthOf(wide), kEllipseQuarter, 1e-7);
    EXPECT_NEAR(lengthOf(tall), kEllipseEighthFromMinor, 1e-7);
}

TEST_F(CurvesTest, HandlesOfDeletedCurvesOrErasedModelsFindNothing) {
    ProSolid solid = load("outline.prt", kOutline);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ProCurve line = curveOf(solid, 11);
    ProCurve again = curveOf(solid, 11);
    EXPECT_EQ(line, again);

    // Items of other types have no curve handle.
    ProGeomitem csys{PRO_CSYS, 2, solid};
    ProCurve none = nullptr;
    EXPECT_EQ(ProGeomitemToCurve(&csys, &none), PRO_TK_BAD_INPUTS);
    ProGeomitem wrong{PRO_CURVE, 2, solid};
    EXPECT_EQ(ProGeomitemToCurve(&wrong, &none), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProGeomitemToCurve(nullptr, &none), PRO_TK_BAD_INPUTS);
    ProEnttype type = PRO_ENT_NONE;
    EXPECT_EQ(ProCurveTypeGet(reinterpret_cast<ProCurve>(&type), &type), PRO_TK_BAD_INPUTS);

    int id = 10;
    ASSERT_EQ(ProFeatureDelete(solid, &id, 1, nullptr, 0), PRO_TK_NO_ERROR);
    double length = 0.0;
    ProVector p{};
    EXPECT_EQ(ProCurveTypeGet(line, &type), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProCurveLengthEval(line, &length), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProCurveXyzdataEval(line, 0.5, p, nullptr, nullptr), PRO_TK_E_NOT_FOUND);
    ProGeomitem gone = curveItem(solid, 11);
    ProGeomitemdata* data = nullptr;
    EXPECT_EQ(ProGeomitemdataGet(&gone, &data), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProGeomitemToCurve(&gone, &none), PRO_TK_E_NOT_FOUND);

    // Another model's curve handle works until that model is erased.
    ProSolid other = load("second.prt", kOutline);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    ASSERT_NE(other, nullptr);
    ProCurve arc = curveOf(other, 12);
    ASSERT_EQ(ProCurveTypeGet(arc, &type), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(other), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProCurveTypeGet(arc, &type), PRO_TK_E_NOT_FOUND);
}

TEST_F(CurvesTest, CurvesSurviveSaveAndReloadWithTheirIds) {
    // The curve without an id gets the next free id and keeps its place in the list.
    std::string text = kFreeForm;
    text.replace(text.find("{\"id\": 4, "), 10, "{");
    ProSolid solid = load("free.prt", text);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    EXPECT_EQ(curveIds(solid, 1), (std::vector<int>{2, 3, 6, 5}));
    ASSERT_EQ(ProMdlSave(solid), PRO_TK_NO_ERROR);

    const std::string saved = readText("free.prt");
    restart();
    ProSolid again = load("free.prt", saved);
    ASSERT_EQ(lastRc, PRO_TK_NO_ERROR);
    EXPECT_EQ(curveIds(again, 1), (std::vector<int>{2, 3, 6, 5}));
    EXPECT_EQ(featuretest::make(again, 923), 7);

    ProGeomitem item = curveItem(again, 3);
    ProGeomitemdata* data = nullptr;
    ASSERT_EQ(ProGeomitemdataGet(&item, &data), PRO_TK_NO_ERROR);
    const ProSplinedata& s = data->data.p_curve_data->spline;
    ASSERT_EQ(s.num_points, 5);
    EXPECT_EQ(vec(s.pnt_arr[1]), (Vec{8.660254037844387, 5, 0}));
    EXPECT_EQ(vec(s.tan_arr[4]), (Vec{-1, 0, 0}));
    ProGeomitemdataFree(&data);

    item = curveItem(again, 6);
    ASSERT_EQ(ProGeomitemdataGet(&item, &data), PRO_TK_NO_ERROR);
    const ProEllipsedata& e = data->data.p_curve_data->ellipse;
    EXPECT_EQ(vec(e.center), (Vec{1, 1, 1}));
    EXPECT_EQ(e.x_radius, 4.0);
    EXPECT_EQ(e.end_ang, 1.5707963267948966);
    ProGeomitemdataFree(&data);
}

TEST_F(CurvesTest, FilesWithCurvesTheHostCannotHoldAreRefused) {
    const char* const bad[] = {
        R"({"line": {"from": [1, 1, 1], "to": [1, 1, 1]}})",
        R"({"line": {"from": [0, 0, 0], "to": [1, 1]}})",
        R"({"line": {"from": [0, 0, 0], "to": [1, 0, 0]}, "arc": {}})",
        R"({"circle": {"center": [0, 0, 0]}})",
        R"({"arc": {"origin": [0, 0, 0], "vector1": [1, 0, 0], "vector2": [1, 0, 0],
                    "start": 0, "end": 1, "radius": 1}})",
        R"({"arc": {"origin": [0, 0, 0], "vector1": [1, 0, 0], "vector2": [0, 1, 0],
                    "start": 0, "end": 1, "radius": 0}})",
        R"({"arc": {"origin": [0, 0, 0], "vector1": [1, 0, 0], "vector2": [0, 1, 0],
                    "start": 1, "end": 1, "radius": 1}})",
        R"({"arc": {"origin": [0, 0, 0], "vector1": [1, 0, 0], "vector2": [0, 1, 0],
                    "start": 0, "end": 7, "radius": 1}})",
        R"({"spline": {"points": [[0, 0, 0]]}})",
        R"({"spline": {"points": [[0, 0, 0], [0, 0, 0], [1, 0, 0]]}})",
        R"({"spline": {"points": [[0, 0, 0], [1, 0, 0]], "tangents": [[1, 0, 0]]}})",
        R"({"spline": {"points": [[0, 0, 0], [1, 0, 0]], "tangents": [[1, 0, 0], [0, 0, 0]]}})",
        R"({"ellipse": {"center": [0, 0, 0], "x_axis": [1, 0, 0], "normal": [0, 0, 1],
                        "x_radius": 1, "y_radius": -1, "start": 0, "end": 1}})",
        R"({"ellipse": {"center": [0, 0, 0], "x_axis": [1, 0, 0], "normal": [1, 0, 0],
                        "x_radius": 1, "y_radius": 1, "start": 0, "end": 1}})",
        R"({"id": 1, "line": {"from": [0, 0, 0], "to": [1, 0, 0]}})",
        R"(17)",
    };
    for (const char* curve : bad) {
        const std::string text = std::string(R"({"format": 1, "type": "PRT", "features": [
            {"id": 1, "type": 949, "curves": [)") +
                                 curve + "]}]}";
        ProSolid solid = load("bad.prt", text);
        EXPECT_EQ(lastRc, PRO_TK_INVALID_FILE) << curve;
        EXPECT_EQ(solid, nullptr) << curve;
    }
}

}  // namespace
