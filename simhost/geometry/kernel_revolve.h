// Solids of revolution from a closed planar profile, and the volume that several placed
// solids hold together (their union, overlaps counted once). Answers host codes like the
// rest of the kernel module; a build without the kernel answers kKernelNotAvailable.
#pragma once

#include <vector>

#include "simhost/geometry/kernel.h"

namespace simhost::geometry {

// One edge of a profile in model coordinates: a line from `start` to `end`, or an arc
// from `start` through `through` to `end`.
struct ProfileEdge {
    bool arc = false;
    Vec3 start{0.0, 0.0, 0.0};
    Vec3 through{0.0, 0.0, 0.0};
    Vec3 end{0.0, 0.0, 0.0};
};

// The solid swept by the face inside the closed, planar `loop` (edges in chain order,
// each starting where the previous ended) turning about the axis through `axisOrigin`
// along `axisDirection`: from `fromAngle` back against the turning sense to `toAngle`
// in it (radians, right-handed about the direction; a total of 2 pi or more is the full
// turn). PRO_TK_BAD_INPUTS for a loop that is not closed, not planar or degenerate, or a
// total angle that is not positive.
ProError solidRevolve(const std::vector<ProfileEdge>& loop, const Vec3& axisOrigin,
                      const Vec3& axisDirection, double fromAngle, double toAngle, int* id);

// The volume of the union of the placed solids (0 for none).
ProError solidsUnionVolume(const std::vector<PlacedSolid>& solids, double* volume);

}  // namespace simhost::geometry
