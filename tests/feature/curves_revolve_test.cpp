// Revolved solids: a contour drawn in a coordinate system's XZ plane, chained, moved into
// the sketch frame and revolved about the system's Z axis has the volume of the body of
// revolution; the same from a closed curve feature; the lookups that refuse before
// anything is created.
#include <ProMdl.h>
#include <ProToolkit.h>

#include <cmath>
#include <vector>

#include "feature/curves_fixture.h"
#include "kelt2proe/error.h"
#include "kelt2proe/simhost/control.h"
#include "support/expect.h"

namespace curvestest {
namespace {

using Ardo::kelt2pMdl;
using Ardo::Matrix;
using Ardo::Point;
using Ardo::Vector;

constexpr double kRadius = 5;
constexpr double kShank = 20;
constexpr double kTip = 12;
// A cylinder with a cone on it.
constexpr double kConeToolVolume = kPi * kRadius * kRadius * (kShank + kTip / 3);
// A cylinder with a half sphere on it.
constexpr double kBallToolVolume =
    kPi * kRadius * kRadius * kShank + 2.0 / 3.0 * kPi * kRadius * kRadius * kRadius;

// Model coordinates of (x, z) in the XZ plane of `csys` (a coordinate system's matrix).
Point inPlane(const Matrix& csys, double x, double z) {
    return csys * Point(x, 0, z);
}

// Model to sketch coordinates: the sketch's x is the system's X, its y the system's Z,
// its normal the system's -Y.
Matrix toSketch(const Matrix& csys) {
    const double axes[4][4] = {{1, 0, 0, 0}, {0, 0, 1, 0}, {0, -1, 0, 0}, {0, 0, 0, 1}};
    return Matrix(axes) * csys.Inverse();
}

// The volume of the part loaded from tool.prt.
double partVolume() {
    ProMdl model = nullptr;
    ProName name = L"TOOL";
    EXPECT_EQ(ProMdlInit(name, PRO_MDL_PART, &model), PRO_TK_NO_ERROR);
    double volume = -1;
    EXPECT_EQ(simhost::modelVolume(model, &volume), PRO_TK_NO_ERROR);
    return volume;
}

// The lengths of the list's elements, all lines.
std::vector<double> lineLengths() {
    std::vector<double> lengths;
    for (const Ardo::kelt2pCurveElement& element : listed()) {
        EXPECT_TRUE(element.isLine);
        lengths.push_back(std::hypot(element.end.x - element.start.x,
                                     element.end.y - element.start.y,
                                     element.end.z - element.start.z));
    }
    return lengths;
}

class RevolveTest : public CurvesTest {
protected:
    void SetUp() override {
        CurvesTest::SetUp();
        if (!simhost::geometryKernelAvailable()) {
            GTEST_SKIP() << "revolved solids are made on the geometry kernel";
        }
    }
};

// The outline of the cone tool, out of order and partly reversed as curves of a drawing
// come: the axis, the tip, the bottom reversed, the side.
void addConeTool(const Matrix& csys) {
    kelt2pMdl::CurveElementsAdd(line(inPlane(csys, 0, kShank + kTip), inPlane(csys, 0, 0)));
    kelt2pMdl::CurveElementsAdd(
        line(inPlane(csys, kRadius, kShank), inPlane(csys, 0, kShank + kTip)));
    kelt2pMdl::CurveElementsAdd(line(inPlane(csys, kRadius, 0), inPlane(csys, 0, 0)));
    kelt2pMdl::CurveElementsAdd(line(inPlane(csys, kRadius, 0), inPlane(csys, kRadius, kShank)));
}

TEST_F(RevolveTest, ChainedContourMovedIntoTheSketchGivesTheBodyOfRevolution) {
    Matrix cs01 = part.CsysGetTransform("CS01");
    addConeTool(cs01);
    kelt2pMdl::CurveElementsMakeChain();
    Matrix m = toSketch(cs01);
    kelt2pMdl::CurveElementsTransform(m);

    int id = part.CreateRevolveFeature("CS01", "CONE_TOOL");
    EXPECT_STREQ(part.FeatureName(id), "CONE_TOOL");
    EXPECT_NEAR(partVolume(), kConeToolVolume, 1e-6 * kConeToolVolume);

    // The same contour as a datum curve: its curves, read back, have the lengths drawn.
    std::vector<double> drawn = lineLengths();
    int curve = part.CreateIntfCurveFeature("CS01", "CONE_CURVE");
    ASSERT_EQ(part.CurveElements(curve, false, 1.0), 4);
    std::vector<double> read = lineLengths();
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_NEAR(read[i], drawn[i], 1e-9) << "curve " << i;
    }
}

TEST_F(RevolveTest, ArcOfTheContourIsRevolvedAsDrawn) {
    // Side, then a quarter turn counter-clockwise in the sketch up to the axis; its
    // normal, opposite to that turn, is the system's Y.
    Matrix cs0 = part.CsysGetTransform("CS0");
    kelt2pMdl::CurveElementsAdd(line(inPlane(cs0, 0, 0), inPlane(cs0, kRadius, 0)));
    kelt2pMdl::CurveElementsAdd(line(inPlane(cs0, kRadius, 0), inPlane(cs0, kRadius, kShank)));
    kelt2pMdl::CurveElementsAdd(arc(inPlane(cs0, kRadius, kShank),
                                    inPlane(cs0, 0, kShank + kRadius), inPlane(cs0, 0, kShank),
                                    Vector(0, 1, 0)));
    kelt2pMdl::CurveElementsAdd(line(inPlane(cs0, 0, kShank + kRadius), inPlane(cs0, 0, 0)));
    Matrix m = toSketch(cs0);
    kelt2pMdl::CurveElementsTransform(m);

    part.CreateRevolveFeature("CS0", "BALL_TOOL");
    EXPECT_NEAR(partVolume(), kBallToolVolume, 1e-6 * kBallToolVolume);
}

TEST_F(RevolveTest, ListRevolveTakesTheFirstMatchAndNeedsOne) {
    Matrix cs0 = part.CsysGetTransform("CS0");
    addConeTool(cs0);
    kelt2pMdl::CurveElementsMakeChain();
    Matrix m = toSketch(cs0);
    kelt2pMdl::CurveElementsTransform(m);

    EXPECT_THROW_CODE(part.CreateRevolveFeature("NONE", "TOOL"), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      "Ardo::Solid::CsysFindByName");
    EXPECT_EQ(testkit::callCount("ProFeatureCreate"), 0);
    // CS0 and CS01 match; CS0 comes first, and the solid stands on it.
    part.CreateRevolveFeature("CS01|CS0", "TOOL");
    EXPECT_NEAR(partVolume(), kConeToolVolume, 1e-6 * kConeToolVolume);
    Matrix identity;
    Ardo::kelt2pBox box = part.OutlineCompute(identity);
    EXPECT_TRUE(samePoint(Point(-kRadius, -kRadius, 0), box.first, 1e-6));
    EXPECT_TRUE(samePoint(Point(kRadius, kRadius, kShank + kTip), box.second, 1e-6));
}

TEST_F(RevolveTest, ClosedCurveFeatureIsRevolvedAsItsLoop) {
    int id = part.CreateRevolveFeature(kProfile, "CS0", "", false);
    EXPECT_STRNE(part.FeatureName(id), "");
    EXPECT_NEAR(partVolume(), kConeToolVolume, 1e-6 * kConeToolVolume);
    // The curve feature is only read.
    EXPECT_EQ(part.CurveElements(kProfile, false, 1.0), 4);
}

TEST_F(RevolveTest, CurveFeatureRevolveRefusesBeforeCreatingAnything) {
    EXPECT_THROW_CODE(part.CreateRevolveFeature(kEmpty, "CS0", "TOOL", false), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "Ardo::kelt2pMdl::CreateRevolveFeature");
    EXPECT_THROW_CODE(part.CreateRevolveFeature(kOutline, "CS0.*", "TOOL", true), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "no csys found");
    EXPECT_EQ(testkit::callCount("ProFeatureCreate"), 0);
}

}  // namespace
}  // namespace curvestest
