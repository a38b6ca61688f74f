// The host's solid geometry: volumes, bounding boxes, distances and interference of
// placed solids, STEP files, and the "solids" section of part files.
#include <ProMdl.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "model_helpers.h"
#include "simhost/geometry/kernel.h"
#include "simhost/state/sessions.h"
#include "simhost/state/solids.h"

namespace {

namespace geo = simhost::geometry;
using geo::PlacedSolid;
using geo::Placement;
using geo::Vec3;
using modeltest::load;

constexpr double kPi = 3.14159265358979323846;
constexpr double kExact = 1e-7;

#define REQUIRE_KERNEL()                                                           \
    if (!geo::kernelAvailable()) {                                                 \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

int box(const Vec3& corner, const Vec3& size) {
    int id = 0;
    EXPECT_EQ(geo::solidBox(corner, size, &id), PRO_TK_NO_ERROR);
    return id;
}

double volume(int id) {
    double v = -1.0;
    EXPECT_EQ(geo::solidVolume(id, &v), PRO_TK_NO_ERROR);
    return v;
}

Placement at(const Vec3& origin) {
    Placement p;
    p.origin = origin;
    return p;
}

// Turned by `degrees` about z through `origin`.
Placement turnedZ(double degrees, const Vec3& origin = {0, 0, 0}) {
    double a = degrees * kPi / 180.0;
    Placement p = at(origin);
    p.x = {std::cos(a), std::sin(a), 0};
    p.y = {-std::sin(a), std::cos(a), 0};
    return p;
}

void expectBox(const geo::Box3& box, const Vec3& min, const Vec3& max, double tol = kExact) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(box.min[k], min[k], tol) << "min " << k;
        EXPECT_NEAR(box.max[k], max[k], tol) << "max " << k;
    }
}

class KernelTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        solidsBefore = geo::solidCount();
    }
    void TearDown() override {
        for (int id : made) {
            geo::solidFree(id);
        }
        ConnectedTest::TearDown();
    }
    int keep(int id) {
        made.push_back(id);
        return id;
    }
    simhost::state::PartSolids& solidsOf(ProMdl mdl) {
        simhost::state::Session* s = simhost::state::connected();
        return simhost::state::partSolids(*s->area<simhost::state::ModelStore>().byHandle(mdl));
    }
    std::vector<int> made;
    int solidsBefore = 0;
};

