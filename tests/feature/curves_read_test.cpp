// Reading curve features into the curve-element list: lines and arcs with the
// orientation of their normals, free-form curves cut into lines, replacing against
// appending, and the refusals that leave the list as it was.
#include <ProToolkit.h>

#include <cmath>
#include <limits>
#include <vector>

#include "feature/curves_fixture.h"
#include "kelt2proe/error.h"
#include "kelt2proe/simhost/control.h"
#include "support/expect.h"

namespace curvestest {
namespace {

using Ardo::kelt2pCurveElement;
using Ardo::kelt2pMdl;
using Ardo::Point;

constexpr const char* kReadText = "Ardo::kelt2pMdl::CurveElements";
constexpr const char* kAddText = "Ardo::kelt2pMdl::CurveElementsAdd";

TEST_F(CurvesTest, LinesAndArcsAreReadWithNormalsOppositeToTheirTurn) {
    ASSERT_EQ(part.CurveElements(kOutline, true, 1.0), 4);
    std::vector<kelt2pCurveElement> read = listed();

    EXPECT_TRUE(read[0].isLine);
    EXPECT_TRUE(read[0].mark);
    EXPECT_TRUE(samePoint(Point(0, 0, 0), read[0].start));
    EXPECT_TRUE(samePoint(Point(10, 0, 0), read[0].end));

    // A quarter turn about +Z from (10, 0) to (15, 5).
    EXPECT_FALSE(read[1].isLine);
    EXPECT_TRUE(read[1].mark);
    EXPECT_TRUE(samePoint(Point(10, 0, 0), read[1].start));
    EXPECT_TRUE(samePoint(Point(15, 5, 0), read[1].end));
    EXPECT_TRUE(samePoint(Point(10, 5, 0), read[1].center));
    EXPECT_TRUE(samePoint(Point(0, 0, -1), read[1].normal));

    // Run backwards, from angle pi/2 down to 0: it turns about -Z.
    EXPECT_TRUE(samePoint(Point(0, 2, 0), read[2].start));
    EXPECT_TRUE(samePoint(Point(2, 0, 0), read[2].end));
    EXPECT_TRUE(samePoint(Point(0, 0, 1), read[2].normal));

    // Half a turn: its ends give no plane, the arc's own plane does.
    EXPECT_TRUE(samePoint(Point(3, 0, 5), read[3].start));
    EXPECT_TRUE(samePoint(Point(-3, 0, 5), read[3].end));
    EXPECT_TRUE(samePoint(Point(0, 0, -1), read[3].normal));
    EXPECT_TRUE(std::isfinite(read[3].normal.x));
}

TEST_F(CurvesTest, FreeFormCurveIsCutIntoLinesNoLongerThanTheTolerance) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "free-form curves are measured on the geometry kernel";
    }
    // Length 10 with tolerance 3: four lines of 2.5, end to end.
    ASSERT_EQ(part.CurveElements(kStraight, false, 3.0), 4);
    std::vector<kelt2pCurveElement> cut = listed();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(cut[i].isLine);
        EXPECT_NEAR(cut[i].end.x - cut[i].start.x, 2.5, 1e-6) << "line " << i;
        if (i > 0) {
            EXPECT_TRUE(samePoint(cut[i - 1].end, cut[i].start));
        }
    }
    EXPECT_TRUE(samePoint(Point(0, 0, 0), cut.front().start, 1e-9));
    EXPECT_TRUE(samePoint(Point(10, 0, 0), cut.back().end, 1e-9));

    // A tolerance above the length gives the one line from end to end.
    EXPECT_EQ(part.CurveElements(kStraight, false, 25.0), 1);
    EXPECT_TRUE(samePoint(Point(10, 0, 0), kelt2pMdl::CurveElementsAt(0).end, 1e-9));
}

TEST_F(CurvesTest, ReadingReplacesTheListAndAddingAppendsToIt) {
    kelt2pMdl::CurveElementsAdd(line(Point(7, 7, 7), Point(8, 8, 8)));
    EXPECT_EQ(part.CurveElementsAdd(kOutline, false, 1.0), 5);
    EXPECT_TRUE(samePoint(Point(7, 7, 7), kelt2pMdl::CurveElementsAt(0).start));
    EXPECT_FALSE(kelt2pMdl::CurveElementsAt(4).mark);

    EXPECT_EQ(part.CurveElements(kOutline, false, 1.0), 4);
    EXPECT_TRUE(samePoint(Point(0, 0, 0), kelt2pMdl::CurveElementsAt(0).start));
    EXPECT_EQ(part.CurveElementsAdd(kEmpty, false, 1.0), 4);
    EXPECT_EQ(part.CurveElements(kEmpty, false, 1.0), 0);
}

TEST_F(CurvesTest, RefusedReadingsLeaveTheListAsItWas) {
    kelt2pMdl::CurveElementsAdd(line(Point(7, 7, 7), Point(8, 8, 8)));

    // A tolerance that is not a positive number, before any host call.
    simhost::clearJournal();
    for (double tolerance : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW_CODE(part.CurveElements(kOutline, false, tolerance), Ardo::Error,
                          PRO_TK_BAD_INPUTS, kReadText);
        EXPECT_THROW_CODE(part.CurveElementsAdd(kOutline, false, tolerance), Ardo::Error,
                          PRO_TK_BAD_INPUTS, kAddText);
    }
    EXPECT_EQ(testkit::callCount("ProFeatureInit"), 0);

    EXPECT_THROW_CODE(part.CurveElements(kPoint, false, 1.0), ardotk::Error, PRO_TK_GENERAL_ERROR,
                      "feature is no curve");
    EXPECT_THROW_CODE(part.CurveElements(999, false, 1.0), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      kReadText);
    EXPECT_THROW_CODE(part.CurveElementsAdd(999, false, 1.0), Ardo::Error, PRO_TK_E_NOT_FOUND,
                      kAddText);
    ASSERT_EQ(listed().size(), 1u);
    EXPECT_TRUE(samePoint(Point(7, 7, 7), kelt2pMdl::CurveElementsAt(0).start));

    kelt2pMdl unbound;
    EXPECT_THROW_CODE(unbound.CurveElements(kOutline, false, 1.0), Ardo::Error, PRO_TK_EMPTY,
                      kReadText);
}

TEST_F(CurvesTest, ToleranceTooFineForTheCurveIsRefused) {
    if (!simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "free-form curves are measured on the geometry kernel";
    }
    // Far more lines than any contour needs, and steps below the parameter's precision.
    EXPECT_THROW_CODE(part.CurveElements(kStraight, false, 1e-17), Ardo::Error, PRO_TK_BAD_INPUTS,
                      kReadText);
    EXPECT_TRUE(listed().empty());
}

}  // namespace
}  // namespace curvestest
