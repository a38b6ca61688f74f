// The process-wide curve-element list: appending and reading by index, ordering into
// one chain within the point tolerance, and moving the elements by a matrix.
#include <limits>
#include <stdexcept>
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

TEST_F(CurvesTest, ListReturnsCopiesByIndexAndRefusesEveryIndexOutsideIt) {
    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::CurveElementsAt(0));
    kelt2pCurveElement first = line(Point(0, 0, 0), Point(1, 0, 0));
    first.mark = true;
    EXPECT_EQ(kelt2pMdl::CurveElementsAdd(first), 1);
    EXPECT_EQ(kelt2pMdl::CurveElementsAdd(
                  arc(Point(1, 0, 0), Point(0, 1, 0), Point(0, 0, 0), Vector(0, 0, -1))),
              2);

    kelt2pCurveElement read = kelt2pMdl::CurveElementsAt(0);
    EXPECT_TRUE(read.isLine);
    EXPECT_TRUE(read.mark);
    read.start = Point(5, 5, 5);  // a copy: the list keeps its own
    EXPECT_TRUE(samePoint(Point(0, 0, 0), kelt2pMdl::CurveElementsAt(0).start));
    EXPECT_FALSE(kelt2pMdl::CurveElementsAt(1).isLine);
    EXPECT_FALSE(kelt2pMdl::CurveElementsAt(1).mark);

    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::CurveElementsAt(2));
    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::CurveElementsAt(-1));
    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::CurveElementsAt(-2));

    kelt2pMdl::CurveElementsClear();
    EXPECT_SUBSCRIPT_ERROR(kelt2pMdl::CurveElementsAt(0));
    EXPECT_EQ(kelt2pMdl::CurveElementsAdd(first), 1);
}

TEST_F(CurvesTest, ChainJoinsEndsWithinTheChainToleranceOnly) {
    EXPECT_EQ(Point::ToleranceGet(), std::numeric_limits<double>::epsilon());
    kelt2pMdl::CurveElementsMakeChain();  // an empty list stays empty
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(Point::ToleranceGet(), 0.01);
    // Every later comparison of the process uses it.
    EXPECT_TRUE(Point(1, 1, 1) == Point(1.009, 0.991, 1.0099));
    EXPECT_FALSE(Point(1, 1, 1) == Point(1, 1, 1.011));

    kelt2pMdl::CurveElementsAdd(line(Point(0, 0, 0), Point(10, 0, 0)));
    kelt2pMdl::CurveElementsAdd(line(Point(10, 0.005, 0), Point(10, 5, 0)));
    kelt2pMdl::CurveElementsMakeChain();
    ASSERT_EQ(listed().size(), 2u);

    kelt2pMdl::CurveElementsClear();
    kelt2pMdl::CurveElementsAdd(line(Point(0, 0, 0), Point(10, 0, 0)));
    kelt2pMdl::CurveElementsAdd(line(Point(10, 0.02, 0), Point(10, 5, 0)));
    try {
        kelt2pMdl::CurveElementsMakeChain();
        ADD_FAILURE() << "a gap of 0.02 was chained";
    } catch (const ardotk::no_chain& e) {
        EXPECT_EQ(e.code, 0);
        EXPECT_STREQ(e.text, "");
    }
    // Only the element that did not join is left.
    std::vector<kelt2pCurveElement> left = listed();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(samePoint(Point(10, 0.02, 0), left[0].start));
}

TEST_F(CurvesTest, ChainTurnsElementsStoredTheOtherWayAndPutsThemInFront) {
    // A quarter arc stored from its end, then a line that meets only the chain's start.
    kelt2pMdl::CurveElementsAdd(line(Point(0, 0, 0), Point(10, 0, 0)));
    kelt2pMdl::CurveElementsAdd(
        arc(Point(15, 5, 0), Point(10, 0, 0), Point(10, 5, 0), Vector(0, 0, 1)));
    kelt2pMdl::CurveElementsAdd(line(Point(0, 5, 0), Point(0, 0, 0)));
    kelt2pMdl::CurveElementsMakeChain();

    std::vector<kelt2pCurveElement> chain = listed();
    ASSERT_EQ(chain.size(), 3u);
    EXPECT_TRUE(samePoint(Point(0, 5, 0), chain[0].start));
    EXPECT_TRUE(samePoint(Point(0, 0, 0), chain[1].start));
    EXPECT_TRUE(samePoint(Point(10, 0, 0), chain[2].start));
    EXPECT_TRUE(samePoint(Point(15, 5, 0), chain[2].end));
    EXPECT_TRUE(samePoint(Point(0, 0, -1), chain[2].normal));
    EXPECT_TRUE(samePoint(Point(10, 5, 0), chain[2].center));
}

TEST_F(CurvesTest, TransformMovesPointsAndTurnsNormalsWithoutMovingThem) {
    kelt2pMdl::CurveElementsAdd(
        arc(Point(1, 0, 0), Point(0, 1, 0), Point(0, 0, 0), Vector(0, 0, -1)));
    kelt2pMdl::CurveElementsAdd(line(Point(0, 1, 0), Point(0, 1, 4)));
    Ardo::Matrix m;
    m.RotX(kPi / 2);  // y to z, z to -y
    m.TransAdd(100, 200, 300);
    kelt2pMdl::CurveElementsTransform(m);

    std::vector<kelt2pCurveElement> moved = listed();
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_TRUE(samePoint(Point(101, 200, 300), moved[0].start));
    EXPECT_TRUE(samePoint(Point(100, 200, 301), moved[0].end));
    EXPECT_TRUE(samePoint(Point(100, 200, 300), moved[0].center));
    EXPECT_TRUE(samePoint(Point(0, 1, 0), moved[0].normal));
    EXPECT_TRUE(samePoint(Point(100, 196, 301), moved[1].end));
}

}  // namespace
}  // namespace curvestest
