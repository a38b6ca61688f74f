// DXF of drawings (ProOutputFileWrite): the file's structure, the sheets' borders, every
// view's edges with hidden lines removed at the view's position and scale, the display
// style's hidden and tangent edges, several sheets, and the refusals.
#include <ProUtil.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "simhost/drawing_output_helpers.h"
#include "simhost/dxf_reader.h"

namespace {

using namespace drawingoutput;
using namespace modeltest;

class DxfTest : public ConnectedTest {
protected:
    // Writes the drawing to `file` and reads it back.
    dxftest::File written(state::Model* drawing, const std::string& file) {
        Path name(file);
        EXPECT_EQ(ProOutputFileWrite(handleOf(drawing), name.text, PRO_DXF_FILE, nullptr, nullptr,
                                     nullptr, nullptr),
                  PRO_TK_NO_ERROR);
        const dxftest::File dxf = dxftest::read(readText(file));
        EXPECT_TRUE(dxf.wellFormed) << dxf.error;
        return dxf;
    }
    void loadPart(const std::string& file, const std::string& content) {
        writeFile(file, content);
        ProMdl part = nullptr;
        ASSERT_EQ(load(file, &part), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    }
    // A part of one box from a STEP file the kernel writes.
    void loadBoxPart(const std::string& name, const testkit::BoxShape& box) {
        const std::string step = name + ".stp";
        ASSERT_TRUE(testkit::writeStepSolids((workDir / step).string(), {box}));
        loadPart(name + ".prt", R"({"solids": [{"step": ")" + step + R"("}]})");
    }
};

std::vector<Segment> segments(const std::vector<dxftest::Line>& lines) {
    std::vector<Segment> out;
    for (const dxftest::Line& line : lines) {
        out.push_back({line.a, line.b});
    }
    return out;
}

// True when the lines are exactly the rectangle's four sides.
bool isRectangle(const std::vector<Segment>& lines, const Point& low, const Point& high) {
    const Point corners[] = {low, {high[0], low[1]}, high, {low[0], high[1]}};
    for (int i = 0; i < 4; ++i) {
        if (!coveredAlong(lines, corners[i], corners[(i + 1) % 4], 1e-9)) {
            return false;
        }
    }
    return lines.size() == 4;
}

TEST_F(DxfTest, AnEmptySheetGivesAFileWithTablesAndItsBorder) {
    REQUIRE_KERNEL();
    state::Model* drawing = newDrawing("EMPTY", {{420, 297}});
    const dxftest::File dxf = written(drawing, "EMPTY.DXF");
    ASSERT_TRUE(dxf.wellFormed);
    EXPECT_EQ(dxf.header.at("$ACADVER"), std::vector<std::string>{"AC1009"});
    EXPECT_EQ(dxf.header.at("$EXTMIN"), (std::vector<std::string>{"0.0", "0.0", "0.0"}));
    EXPECT_EQ(dxf.header.at("$EXTMAX"), (std::vector<std::string>{"420.0", "297.0", "0.0"}));
    EXPECT_EQ(dxf.linetypes, (std::vector<std::string>{"CONTINUOUS", "HIDDEN"}));
    EXPECT_EQ(dxf.layers.at("BORDER"), "CONTINUOUS");
    EXPECT_EQ(dxf.layers.at("VISIBLE"), "CONTINUOUS");
    EXPECT_EQ(dxf.layers.at("HIDDEN"), "HIDDEN");
    EXPECT_TRUE(dxf.otherEntities.empty());
    EXPECT_TRUE(isRectangle(segments(dxf.on("BORDER")), {0, 0}, {420, 297}));
    EXPECT_EQ(dxf.lines.size(), 4u);
    // The name is the file's, whatever it ends with.
    written(drawing, "EMPTY");
    EXPECT_TRUE(std::filesystem::exists(workDir / "EMPTY"));
    EXPECT_FALSE(std::filesystem::exists(workDir / "EMPTY.dxf"));
    EXPECT_FALSE(std::filesystem::exists(workDir / "EMPTY.DXF.dxf"));
}

TEST_F(DxfTest, ACylinderShowsARectangleFromTheSideAndACircleAlongItsAxis) {
    REQUIRE_KERNEL();
    loadPart("pin.prt", kPin);
    state::Model* drawing = newDrawing("PINS", {{297, 210}});
    // From the side, twice its size: 60 long and 20 wide around (100, 100).
    addView(*drawing, {"PIN", {0, 0, 1}, {1, 0, 0}, {0, 0, 15}, {100, 100}, 2.0});
    // Along the axis at its own size: a circle of radius 5 around (250, 100).
    addView(*drawing, {"PIN", {1, 0, 0}, {0, 1, 0}, {0, 0, 15}, {250, 100}, 1.0});
    const dxftest::File dxf = written(drawing, "pins.dxf");
    EXPECT_TRUE(dxf.on("HIDDEN").empty()) << "no hidden lines without the style asking";
    const std::vector<Segment> visible = segments(dxf.on("VISIBLE"));
    const std::vector<Segment> side = within(visible, {60, 80}, {140, 120});
    const std::vector<Segment> axial = within(visible, {240, 90}, {260, 110});
    EXPECT_EQ(side.size() + axial.size(), visible.size()) << "nothing outside the two views";

    const double tolerance = 1e-6;
    for (const Segment& s : side) {
        for (const Point& p : {s.a, s.b}) {
            const bool onSide = std::abs(p[0] - 70) < tolerance || std::abs(p[0] - 130) < tolerance;
            const bool onOutline =
                std::abs(p[1] - 90) < tolerance || std::abs(p[1] - 110) < tolerance;
            EXPECT_TRUE(onSide || onOutline) << p[0] << " " << p[1];
        }
    }
    EXPECT_TRUE(coveredAlong(side, {70, 90}, {130, 90}, tolerance)) << "lower outline";
    EXPECT_TRUE(coveredAlong(side, {70, 110}, {130, 110}, tolerance)) << "upper outline";
    EXPECT_TRUE(coveredAlong(side, {70, 90}, {70, 110}, tolerance)) << "base seen edge-on";
    EXPECT_TRUE(coveredAlong(side, {130, 90}, {130, 110}, tolerance)) << "top seen edge-on";

    ASSERT_GE(axial.size(), 60u) << "the circle is cut into chords";
    for (const Segment& s : axial) {
        EXPECT_NEAR(std::hypot(s.a[0] - 250, s.a[1] - 100), 5.0, 1e-6);
    }
    for (int degrees = 0; degrees < 360; degrees += 10) {
        const double a = degrees * exporttest::kPi / 180.0;
        EXPECT_TRUE(covered(axial, {250 + 5 * std::cos(a), 100 + 5 * std::sin(a)}, 0.01))
            << degrees;
    }
}

TEST_F(DxfTest, TheDisplayStyleDecidesWhereHiddenEdgesGo) {
    REQUIRE_KERNEL();
    // A block 40 by 20 by 10 with a hole of radius 4 along z, seen from the front at its
    // own size around (100, 100): the hole's outlines run behind the front face at x 96
    // and 104, from y 95 to 105.
    testkit::BoxShape box;
    box.size = {40, 20, 10};
    box.holeRadius = 4;
    loadBoxPart("holed", box);
    const Point inside[2] = {{81, 95.5}, {119, 104.5}};
    int n = 0;
    for (int style : {PRO_DISPSTYLE_WIREFRAME, PRO_DISPSTYLE_HIDDEN_LINE, PRO_DISPSTYLE_NO_HIDDEN,
                      PRO_DISPSTYLE_DEFAULT, PRO_DISPSTYLE_SHADED}) {
        SCOPED_TRACE("style " + std::to_string(style));
        const std::string name = "FRONT" + std::to_string(n++);
        state::Model* drawing = newDrawing(name, {{297, 210}});
        PlannedView view{"HOLED", {1, 0, 0}, {0, 0, 1}, {20, 10, 5}, {100, 100}, 1.0};
        view.style = style;
        addView(*drawing, view);
        const dxftest::File dxf = written(drawing, name + ".dxf");
        const std::vector<Segment> visible = segments(dxf.on("VISIBLE"));
        const std::vector<Segment> hidden = segments(dxf.on("HIDDEN"));
        EXPECT_TRUE(coveredAlong(visible, {80, 95}, {120, 95}, 1e-6));
        EXPECT_TRUE(coveredAlong(visible, {120, 95}, {120, 105}, 1e-6));
        if (style == PRO_DISPSTYLE_HIDDEN_LINE) {
            EXPECT_TRUE(coveredAlong(hidden, {96, 95}, {96, 105}, 1e-6));
            EXPECT_TRUE(coveredAlong(hidden, {104, 95}, {104, 105}, 1e-6));
            EXPECT_FALSE(entersBox(visible, inside[0], inside[1]));
            for (const Segment& s : hidden) {
                const Point middle{(s.a[0] + s.b[0]) / 2, (s.a[1] + s.b[1]) / 2};
                EXPECT_FALSE(covered(visible, middle, 1e-6))
                    << "a dash on a solid line at " << middle[0] << " " << middle[1];
            }
        } else if (style == PRO_DISPSTYLE_WIREFRAME) {
            EXPECT_TRUE(hidden.empty());
            EXPECT_TRUE(coveredAlong(visible, {96, 95}, {96, 105}, 1e-6));
            EXPECT_TRUE(coveredAlong(visible, {104, 95}, {104, 105}, 1e-6));
        } else {
            EXPECT_TRUE(hidden.empty());
            EXPECT_FALSE(entersBox(visible, inside[0], inside[1]));
        }
    }
}

TEST_F(DxfTest, TangentEdgesAreLeftOutWhenTheViewSaysNone) {
    REQUIRE_KERNEL();
    // A block 40 by 20 by 10 whose end at x 40 is a half cylinder of radius 10: seen from
    // the front around (100, 100) the faces meet tangentially at x 115, the outline is at
    // x 125.
    testkit::BoxShape box;
    box.size = {40, 20, 10};
    box.roundedEnd = true;
    loadBoxPart("slot", box);
    for (int tangent : {PRO_TANEDGE_DEFAULT, PRO_TANEDGE_NONE, PRO_TANEDGE_SOLID}) {
        SCOPED_TRACE("tangent edges " + std::to_string(tangent));
        const std::string name = "SLOT" + std::to_string(tangent);
        state::Model* drawing = newDrawing(name, {{297, 210}});
        PlannedView view{"SLOT", {1, 0, 0}, {0, 0, 1}, {25, 10, 5}, {100, 100}, 1.0};
        view.style = PRO_DISPSTYLE_HIDDEN_LINE;
        view.tangentEdges = tangent;
        addView(*drawing, view);
        // From the front and above (the view's y axis tilted back, (0, 0.6, 0.8)) around
        // (100, 30): the tangent edge at the back, hidden, runs from (140, 42) to (140, 50).
        PlannedView tilted{"SLOT", {1, 0, 0}, {0, 0.6, 0.8}, {0, 0, 0}, {100, 30}, 1.0};
        tilted.style = PRO_DISPSTYLE_HIDDEN_LINE;
        tilted.tangentEdges = tangent;
        addView(*drawing, tilted);
        const dxftest::File dxf = written(drawing, name + ".dxf");
        const std::vector<Segment> visible = segments(dxf.on("VISIBLE"));
        const std::vector<Segment> hidden = segments(dxf.on("HIDDEN"));
        EXPECT_TRUE(coveredAlong(visible, {125, 95}, {125, 105}, 1e-6)) << "the outline";
        EXPECT_TRUE(coveredAlong(visible, {75, 105}, {125, 105}, 1e-6)) << "the top";
        const bool shown = tangent != PRO_TANEDGE_NONE;
        EXPECT_EQ(coveredAlong(visible, {115, 95}, {115, 105}, 1e-6), shown);
        EXPECT_EQ(entersBox(visible, {76, 96}, {124, 104}), shown);
        // From the front the tangent edge at the back lies behind the one in front: no
        // dashes on the solid line.
        EXPECT_FALSE(entersBox(hidden, {76, 96}, {124, 104}));
        EXPECT_EQ(coveredAlong(hidden, {140, 42.5}, {140, 49.5}, 1e-6), shown);
    }
}

TEST_F(DxfTest, SheetsLieSideBySideWithTheirViews) {
    REQUIRE_KERNEL();
    loadPart("pin.prt", kPin);
    state::Model* drawing = newDrawing("TWO", {{297, 210}, {420, 297}});
    PlannedView view{"PIN", {1, 0, 0}, {0, 1, 0}, {0, 0, 15}, {50, 60}, 2.0};
    view.sheet = 2;
    addView(*drawing, view);
    const dxftest::File dxf = written(drawing, "two.dxf");
    const std::vector<Segment> border = segments(dxf.on("BORDER"));
    ASSERT_EQ(border.size(), 8u);
    EXPECT_TRUE(isRectangle({border.begin(), border.begin() + 4}, {0, 0}, {297, 210}));
    EXPECT_TRUE(isRectangle({border.begin() + 4, border.end()}, {317, 0}, {737, 297}));
    EXPECT_EQ(dxf.header.at("$EXTMAX"), (std::vector<std::string>{"737.0", "297.0", "0.0"}));
    const std::vector<Segment> visible = segments(dxf.on("VISIBLE"));
    ASSERT_FALSE(visible.empty());
    for (const Segment& s : visible) {
        EXPECT_NEAR(std::hypot(s.a[0] - 367, s.a[1] - 60), 10.0, 1e-6);
    }
}

// A Python interpreter with the ezdxf package, or empty.
std::string ezdxfPython() {
#if defined(_WIN32)
    return "";
#else
    for (const char* python : {"python3", "/usr/bin/python3"}) {
        const std::string probe = std::string(python) + " -c \"import ezdxf\" > /dev/null 2>&1";
        if (std::system(probe.c_str()) == 0) {
            return python;
        }
    }
    return "";
#endif
}

TEST_F(DxfTest, AnIndependentReaderFindsNothingWrong) {
    REQUIRE_KERNEL();
    const std::string python = ezdxfPython();
    if (python.empty()) {
        GTEST_SKIP() << "no Python with the ezdxf package";
    }
    testkit::BoxShape box;
    box.size = {40, 20, 10};
    box.holeRadius = 4;
    loadBoxPart("holed", box);
    state::Model* drawing = newDrawing("CHECKED", {{297, 210}, {420, 297}});
    PlannedView view{"HOLED", {1, 0, 0}, {0, 0, 1}, {20, 10, 5}, {100, 100}, 1.0};
    view.style = PRO_DISPSTYLE_HIDDEN_LINE;
    view.sheet = 2;
    addView(*drawing, view);
    const dxftest::File dxf = written(drawing, "checked.dxf");
    // The reader's audit finds no error, and it sees every line on its layer and the
    // hidden layer drawn dashed.
    const std::string script =
        "import sys, ezdxf\n"
        "doc = ezdxf.readfile(sys.argv[1])\n"
        "if doc.audit().has_errors: sys.exit(1)\n"
        "lines = doc.modelspace().query('LINE')\n"
        "if len(lines) != int(sys.argv[2]): sys.exit(2)\n"
        "if doc.layers.get('HIDDEN').dxf.linetype != 'HIDDEN': sys.exit(3)\n"
        "if len(lines.query('*[layer==\"HIDDEN\"]')) != int(sys.argv[3]): sys.exit(4)\n";
    writeFile("check.py", script);
    const std::string command = python + " \"" + (workDir / "check.py").string() + "\" \"" +
                                (workDir / "checked.dxf").string() + "\" " +
                                std::to_string(dxf.lines.size()) + " " +
                                std::to_string(dxf.on("HIDDEN").size()) + " > /dev/null 2>&1";
    EXPECT_FALSE(dxf.on("HIDDEN").empty());
    EXPECT_EQ(std::system(command.c_str()), 0);
}

TEST_F(DxfTest, RefusalsLeaveNoFile) {
    loadPart("pin.prt", kPin);
    ProMdl pin = nullptr;
    ASSERT_EQ(init(L"PIN", PRO_MDL_PART, &pin), PRO_TK_NO_ERROR);
    state::Model* drawing = newDrawing("REFUSED", {{297, 210}});
    const ProMdl handle = handleOf(drawing);
    Path name("refused.dxf");
    int extra = 0;
    EXPECT_EQ(
        ProOutputFileWrite(nullptr, name.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
        PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputFileWrite(handle, nullptr, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
              PRO_TK_BAD_INPUTS);
    Path empty("");
    EXPECT_EQ(
        ProOutputFileWrite(handle, empty.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
        PRO_TK_BAD_INPUTS);
    EXPECT_EQ(
        ProOutputFileWrite(handle, name.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, &extra),
        PRO_TK_BAD_INPUTS);
    EXPECT_EQ(
        ProOutputFileWrite(handle, name.text, PRO_DXF_FILE, &extra, nullptr, nullptr, nullptr),
        PRO_TK_BAD_INPUTS);
    for (ProImportExportFile type : {PRO_IGES_FILE, PRO_DWG_FILE, PRO_STEP_FILE}) {
        EXPECT_EQ(ProOutputFileWrite(handle, name.text, type, nullptr, nullptr, nullptr, nullptr),
                  PRO_TK_UNSUPPORTED)
            << type;
    }
    EXPECT_EQ(ProOutputFileWrite(pin, name.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
              PRO_TK_BAD_CONTEXT);
    if (!simhost::geometry::kernelAvailable()) {
        EXPECT_EQ(
            ProOutputFileWrite(handle, name.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
            PRO_TK_UNSUPPORTED);
        EXPECT_FALSE(std::filesystem::exists(workDir / "refused.dxf"));
        return;
    }
    Path nowhere("no/such/folder/refused.dxf");
    EXPECT_EQ(
        ProOutputFileWrite(handle, nowhere.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
        PRO_TK_GENERAL_ERROR);
    // A view whose part has left the session: the file would show less than the drawing.
    addView(*drawing, {"PIN", {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, {100, 100}, 1.0});
    ASSERT_EQ(ProMdlErase(pin), PRO_TK_NO_ERROR);
    EXPECT_EQ(
        ProOutputFileWrite(handle, name.text, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
        PRO_TK_E_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(workDir / "refused.dxf"));
}

}  // namespace
