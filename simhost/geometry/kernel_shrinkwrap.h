// The host's shrinkwrap: the outer shape of placed solids, and faceted (STL) files of a
// solid. Answers host codes like the rest of the kernel module; a build without the
// kernel answers kKernelNotAvailable.
#pragma once

#include <filesystem>
#include <vector>

#include "simhost/geometry/kernel.h"

namespace simhost::geometry {

// The outer shape of the placed solids as one new solid: their union (overlaps merged).
// With `fillVoids`, each solid of the union keeps its outer shell only, so that closed
// inner cavities are filled. Holes open to the outside stay. PRO_TK_BAD_INPUTS for an
// empty list or an unknown solid.
ProError solidsShrinkwrap(const std::vector<PlacedSolid>& solids, bool fillVoids, int* id);

// Writes the solid's triangulation as an ASCII STL file. `quality` 1 (coarse) to 10
// (fine) sets how far a facet may stray from the surface: 1 % of the solid's bounding
// diagonal at quality 1, a tenth of that at 10 (and the angle between neighbouring
// facets alike). `*triangles` receives the number written. PRO_TK_CANT_WRITE when the
// file cannot be written.
ProError solidStlWrite(int id, const std::filesystem::path& file, int quality, int* triangles);

}  // namespace simhost::geometry
