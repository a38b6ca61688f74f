// A part with coordinate systems and curve features for the curve-element tests, and
// the comparisons they use. Every test starts with an empty curve-element list and the
// initial point tolerance, and leaves them so.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "support/host_fixture.h"

namespace curvestest {

constexpr double kPi = 3.141592653589793;
constexpr double kTol = 1e-9;

// Features of the part: CS0 (the model's frame), CS01 at (10, 20, 30) turned 90 degrees
// about Z, CS02 in the model's frame; OUTLINE, a datum curve of a line, a quarter arc, an
// arc run backwards and a half turn; STRAIGHT, a spline along X of length 10; EMPTY, a
// datum curve without curves; PROFILE, a closed outline in CS0's XZ plane of a cylinder
// of radius 5 and height 20 with a cone of height 12; and a datum point, which is no
// curve.
constexpr int kOutline = 10;
constexpr int kProfile = 50;
constexpr int kStraight = 20;
constexpr int kEmpty = 30;
constexpr int kPoint = 40;

Ardo::kelt2pCurveElement line(const Ardo::Point& start, const Ardo::Point& end);
// An arc about `center` whose normal is `normal` (opposite to its turning axis).
Ardo::kelt2pCurveElement arc(const Ardo::Point& start, const Ardo::Point& end,
                             const Ardo::Point& center, const Ardo::Vector& normal);

// The list through CurveElementsAt.
std::vector<Ardo::kelt2pCurveElement> listed();

::testing::AssertionResult samePoint(const Ardo::Point& expected, const Ardo::Point& actual,
                                     double tol = kTol);

class CurvesTest : public testkit::HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    Ardo::kelt2pMdl part;
};

}  // namespace curvestest
