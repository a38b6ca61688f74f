// Matrix: construction, comparison, products and the translation part.
#include <cmath>
#include <cstring>
#include <utility>

#include "kelt2proe/geometry.h"

namespace Ardo {

double Matrix::tolerance = 2.220446049250313e-16;

Matrix::Matrix() {
    Ident();
}

Matrix::Matrix(const double a[4][4]) {
    Init(a);
}

void Matrix::Init(const double a[4][4]) {
    std::memcpy(m, a, sizeof m);
}

void Matrix::Init() {
    for (auto& row : m) {
        for (double& entry : row) {
            entry = 0.0;
        }
    }
}

void Matrix::Ident() {
    Init();
    for (int i = 0; i < 4; ++i) {
        m[i][i] = 1.0;
    }
}

bool Matrix::IsIdent() const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const double expected = r == c ? 1.0 : 0.0;
            if (std::fabs(m[r][c] - expected) > tolerance) {
                return false;
            }
        }
    }
    return true;
}

bool Matrix::operator==(const Matrix& B) const {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (std::fabs(m[r][c] - B.m[r][c]) > tolerance) {
                return false;
            }
        }
    }
    return true;
}

bool Matrix::operator!=(const Matrix& B) const {
    return !(*this == B);
}

Matrix Matrix::operator*(const Matrix& B) const {
    Matrix product;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) {
                sum += m[i][k] * B.m[k][j];
            }
            product.m[i][j] = sum;
        }
    }
    return product;
}

Matrix& Matrix::operator*=(const Matrix& B) {
    *this = *this * B;
    return *this;
}

Matrix& Matrix::operator*=(const double& s) {
    for (auto& row : m) {
        for (double& entry : row) {
            entry *= s;
        }
    }
    return *this;
}

Point Matrix::operator*(const Point& p) const {
    return p * *this;
}

Vector Matrix::operator*(const Vector& v) const {
    return v * *this;
}

Matrix& Matrix::operator~() {
    for (int r = 0; r < 4; ++r) {
        for (int c = r + 1; c < 4; ++c) {
            std::swap(m[r][c], m[c][r]);
        }
    }
    return *this;
}

Matrix& Matrix::Normalize() {
    const double length = std::sqrt(m[0][0] * m[0][0] + m[1][0] * m[1][0] + m[2][0] * m[2][0]);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            m[r][c] /= length;
        }
    }
    RemoveTrans();
    return *this;
}

void Matrix::Trans(double x, double y, double z) {
    Ident();
    TransAdd(x, y, z);
}

void Matrix::Trans(const Vector& v) {
    Trans(v.x, v.y, v.z);
}

void Matrix::TransAdd(double x, double y, double z) {
    m[0][3] = x;
    m[1][3] = y;
    m[2][3] = z;
}

Vector Matrix::TransGet() const {
    return Vector(m[0][3], m[1][3], m[2][3]);
}

double Matrix::TransGetX() const {
    return m[0][3];
}

double Matrix::TransGetY() const {
    return m[1][3];
}

double Matrix::TransGetZ() const {
    return m[2][3];
}

void Matrix::RemoveTrans() {
    TransAdd(0.0, 0.0, 0.0);
}

void Matrix::RemoveRot() {
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            m[r][c] = r == c ? 1.0 : 0.0;
        }
        m[3][r] = 0.0;
    }
}

void Matrix::Get4X4(double out[4][4]) const {
    std::memcpy(out, m, sizeof m);
}

void Matrix::Get4X4ProE(double out[4][4]) const {
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            out[i][j] = m[j][i];
        }
    }
}

void Matrix::ToleranceSet(double tol) {
    tolerance = tol;
}

double Matrix::ToleranceGet() {
    return tolerance;
}

}  // namespace Ardo
