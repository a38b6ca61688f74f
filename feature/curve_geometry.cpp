#include "feature/curve_geometry.h"

#include <cmath>

#include "kelt2proe/error.h"

namespace Ardo {
namespace curves {

namespace {

Vector vectorOf(const double* xyz) {
    return Vector(xyz[0], xyz[1], xyz[2]);
}

}  // namespace

Vector between(const Point& from, const Point& to) {
    return Vector(to.x - from.x, to.y - from.y, to.z - from.z);
}

kelt2pCurveElement lineElement(const Point& start, const Point& end, bool mark) {
    kelt2pCurveElement element{};
    element.start = start;
    element.end = end;
    element.isLine = true;
    element.mark = mark;
    return element;
}

kelt2pCurveElement arcElement(const ProArcdata& arc, bool mark) {
    const Vector e1 = vectorOf(arc.vector1);
    const Vector e2 = vectorOf(arc.vector2);
    const double r = arc.radius;
    const double a0 = arc.start_angle;
    const double a1 = arc.end_angle;
    const Vector s = (e1 * std::cos(a0) + e2 * std::sin(a0)) * r;
    const Vector e = (e1 * std::cos(a1) + e2 * std::sin(a1)) * r;

    kelt2pCurveElement element{};
    element.isLine = false;
    element.mark = mark;
    element.center = Point(arc.origin);
    element.start = element.center + s;
    element.end = element.center + e;

    // The arc turns about e1 x e2 from the start angle up to a larger end angle, and the
    // other way down to a smaller one, whatever its sweep.
    Vector normal = e1 % e2;
    normal.Norm();
    if (a1 >= a0) {
        !normal;
    }
    element.normal = normal;
    return element;
}

double signedAngle(const Vector& a, const Vector& b, const Vector& axis) {
    double c = (a * b) / (a.Length() * b.Length());
    if (std::fabs(c) > 1.0) {
        c /= std::fabs(c);
    }
    const double theta = std::acos(c);
    const Vector cross = a % b;
    const double s = cross * axis;
    if (s < 0.0) {
        return -theta;
    }
    if (s > 0.0) {
        return theta;
    }
    if (Point(cross.x, cross.y, cross.z) == Point(0.0, 0.0, 0.0)) {
        return theta;
    }
    throw ardotk::Error(-1, "falscher Projektionsvektor");
}

}  // namespace curves
}  // namespace Ardo
