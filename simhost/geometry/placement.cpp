#include "simhost/geometry/placement.h"

#include <cmath>

namespace simhost::geometry {

namespace {

constexpr double kPi = 3.14159265358979323846;

double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// Turns v by `radians` about the coordinate axis `axis` (0 x, 1 y, 2 z), right-handed.
Vec3 turn(const Vec3& v, int axis, double radians) {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const int i = (axis + 1) % 3;
    const int j = (axis + 2) % 3;
    Vec3 out = v;
    out[i] = c * v[i] - s * v[j];
    out[j] = s * v[i] + c * v[j];
    return out;
}

}  // namespace

Vec3 placeDirection(const Placement& frame, const Vec3& d) {
    Vec3 out{};
    for (int r = 0; r < 3; ++r) {
        out[r] = frame.x[r] * d[0] + frame.y[r] * d[1] + frame.z[r] * d[2];
    }
    return out;
}

Vec3 placePoint(const Placement& frame, const Vec3& p) {
    Vec3 out = placeDirection(frame, p);
    for (int r = 0; r < 3; ++r) {
        out[r] += frame.origin[r];
    }
    return out;
}

Placement compose(const Placement& outer, const Placement& inner) {
    Placement out;
    out.origin = placePoint(outer, inner.origin);
    out.x = placeDirection(outer, inner.x);
    out.y = placeDirection(outer, inner.y);
    out.z = placeDirection(outer, inner.z);
    return out;
}

bool moveKindKnown(int kind) {
    return kind >= static_cast<int>(MoveKind::TranslateX) &&
           kind <= static_cast<int>(MoveKind::RotateZ);
}

void applyMove(Placement& placement, MoveKind kind, double value) {
    const int k = static_cast<int>(kind);
    if (k < 3) {
        placement.origin[k] += value;
        return;
    }
    const double radians = value * kPi / 180.0;
    placement.x = turn(placement.x, k - 3, radians);
    placement.y = turn(placement.y, k - 3, radians);
    placement.z = turn(placement.z, k - 3, radians);
}

bool orthonormal(const Placement& p, double tolerance) {
    for (const Vec3* v : {&p.origin, &p.x, &p.y, &p.z}) {
        for (double c : *v) {
            if (!std::isfinite(c)) {
                return false;
            }
        }
    }
    const Vec3 z = cross(p.x, p.y);
    return std::fabs(dot(p.x, p.x) - 1.0) <= tolerance &&
           std::fabs(dot(p.y, p.y) - 1.0) <= tolerance && std::fabs(dot(p.x, p.y)) <= tolerance &&
           std::fabs(z[0] - p.z[0]) <= tolerance && std::fabs(z[1] - p.z[1]) <= tolerance &&
           std::fabs(z[2] - p.z[2]) <= tolerance;
}

}  // namespace simhost::geometry
