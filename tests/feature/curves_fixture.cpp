#include "feature/curves_fixture.h"

#include <cmath>
#include <limits>

namespace curvestest {

namespace {

constexpr const char* kPart = R"({"type": "PRT", "features": [
    {"id": 1, "type": 979, "name": "CS0", "items": [{"id": 11, "type": 25}]},
    {"id": 2, "type": 979, "name": "CS01", "items": [{"id": 12, "type": 25,
        "placement": {"origin": [10, 20, 30], "x": [0, 1, 0], "y": [-1, 0, 0],
                      "z": [0, 0, 1]}}]},
    {"id": 3, "type": 979, "name": "CS02", "items": [{"id": 13, "type": 25}]},
    {"id": 10, "type": 949, "name": "OUTLINE", "curves": [
        {"id": 101, "line": {"from": [0, 0, 0], "to": [10, 0, 0]}},
        {"id": 102, "arc": {"origin": [10, 5, 0], "vector1": [0, -1, 0], "vector2": [1, 0, 0],
                            "start": 0, "end": 1.5707963267948966, "radius": 5}},
        {"id": 103, "arc": {"origin": [0, 0, 0], "vector1": [1, 0, 0], "vector2": [0, 1, 0],
                            "start": 1.5707963267948966, "end": 0, "radius": 2}},
        {"id": 104, "arc": {"origin": [0, 0, 5], "vector1": [1, 0, 0], "vector2": [0, 1, 0],
                            "start": 0, "end": 3.141592653589793, "radius": 3}}]},
    {"id": 20, "type": 949, "name": "STRAIGHT", "curves": [
        {"id": 201, "spline": {"points": [[0, 0, 0], [5, 0, 0], [10, 0, 0]]}}]},
    {"id": 30, "type": 949, "name": "EMPTY", "curves": []},
    {"id": 50, "type": 949, "name": "PROFILE", "curves": [
        {"id": 501, "line": {"from": [0, 0, 0], "to": [5, 0, 0]}},
        {"id": 502, "line": {"from": [5, 0, 0], "to": [5, 0, 20]}},
        {"id": 503, "line": {"from": [5, 0, 20], "to": [0, 0, 32]}},
        {"id": 504, "line": {"from": [0, 0, 32], "to": [0, 0, 0]}}]},
    {"id": 40, "type": 931, "name": "P1", "items": [{"id": 41, "type": 66, "xyz": [1, 2, 3]}]}
]})";

}  // namespace

Ardo::kelt2pCurveElement line(const Ardo::Point& start, const Ardo::Point& end) {
    Ardo::kelt2pCurveElement element{};
    element.start = start;
    element.end = end;
    element.isLine = true;
    return element;
}

Ardo::kelt2pCurveElement arc(const Ardo::Point& start, const Ardo::Point& end,
                             const Ardo::Point& center, const Ardo::Vector& normal) {
    Ardo::kelt2pCurveElement element{};
    element.start = start;
    element.end = end;
    element.center = center;
    element.normal = normal;
    element.isLine = false;
    return element;
}

std::vector<Ardo::kelt2pCurveElement> listed() {
    std::vector<Ardo::kelt2pCurveElement> elements;
    // The list's length is what adding nothing returns, read through the accessor.
    for (int i = 0;; ++i) {
        try {
            elements.push_back(Ardo::kelt2pMdl::CurveElementsAt(i));
        } catch (const std::out_of_range&) {
            return elements;
        }
    }
}

::testing::AssertionResult samePoint(const Ardo::Point& expected, const Ardo::Point& actual,
                                     double tol) {
    if (std::fabs(expected.x - actual.x) > tol || std::fabs(expected.y - actual.y) > tol ||
        std::fabs(expected.z - actual.z) > tol) {
        return ::testing::AssertionFailure()
               << "expected (" << expected.x << ", " << expected.y << ", " << expected.z
               << "), got (" << actual.x << ", " << actual.y << ", " << actual.z << ")";
    }
    return ::testing::AssertionSuccess();
}

void CurvesTest::SetUp() {
    HostTest::SetUp();
    Ardo::kelt2pMdl::CurveElementsClear();
    Ardo::Point::ToleranceSet(std::numeric_limits<double>::epsilon());
    launchAndConnect();
    writeFile("tool.prt", kPart);
    part.Load("tool.prt", Ardo::KELT2P_MDL_PART, false);
}

void CurvesTest::TearDown() {
    Ardo::kelt2pMdl::CurveElementsClear();
    Ardo::Point::ToleranceSet(std::numeric_limits<double>::epsilon());
    HostTest::TearDown();
}

}  // namespace curvestest
