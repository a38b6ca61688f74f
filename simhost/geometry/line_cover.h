// Lines drawn over others: a hidden edge that runs along a visible one (the back edge of a
// block behind its front edge) is not drawn, so that a drawing shows no dashes on its
// solid lines.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace simhost::geometry {

using LinePolyline = std::vector<std::array<double, 2>>;

// Above this many pairs of segments to compare (five points each) the lines are left as they are:
// the drawing then shows some dashes on solid lines, but the work stays bounded.
constexpr std::size_t kCoverMaxPairs = 50000000;

// Removes from `lines` every segment that lies along the lines of `cover` (its ends, middle
// and quarter points within `tolerance` of them); a polyline broken by a removal goes on
// as a new one.
void dropCoveredSegments(std::vector<LinePolyline>& lines, const std::vector<LinePolyline>& cover,
                         double tolerance);

}  // namespace simhost::geometry