TEST_F(KernelTest, VolumesOfBoxAndCylinderAndBadShapesRefused) {
    REQUIRE_KERNEL();
    EXPECT_NEAR(volume(keep(box({-1, 2, 3}, {10, 20, 30}))), 6000.0, kExact);
    int cylinder = 0;
    ASSERT_EQ(geo::solidCylinder({1, 1, 1}, {0, 3, 4}, 2.0, 5.0, &cylinder), PRO_TK_NO_ERROR);
    keep(cylinder);
    EXPECT_NEAR(volume(cylinder), kPi * 4.0 * 5.0, 1e-6);

    int id = 0;
    EXPECT_EQ(geo::solidBox({0, 0, 0}, {1, 0, 1}, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(geo::solidBox({0, 0, NAN}, {1, 1, 1}, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(geo::solidCylinder({0, 0, 0}, {0, 0, 0}, 1, 1, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(geo::solidCylinder({0, 0, 0}, {0, 0, 1}, -1, 1, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(id, 0);
    double v = 0;
    EXPECT_EQ(geo::solidVolume(987654, &v), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(geo::solidCount(), solidsBefore + 2);
}

TEST_F(KernelTest, BoundingBoxOfTurnedSolidsInTurnedFrames) {
    REQUIRE_KERNEL();
    int block = keep(box({0, 0, 0}, {10, 20, 30}));
    geo::Box3 bounds;
    // Turned a quarter about z: x runs along y, y along -x.
    ASSERT_EQ(geo::solidsBoundingBox({{block, turnedZ(90, {5, 0, 0})}}, Placement(), &bounds),
              PRO_TK_NO_ERROR);
    expectBox(bounds, {-15, 0, 0}, {5, 10, 30});
    // In the frame of that same placement the box is where it was made.
    ASSERT_EQ(
        geo::solidsBoundingBox({{block, turnedZ(90, {5, 0, 0})}}, turnedZ(90, {5, 0, 0}), &bounds),
        PRO_TK_NO_ERROR);
    expectBox(bounds, {0, 0, 0}, {10, 20, 30});
    // An eighth of a turn: the diagonal's projections, exactly.
    ASSERT_EQ(geo::solidsBoundingBox({{block, turnedZ(45)}}, Placement(), &bounds),
              PRO_TK_NO_ERROR);
    double h = std::sqrt(0.5);
    expectBox(bounds, {-20 * h, 0, 0}, {10 * h, 30 * h, 30});

    // A cylinder along x and a second solid: the box of both, from the exact surface.
    int rod = 0;
    ASSERT_EQ(geo::solidCylinder({0, 0, 0}, {1, 0, 0}, 3.0, 50.0, &rod), PRO_TK_NO_ERROR);
    keep(rod);
    ASSERT_EQ(geo::solidsBoundingBox({{rod, at({0, 0, 100})}, {block, Placement()}}, Placement(),
                                     &bounds),
              PRO_TK_NO_ERROR);
    expectBox(bounds, {0, -3, 0}, {50, 20, 103}, 1e-6);

    EXPECT_EQ(geo::solidsBoundingBox({}, Placement(), &bounds), PRO_TK_BAD_INPUTS);
    Placement skewed;
    skewed.x = {1, 1, 0};
    EXPECT_EQ(geo::solidsBoundingBox({{block, skewed}}, Placement(), &bounds), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(geo::solidsBoundingBox({{block, Placement()}}, skewed, &bounds), PRO_TK_BAD_INPUTS);
}

TEST_F(KernelTest, DistanceAndInterferenceOfPlacedBoxes) {
    REQUIRE_KERNEL();
    int a = keep(box({0, 0, 0}, {10, 10, 10}));
    int b = keep(box({0, 0, 0}, {4, 4, 4}));
    struct Case {
        const char* what;
        Placement placeB;
        double distance;
        bool interfere;
    };
    const Case cases[] = {
        {"a gap of 2.5 along x", at({12.5, 3, 3}), 2.5, false},
        {"apart diagonally", at({13, 14, 10}), std::sqrt(9.0 + 16.0), false},
        {"touching faces", at({10, 0, 0}), 0.0, false},
        {"overlapping a corner", at({8, 8, 8}), 0.0, true},
        {"inside the other", at({3, 3, 3}), 0.0, true},
        {"turned, a corner dipping in", turnedZ(45, {11, 5, 0}), 0.0, true},
    };
    for (const Case& c : cases) {
        double distance = -1;
        bool interfere = !c.interfere;
        ASSERT_EQ(geo::solidsDistance({a, Placement()}, {b, c.placeB}, &distance), PRO_TK_NO_ERROR)
            << c.what;
        EXPECT_NEAR(distance, c.distance, kExact) << c.what;
        ASSERT_EQ(geo::solidsInterfere({a, Placement()}, {b, c.placeB}, &interfere),
                  PRO_TK_NO_ERROR)
            << c.what;
        EXPECT_EQ(interfere, c.interfere) << c.what;
    }
    double distance = 0;
    EXPECT_EQ(geo::solidsDistance({a, Placement()}, {424242, Placement()}, &distance),
              PRO_TK_BAD_INPUTS);
}

TEST_F(KernelTest, StepFilesRoundTripAndBadOnesAreRefused) {
    REQUIRE_KERNEL();
    int block = keep(box({0, 0, 0}, {10, 20, 30}));
    int rod = 0;
    ASSERT_EQ(geo::solidCylinder({0, 0, 0}, {0, 0, 1}, 2.0, 7.0, &rod), PRO_TK_NO_ERROR);
    keep(rod);
    std::filesystem::path file = workDir / "pair.stp";
    // The kernel's reader and writer report to the console; the host keeps it quiet.
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    ProError written =
        geo::solidsStepWrite({{block, Placement()}, {rod, turnedZ(30, {50, 0, 0})}}, file);
    int back = 0;
    ProError read = geo::solidStepRead(file, &back);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(written, PRO_TK_NO_ERROR);
    EXPECT_EQ(readText("pair.stp").rfind("ISO-10303-21;", 0), 0u);
    ASSERT_EQ(read, PRO_TK_NO_ERROR);
    keep(back);
    EXPECT_NEAR(volume(back), 6000.0 + kPi * 4.0 * 7.0, 1e-5);
    // The placements were written: the pair spans from the box's corner to the rod.
    geo::Box3 bounds;
    ASSERT_EQ(geo::solidsBoundingBox({{back, Placement()}}, Placement(), &bounds), PRO_TK_NO_ERROR);
    expectBox(bounds, {0, -2, 0}, {52, 20, 30}, 1e-5);

    int count = geo::solidCount();
    int id = 0;
    writeFile("garbage.stp", "ISO-10303-21;\nthis is not what it claims\n");
    EXPECT_EQ(geo::solidStepRead(workDir / "garbage.stp", &id), PRO_TK_INVALID_FILE);
    writeFile("empty.stp", "");
    EXPECT_EQ(geo::solidStepRead(workDir / "empty.stp", &id), PRO_TK_INVALID_FILE);
    EXPECT_EQ(geo::solidStepRead(workDir / "absent.stp", &id), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(geo::solidStepRead(workDir, &id), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(geo::solidsStepWrite({{block, Placement()}}, workDir / "no-dir" / "x.stp"),
              PRO_TK_CANT_WRITE);
    EXPECT_EQ(geo::solidCount(), count);
}

TEST_F(KernelTest, PartFileSolidsLoadSaveAndReloadTheSame) {
    REQUIRE_KERNEL();
    int cutter = keep(box({0, 0, 0}, {1, 2, 3}));
    ASSERT_EQ(geo::solidsStepWrite({{cutter, Placement()}}, workDir / "cutter.stp"),
              PRO_TK_NO_ERROR);
    const std::string solids = R"([
        {"box": {"corner": [0, 0, 0], "size": [10, 20, 30]}},
        {"cylinder": {"origin": [5, 5, 30], "axis": [0, 0, 1], "radius": 2, "height": 10}},
        {"step": "cutter.stp"}
    ])";
    writeFile("holder.prt", R"({"type": "PRT", "solids": )" + solids + "}");
    const std::vector<double> volumes = {6000.0, kPi * 40.0, 6.0};

    auto check = [&](ProMdl mdl, const char* when) {
        const auto& held = solidsOf(mdl).ids();
        ASSERT_EQ(held.size(), volumes.size()) << when;
        for (std::size_t i = 0; i < held.size(); ++i) {
            EXPECT_NEAR(volume(held[i]), volumes[i], 1e-6) << when << " solid " << i;
        }
    };
    ProMdl holder = nullptr;
    ASSERT_EQ(load("holder.prt", &holder), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    check(holder, "loaded");
    EXPECT_EQ(geo::solidCount(), solidsBefore + 1 + 3);
    ASSERT_EQ(ProMdlSave(holder), PRO_TK_NO_ERROR);
    EXPECT_EQ(nlohmann::json::parse(readText("holder.prt"))["solids"],
              nlohmann::json::parse(solids));
    ASSERT_EQ(ProMdlErase(holder), PRO_TK_NO_ERROR);
    EXPECT_EQ(geo::solidCount(), solidsBefore + 1) << "erasing the part frees its solids";
    ASSERT_EQ(load("holder.prt", &holder), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    check(holder, "reloaded");
}

TEST_F(KernelTest, MalformedSolidEntriesMakeTheFileInvalid) {
    writeFile("notastep.stp", "neither JSON nor STEP");
    struct Case {
        std::string solids;
        std::string diagnostic;  // the end of the load diagnostic
        bool needsKernel;
    };
    const Case cases[] = {
        {R"({"box": {}})", "solids: type must be array, but is object", false},
        {R"([{"sphere": {"radius": 1}}])",
         "solids[0].sphere: unknown solid \"sphere\" (box, cylinder or step)", false},
        {R"([{"box": {"corner": [0, 0], "size": [1, 1, 1]}}])",
         "solids[0].box.corner: three numbers expected", false},
        {R"([{"box": {"corner": [0, 0, 0], "size": [1, -1, 1]}}])",
         "solids[0].box.size: sizes must be positive", false},
        {R"([{"box": {"corner": [0, 0, 0], "size": [1, 1, 1]}, "step": "a.stp"}])",
         "solids[0]: one of {\"box\": ...}, {\"cylinder\": ...} or {\"step\": file} expected",
         false},
        {R"([{"cylinder": {"origin": [0, 0, 0], "axis": [0, 0, 0], "radius": 1, "height": 1}}])",
         "solids[0].cylinder.axis: the axis has no direction", false},
        {R"([{"cylinder": {"origin": [0, 0, 0], "axis": [0, 0, 1], "radius": 0, "height": 1}}])",
         "solids[0].cylinder.radius: a positive number expected", false},
        {R"([{"step": "missing.stp"}])", "solids[0].step: no such file: ", false},
        {R"([{"step": "notastep.stp"}])", "solids[0].step: not a STEP file with a solid", true},
    };
    for (const Case& c : cases) {
        if (c.needsKernel && !geo::kernelAvailable()) {
            continue;
        }
        writeFile("bad.prt", R"({"type": "PRT", "solids": )" + c.solids + "}");
        ProMdl mdl = nullptr;
        EXPECT_EQ(load("bad.prt", &mdl), PRO_TK_INVALID_FILE) << c.solids;
        EXPECT_EQ(mdl, nullptr);
        EXPECT_NE(simhost::lastLoadDiagnostic().find(c.diagnostic), std::string::npos)
            << simhost::lastLoadDiagnostic();
    }
    writeFile("frame.asm", R"({"type": "ASM", "solids": []})");
    ProMdl mdl = nullptr;
    EXPECT_EQ(load("frame.asm", &mdl), PRO_TK_INVALID_FILE);
    EXPECT_NE(simhost::lastLoadDiagnostic().find("solids: only parts hold solids"),
              std::string::npos)
        << simhost::lastLoadDiagnostic();
    EXPECT_EQ(geo::solidCount(), solidsBefore) << "a refused file keeps no solid";
}

TEST_F(KernelTest, WithoutTheKernelGeometryIsNotAvailable) {
    if (geo::kernelAvailable()) {
        GTEST_SKIP() << "this build has the geometry kernel";
    }
    int id = 0;
    double v = 0;
    EXPECT_EQ(geo::solidBox({0, 0, 0}, {1, 1, 1}, &id), PRO_TK_UNSUPPORTED);
    EXPECT_EQ(geo::solidVolume(1, &v), PRO_TK_UNSUPPORTED);
    // A part with solids still loads and saves its section unchanged.
    const std::string solids = R"([{"box": {"corner": [0, 0, 0], "size": [1, 2, 3]}}])";
    writeFile("block.prt", R"({"type": "PRT", "solids": )" + solids + "}");
    ProMdl block = nullptr;
    ASSERT_EQ(load("block.prt", &block), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    EXPECT_TRUE(solidsOf(block).ids().empty());
    ASSERT_EQ(ProMdlSave(block), PRO_TK_NO_ERROR);
    EXPECT_EQ(nlohmann::json::parse(readText("block.prt"))["solids"],
              nlohmann::json::parse(solids));
}

}  // namespace
