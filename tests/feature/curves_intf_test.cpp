// Datum curves made from the curve-element list: the curves placed in the coordinate
// system's frame, arcs turning the way their normals say, read back with their lengths;
// the lookup that must find exactly one coordinate system.
#include <ProToolkit.h>

#include <cmath>
#include <vector>

#include "feature/curves_fixture.h"
#include "kelt2proe/error.h"
#include "support/expect.h"

namespace curvestest {
namespace {

using Ardo::kelt2pCurveElement;
using Ardo::kelt2pMdl;
using Ardo::Point;
using Ardo::Vector;

// CS01: origin (10, 20, 30), x along model Y, y along model -X.
Point inCs01(double x, double y, double z) {
    return Point(10 - y, 20 + x, 30 + z);
}

double lengthOf(const kelt2pCurveElement& element) {
    Vector a(element.start.x - element.center.x, element.start.y - element.center.y,
             element.start.z - element.center.z);
    Vector b(element.end.x - element.center.x, element.end.y - element.center.y,
             element.end.z - element.center.z);
    if (element.isLine) {
        return std::hypot(element.end.x - element.start.x, element.end.y - element.start.y,
                          element.end.z - element.start.z);
    }
    // The sweep about the turning axis (-normal), from 0 up to a full turn.
    double sweep = std::atan2((a % b) * element.normal * -1.0 / a.Length(), a * b / a.Length());
    if (sweep <= 0) {
        sweep += 2 * kPi;
    }
    return a.Length() * sweep;
}

// A line, a quarter turn counter-clockwise, a line and a quarter turn clockwise, in the
// XY plane of a coordinate system.
void addContour() {
    kelt2pMdl::CurveElementsAdd(line(Point(0, 0, 0), Point(10, 0, 0)));
    kelt2pMdl::CurveElementsAdd(
        arc(Point(10, 0, 0), Point(15, 5, 0), Point(10, 5, 0), Vector(0, 0, -1)));
    kelt2pMdl::CurveElementsAdd(line(Point(15, 5, 0), Point(15, 10, 0)));
    kelt2pMdl::CurveElementsAdd(
        arc(Point(15, 10, 0), Point(20, 15, 0), Point(20, 10, 0), Vector(0, 0, 1)));
}

TEST_F(CurvesTest, DatumCurveOfTheListLiesInTheCoordinateSystemAndKeepsItsLengths) {
    addContour();
    std::vector<kelt2pCurveElement> drawn = listed();
    int id = part.CreateIntfCurveFeature("CS01", "CONTOUR");
    EXPECT_STREQ(part.FeatureName(id), "CONTOUR");
    // The list is read, not changed.
    EXPECT_EQ(listed().size(), drawn.size());

    ASSERT_EQ(part.CurveElements(id, false, 1.0), 4);
    std::vector<kelt2pCurveElement> read = listed();
    const double expected[] = {10, 5 * kPi / 2, 5, 5 * kPi / 2};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read[i].isLine, drawn[i].isLine);
        EXPECT_TRUE(samePoint(inCs01(drawn[i].start.x, drawn[i].start.y, drawn[i].start.z),
                              read[i].start, 1e-9));
        EXPECT_TRUE(
            samePoint(inCs01(drawn[i].end.x, drawn[i].end.y, drawn[i].end.z), read[i].end, 1e-9));
        EXPECT_NEAR(lengthOf(read[i]), expected[i], 1e-9);
    }
    EXPECT_TRUE(samePoint(inCs01(10, 5, 0), read[1].center, 1e-9));
    EXPECT_TRUE(samePoint(Point(0, 0, -1), read[1].normal, 1e-9));
    EXPECT_TRUE(samePoint(Point(0, 0, 1), read[3].normal, 1e-9));
}

TEST_F(CurvesTest, DatumCurveNeedsExactlyOneCoordinateSystem) {
    addContour();
    EXPECT_THROW_CODE(part.CreateIntfCurveFeature("CS0.*", "CONTOUR"), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "no csys found");
    EXPECT_THROW_CODE(part.CreateIntfCurveFeature("NONE", "CONTOUR"), Ardo::Error,
                      PRO_TK_E_NOT_FOUND, "no csys found");
    EXPECT_EQ(testkit::callCount("ProImportfeatCreate"), 0);

    // An empty name keeps the host's default one.
    int id = part.CreateIntfCurveFeature("CS0", "");
    EXPECT_STRNE(part.FeatureName(id), "");
    EXPECT_EQ(part.CurveElements(id, false, 1.0), 4);
}

TEST_F(CurvesTest, ArcWhoseNormalLiesInItsPlaneIsRefused) {
    kelt2pMdl::CurveElementsAdd(
        arc(Point(1, 0, 0), Point(0, 1, 0), Point(0, 0, 0), Vector(1, 0, 0)));
    EXPECT_THROW_CODE(part.CreateIntfCurveFeature("CS0", "BAD"), ardotk::Error, -1,
                      "falscher Projektionsvektor");
    EXPECT_EQ(testkit::callCount("ProImportfeatCreate"), 0);
}

}  // namespace
}  // namespace curvestest
