// General views of a drawing: placement through the sheet transform, the host's default
// scale and centre, the view transforms, deletion, the display record, the solids shown,
// and a singular sheet transform.
#include <cmath>
#include <limits>

#include "simhost/drawing_helpers.h"

namespace {

using namespace drawingtest;

constexpr double kPoint = 25.4 / 72.0;

class DrawingViewTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        box = loadBox();
        drawing = drawingOfSize("A4");
    }
    void transformOf(ProView view, bool toDrawing, ProMatrix out) {
        ASSERT_EQ(
            ProDrawingViewTransformGet(drawing, view, toDrawing ? PRO_B_TRUE : PRO_B_FALSE, out),
            PRO_TK_NO_ERROR);
    }
    ProMdl box = nullptr;
    ProDrawing drawing = nullptr;
};

TEST_F(DrawingViewTest, TheViewShowsTheSolidsCentreAtTheScreenPositionTakenToTheSheet) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "the solid's box needs the geometry kernel";
    }
    ProView view = nullptr;
    ASSERT_EQ(viewOf(drawing, box, {72, 36, 0}, 1.5, &view), PRO_TK_NO_ERROR);
    ProMatrix toDrawing;
    transformOf(view, true, toDrawing);
    // Screen (72, 36) is 25.4 and 12.7 mm right of and above the A4 sheet's centre.
    const Point at{148.5 + 25.4, 105 + 12.7, 0};
    expectPointNear(placed(toDrawing, {20, 10, 5}), at);
    expectPointNear(placed(toDrawing, {40, 10, 5}), {at[0] + 30, at[1], 0});
    EXPECT_NEAR(toDrawing[3][3], 1.0, 0.0);

    // Model to screen: the sheet transform's inverse after the view's.
    ProMatrix toScreen;
    transformOf(view, false, toScreen);
    expectPointNear(placed(toScreen, {20, 10, 5}), {72, 36, 0});
    expectPointNear(placed(toScreen, {40, 10, 5}), {72 + 30 / kPoint, 36, 0}, 1e-6);

    // A view turned by FRONT (looking along +y) has model z upwards on the sheet.
    ProMatrix front = {{1, 0, 0, 0}, {0, 0, 1, 0}, {0, -1, 0, 0}, {0, 0, 0, 1}};
    ProPoint3d origin = {0, 0, 0};
    ProView turned = nullptr;
    ASSERT_EQ(ProDrawingGeneralviewCreate(drawing, static_cast<ProSolid>(box), 1, PRO_B_FALSE,
                                          origin, 2.0, front, &turned),
              PRO_TK_NO_ERROR);
    transformOf(turned, true, toDrawing);
    expectPointNear(placed(toDrawing, {20, 10, 5}), {148.5, 105, 0});
    expectPointNear(placed(toDrawing, {20, 10, 10}), {148.5, 115, 0});
}

TEST_F(DrawingViewTest, ScaleZeroTakesTheLargestStandardScaleAtWhichTheSolidFitsHalfTheSheet) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "the solid's outline needs the geometry kernel";
    }
    writeFile("long.prt",
              R"({"solids": [{"box": {"corner": [-5, 0, 0], "size": [400, 50, 10]}}]})");
    writeFile("tiny.prt", R"({"solids": [{"box": {"corner": [0, 0, 0], "size": [1, 1, 1]}}]})");
    ProMdl longPart = nullptr;
    ProMdl tiny = nullptr;
    ASSERT_EQ(modeltest::load("long.prt", &longPart), PRO_TK_NO_ERROR);
    ASSERT_EQ(modeltest::load("tiny.prt", &tiny), PRO_TK_NO_ERROR);
    // Half an A4 sheet is 148.5 x 105: 40 x 20 fits at 2 (not 5), 400 x 50 at 0.2 (not
    // 0.5), 1 x 1 at 10, the largest.
    const struct {
        ProMdl solid;
        double scale;
    } cases[] = {{box, 2.0}, {longPart, 0.2}, {tiny, 10.0}};
    for (const auto& c : cases) {
        ProView view = nullptr;
        ASSERT_EQ(viewOf(drawing, c.solid, {0, 0, 0}, 0.0, &view), PRO_TK_NO_ERROR);
        ProMatrix t;
        transformOf(view, true, t);
        EXPECT_NEAR(t[0][0], c.scale, 1e-12) << modeltest::nameOf(c.solid).c_str();
    }
    // On an A0 sheet (1189 x 841) the long part fits at 1.
    ProDrawing large = nullptr;
    simhost::writeDrawingTemplate("big", {{"A0", "", 1}});
    ASSERT_EQ(createFor(L"large", L"big", &large), PRO_TK_NO_ERROR);
    ProView view = nullptr;
    ASSERT_EQ(viewOf(large, longPart, {0, 0, 0}, 0.0, &view), PRO_TK_NO_ERROR);
    ProMatrix t;
    ASSERT_EQ(ProDrawingViewTransformGet(large, view, PRO_B_TRUE, t), PRO_TK_NO_ERROR);
    EXPECT_NEAR(t[0][0], 1.0, 1e-12);
    // The centre of the long part (195, 25, 5) lands on the position.
    expectPointNear(placed(t, {195, 25, 5}), {1189 / 2.0, 841 / 2.0, 0});
}

