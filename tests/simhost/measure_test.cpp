// The host's measurements: outline boxes in a frame, distances between selected items,
// the geometry items of a feature, and the argument rules of the clearance call.
#include <ProDevelop.h>
#include <ProFeature.h>
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
constexpr double kTight = 1e-6;

#define REQUIRE_KERNEL()                                                           \
    if (!simhost::geometry::kernelAvailable()) {                                   \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

// A box 10 x 20 x 30 at the origin, a coordinate system at (-5, 0, 0) and a datum point
// at (0, 0, 50), both outside the box.
const char* const kBlock = R"({
  "type": "PRT",
  "solids": [{"box": {"corner": [0, 0, 0], "size": [10, 20, 30]}}],
  "features": {"list": [
    {"id": 1, "type": 979, "name": "SIDE", "items": [{"id": 2, "type": 25,
      "placement": {"origin": [-5, 0, 0], "x": [1, 0, 0], "y": [0, 1, 0], "z": [0, 0, 1]}}]},
    {"id": 3, "type": 931, "name": "TIPS", "items": [
      {"id": 4, "type": 66, "name": "TIP", "xyz": [0, 0, 50]},
      {"id": 5, "type": 66, "name": "TOE", "xyz": [3, 4, 50]}]}
  ]}
})";

// Datum geometry only.
const char* const kMarks = R"({
  "type": "PRT",
  "features": {"list": [
    {"id": 1, "type": 979, "name": "ORIGIN", "items": [{"id": 2, "type": 25,
      "placement": {"origin": [1, 2, 2], "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1]}}]},
    {"id": 3, "type": 931, "name": "FAR", "items": [{"id": 4, "type": 66, "xyz": [4, 6, 2]}]}
  ]}
})";

// The host matrix of a frame turned by `degrees` about z, with its origin at `origin`.
struct Frame {
    ProMatrix m{};
    Frame(double degrees, const Vec& origin) {
        const double a = degrees * kPi / 180.0;
        const double rows[4][4] = {{std::cos(a), std::sin(a), 0, 0},
                                   {-std::sin(a), std::cos(a), 0, 0},
                                   {0, 0, 1, 0},
                                   {origin[0], origin[1], origin[2], 1}};
        for (int r = 0; r < 4; ++r) {
            for (int k = 0; k < 4; ++k) {
                m[r][k] = rows[r][k];
            }
        }
    }
    // Model coordinates of p expressed in the frame.
    Vec local(const Vec& p) const {
        Vec d{p[0] - m[3][0], p[1] - m[3][1], p[2] - m[3][2]};
        Vec out{};
        for (int r = 0; r < 3; ++r) {
            out[r] = d[0] * m[r][0] + d[1] * m[r][1] + d[2] * m[r][2];
        }
        return out;
    }
};

struct Box {
    Vec min{1e30, 1e30, 1e30};
    Vec max{-1e30, -1e30, -1e30};
    void add(const Vec& p) {
        for (int k = 0; k < 3; ++k) {
            min[k] = std::min(min[k], p[k]);
            max[k] = std::max(max[k], p[k]);
        }
    }
};

// The box in the frame of the corners of the solid box and the extra points.
Box expected(const Frame& frame, const std::vector<Vec>& extra) {
    Box box;
    for (int i = 0; i < 8; ++i) {
        box.add(frame.local({(i & 1) ? 10.0 : 0.0, (i & 2) ? 20.0 : 0.0, (i & 4) ? 30.0 : 0.0}));
    }
    for (const Vec& p : extra) {
        box.add(frame.local(p));
    }
    return box;
}

class MeasureTest : public modeltest::ConnectedTest {
protected:
    ProSolid loadPart(const std::string& file, const char* content) {
        writeFile(file, content);
        ProMdl model = nullptr;
        EXPECT_EQ(load(file, &model), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        return static_cast<ProSolid>(model);
    }

    ProError outline(ProSolid solid, Frame& frame, std::vector<ProSolidOutlExclTypes> excludes,
                     Box& out) {
        Pro3dPnt points[2] = {};
        ProError rc = ProSolidOutlineCompute(solid, frame.m, excludes.data(),
                                             static_cast<int>(excludes.size()), points);
        for (int k = 0; k < 3; ++k) {
            out.min[k] = points[0][k];
            out.max[k] = points[1][k];
        }
        return rc;
    }

    ProSelection select(ProSolid owner, ProType type, int id) {
        ProModelitem item{type, id, owner};
        ProSelection selection = nullptr;
        EXPECT_EQ(ProSelectionAlloc(nullptr, &item, &selection), PRO_TK_NO_ERROR);
        selections.push_back(selection);
        return selection;
    }

    void TearDown() override {
        for (ProSelection& selection : selections) {
            ProSelectionFree(&selection);
        }
        modeltest::ConnectedTest::TearDown();
    }

    std::vector<ProSelection> selections;
};

void expectBox(const Box& actual, const Box& wanted) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(actual.min[k], wanted.min[k], kTight) << "min " << k;
        EXPECT_NEAR(actual.max[k], wanted.max[k], kTight) << "max " << k;
    }
}

TEST_F(MeasureTest, OutlineInTurnedFrameHoldsSolidAndDatumsUnlessExcluded) {
    REQUIRE_KERNEL();
    ProSolid block = loadPart("block.prt", kBlock);
    Frame frame(30.0, {1.0, 2.0, 3.0});
    const Vec side{-5, 0, 0};
    const Vec tip{0, 0, 50};
    const Vec toe{3, 4, 50};

    Box all;
    ASSERT_EQ(outline(block, frame, {}, all), PRO_TK_NO_ERROR);
    expectBox(all, expected(frame, {side, tip, toe}));

    Box noPoints;
    ASSERT_EQ(outline(block, frame, {PRO_OUTL_EXC_DATUM_POINT}, noPoints), PRO_TK_NO_ERROR);
    expectBox(noPoints, expected(frame, {side}));

    Box solidOnly;
    ASSERT_EQ(outline(block, frame,
                      {PRO_OUTL_EXC_DATUM_PLANE, PRO_OUTL_EXC_DATUM_POINT, PRO_OUTL_EXC_DATUM_CSYS,
                       PRO_OUTL_EXC_DATUM_AXES},
                      solidOnly),
              PRO_TK_NO_ERROR);
    expectBox(solidOnly, expected(frame, {}));
}

TEST_F(MeasureTest, OutlineOfDatumsAloneNeedsNoKernel) {
    ProSolid marks = loadPart("marks.prt", kMarks);
    Frame identity(0.0, {0, 0, 0});
    Box box;
    ASSERT_EQ(outline(marks, identity, {}, box), PRO_TK_NO_ERROR);
    expectBox(box, Box{{1, 2, 2}, {4, 6, 2}});

    // Every datum excluded: nothing is left to measure.
    EXPECT_EQ(outline(marks, identity, {PRO_OUTL_EXC_DATUM_POINT, PRO_OUTL_EXC_DATUM_CSYS}, box),
              PRO_TK_E_NOT_FOUND);
    ProSolid empty = static_cast<ProSolid>(modeltest::create(L"EMPTY"));
    EXPECT_EQ(outline(empty, identity, {}, box), PRO_TK_E_NOT_FOUND);
}

TEST_F(MeasureTest, OutlineRefusesBadFramesAndExclusions) {
    ProSolid marks = loadPart("marks.prt", kMarks);
    Box box;
    Frame stretched(0.0, {0, 0, 0});
    stretched.m[0][0] = 2.0;
    EXPECT_EQ(outline(marks, stretched, {}, box), PRO_TK_BAD_INPUTS);
    Frame mirrored(0.0, {0, 0, 0});
    mirrored.m[2][2] = -1.0;  // left-handed
    EXPECT_EQ(outline(marks, mirrored, {}, box), PRO_TK_BAD_INPUTS);
    Frame notANumber(0.0, {0, 0, 0});
    notANumber.m[3][1] = std::nan("");
    EXPECT_EQ(outline(marks, notANumber, {}, box), PRO_TK_BAD_INPUTS);
    Frame fine(0.0, {0, 0, 0});
    EXPECT_EQ(outline(marks, fine, {static_cast<ProSolidOutlExclTypes>(8)}, box),
              PRO_TK_BAD_INPUTS);
    Pro3dPnt points[2] = {};
    EXPECT_EQ(ProSolidOutlineCompute(marks, fine.m, nullptr, 1, points), PRO_TK_BAD_INPUTS);
}

TEST_F(MeasureTest, DistanceBetweenPointsAndCoordinateSystemOrigins) {
    ProSolid marks = loadPart("marks.prt", kMarks);
    double distance = -1.0;
    ASSERT_EQ(
        ProGeomitemDistanceEval(select(marks, PRO_CSYS, 2), select(marks, PRO_POINT, 4), &distance),
        PRO_TK_NO_ERROR);
    EXPECT_NEAR(distance, 5.0, 1e-12);  // (1, 2, 2) to (4, 6, 2)

    // Unknown items, an item of the wrong type, items of two unrelated models.
    EXPECT_EQ(ProGeomitemDistanceEval(select(marks, PRO_POINT, 99), select(marks, PRO_POINT, 4),
                                      &distance),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProGeomitemDistanceEval(select(marks, PRO_POINT, 2), select(marks, PRO_POINT, 4),
                                      &distance),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(
        ProGeomitemDistanceEval(select(marks, PRO_EDGE, 4), select(marks, PRO_POINT, 4), &distance),
        PRO_TK_BAD_INPUTS);
    ProSolid other = loadPart("block.prt", kBlock);
    EXPECT_EQ(ProGeomitemDistanceEval(select(marks, PRO_POINT, 4), select(other, PRO_POINT, 4),
                                      &distance),
              PRO_TK_BAD_INPUTS);
}

TEST_F(MeasureTest, DistanceOfAPartsSolidToItself) {
    REQUIRE_KERNEL();
    ProSolid block = loadPart("block.prt", kBlock);
    int id = 0;
    ASSERT_EQ(ProMdlIdGet(block, &id), PRO_TK_NO_ERROR);
    double distance = -1.0;
    ASSERT_EQ(ProGeomitemDistanceEval(select(block, PRO_PART, id), select(block, PRO_PART, id),
                                      &distance),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(distance, 0.0);
    // A point against a solid is not measured.
    EXPECT_EQ(ProGeomitemDistanceEval(select(block, PRO_PART, id), select(block, PRO_POINT, 4),
                                      &distance),
              PRO_TK_UNSUPPORTED);
}

struct Visited {
    std::vector<std::pair<int, int>> items;  // type, id
    int skip = 0;                            // id the filter passes over
    int stopAt = 0;                          // id whose action ends the visit
};

ProError collect(ProGeomitem* item, ProError, ProAppData data) {
    auto* visited = static_cast<Visited*>(data);
    visited->items.emplace_back(item->type, item->id);
    return item->id == visited->stopAt ? PRO_TK_USER_ABORT : PRO_TK_NO_ERROR;
}

ProError skipOne(ProGeomitem* item, ProAppData data) {
    return item->id == static_cast<Visited*>(data)->skip ? PRO_TK_CONTINUE : PRO_TK_NO_ERROR;
}

TEST_F(MeasureTest, FeatureGeomitemVisitByTypeFilterAndStop) {
    const char* const kMixed = R"({"type": "PRT", "features": {"list": [
      {"id": 1, "type": 931, "name": "MIX", "items": [
        {"id": 2, "type": 66, "name": "P1"}, {"id": 3, "type": 21},
        {"id": 4, "type": 66, "name": "P2"}, {"id": 5, "type": 5}]},
      {"id": 6, "type": 917}]}})";
    ProSolid part = loadPart("mixed.prt", kMixed);
    ProFeature mix{PRO_FEATURE, 1, part};

    Visited all;
    ASSERT_EQ(ProFeatureGeomitemVisit(&mix, PRO_TYPE_UNUSED, collect, nullptr, &all),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(all.items, (std::vector<std::pair<int, int>>{{66, 2}, {21, 3}, {66, 4}, {5, 5}}));

    Visited points;
    points.skip = 2;
    ASSERT_EQ(ProFeatureGeomitemVisit(&mix, PRO_POINT, collect, skipOne, &points), PRO_TK_NO_ERROR);
    EXPECT_EQ(points.items, (std::vector<std::pair<int, int>>{{66, 4}}));

    Visited stopped;
    stopped.stopAt = 3;
    EXPECT_EQ(ProFeatureGeomitemVisit(&mix, PRO_TYPE_UNUSED, collect, nullptr, &stopped),
              PRO_TK_USER_ABORT);
    EXPECT_EQ(stopped.items.size(), 2u);

    Visited none;
    EXPECT_EQ(ProFeatureGeomitemVisit(&mix, PRO_CSYS, collect, nullptr, &none), PRO_TK_E_NOT_FOUND);
    ProFeature bare{PRO_FEATURE, 6, part};
    EXPECT_EQ(ProFeatureGeomitemVisit(&bare, PRO_TYPE_UNUSED, collect, nullptr, &none),
              PRO_TK_E_NOT_FOUND);
    ProFeature gone{PRO_FEATURE, 42, part};
    EXPECT_EQ(ProFeatureGeomitemVisit(&gone, PRO_TYPE_UNUSED, collect, nullptr, &none),
              PRO_TK_E_NOT_FOUND);
    EXPECT_TRUE(none.items.empty());
}

