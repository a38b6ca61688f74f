// Matrix: rotations about the axes and their decomposition back into X, Y, Z angles.
#include <cmath>

#include "kelt2proe/geometry.h"

namespace Ardo {

namespace {

constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPi = 3.141592653589793;

// A gimbal-lock form: three entries with their values and the angles they stand for.
struct GimbalForm {
    int r[3];
    int c[3];
    double value[3];
    double ay;
    double az;
};

// Tested in this order; the first match wins. The first four test m02, m11 and m20,
// the last four m20, m01 and m12.
constexpr GimbalForm kGimbalForms[] = {
    {{0, 1, 2}, {2, 1, 0}, {1, 1, -1}, kHalfPi, 0.0},
    {{0, 1, 2}, {2, 1, 0}, {-1, 1, 1}, -kHalfPi, 0.0},
    {{0, 1, 2}, {2, 1, 0}, {-1, -1, -1}, kHalfPi, kPi},
    {{0, 1, 2}, {2, 1, 0}, {1, -1, 1}, -kHalfPi, kPi},
    {{2, 0, 1}, {0, 1, 2}, {1, 1, 1}, -kHalfPi, -kHalfPi},
    {{2, 0, 1}, {0, 1, 2}, {-1, 1, -1}, kHalfPi, -kHalfPi},
    {{2, 0, 1}, {0, 1, 2}, {-1, -1, 1}, kHalfPi, kHalfPi},
    {{2, 0, 1}, {0, 1, 2}, {1, -1, -1}, -kHalfPi, kHalfPi},
};

bool matches(const double (&m)[4][4], const GimbalForm& form) {
    for (int i = 0; i < 3; ++i) {
        if (!(std::fabs(m[form.r[i]][form.c[i]] - form.value[i]) < Matrix::tolerance)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void Matrix::RotX(double a) {
    Ident();
    m[1][1] = std::cos(a);
    m[1][2] = -std::sin(a);
    m[2][1] = std::sin(a);
    m[2][2] = std::cos(a);
}

void Matrix::RotY(double a) {
    Ident();
    m[0][0] = std::cos(a);
    m[0][2] = std::sin(a);
    m[2][0] = -std::sin(a);
    m[2][2] = std::cos(a);
}

void Matrix::RotZ(double a) {
    Ident();
    m[0][0] = std::cos(a);
    m[0][1] = -std::sin(a);
    m[1][0] = std::sin(a);
    m[1][1] = std::cos(a);
}

void Matrix::RotXYZ(double ax, double ay, double az) {
    Matrix rx, ry;
    rx.RotX(ax);
    ry.RotY(ay);
    RotZ(az);
    *this *= ry;
    *this *= rx;
}

void Matrix::RotGet(double* ax, double* ay, double* az) const {
    *ax = 0.0;
    *ay = 0.0;
    *az = 0.0;
    if (IsIdent()) {
        return;
    }
    for (const GimbalForm& form : kGimbalForms) {
        if (matches(m, form)) {
            *ay = form.ay;
            *az = form.az;
            return;
        }
    }

    const Vector ex(1.0, 0.0, 0.0), ey(0.0, 1.0, 0.0), ez(0.0, 0.0, 1.0);
    Vector X(m[0][0], m[1][0], m[2][0]);
    Vector Z(m[0][2], m[1][2], m[2][2]);

    // Angle about Z from the X axis to the projection of X onto the XY plane. When X lies
    // exactly on the Z axis that projection is empty and any az fits: take 0 and leave
    // the rotation to ax rather than divide by a zero length.
    const Vector xOnZ = X % ez;
    if (!xOnZ.IsNull()) {
        *az = (ex % ez).Angle(xOnZ, ez);
    }
    Matrix undo;
    undo.RotZ(-*az);
    X *= undo;
    Z *= undo;

    *ay = (ex % ey).Angle(X % ey, ey);
    undo.RotY(-*ay);
    Z *= undo;

    *ax = (ez % ex).Angle(Z % ex, ex);
}

}  // namespace Ardo