TEST_F(DrawingViewTest, ASolidWithoutSolidsHasItsOriginAtThePositionAndScaleOne) {
    ProMdl empty = modeltest::create(L"empty");
    ProView view = nullptr;
    ASSERT_EQ(viewOf(drawing, empty, {0, 0, 0}, 0.0, &view), PRO_TK_NO_ERROR);
    ProMatrix t;
    transformOf(view, true, t);
    expectPointNear(placed(t, {0, 0, 0}), {148.5, 105, 0});
    expectPointNear(placed(t, {1, 2, 3}), {149.5, 107, 3});
}

TEST_F(DrawingViewTest, GeneralViewsRefuseWhatTheHostCannotPlace) {
    ProMatrix rotation;
    identity(rotation);
    ProPoint3d at = {0, 0, 0};
    ProView view = nullptr;
    auto create = [&](ProDrawing d, ProMdl solid, int sheet, ProBoolean exploded, double scale,
                      ProView* out) {
        return ProDrawingGeneralviewCreate(d, static_cast<ProSolid>(solid), sheet, exploded, at,
                                           scale, rotation, out);
    };
    EXPECT_EQ(create(drawing, box, 2, PRO_B_FALSE, 1, &view), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(drawing, box, 0, PRO_B_FALSE, 1, &view), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(drawing, drawing, 1, PRO_B_FALSE, 1, &view), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(static_cast<ProDrawing>(box), box, 1, PRO_B_FALSE, 1, &view),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(drawing, box, 1, static_cast<ProBoolean>(2), 1, &view), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(drawing, box, 1, PRO_B_FALSE, -1, &view), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(drawing, box, 1, PRO_B_FALSE, std::nan(""), &view), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(create(drawing, box, 1, PRO_B_FALSE, 1, nullptr), PRO_TK_BAD_INPUTS);
    rotation[0][0] = 2.0;  // scaled
    EXPECT_EQ(create(drawing, box, 1, PRO_B_FALSE, 1, &view), PRO_TK_BAD_INPUTS);
    rotation[0][0] = -1.0;  // mirrored
    EXPECT_EQ(create(drawing, box, 1, PRO_B_FALSE, 1, &view), PRO_TK_BAD_INPUTS);
    rotation[0][0] = 1.0;
    rotation[3][1] = std::numeric_limits<double>::infinity();
    EXPECT_EQ(create(drawing, box, 1, PRO_B_FALSE, 1, &view), PRO_TK_BAD_INPUTS);
    rotation[3][1] = 5.0;  // a translation row is not used
    at[2] = std::nan("");
    EXPECT_EQ(create(drawing, box, 1, PRO_B_FALSE, 1, &view), PRO_TK_BAD_INPUTS);
    at[2] = 0.0;
    ProSolid* solids = nullptr;
    EXPECT_EQ(ProDrawingSolidsCollect(drawing, &solids), PRO_TK_E_NOT_FOUND)
        << "no refused view was made";
    EXPECT_EQ(create(drawing, box, 1, PRO_B_TRUE, 1, &view), PRO_TK_NO_ERROR)
        << "a part shown exploded is shown as it is";
}

TEST_F(DrawingViewTest, DeletedViewsAndViewsOfOtherDrawingsAreRefused) {
    ProView first = nullptr;
    ProView second = nullptr;
    ASSERT_EQ(viewOf(drawing, box, {0, 0, 0}, 1.0, &first), PRO_TK_NO_ERROR);
    ASSERT_EQ(viewOf(drawing, box, {100, 0, 0}, 1.0, &second), PRO_TK_NO_ERROR);
    EXPECT_NE(first, second);
    simhost::writeDrawingTemplate("other", {{"A4", "", 1}});
    ProDrawing other = nullptr;
    ASSERT_EQ(createFor(L"other", L"other", &other), PRO_TK_NO_ERROR);
    ProMatrix t;
    EXPECT_EQ(ProDrawingViewTransformGet(other, first, PRO_B_TRUE, t), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingViewDelete(other, first, PRO_B_FALSE), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingViewDelete(drawing, first, static_cast<ProBoolean>(3)), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingViewTransformGet(drawing, first, static_cast<ProBoolean>(-1), t),
              PRO_TK_BAD_INPUTS);

    ASSERT_EQ(ProDrawingViewDelete(drawing, first, PRO_B_TRUE), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProDrawingViewDelete(drawing, first, PRO_B_TRUE), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingViewTransformGet(drawing, first, PRO_B_TRUE, t), PRO_TK_BAD_INPUTS);
    ProDrawingViewDisplay display{};
    EXPECT_EQ(ProDrawingViewDisplayGet(drawing, first, &display), PRO_TK_BAD_INPUTS);
    // The other view keeps its place.
    transformOf(second, false, t);
    EXPECT_NEAR(placed(t, {0, 0, 0})[0] - placed(t, {-1, 0, 0})[0], 1.0 / kPoint, 1e-9);
    ASSERT_EQ(ProDrawingViewDelete(drawing, second, PRO_B_FALSE), PRO_TK_NO_ERROR);
    ProSolid* solids = nullptr;
    EXPECT_EQ(ProDrawingSolidsCollect(drawing, &solids), PRO_TK_E_NOT_FOUND);
}

TEST_F(DrawingViewTest, TheDisplayRecordIsKeptAndValuesOutsideItsEnumerationsAreRefused) {
    ProView view = nullptr;
    ASSERT_EQ(viewOf(drawing, box, {0, 0, 0}, 1.0, &view), PRO_TK_NO_ERROR);
    ProDrawingViewDisplay display{};
    ASSERT_EQ(ProDrawingViewDisplayGet(drawing, view, &display), PRO_TK_NO_ERROR);
    EXPECT_EQ(display.style, PRO_DISPSTYLE_DEFAULT);
    EXPECT_EQ(display.tangent_edge_display, PRO_TANEDGE_DEFAULT);
    EXPECT_EQ(display.cable_display, PRO_CABLEDISP_DEFAULT);
    display.style = PRO_DISPSTYLE_WIREFRAME;
    display.tangent_edge_display = PRO_TANEDGE_NONE;
    display.cable_display = PRO_CABLEDISP_THICK;
    display.weld_xsec = PRO_B_TRUE;
    ASSERT_EQ(ProDrawingViewDisplaySet(drawing, view, &display), PRO_TK_NO_ERROR);
    const ProDrawingViewDisplay kept = display;

    auto refused = [&](void (*spoil)(ProDrawingViewDisplay&)) {
        ProDrawingViewDisplay bad = kept;
        spoil(bad);
        return ProDrawingViewDisplaySet(drawing, view, &bad) == PRO_TK_BAD_INPUTS;
    };
    EXPECT_TRUE(
        refused([](ProDrawingViewDisplay& d) { d.style = static_cast<ProDisplayStyle>(7); }));
    EXPECT_TRUE(
        refused([](ProDrawingViewDisplay& d) { d.style = static_cast<ProDisplayStyle>(-1); }));
    EXPECT_TRUE(refused([](ProDrawingViewDisplay& d) {
        d.tangent_edge_display = static_cast<ProTanedgeDisplay>(9);
    }));
    EXPECT_TRUE(refused([](ProDrawingViewDisplay& d) {
        d.tangent_edge_display = static_cast<ProTanedgeDisplay>(16);
    }));
    EXPECT_TRUE(refused(
        [](ProDrawingViewDisplay& d) { d.cable_display = static_cast<ProCableDisplay>(23); }));
    EXPECT_TRUE(
        refused([](ProDrawingViewDisplay& d) { d.quilt_hlr = static_cast<ProBoolean>(2); }));
    EXPECT_TRUE(
        refused([](ProDrawingViewDisplay& d) { d.concept_model = static_cast<ProBoolean>(-1); }));
    EXPECT_EQ(ProDrawingViewDisplaySet(drawing, view, nullptr), PRO_TK_BAD_INPUTS);

    ProDrawingViewDisplay read{};
    ASSERT_EQ(ProDrawingViewDisplayGet(drawing, view, &read), PRO_TK_NO_ERROR);
    EXPECT_EQ(read.style, PRO_DISPSTYLE_WIREFRAME);
    EXPECT_EQ(read.tangent_edge_display, PRO_TANEDGE_NONE);
    EXPECT_EQ(read.cable_display, PRO_CABLEDISP_THICK);
    EXPECT_EQ(read.weld_xsec, PRO_B_TRUE);
    EXPECT_EQ(read.quilt_hlr, PRO_B_FALSE);
}

TEST_F(DrawingViewTest, SolidsComeOnceEachInTheOrderFirstShownAndOnlyWhileInSession) {
    ProMdl lid = modeltest::create(L"lid");
    ProMdl frame = modeltest::create(L"frame", PRO_ASSEMBLY);
    ProView view = nullptr;
    for (ProMdl solid : {lid, box, lid, frame, box}) {
        ASSERT_EQ(viewOf(drawing, solid, {0, 0, 0}, 1.0, &view), PRO_TK_NO_ERROR);
    }
    const long live = simhost::liveObjects();
    ProSolid* solids = nullptr;
    ASSERT_EQ(ProDrawingSolidsCollect(drawing, &solids), PRO_TK_NO_ERROR);
    int n = 0;
    ASSERT_EQ(ProArraySizeGet(solids, &n), PRO_TK_NO_ERROR);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(solids[0], lid);
    EXPECT_EQ(solids[1], box);
    EXPECT_EQ(solids[2], frame);
    ProArrayFree(reinterpret_cast<ProArray*>(&solids));
    EXPECT_EQ(simhost::liveObjects(), live);

    ASSERT_EQ(ProMdlErase(lid), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProDrawingSolidsCollect(drawing, &solids), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProArraySizeGet(solids, &n), PRO_TK_NO_ERROR);
    ASSERT_EQ(n, 2);
    EXPECT_EQ(solids[0], box);
    ProArrayFree(reinterpret_cast<ProArray*>(&solids));
    EXPECT_EQ(ProDrawingSolidsCollect(drawing, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProDrawingSolidsCollect(static_cast<ProDrawing>(box), &solids), PRO_TK_BAD_INPUTS);
}

TEST_F(DrawingViewTest, ASingularSheetTransformReachesTheCallerUnchanged) {
    const double flat[4][4] = {{1, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 1, 0}, {5, 7, 0, 1}};
    ASSERT_TRUE(simhost::setSheetTransform(drawing, 1, flat));
    EXPECT_FALSE(simhost::setSheetTransform(drawing, 2, flat));
    EXPECT_FALSE(simhost::setSheetTransform(box, 1, flat));
    ProMatrix t;
    EXPECT_EQ(sheetSize(drawing, 1, t), L"A4");
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(t[r][k], flat[r][k]) << "row " << r << " column " << k;
        }
    }
    // Screen to drawing still works; drawing to screen has no answer.
    ProView view = nullptr;
    ASSERT_EQ(viewOf(drawing, box, {10, 20, 0}, 1.0, &view), PRO_TK_NO_ERROR);
    ProMatrix toDrawing;
    transformOf(view, true, toDrawing);
    const Point centre = simhost::geometryKernelAvailable() ? Point{20, 10, 5} : Point{0, 0, 0};
    expectPointNear(placed(toDrawing, centre), {15, 7, 0});
    EXPECT_EQ(ProDrawingViewTransformGet(drawing, view, PRO_B_FALSE, t), PRO_TK_BAD_CONTEXT);
}

}  // namespace
