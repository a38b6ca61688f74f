// Measurements on assemblies: clearance of placed parts (gaps, interference, parts two
// levels down), the outline of a turned component in a turned frame, and distances of
// items selected through component paths.
#include <ProDevelop.h>
#include <ProGeomitem.h>
#include <ProSelection.h>
#include <ProSolid.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "model_helpers.h"
#include "simhost/geometry/kernel.h"

namespace {

using modeltest::load;
using Vec = std::array<double, 3>;

constexpr double kPi = 3.14159265358979323846;

#define REQUIRE_KERNEL()                                                           \
    if (!simhost::geometry::kernelAvailable()) {                                   \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

// A 10 mm cube at the origin with a datum point on its far corner.
const char* const kCube = R"({
  "type": "PRT",
  "solids": [{"box": {"corner": [0, 0, 0], "size": [10, 10, 10]}}],
  "features": {"list": [
    {"id": 1, "type": 931, "name": "CORNER", "items": [{"id": 2, "type": 66, "xyz": [10, 10, 10]}]}
  ]}
})";

std::string placed(int id, const std::string& model, const std::string& type, const Vec& origin,
                   double degreesAboutZ = 0.0) {
    const double a = degreesAboutZ * kPi / 180.0;
    // Six decimals, as a placement written by hand: orthonormal within the file's
    // tolerance, not exactly.
    auto num = [](double v) { return std::to_string(v); };
    return "{\"id\": " + std::to_string(id) + ", \"model\": \"" + model + "\", \"type\": \"" +
           type + "\", \"placement\": {\"origin\": [" + num(origin[0]) + ", " + num(origin[1]) +
           ", " + num(origin[2]) + "], \"x\": [" + num(std::cos(a)) + ", " + num(std::sin(a)) +
           ", 0], \"y\": [" + num(-std::sin(a)) + ", " + num(std::cos(a)) +
           ", 0], \"z\": [0, 0, 1]}}";
}

class MeasureAssemblyTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("cube.prt", kCube);
        // Cube 1 at the origin, cube 2 five beyond it along x, cube 3 overlapping cube 1,
        // and a sub-assembly 4 lifted by 20 holding a cube 1 of its own.
        writeFile("sub.asm", "{\"type\": \"ASM\", \"components\": [" +
                                 placed(1, "cube", "PRT", {0, 0, 0}) + "]}");
        writeFile("cell.asm", "{\"type\": \"ASM\", \"components\": [" +
                                  placed(1, "cube", "PRT", {0, 0, 0}) + ", " +
                                  placed(2, "cube", "PRT", {15, 0, 0}) + ", " +
                                  placed(3, "cube", "PRT", {5, 5, 5}) + ", " +
                                  placed(4, "sub", "ASM", {0, 0, 20}) + "]}");
        ProMdl model = nullptr;
        ASSERT_EQ(load("cell.asm", &model), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        cell = static_cast<ProSolid>(model);
        ASSERT_EQ(modeltest::init(L"CUBE", PRO_MDL_PART, &model), PRO_TK_NO_ERROR);
        cube = static_cast<ProSolid>(model);
    }

    Select3d record(const std::vector<int>& path, ProSolid part = nullptr) {
        Select3d out{};
        out.sel_type = 0;
        out.selected_id = -1;
        out.top_model = cell;
        out.part_ptr = part != nullptr ? part : cube;
        out.selected_ptr = out.part_ptr;
        out.memb_num = static_cast<int>(path.size());
        std::copy(path.begin(), path.end(), out.memb_id_tab);
        return out;
    }

    ProError clearance(const std::vector<int>& a, const std::vector<int>& b, double& distance,
                       int& interference) {
        Select3d first = record(a);
        Select3d second = record(b);
        double points[2][3] = {};
        return static_cast<ProError>(pro_compute_clearance(&first, &second, PRO_PART_CLEARANCE,
                                                           &distance, &interference, points));
    }

    ProSelection select(const std::vector<int>& path, ProType type, int id) {
        ProAsmcomppath p{};
        p.owner = cell;
        p.table_num = static_cast<int>(path.size());
        std::copy(path.begin(), path.end(), p.comp_id_table);
        int cubeId = 0;
        ProMdlIdGet(cube, &cubeId);
        ProModelitem item{type, type == PRO_PART ? cubeId : id, cube};
        ProSelection selection = nullptr;
        EXPECT_EQ(ProSelectionAlloc(&p, &item, &selection), PRO_TK_NO_ERROR);
        selections.push_back(selection);
        return selection;
    }

    void TearDown() override {
        for (ProSelection& selection : selections) {
            ProSelectionFree(&selection);
        }
        EXPECT_EQ(simhost::liveObjects(), 0);
        ConnectedTest::TearDown();
    }

    ProSolid cell = nullptr;
    ProSolid cube = nullptr;
    std::vector<ProSelection> selections;
};

