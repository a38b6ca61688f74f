// The drawing's DXF end to end through the toolkit calls: a drawing made from a template,
// a general view placed on it and its display record set, the file written and read back.
#include <ProUtil.h>

#include <cmath>
#include <vector>

#include "simhost/drawing_helpers.h"
#include "simhost/drawing_output_helpers.h"
#include "simhost/dxf_reader.h"
#include "simhost/geometry/kernel.h"

namespace {

using namespace drawingtest;

class DrawingOutputToolkitTest : public DrawingTest {};

// The lines as segments.
std::vector<drawingoutput::Segment> segments(const std::vector<dxftest::Line>& lines) {
    std::vector<drawingoutput::Segment> out;
    for (const dxftest::Line& line : lines) {
        out.push_back({line.a, line.b});
    }
    return out;
}

bool coveredAlong(const std::vector<dxftest::Line>& lines, const drawingoutput::Point& a,
                  const drawingoutput::Point& b) {
    return drawingoutput::coveredAlong(segments(lines), a, b, 1e-6);
}

TEST_F(DrawingOutputToolkitTest, AGeneralViewOfATemplateDrawingIsWrittenWhereItIsPlaced) {
    if (!simhost::geometry::kernelAvailable()) {
        GTEST_SKIP() << "the drawing's DXF needs the geometry kernel";
    }
    ProMdl box = loadBox();
    ProDrawing drawing = drawingOfSize("A3");
    ASSERT_NE(drawing, nullptr);
    // The box from the front at twice its size, its centre at the screen origin, which is
    // the A3 sheet's centre (210, 148.5): 80 by 20 mm around it.
    ProMatrix front = {{1, 0, 0, 0}, {0, 0, 1, 0}, {0, -1, 0, 0}, {0, 0, 0, 1}};
    ProPoint3d origin = {0, 0, 0};
    ProView view = nullptr;
    ASSERT_EQ(ProDrawingGeneralviewCreate(drawing, static_cast<ProSolid>(box), 1, PRO_B_FALSE,
                                          origin, 2.0, front, &view),
              PRO_TK_NO_ERROR);
    ProDrawingViewDisplay display{};
    ASSERT_EQ(ProDrawingViewDisplayGet(drawing, view, &display), PRO_TK_NO_ERROR);
    display.style = PRO_DISPSTYLE_WIREFRAME;
    display.tangent_edge_display = PRO_TANEDGE_NONE;
    ASSERT_EQ(ProDrawingViewDisplaySet(drawing, view, &display), PRO_TK_NO_ERROR);

    modeltest::Path name("BOXVIEW.DXF");
    ASSERT_EQ(
        ProOutputFileWrite(drawing, name.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
        PRO_TK_NO_ERROR);
    const dxftest::File dxf = dxftest::read(readText("BOXVIEW.DXF"));
    ASSERT_TRUE(dxf.wellFormed) << dxf.error;
    const std::vector<dxftest::Line> border = dxf.on("BORDER");
    EXPECT_EQ(border.size(), 4u);
    EXPECT_TRUE(coveredAlong(border, {0, 0}, {420, 0}));
    EXPECT_TRUE(coveredAlong(border, {420, 0}, {420, 297}));
    EXPECT_TRUE(coveredAlong(border, {420, 297}, {0, 297}));
    EXPECT_TRUE(coveredAlong(border, {0, 297}, {0, 0}));

    const std::vector<dxftest::Line> visible = dxf.on("VISIBLE");
    ASSERT_FALSE(visible.empty());
    EXPECT_TRUE(coveredAlong(visible, {170, 138.5}, {250, 138.5}));
    EXPECT_TRUE(coveredAlong(visible, {250, 138.5}, {250, 158.5}));
    EXPECT_TRUE(coveredAlong(visible, {250, 158.5}, {170, 158.5}));
    EXPECT_TRUE(coveredAlong(visible, {170, 158.5}, {170, 138.5}));
    for (const dxftest::Line& line : visible) {
        for (const auto& p : {line.a, line.b}) {
            EXPECT_TRUE(std::abs(p[0] - 170) < 1e-6 || std::abs(p[0] - 250) < 1e-6 ||
                        std::abs(p[1] - 138.5) < 1e-6 || std::abs(p[1] - 158.5) < 1e-6)
                << p[0] << " " << p[1];
        }
    }
    EXPECT_TRUE(dxf.on("HIDDEN").empty()) << "a wireframe shows hidden edges as the others";
}

}  // namespace
