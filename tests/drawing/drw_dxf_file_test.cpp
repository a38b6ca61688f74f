// The DXF file of the second DXF procedure: a cylinder seen from the side is the rectangle
// of its length and diameter, centred where the procedure placed the view.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <string>

#include "drawing/drw_fixture.h"

namespace {

using Ardo::kelt2pDrw;
using Ardo::kelt2pMdl;
using drwtest::DrawingTest;

// A cylinder of length 60 along x and diameter 20, its middle at (30, 0, 0), where the
// coordinate system M_0 is; ZRV looks along z.
constexpr const char* kCylinder = R"({
  "features": [{"id": 1, "type": 979, "name": "M_0",
                "items": [{"id": 2, "type": 25, "placement": {"origin": [30, 0, 0],
                           "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}}]}],
  "views": {"named": [{"name": "FASYS", "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1]},
                      {"name": "ZRV", "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}]},
  "solids": [{"cylinder": {"origin": [0, 0, 0], "axis": [1, 0, 0], "radius": 10, "height": 60}}]
})";

struct Extent {
    double minX = std::numeric_limits<double>::max();
    double minY = std::numeric_limits<double>::max();
    double maxX = std::numeric_limits<double>::lowest();
    double maxY = std::numeric_limits<double>::lowest();
    int lines = 0;

    void add(double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

// The extent of the LINE entities of `layer` in a DXF file: pairs of group code and value.
Extent lineExtent(const std::string& file, const std::string& layer) {
    std::ifstream in(file);
    Extent extent;
    std::string code;
    std::string value;
    bool inLine = false;
    bool onLayer = false;
    double x = 0.0;
    while (std::getline(in, code) && std::getline(in, value)) {
        const int group = std::stoi(code);
        if (!value.empty() && value.back() == '\r') {
            value.pop_back();
        }
        if (group == 0) {
            inLine = value == "LINE";
            onLayer = false;
            continue;
        }
        if (!inLine) {
            continue;
        }
        if (group == 8) {
            onLayer = value == layer;
            extent.lines += onLayer ? 1 : 0;
        } else if (onLayer && (group == 10 || group == 11)) {
            x = std::stod(value);
        } else if (onLayer && (group == 20 || group == 21)) {
            extent.add(x, std::stod(value));
        }
    }
    return extent;
}

TEST_F(DrawingTest, TestDxf2ShowsTheCylinderWhereTheViewWasPlaced) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "no geometry kernel";
    }
    writeTemplate("plain", drwtest::kPlainTemplate);
    kelt2pMdl cylinder = part("cylinder.prt", kCylinder);
    kelt2pDrw drw;
    drw.TestDXF2("ABC", "plain", cylinder);
    const Extent visible = lineExtent((workDir / "ABC").string(), "VISIBLE");
    ASSERT_GT(visible.lines, 0);

    // The A3 sheet's screen transform: drawing = k * screen + o. The trial view at
    // p1 = (D - o) / k shows M_0, the solid's middle, at p1 on the screen; turned by the
    // identity and taken back, q = (p1 - o) / k; the view lands at k * (p1 + q) + o.
    const double k = 25.4 / 72.0;
    const double o[2] = {210.0, 148.5};
    const double requested[2] = {100.0, -200.0};
    for (int axis = 0; axis < 2; ++axis) {
        const double p1 = (requested[axis] - o[axis]) / k;
        const double q = (p1 - o[axis]) / k;
        const double centre = k * (p1 + q) + o[axis];
        const double seen =
            axis == 0 ? (visible.minX + visible.maxX) / 2.0 : (visible.minY + visible.maxY) / 2.0;
        EXPECT_NEAR(seen, centre, 1e-6) << "axis " << axis;
    }
    const double length = visible.maxX - visible.minX;
    const double diameter = visible.maxY - visible.minY;
    ASSERT_GT(diameter, 0.0);
    EXPECT_NEAR(length / diameter, 3.0, 1e-6);
}

}  // namespace
