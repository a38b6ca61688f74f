// Hidden lines along visible ones: which segments go, how broken lines go on, and the
// bound on the work.
#include <gtest/gtest.h>

#include <vector>

#include "simhost/geometry/line_cover.h"

namespace {

using simhost::geometry::dropCoveredSegments;
using simhost::geometry::LinePolyline;

TEST(LineCoverTest, SegmentsAlongTheCoverGoAndBrokenLinesGoOn) {
    // The cover: a line from 0 to 10 on the x axis cut at 4, and a vertical one at x 20.
    const std::vector<LinePolyline> cover = {{{0, 0}, {4, 0}, {10, 0}}, {{20, 0}, {20, 10}}};
    std::vector<LinePolyline> lines = {
        // Along the cut line across its cut: goes.
        {{1, 0}, {9, 0}},
        // Up, along the cover at x 20 from 2 to 8, and on: broken into two.
        {{15, 2}, {20, 2}, {20, 8}, {25, 8}},
        // Parallel to the cover but off by more than the tolerance: stays.
        {{1, 0.01}, {9, 0.01}},
        // Longer than the cover: its middle lies on it, its end does not: stays.
        {{5, 0}, {15, 0}},
        // Crossing the cover: stays.
        {{2, -1}, {2, 1}},
    };
    dropCoveredSegments(lines, cover, 1e-6);
    const std::vector<LinePolyline> expected = {{{15, 2}, {20, 2}},
                                                {{20, 8}, {25, 8}},
                                                {{1, 0.01}, {9, 0.01}},
                                                {{5, 0}, {15, 0}},
                                                {{2, -1}, {2, 1}}};
    EXPECT_EQ(lines, expected);
}

TEST(LineCoverTest, WithoutCoverOrBeyondTheBoundLinesStay) {
    const std::vector<LinePolyline> original = {{{0, 0}, {10, 0}}};
    std::vector<LinePolyline> lines = original;
    dropCoveredSegments(lines, {}, 1e-6);
    EXPECT_EQ(lines, original);

    // A line along a cover, both cut into so many segments that comparing them all would
    // exceed the bound: the line stays although it lies along the cover.
    const std::size_t segments = 10000;
    const std::size_t covering = simhost::geometry::kCoverMaxPairs / segments + 1;
    LinePolyline line;
    for (std::size_t i = 0; i <= segments; ++i) {
        line.push_back({static_cast<double>(i) / segments, 0.0});
    }
    LinePolyline cover;
    for (std::size_t i = 0; i <= covering; ++i) {
        cover.push_back({static_cast<double>(i) / covering, 0.0});
    }
    lines = {line};
    dropCoveredSegments(lines, {cover}, 1e-6);
    EXPECT_EQ(lines, std::vector<LinePolyline>{line});
    // Cut into a hundred segments, the same line goes.
    line.resize(101);
    for (std::size_t i = 0; i < line.size(); ++i) {
        line[i] = {static_cast<double>(i) / 100, 0.0};
    }
    lines = {line};
    dropCoveredSegments(lines, {cover}, 1e-6);
    EXPECT_TRUE(lines.empty());
}

}  // namespace
