// Matrix: determinant and inversion by Gauss-Jordan elimination with partial pivoting.
#include <cmath>
#include <utility>

#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"

namespace Ardo {

namespace {

// Below this |determinant| a matrix counts as singular, whatever the tolerances say.
constexpr double kSingularDet = 2.220446049250313e-16;

[[noreturn]] void throwSingular() {
    throw Error(-1, "keine inverse MAtrix moeglich");
}

double det3(double a, double b, double c, double d, double e, double f, double g, double h,
            double i) {
    return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
}

}  // namespace

double Matrix::Det() const {
    // Expansion along the first row; minor k leaves out column k.
    double det = 0.0;
    double sign = 1.0;
    for (int k = 0; k < 4; ++k) {
        int cols[3];
        for (int c = 0, n = 0; c < 4; ++c) {
            if (c != k) {
                cols[n++] = c;
            }
        }
        const double minor =
            det3(m[1][cols[0]], m[1][cols[1]], m[1][cols[2]], m[2][cols[0]], m[2][cols[1]],
                 m[2][cols[2]], m[3][cols[0]], m[3][cols[1]], m[3][cols[2]]);
        det += sign * m[0][k] * minor;
        sign = -sign;
    }
    return det;
}

Matrix& Matrix::operator!() {
    if (std::fabs(Det()) < kSingularDet) {
        throwSingular();
    }
    // Work on a copy so that a failure leaves this matrix as it was.
    double a[4][4];
    Get4X4(a);
    int swappedWith[4];
    for (int k = 0; k < 4; ++k) {
        int pivotRow = k;
        for (int r = k + 1; r < 4; ++r) {
            if (std::fabs(a[r][k]) > std::fabs(a[pivotRow][k])) {
                pivotRow = r;
            }
        }
        swappedWith[k] = pivotRow;
        if (pivotRow != k) {
            std::swap(a[pivotRow], a[k]);
        }
        const double pivot = a[k][k];
        if (pivot == 0.0) {
            throwSingular();
        }
        // In place: column k of the result takes the place of the eliminated column.
        a[k][k] = 1.0;
        for (double& entry : a[k]) {
            entry /= pivot;
        }
        for (int r = 0; r < 4; ++r) {
            if (r == k) {
                continue;
            }
            const double factor = a[r][k];
            a[r][k] = 0.0;
            for (int c = 0; c < 4; ++c) {
                a[r][c] -= factor * a[k][c];
            }
        }
    }
    // A row swap of the input is a column swap of the inverse.
    for (int k = 3; k >= 0; --k) {
        if (swappedWith[k] != k) {
            for (auto& row : a) {
                std::swap(row[k], row[swappedWith[k]]);
            }
        }
    }
    Init(a);
    return *this;
}

Matrix Matrix::Inverse() const {
    Matrix inverse(*this);
    return !inverse;
}

}  // namespace Ardo
