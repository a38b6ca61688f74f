// The geometry shared by the curve operations: the plane normal of a host arc and the
// signed angle between two directions about an axis.
#pragma once

#include <ProGeomitemdata.h>

#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"

namespace Ardo {
namespace curves {

// The element of a host arc: its ends, its centre and its unit normal, opposite to the
// axis the arc turns about from its start angle to its end angle. The normal comes from
// the arc's plane (e1 x e2), not from its ends, which give no plane for half a turn.
kelt2pCurveElement arcElement(const ProArcdata& arc, bool mark);

// The displacement from `from` to `to`.
Vector between(const Point& from, const Point& to);

// A straight element from `start` to `end`.
kelt2pCurveElement lineElement(const Point& start, const Point& end, bool mark);

// The angle from `a` to `b`, positive when a x b points along `axis`. Parallel and
// antiparallel directions give 0 and pi; other directions in a plane that contains the
// axis raise ardotk::Error(-1, "falscher Projektionsvektor").
double signedAngle(const Vector& a, const Vector& b, const Vector& axis);

}  // namespace curves
}  // namespace Ardo
