// Geometry value types: Point (a position), Vector (a direction or displacement) and
// Matrix (a 4x4 homogeneous transform). Double precision, angles in radians.
//
// Matrices are stored row by row and act on column vectors: a point p becomes M*p,
// the rotation is the upper-left 3x3 block and the translation the fourth column.
// The host toolkit keeps the transposed layout; Get4X4ProE converts to it.
//
// Comparisons use class-wide tolerances that every object shares.
#pragma once

#include "kelt2proe/export.h"

namespace Ardo {

class Vector;
class Matrix;

class KELT2PROE_API Point {
public:
    Point();
    Point(double x, double y, double z);
    Point(const double* xyz);

    // Equal when every coordinate differs by at most Point::tolerance.
    bool operator==(const Point& p) const;
    bool operator!=(const Point& p) const;

    // M*p, translation included.
    Point operator*(const Matrix& M) const;
    Point& operator*=(const Matrix& M);

    Point operator+(const Vector& v) const;
    Point& operator+=(const Vector& v);
    Point operator-(const Vector& v) const;
    Point& operator-=(const Vector& v);

    void Set(double x, double y, double z);
    void Set(const double* xyz);

    static void ToleranceSet(double tol);
    static double ToleranceGet();

    // Used by all point and vector comparisons; initially 2^-52.
    static double tolerance;

    double x;
    double y;
    double z;
};

// A point used as a direction: same three doubles, point tolerance for comparisons.
class KELT2PROE_API Vector : public Point {
public:
    Vector();
    Vector(double x, double y, double z);
    Vector(const double* xyz);
    Vector(const Vector& v) = default;
    Vector& operator=(const Vector& v) = default;

    // Copies the coordinates of p; the result is a copy of this vector, not a reference.
    Vector operator=(const Point& p);

    Vector operator+(const Vector& v) const;
    Vector& operator+=(const Vector& v);
    Vector operator-(const Vector& v) const;
    Vector& operator-=(const Vector& v);

    Vector operator*(const double& s) const;
    Vector& operator*=(const double& s);
    // M*v with the rotation part only (no translation).
    Vector operator*(const Matrix& M) const;
    Vector& operator*=(const Matrix& M);
    // Dot product.
    double operator*(const Vector& b) const;
    // Cross product.
    Vector operator%(const Vector& b) const;
    // Negates all three components in place.
    Vector& operator!();

    Vector& Set(double x, double y, double z);
    Vector& Set(const double* xyz);

    // True when all three components are exactly 0.0.
    bool IsNull() const;
    double Length() const;
    // Divides by the length in place; throws Ardo::Error(-1, "NULLVEKTOR") for length 0.
    Vector& Norm();
    // Signed angle from this vector to b; the sign is that of proj . (this x b).
    // Throws Ardo::Error(-1, "falscher Projektionsvektor") when proj gives no sense of
    // rotation for non-parallel vectors.
    double Angle(const Vector& b, const Vector& proj) const;
};

class KELT2PROE_API Matrix {
public:
    // The identity.
    Matrix();
    // Copies the array as it is, row by row.
    Matrix(const double m[4][4]);

    void Init(const double m[4][4]);
    // All sixteen entries 0.
    void Init();
    void Ident();
    // Every entry within Matrix::tolerance of the identity's.
    bool IsIdent() const;

    // Every entry within Matrix::tolerance of the other's.
    bool operator==(const Matrix& B) const;
    bool operator!=(const Matrix& B) const;

    // A*B: applied to a point, B acts first.
    Matrix operator*(const Matrix& B) const;
    Matrix& operator*=(const Matrix& B);
    // Scales all sixteen entries.
    Matrix& operator*=(const double& s);
    Point operator*(const Point& p) const;
    Vector operator*(const Vector& v) const;

    // Transposes in place.
    Matrix& operator~();
    // Inverts in place; throws Ardo::Error(-1, "keine inverse MAtrix moeglich") for a
    // singular matrix and then leaves it unchanged.
    Matrix& operator!();
    Matrix Inverse() const;
    double Det() const;
    // Scales the rotation part by the length of its first column; clears the translation.
    Matrix& Normalize();

    void Trans(double x, double y, double z);
    void Trans(const Vector& v);
    // Sets the translation column only.
    void TransAdd(double x, double y, double z);
    Vector TransGet() const;
    double TransGetX() const;
    double TransGetY() const;
    double TransGetZ() const;
    void RemoveTrans();
    void RemoveRot();

    void RotX(double a);
    void RotY(double a);
    void RotZ(double a);
    // RotZ(az)*RotY(ay)*RotX(ax): the X rotation acts first.
    void RotXYZ(double ax, double ay, double az);
    // The angles for which RotXYZ gives this matrix's rotation part.
    void RotGet(double* ax, double* ay, double* az) const;

    void Get4X4(double out[4][4]) const;
    // The transposed matrix, the host toolkit's layout.
    void Get4X4ProE(double out[4][4]) const;

    static void ToleranceSet(double tol);
    static double ToleranceGet();

    // Used by matrix comparison, IsIdent and RotGet; initially 2^-52.
    static double tolerance;

    // m[row][column].
    double m[4][4];
};

}  // namespace Ardo
