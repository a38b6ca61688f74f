// Revolved solids: profiles turned about their axis into the part's solid, refusals of
// profiles a sketcher would not revolve, the solid following its coordinate system, and
// the part's solid kept through model files and STEP.
#include <ProDimension.h>
#include <ProSolid.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "revolve_helpers.h"
#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_revolve.h"
#include "simhost/state/curves.h"
#include "simhost/state/features.h"
#include "simhost/state/placed_solids.h"
#include "simhost/state/sessions.h"

namespace {

using namespace revolvetest;
namespace geo = simhost::geometry;
namespace state = simhost::state;

#define REQUIRE_KERNEL()                                                           \
    if (!simhost::geometryKernelAvailable()) {                                     \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

constexpr double kRelative = 1e-6;

// The outline of the solid alone, without coordinate-system origins.
ProSolidOutlExclTypes solidOnly[] = {PRO_OUTL_EXC_DATUM_POINT, PRO_OUTL_EXC_DATUM_CSYS};

double volumeOf(ProSolid solid) {
    double volume = -1.0;
    EXPECT_EQ(simhost::modelVolume(solid, &volume), PRO_TK_NO_ERROR);
    return volume;
}

TEST(RevolveKernel, ProfilesOfEitherSenseGiveAPositiveVolumeAndOpenOnesAreRefused) {
    REQUIRE_KERNEL();
    // A 1 x 2 rectangle in the XZ plane, 1 to 2 from the Z axis: a tube.
    std::vector<geo::ProfileEdge> loop;
    const geo::Vec3 corners[] = {{1, 0, 0}, {2, 0, 0}, {2, 0, 2}, {1, 0, 2}};
    for (int k = 0; k < 4; ++k) {
        geo::ProfileEdge edge;
        edge.start = corners[k];
        edge.end = corners[(k + 1) % 4];
        loop.push_back(edge);
    }
    const double tube = kPi * (4.0 - 1.0) * 2.0;
    for (bool reversed : {false, true}) {
        std::vector<geo::ProfileEdge> edges = loop;
        if (reversed) {
            std::reverse(edges.begin(), edges.end());
            for (geo::ProfileEdge& edge : edges) {
                std::swap(edge.start, edge.end);
            }
        }
        int id = 0;
        ASSERT_EQ(geo::solidRevolve(edges, {0, 0, 0}, {0, 0, 1}, 0.0, 2 * kPi, &id),
                  PRO_TK_NO_ERROR);
        double volume = 0.0;
        ASSERT_EQ(geo::solidVolume(id, &volume), PRO_TK_NO_ERROR);
        EXPECT_NEAR(volume, tube, kRelative * tube) << reversed;
        // Two overlapping copies hold the volume once.
        double both = 0.0;
        ASSERT_EQ(geo::solidsUnionVolume({{id, geo::Placement{}}, {id, geo::Placement{}}}, &both),
                  PRO_TK_NO_ERROR);
        EXPECT_NEAR(both, tube, kRelative * tube);
        geo::solidFree(id);
    }
    int id = 0;
    std::vector<geo::ProfileEdge> open(loop.begin(), loop.end() - 1);
    EXPECT_EQ(geo::solidRevolve(open, {0, 0, 0}, {0, 0, 1}, 0.0, kPi, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(geo::solidRevolve(loop, {0, 0, 0}, {0, 0, 1}, 0.0, 0.0, &id), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(geo::solidRevolve(loop, {0, 0, 0}, {0, 0, 0}, 0.0, kPi, &id), PRO_TK_BAD_INPUTS);
    double none = -1.0;
    EXPECT_EQ(geo::solidsUnionVolume({}, &none), PRO_TK_NO_ERROR);
    EXPECT_EQ(none, 0.0);
}

class RevolveTest : public modeltest::ConnectedTest {
protected:
    // Makes an incomplete revolve on a fresh part, lets `draw` fill its section and
    // redefines the feature with it; the redefinition's answer.
    template <typename Draw>
    ProError revolve(Draw&& draw, const std::vector<Move>& moves = {}, double first = 360.0,
                     double second = 0.0) {
        at = sketchable(L"TURNED_" + std::to_wstring(++parts), moves);
        featureId = makeIncomplete(at, first, second);
        EXPECT_NE(featureId, 0);
        SectionTree held = sectionTree(at.solid, featureId);
        EXPECT_NE(held.section, nullptr);
        addAxis(held.section);
        draw(held.section);
        ProError rc = redefine(at.solid, featureId, held.tree);
        ProElementFree(&held.tree);
        return rc;
    }
    Sketchable at;
    int featureId = 0;
    int parts = 0;
};

TEST_F(RevolveTest, ProfilesTurnIntoCylindersConesAndSpheres) {
    REQUIRE_KERNEL();
    const double r = 2.0, l = 5.0, h = 3.0;
    ASSERT_EQ(revolve([&](ProSection s) {
                  addPolygon(s, {{0, 0}, {r, 0}, {r, l}, {0, l}});
              }),
              PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(at.solid), kPi * r * r * l, kRelative * kPi * r * r * l);

    // The same cylinder with a cone on top, its tip on the axis.
    ASSERT_EQ(revolve([&](ProSection s) {
                  addPolygon(s, {{0, 0}, {r, 0}, {r, l}, {0, l + h}});
              }),
              PRO_TK_NO_ERROR);
    double both = kPi * r * r * l + kPi * r * r * h / 3.0;
    EXPECT_NEAR(volumeOf(at.solid), both, kRelative * both);

    // A half disc against the axis makes a sphere.
    const double radius = 1.5;
    ASSERT_EQ(revolve([&](ProSection s) {
                  addArc(s, 0, 0, radius, -kPi / 2, kPi / 2);
                  addLine(s, 0, radius, 0, -radius);
              }),
              PRO_TK_NO_ERROR);
    double sphere = 4.0 / 3.0 * kPi * radius * radius * radius;
    EXPECT_NEAR(volumeOf(at.solid), sphere, kRelative * sphere);
}

TEST_F(RevolveTest, PartialTurnsSweepTheSumOfBothSides) {
    REQUIRE_KERNEL();
    const double r = 2.0, l = 5.0;
    auto rectangle = [&](ProSection s) { addPolygon(s, {{0, 0}, {r, 0}, {r, l}, {0, l}}); };
    ASSERT_EQ(revolve(rectangle, {}, 90.0, 45.0), PRO_TK_NO_ERROR);
    double turned = kPi * r * r * l * (135.0 / 360.0);
    EXPECT_NEAR(volumeOf(at.solid), turned, kRelative * turned);
    // The sketch lies in the XZ plane (the X side at 0 degrees): turning 90 degrees one
    // way and 45 the other reaches 90 degrees from X on one side only.
    ProMatrix identity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    Pro3dPnt box[2];
    ASSERT_EQ(ProSolidOutlineCompute(at.solid, identity, solidOnly, 2, box), PRO_TK_NO_ERROR);
    EXPECT_NEAR(box[1][2], l, 1e-6);
    EXPECT_NEAR(std::max(std::fabs(box[0][1]), std::fabs(box[1][1])), r, 1e-6);
    EXPECT_NEAR(std::min(std::fabs(box[0][1]), std::fabs(box[1][1])), r * std::sin(kPi / 4), 1e-6);
}

TEST_F(RevolveTest, ProfilesASketcherWouldNotRevolveAreRefusedAndTheFeatureStays) {
    REQUIRE_KERNEL();
    struct Case {
        const char* what;
        void (*draw)(ProSection);
    };
    const Case cases[] = {
        {"open",
         [](ProSection s) {
             addLine(s, 0, 0, 2, 0);
             addLine(s, 2, 0, 2, 5);
         }},
        {"crossing the axis",
         [](ProSection s) {
             addPolygon(s, {{-1, 0}, {2, 0}, {2, 5}, {-1, 5}});
         }},
        {"a second axis",
         [](ProSection s) {
             addPolygon(s, {{0, 0}, {2, 0}, {2, 5}, {0, 5}});
             addLine(s, 5, 0, 5, 1, PRO_2D_CENTER_LINE);
         }},
        {"two loops",
         [](ProSection s) {
             addPolygon(s, {{0, 0}, {1, 0}, {1, 1}, {0, 1}});
             addPolygon(s, {{2, 0}, {3, 0}, {3, 1}, {2, 1}});
         }},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(revolve(c.draw), PRO_TK_GENERAL_ERROR) << c.what;
        // The feature is as it was: incomplete, without solid, its tree unchanged.
        EXPECT_DOUBLE_EQ(volumeOf(at.solid), 0.0) << c.what;
        SectionTree kept = sectionTree(at.solid, featureId);
        EXPECT_EQ(ProSectionSolve(kept.section, nullptr), PRO_TK_GENERAL_ERROR) << c.what;
        ProElementFree(&kept.tree);
    }

    // Touching the axis with a vertex is allowed: a cone.
    ASSERT_EQ(revolve([](ProSection s) {
                  addPolygon(s, {{0, 0}, {2, 0}, {0, 3}});
              }),
              PRO_TK_NO_ERROR);
    double cone = kPi * 4.0 * 3.0 / 3.0;
    EXPECT_NEAR(volumeOf(at.solid), cone, kRelative * cone);
    // A failing redefinition of a complete feature keeps its solid.
    SectionTree again = sectionTree(at.solid, featureId);
    addLine(again.section, 5, 5, 6, 6);
    EXPECT_EQ(redefine(at.solid, featureId, again.tree), PRO_TK_GENERAL_ERROR);
    ProElementFree(&again.tree);
    EXPECT_NEAR(volumeOf(at.solid), cone, kRelative * cone);
}

TEST_F(RevolveTest, WithoutTheAxisThereIsNothingToTurnAbout) {
    REQUIRE_KERNEL();
    at = sketchable(L"NOAXIS");
    featureId = makeIncomplete(at);
    SectionTree held = sectionTree(at.solid, featureId);
    addPolygon(held.section, {{0, 0}, {2, 0}, {2, 5}, {0, 5}});
    EXPECT_EQ(redefine(at.solid, featureId, held.tree), PRO_TK_GENERAL_ERROR);
    ProElementFree(&held.tree);
}

TEST_F(RevolveTest, OnlyAnIncompleteFeatureMayHaveAnEmptySection) {
    at = sketchable(L"EMPTY");
    ProElement t = revolveTree(at.solid, at.sketchPlane, at.referencePlane);
    ProFeature made{};
    EXPECT_EQ(createWith(at.solid, t, PRO_FEAT_CR_DEFINE_MISS_ELEMS, &made), PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(createWith(at.solid, t, PRO_FEAT_CR_INCOMPLETE_FEAT, &made), PRO_TK_NO_ERROR);
    ProElementFree(&t);
    ProFeattype type = 0;
    ProFeatureTypeGet(&made, &type);
    EXPECT_EQ(type, 917);

    // A sketch plane that is no datum plane, or a reference parallel to it, is refused.
    ProElement wrong = revolveTree(at.solid, at.sketchPlane, at.sketchPlane);
    EXPECT_EQ(createWith(at.solid, wrong, PRO_FEAT_CR_INCOMPLETE_FEAT, &made),
              PRO_TK_GENERAL_ERROR);
    ProElementFree(&wrong);
    wrong = revolveTree(at.solid, at.csys, at.referencePlane);
    EXPECT_EQ(createWith(at.solid, wrong, PRO_FEAT_CR_INCOMPLETE_FEAT, &made),
              PRO_TK_GENERAL_ERROR);
    ProElementFree(&wrong);
}

TEST_F(RevolveTest, ARedefinitionWithoutKernelFailsWithNotAvailable) {
    if (simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "this build has the geometry kernel";
    }
    EXPECT_EQ(revolve([](ProSection s) {
                  addPolygon(s, {{0, 0}, {2, 0}, {2, 5}, {0, 5}});
              }),
              PRO_TK_UNSUPPORTED);
    double volume = 0.0;
    EXPECT_EQ(simhost::modelVolume(at.solid, &volume), PRO_TK_UNSUPPORTED);
}

TEST_F(RevolveTest, TheSolidFollowsItsCoordinateSystem) {
    REQUIRE_KERNEL();
    // Moved to (10, 20, 30) and turned 90 degrees about X: the axis (Z) now points
    // along -Y.
    const double r = 2.0, l = 5.0;
    ASSERT_EQ(revolve(
                  [&](ProSection s) {
                      addPolygon(s, {{0, 0}, {r, 0}, {r, l}, {0, l}});
                  },
                  {{0, 10}, {1, 20}, {2, 30}, {3, 90}}),
              PRO_TK_NO_ERROR);
    ProMatrix identity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    Pro3dPnt box[2];
    ASSERT_EQ(ProSolidOutlineCompute(at.solid, identity, solidOnly, 2, box), PRO_TK_NO_ERROR);
    const double min[3] = {10 - r, 20 - l, 30 - r};
    const double max[3] = {10 + r, 20, 30 + r};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(box[0][k], min[k], 1e-6) << k;
        EXPECT_NEAR(box[1][k], max[k], 1e-6) << k;
    }

    // Driving the coordinate system's move along X regenerates the solid there.
    ProFeature moved{};
    int csysFeature = 0;
    ProGeomitem item{PRO_CSYS, at.csys, at.solid};
    ASSERT_EQ(ProGeomitemFeatureGet(&item, &moved), PRO_TK_NO_ERROR);
    csysFeature = moved.id;
    std::vector<ProDimension> dims;
    ProFeatureDimensionVisit(
        &moved,
        [](ProDimension* dim, ProError, ProAppData data) {
            static_cast<std::vector<ProDimension>*>(data)->push_back(*dim);
            return PRO_TK_NO_ERROR;
        },
        nullptr, &dims);
    ASSERT_EQ(dims.size(), 4u) << csysFeature;
    ProDimensionValueSet(&dims[0], -7.0);
    ProSolidRegenerate(at.solid, PRO_REGEN_NO_FLAGS);
    ASSERT_EQ(ProSolidOutlineCompute(at.solid, identity, solidOnly, 2, box), PRO_TK_NO_ERROR);
    EXPECT_NEAR(box[0][0], -7 - r, 1e-6);
    EXPECT_NEAR(box[1][0], -7 + r, 1e-6);
    double cylinder = kPi * r * r * l;
    EXPECT_NEAR(volumeOf(at.solid), cylinder, kRelative * cylinder);
}

TEST_F(RevolveTest, ModelFilesAndStepKeepTheSolid) {
    REQUIRE_KERNEL();
    const double r = 2.0, l = 5.0, h = 3.0;
    ASSERT_EQ(revolve(
                  [&](ProSection s) {
                      addPolygon(s, {{0, 0}, {r, 0}, {r, l}, {0, l + h}});
                  },
                  {{0, 4}, {4, 30}}),
              PRO_TK_NO_ERROR);
    double before = volumeOf(at.solid);
    std::wstring name = modeltest::nameOf(at.solid);
    ASSERT_EQ(ProMdlSave(at.solid), PRO_TK_NO_ERROR);
    restart();
    ProMdl loaded = nullptr;
    std::string file(name.begin(), name.end());
    for (char& c : file) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    ASSERT_EQ(modeltest::load(file + ".prt", &loaded), PRO_TK_NO_ERROR);
    at.solid = static_cast<ProSolid>(loaded);
    EXPECT_NEAR(volumeOf(at.solid), before, kRelative * before);
    // The loaded feature hands out its section again.
    SectionTree held = sectionTree(at.solid, featureId);
    EXPECT_EQ(ProSectionSolve(held.section, nullptr), PRO_TK_NO_ERROR);
    ProElementFree(&held.tree);

    // The part's solid written as STEP reads back with its volume.
    state::Session* session = state::connected();
    state::Model* model = session->area<state::ModelStore>().byHandle(at.solid);
    ASSERT_NE(model, nullptr);
    auto solids = state::modelSolidsPlaced(*session, *model, geo::Placement{});
    ASSERT_EQ(solids.size(), 1u);
    ASSERT_EQ(geo::solidsStepWrite(solids, workDir / "turned.step"), PRO_TK_NO_ERROR);
    int read = 0;
    ASSERT_EQ(geo::solidStepRead(workDir / "turned.step", &read), PRO_TK_NO_ERROR);
    double stepVolume = 0.0;
    ASSERT_EQ(geo::solidVolume(read, &stepVolume), PRO_TK_NO_ERROR);
    geo::solidFree(read);
    EXPECT_NEAR(stepVolume, before, 1e-5 * before);
}

TEST_F(RevolveTest, ACurveFeaturesLoopBecomesTheProfile) {
    REQUIRE_KERNEL();
    at = sketchable(L"FROMCURVE");
    featureId = makeIncomplete(at);
    // A curve feature: a rectangle in the XZ plane with a quarter arc for one corner,
    // r = 2 wide, l = 5 high; the arc rounds the top outer corner with radius 1.
    int curveFeature = make(at.solid, 949, L"CONTOUR");
    ASSERT_NE(curveFeature, 0);
    state::Session* session = state::connected();
    state::Model& model = *session->area<state::ModelStore>().byHandle(at.solid);
    auto line = [](geo::Vec3 a, geo::Vec3 b) {
        state::CurveGeometry g;
        g.kind = state::CurveKind::Line;
        g.line.end1 = a;
        g.line.end2 = b;
        return g;
    };
    state::CurveGeometry arc;
    arc.kind = state::CurveKind::Arc;
    arc.arc.origin = {1, 0, 4};
    arc.arc.vector1 = {1, 0, 0};
    arc.arc.vector2 = {0, 0, 1};
    arc.arc.start = 0.0;
    arc.arc.end = kPi / 2;
    arc.arc.radius = 1.0;
    ASSERT_EQ(state::curvesAdd(model, *state::featureFind(model, curveFeature),
                               {line({0, 0, 0}, {2, 0, 0}), line({2, 0, 0}, {2, 0, 4}), arc,
                                line({1, 0, 5}, {0, 0, 5}), line({0, 0, 5}, {0, 0, 0})}),
              PRO_TK_NO_ERROR);
    int firstCurve = itemOf(at.solid, curveFeature, PRO_CURVE);
    ASSERT_NE(firstCurve, 0);

    SectionTree held = sectionTree(at.solid, featureId);
    addAxis(held.section);
    ProModelitem item{PRO_CURVE, firstCurve, at.solid};
    ProSelection selection = nullptr;
    ProSelectionAlloc(nullptr, &item, &selection);
    ProIntlist ids = nullptr;
    int count = 0;
    ASSERT_EQ(ProSectionEntityUseCurveLoop(held.section, selection, &ids, &count), PRO_TK_NO_ERROR);
    EXPECT_EQ(count, 5);
    int size = 0;
    ProArraySizeGet(ids, &size);
    EXPECT_EQ(size, 5);
    ProArrayFree(reinterpret_cast<ProArray*>(&ids));
    ProSelectionFree(&selection);
    ASSERT_EQ(redefine(at.solid, featureId, held.tree), PRO_TK_NO_ERROR);
    ProElementFree(&held.tree);
    // The cylinder r = 2, l = 5 less the ring the rounded corner takes off: the corner
    // square [1, 2] x [4, 5] less the quarter disc, turned about the axis (Pappus).
    double square = 1.0, quarter = kPi / 4.0;
    double squareCentroid = 1.5;
    double quarterCentroid = 1.0 + 4.0 / (3.0 * kPi);
    double cut = 2 * kPi * (square * squareCentroid - quarter * quarterCentroid);
    double expected = kPi * 4.0 * 5.0 - cut;
    EXPECT_NEAR(volumeOf(at.solid), expected, kRelative * expected);

    // A loop that does not close is refused.
    int openFeature = make(at.solid, 949, L"OPEN");
    ASSERT_EQ(state::curvesAdd(model, *state::featureFind(model, openFeature),
                               {line({0, 0, 0}, {2, 0, 0}), line({2, 0, 0}, {2, 0, 4})}),
              PRO_TK_NO_ERROR);
    SectionTree other = sectionTree(at.solid, featureId);
    ProModelitem openItem{PRO_CURVE, itemOf(at.solid, openFeature, PRO_CURVE), at.solid};
    ProSelectionAlloc(nullptr, &openItem, &selection);
    EXPECT_EQ(ProSectionEntityUseCurveLoop(other.section, selection, &ids, &count),
              PRO_TK_GENERAL_ERROR);
    ProSelectionFree(&selection);
    ProElementFree(&other.tree);
}

}  // namespace
