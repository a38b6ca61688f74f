// Placements: where a coordinate system sits in the coordinates of its model. An origin
// and three orthonormal axes, the axes being the columns of the rotation; applying a
// placement to a point p gives origin + x*p[0] + y*p[1] + z*p[2].
//
// Orientation moves (rotations about, translations along the axes of a reference) and
// composition are the host's own arithmetic; no kernel is needed for them.
#pragma once

#include <array>

namespace simhost::geometry {

using Vec3 = std::array<double, 3>;

struct Placement {
    Vec3 origin{0.0, 0.0, 0.0};
    Vec3 x{1.0, 0.0, 0.0};
    Vec3 y{0.0, 1.0, 0.0};
    Vec3 z{0.0, 0.0, 1.0};
};

// The point p, given in the placement's frame, in the frame the placement is given in.
Vec3 placePoint(const Placement& frame, const Vec3& p);
// The direction d turned by the placement's rotation (no translation).
Vec3 placeDirection(const Placement& frame, const Vec3& d);
// `inner` given in the frame of `outer`, expressed in the frame `outer` is given in:
// as matrices, outer * inner.
Placement compose(const Placement& outer, const Placement& inner);

// The kinds of orientation move, numbered as the element trees number them.
enum class MoveKind { TranslateX = 0, TranslateY, TranslateZ, RotateX, RotateY, RotateZ };
bool moveKindKnown(int kind);

// Applies one move to `placement`, which is given in the frame of the reference: a
// translation moves the origin along the reference's axis by `value`; a rotation turns
// the axes by `value` degrees about the reference's axis (through the origin, which stays).
// Rotations about fixed axes in the order X, Y, Z give Rz * Ry * Rx.
void applyMove(Placement& placement, MoveKind kind, double value);

// True when the axes are unit vectors, pairwise perpendicular and right-handed, within
// `tolerance`, and every number is finite.
bool orthonormal(const Placement& placement, double tolerance = 1e-9);

}  // namespace simhost::geometry