TEST_F(MeasureTest, ClearanceRefusesOtherTypesAndRecordsThatNameNoPlacedPart) {
    ProSolid block = loadPart("block.prt", kBlock);
    ProSolid marks = loadPart("marks.prt", kMarks);
    Select3d first{};
    first.top_model = block;
    first.part_ptr = block;
    Select3d second = first;
    double distance = -1.0;
    int interference = -1;
    EXPECT_EQ(pro_compute_clearance(&first, &second, 1111, &distance, &interference, nullptr),
              PRO_TK_BAD_INPUTS);
    // A part that is not the one at the end of the member path.
    second.part_ptr = marks;
    EXPECT_EQ(pro_compute_clearance(&first, &second, PRO_PART_CLEARANCE, &distance, &interference,
                                    nullptr),
              PRO_TK_BAD_INPUTS);
    // Records of two top models.
    second.top_model = marks;
    EXPECT_EQ(pro_compute_clearance(&first, &second, PRO_PART_CLEARANCE, &distance, &interference,
                                    nullptr),
              PRO_TK_BAD_INPUTS);
    second.memb_num = 26;
    EXPECT_EQ(pro_compute_clearance(&second, &second, PRO_PART_CLEARANCE, &distance, &interference,
                                    nullptr),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(distance, -1.0);
    EXPECT_EQ(interference, -1);
}

}  // namespace
