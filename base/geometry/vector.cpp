// Vector: direction arithmetic, normalisation and the signed angle between two vectors.
#include <cmath>

#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"

namespace Ardo {

Vector::Vector() = default;

Vector::Vector(double x_, double y_, double z_) : Point(x_, y_, z_) {}

Vector::Vector(const double* xyz) : Point(xyz) {}

Vector Vector::operator=(const Point& p) {
    x = p.x;
    y = p.y;
    z = p.z;
    return *this;
}

Vector Vector::operator+(const Vector& v) const {
    return Vector(x + v.x, y + v.y, z + v.z);
}

Vector& Vector::operator+=(const Vector& v) {
    Point::operator+=(v);
    return *this;
}

Vector Vector::operator-(const Vector& v) const {
    return Vector(x - v.x, y - v.y, z - v.z);
}

Vector& Vector::operator-=(const Vector& v) {
    Point::operator-=(v);
    return *this;
}

Vector Vector::operator*(const double& s) const {
    return Vector(x * s, y * s, z * s);
}

Vector& Vector::operator*=(const double& s) {
    x *= s;
    y *= s;
    z *= s;
    return *this;
}

Vector Vector::operator*(const Matrix& M) const {
    const auto& m = M.m;
    return Vector(m[0][0] * x + m[0][1] * y + m[0][2] * z, m[1][0] * x + m[1][1] * y + m[1][2] * z,
                  m[2][0] * x + m[2][1] * y + m[2][2] * z);
}

Vector& Vector::operator*=(const Matrix& M) {
    *this = *this * M;
    return *this;
}

double Vector::operator*(const Vector& b) const {
    return x * b.x + y * b.y + z * b.z;
}

Vector Vector::operator%(const Vector& b) const {
    return Vector(y * b.z - z * b.y, z * b.x - b.z * x, x * b.y - y * b.x);
}

Vector& Vector::operator!() {
    x = -x;
    y = -y;
    z = -z;
    return *this;
}

Vector& Vector::Set(double x_, double y_, double z_) {
    Point::Set(x_, y_, z_);
    return *this;
}

Vector& Vector::Set(const double* xyz) {
    Point::Set(xyz);
    return *this;
}

bool Vector::IsNull() const {
    return x == 0.0 && y == 0.0 && z == 0.0;
}

double Vector::Length() const {
    const double sum = x * x + y * y + z * z;
    if (std::isnormal(sum) || IsNull()) {
        return std::sqrt(sum);
    }
    // The squares overflowed or underflowed: a huge vector would get length infinity (and
    // normalise to zero), a tiny one length 0 (and count as the null vector).
    return std::hypot(x, y, z);
}

Vector& Vector::Norm() {
    const double length = Length();
    if (length == 0.0) {
        throw Error(-1, "NULLVEKTOR");
    }
    x /= length;
    y /= length;
    z /= length;
    return *this;
}

double Vector::Angle(const Vector& b, const Vector& proj) const {
    double c = (*this * b) / (Length() * b.Length());
    // Rounding can push the cosine of (anti)parallel vectors just past 1.
    if (std::fabs(c) > 1.0) {
        c /= std::fabs(c);
    }
    const double phi = std::acos(c);
    const Vector n = *this % b;
    const double s = proj * n;
    if (s < 0.0) {
        return -phi;
    }
    if (s > 0.0) {
        return phi;
    }
    if (n.IsNull()) {
        return phi;  // parallel or antiparallel: 0 or pi, no sense of rotation needed
    }
    throw Error(-1, "falscher Projektionsvektor");
}

}  // namespace Ardo
