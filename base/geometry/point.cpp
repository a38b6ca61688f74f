// Point: a position with coordinate-wise comparison under the class-wide tolerance.
#include <cmath>

#include "kelt2proe/geometry.h"

namespace Ardo {

double Point::tolerance = 2.220446049250313e-16;

Point::Point() : x(0.0), y(0.0), z(0.0) {}

Point::Point(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

Point::Point(const double* xyz) : x(xyz[0]), y(xyz[1]), z(xyz[2]) {}

bool Point::operator==(const Point& p) const {
    return std::fabs(x - p.x) <= tolerance && std::fabs(y - p.y) <= tolerance &&
           std::fabs(z - p.z) <= tolerance;
}

bool Point::operator!=(const Point& p) const {
    return !(*this == p);
}

Point Point::operator*(const Matrix& M) const {
    const auto& m = M.m;
    return Point(m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3],
                 m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3],
                 m[2][0] * x + m[2][1] * y + m[2][2] * z + m[2][3]);
}

Point& Point::operator*=(const Matrix& M) {
    *this = *this * M;
    return *this;
}

Point Point::operator+(const Vector& v) const {
    return Point(x + v.x, y + v.y, z + v.z);
}

Point& Point::operator+=(const Vector& v) {
    x += v.x;
    y += v.y;
    z += v.z;
    return *this;
}

Point Point::operator-(const Vector& v) const {
    return Point(x - v.x, y - v.y, z - v.z);
}

Point& Point::operator-=(const Vector& v) {
    x -= v.x;
    y -= v.y;
    z -= v.z;
    return *this;
}

void Point::Set(double x_, double y_, double z_) {
    x = x_;
    y = y_;
    z = z_;
}

void Point::Set(const double* xyz) {
    Set(xyz[0], xyz[1], xyz[2]);
}

void Point::ToleranceSet(double tol) {
    tolerance = tol;
}

double Point::ToleranceGet() {
    return tolerance;
}

}  // namespace Ardo
