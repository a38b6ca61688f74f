// The triangulation the host's faceted exports (STL, VRML) write: the bounds a caller
// gives, checked and defaulted, and the limits that keep a hostile bound from making a
// mesh that exhausts the machine.
#pragma once

#include <cstddef>
#include <vector>

#include "simhost/geometry/kernel.h"

namespace simhost::api {

// The default chord deviation: this share of the solids' bounding-box diagonal.
constexpr double kDefaultChordShare = 1e-3;
// A chord deviation below this share of the diagonal is refused.
constexpr double kSmallestChordShare = 1e-5;
// The default angle between neighbouring facets (radians), and the smallest accepted.
constexpr double kDefaultAngle = 0.5;
constexpr double kSmallestAngle = 0.01;
// A mesh of more triangles is refused.
constexpr std::size_t kMostTriangles = 2000000;

// Triangulates the solids with the chord deviation `chord` (in model units; 0: the
// default) and the angle `angle` (0: the default). PRO_TK_BAD_INPUTS for a bound that
// is negative or not finite, below its smallest accepted value, or that would take more
// than kMostTriangles triangles.
ProError meshWithin(const std::vector<geometry::PlacedSolid>& solids, double chord, double angle,
                    geometry::TriangleMesh* mesh);

}  // namespace simhost::api