TEST_F(MeasureAssemblyTest, ClearanceIsTheGapOrInterference) {
    REQUIRE_KERNEL();
    double distance = -1.0;
    int interference = -1;
    ASSERT_EQ(clearance({1}, {2}, distance, interference), PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, 5.0, 1e-7);
    EXPECT_EQ(interference, 0);

    ASSERT_EQ(clearance({1}, {3}, distance, interference), PRO_TK_NO_ERROR);
    EXPECT_EQ(interference, 1);
    EXPECT_EQ(distance, 0.0);

    // The cube two levels down sits 10 above cube 1.
    ASSERT_EQ(clearance({4, 1}, {1}, distance, interference), PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, 10.0, 1e-7);
    EXPECT_EQ(interference, 0);
    // Cube 3 reaches up to 15: 5 below the lifted cube.
    ASSERT_EQ(clearance({3}, {4, 1}, distance, interference), PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, 5.0, 1e-7);
}

TEST_F(MeasureAssemblyTest, ClearanceRefusesPathsThatEndElsewhere) {
    double distance = -1.0;
    int interference = -1;
    // The path ends at the sub-assembly, not at the part.
    EXPECT_EQ(clearance({4}, {1}, distance, interference), PRO_TK_BAD_INPUTS);
    // No component 9; a path that goes on below a part.
    EXPECT_EQ(clearance({9}, {1}, distance, interference), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(clearance({1, 1}, {1}, distance, interference), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(distance, -1.0);
}

TEST_F(MeasureAssemblyTest, OutlineOfATurnedComponentInATurnedFrame) {
    REQUIRE_KERNEL();
    writeFile("turned.asm", "{\"type\": \"ASM\", \"components\": [" +
                                placed(1, "cube", "PRT", {5, 0, 0}, 30.0) + "]}");
    ProMdl turned = nullptr;
    ASSERT_EQ(load("turned.asm", &turned), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();

    // The frame: turned by -10 degrees about z, its origin at (1, 1, 1).
    const double b = -10.0 * kPi / 180.0;
    ProMatrix frame = {{std::cos(b), std::sin(b), 0, 0},
                       {-std::sin(b), std::cos(b), 0, 0},
                       {0, 0, 1, 0},
                       {1, 1, 1, 1}};
    // The cube's corners placed by the component (30 degrees about z at (5, 0, 0)), then
    // expressed in the frame.
    const double a = 30.0 * kPi / 180.0;
    Vec low{1e30, 1e30, 1e30};
    Vec high{-1e30, -1e30, -1e30};
    for (int i = 0; i < 8; ++i) {
        const Vec c{(i & 1) ? 10.0 : 0.0, (i & 2) ? 10.0 : 0.0, (i & 4) ? 10.0 : 0.0};
        const Vec p{5 + c[0] * std::cos(a) - c[1] * std::sin(a),
                    c[0] * std::sin(a) + c[1] * std::cos(a), c[2]};
        const Vec d{p[0] - 1, p[1] - 1, p[2] - 1};
        for (int r = 0; r < 3; ++r) {
            const double local = d[0] * frame[r][0] + d[1] * frame[r][1] + d[2] * frame[r][2];
            low[r] = std::min(low[r], local);
            high[r] = std::max(high[r], local);
        }
    }
    Pro3dPnt box[2] = {};
    ASSERT_EQ(ProSolidOutlineCompute(static_cast<ProSolid>(turned), frame, nullptr, 0, box),
              PRO_TK_NO_ERROR);
    for (int r = 0; r < 3; ++r) {
        EXPECT_NEAR(box[0][r], low[r], 1e-5) << r;
        EXPECT_NEAR(box[1][r], high[r], 1e-5) << r;
    }
}

TEST_F(MeasureAssemblyTest, DistanceOfItemsSelectedThroughComponents) {
    double distance = -1.0;
    // The corner points of cube 1 (10, 10, 10) and cube 2 (25, 10, 10).
    ASSERT_EQ(
        ProGeomitemDistanceEval(select({1}, PRO_POINT, 2), select({2}, PRO_POINT, 2), &distance),
        PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, 15.0, 1e-9);
    // Two levels down: (10, 10, 30).
    ASSERT_EQ(
        ProGeomitemDistanceEval(select({1}, PRO_POINT, 2), select({4, 1}, PRO_POINT, 2), &distance),
        PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, 20.0, 1e-9);
    // A path whose end is not the item's model.
    EXPECT_EQ(
        ProGeomitemDistanceEval(select({4}, PRO_POINT, 2), select({1}, PRO_POINT, 2), &distance),
        PRO_TK_BAD_INPUTS);
}

TEST_F(MeasureAssemblyTest, DistanceOfPlacedSolids) {
    REQUIRE_KERNEL();
    double distance = -1.0;
    ASSERT_EQ(
        ProGeomitemDistanceEval(select({1}, PRO_PART, 0), select({2}, PRO_PART, 0), &distance),
        PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, 5.0, 1e-7);
    ASSERT_EQ(
        ProGeomitemDistanceEval(select({2}, PRO_PART, 0), select({4, 1}, PRO_PART, 0), &distance),
        PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, std::hypot(5.0, 10.0), 1e-7);
}

}  // namespace
