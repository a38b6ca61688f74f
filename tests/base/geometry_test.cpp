// Points, vectors and matrices: tolerances, transforms, inversion, rotation angles.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "kelt2proe/error.h"
#include "kelt2proe/geometry.h"
#include "support/host_fixture.h"

using Ardo::Matrix;
using Ardo::Point;
using Ardo::Vector;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kDefaultTolerance = 2.220446049250313e-16;

// Every test starts from the default tolerances and leaves them so.
class Geometry : public ::testing::Test {
protected:
    void SetUp() override {
        Point::ToleranceSet(kDefaultTolerance);
        Matrix::ToleranceSet(kDefaultTolerance);
    }
    void TearDown() override {
        Point::ToleranceSet(kDefaultTolerance);
        Matrix::ToleranceSet(kDefaultTolerance);
    }
};

void expectNear(const Point& actual, double x, double y, double z, double eps = 1e-15) {
    EXPECT_NEAR(actual.x, x, eps);
    EXPECT_NEAR(actual.y, y, eps);
    EXPECT_NEAR(actual.z, z, eps);
}

void expectNear(const Matrix& actual, const Matrix& expected, double eps) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(actual.m[r][c], expected.m[r][c], eps) << "entry " << r << c;
        }
    }
}

bool sameBits(const Matrix& a, const Matrix& b) {
    return std::memcmp(a.m, b.m, sizeof a.m) == 0;
}

Matrix rotXYZ(double ax, double ay, double az) {
    Matrix r;
    r.RotXYZ(ax, ay, az);
    return r;
}

// A rotation whose entries are all exactly 0 or +-1, as a host would hand it over.
Matrix exactRotXYZ(double ax, double ay, double az) {
    Matrix r = rotXYZ(ax, ay, az);
    for (auto& row : r.m) {
        for (double& entry : row) {
            entry = std::round(entry) + 0.0;  // + 0.0 turns -0.0 into 0.0
        }
    }
    return r;
}

// Expects the rotation angles RotGet reads from `m` to be (x, y, z) within `eps`.
void expectAngles(const Matrix& m, double x, double y, double z, double eps) {
    double ax = 9, ay = 9, az = 9;
    m.RotGet(&ax, &ay, &az);
    EXPECT_NEAR(ax, x, eps) << x << " " << y << " " << z;
    EXPECT_NEAR(ay, y, eps) << x << " " << y << " " << z;
    EXPECT_NEAR(az, z, eps) << x << " " << y << " " << z;
}

// Expects `statement` to refuse a matrix without an inverse.
#define EXPECT_SINGULAR(statement) \
    EXPECT_THROW_CODE(statement, Ardo::Error, -1, "keine inverse MAtrix moeglich")

Matrix translation(double x, double y, double z) {
    Matrix t;
    t.Trans(x, y, z);
    return t;
}

// ---------------------------------------------------------------------------------------
// Tolerances

TEST_F(Geometry, TolerancesStartAtTwoToTheMinus52) {
    EXPECT_EQ(Point::ToleranceGet(), std::ldexp(1.0, -52));
    EXPECT_EQ(Matrix::ToleranceGet(), std::ldexp(1.0, -52));
}

TEST_F(Geometry, PointToleranceIsSharedByEveryPointAndVector) {
    const Point p(1.0, 2.0, 0.0), q(1.0, 2.0, 1e-17);
    const Vector v(0.0, 0.0, 0.0), w(1e-17, 0.0, 0.0);
    EXPECT_TRUE(p == q);
    EXPECT_TRUE(v == w);

    Vector::ToleranceSet(0.0);  // through any object or class, the one class-wide value
    EXPECT_EQ(Point::ToleranceGet(), 0.0);
    EXPECT_FALSE(p == q);
    EXPECT_TRUE(p != q);
    EXPECT_FALSE(v == w);
    EXPECT_TRUE(v != w);

    Point::ToleranceSet(0.5);  // the bound itself still compares equal
    EXPECT_TRUE(Point(0, 0, 0) == Point(0.5, -0.5, 0.5));
    EXPECT_FALSE(Point(0, 0, 0) == Point(0, 0, 0.5000001));
}

TEST_F(Geometry, PointAndMatrixTolerancesAreSeparate) {
    Matrix a, b;
    b.m[3][0] = 1e-3;
    Point::ToleranceSet(1.0);
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(b.IsIdent());

    Matrix::ToleranceSet(1e-3);
    Point::ToleranceSet(0.0);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    EXPECT_TRUE(b.IsIdent());
    EXPECT_FALSE(Point(0, 0, 0) == Point(0, 0, 1e-300));
}

// ---------------------------------------------------------------------------------------
// Points and vectors

TEST_F(Geometry, PointsAreMovedByTheWholeTransformVectorsOnlyRotated) {
    const Matrix t = translation(10, 0, 0);
    expectNear(Point(1, 2, 3) * t, 11, 2, 3, 0.0);
    expectNear(t * Point(1, 2, 3), 11, 2, 3, 0.0);
    expectNear(Vector(1, 2, 3) * t, 1, 2, 3, 0.0);
    expectNear(t * Vector(1, 2, 3), 1, 2, 3, 0.0);

    Matrix rz;
    rz.RotZ(kHalfPi);
    expectNear(Point(1, 0, 0) * rz, 0, 1, 0);

    // In a product the right-hand matrix acts first.
    expectNear((t * rz) * Point(1, 0, 0), 10, 1, 0);
    expectNear((rz * t) * Point(1, 0, 0), 0, 11, 0);

    Point p(1, 2, 3);
    EXPECT_EQ(&(p *= t), &p);
    expectNear(p, 11, 2, 3, 0.0);
    Vector v(1, 0, 0);
    EXPECT_EQ(&((v *= t) *= rz), &v);
    expectNear(v, 0, 1, 0);
}

TEST_F(Geometry, PointsAndVectorsAddAndSubtractComponentWise) {
    Point p(1, 2, 3);
    expectNear(p + Vector(1, 1, 1), 2, 3, 4, 0.0);
    expectNear(p - Vector(1, 1, 1), 0, 1, 2, 0.0);
    p += Vector(10, 20, 30);
    p -= Vector(1, 2, 3);
    expectNear(p, 10, 20, 30, 0.0);

    Vector v(1, 2, 3);
    (v += Vector(1, 1, 1)) -= Vector(0, 0, 4);
    expectNear(v, 2, 3, 0, 0.0);
    expectNear(v + v - Vector(4, 0, 0), 0, 6, 0, 0.0);
}

TEST_F(Geometry, VectorProducts) {
    const Vector ex(1, 0, 0), ey(0, 1, 0), ez(0, 0, 1);
    expectNear(ex % ey, 0, 0, 1, 0.0);
    expectNear(ey % ex, 0, 0, -1, 0.0);
    expectNear(ey % ez, 1, 0, 0, 0.0);
    expectNear(ez % ex, 0, 1, 0, 0.0);
    expectNear(Vector(1, 2, 3) % Vector(4, 5, 6), -3, 6, -3, 0.0);
    EXPECT_EQ(Vector(1, 2, 3) * Vector(4, -5, 6), 12.0);
    expectNear(Vector(1, -2, 3) * 2.0, 2, -4, 6, 0.0);

    Vector v(1, -2, 3);
    EXPECT_EQ(&(v *= 0.5), &v);
    expectNear(v, 0.5, -1, 1.5, 0.0);
    EXPECT_EQ(&!v, &v);
    expectNear(v, -0.5, 1, -1.5, 0.0);
    EXPECT_EQ(&v.Set(7, 8, 9), &v);
    const double xyz[3] = {4, 5, 6};
    expectNear(v.Set(xyz), 4, 5, 6, 0.0);
    expectNear(Point(xyz), 4, 5, 6, 0.0);
}

TEST_F(Geometry, AssigningAPointToAVectorYieldsACopy) {
    Vector v(9, 9, 9);
    const Point p(1, 2, 3);
    !(v = p);  // negates the returned copy, not v
    expectNear(v, 1, 2, 3, 0.0);
    Vector w;
    w = v = Point(4, 5, 6);
    expectNear(w, 4, 5, 6, 0.0);
}

TEST_F(Geometry, NormAndNullVector) {
    Vector v(3, 0, 4);
    EXPECT_EQ(v.Length(), 5.0);
    EXPECT_EQ(&v.Norm(), &v);
    expectNear(v, 0.6, 0, 0.8);
    EXPECT_NEAR(v.Length(), 1.0, 1e-15);

    Vector zero(0, -0.0, 0);
    EXPECT_TRUE(zero.IsNull());
    EXPECT_THROW_CODE(zero.Norm(), Ardo::Error, -1, "NULLVEKTOR");
    EXPECT_TRUE(zero.IsNull());

    EXPECT_FALSE(Vector(1e-300, 0, 0).IsNull());
    // Only exact zero is refused, and the squares of extreme components neither
    // underflow to a zero length nor overflow to an infinite one.
    Vector tiny(0, 3e-300, -4e-300);
    EXPECT_NEAR(tiny.Length(), 5e-300, 1e-314);
    expectNear(tiny.Norm(), 0, 0.6, -0.8);
    Vector huge(3e200, 0, 4e200);
    EXPECT_NEAR(huge.Length(), 5e200, 1e186);
    expectNear(huge.Norm(), 0.6, 0, 0.8);
}

TEST_F(Geometry, AngleIsSignedByTheProjectionVector) {
    const Vector ex(1, 0, 0), ey(0, 1, 0), ez(0, 0, 1);
    EXPECT_NEAR(ex.Angle(ey, ez), kHalfPi, 1e-15);
    EXPECT_NEAR(ex.Angle(ey, Vector(0, 0, -1)), -kHalfPi, 1e-15);
    EXPECT_NEAR(ex.Angle(ey, Vector(1, 1, 0.001)), kHalfPi, 1e-15);
    EXPECT_NEAR(Vector(1, 1, 0).Angle(ex, ez), -kPi / 4, 1e-15);
    EXPECT_THROW_CODE(ex.Angle(ey, ex), Ardo::Error, -1, "falscher Projektionsvektor");
    EXPECT_THROW_CODE(ex.Angle(ey, Vector(0, 0, 0)), Ardo::Error, -1, "falscher Projektionsvektor");

    // Parallel and antiparallel vectors need no sense of rotation.
    EXPECT_EQ(ex.Angle(Vector(2, 0, 0), ex), 0.0);
    EXPECT_EQ(ex.Angle(Vector(2, 0, 0), Vector(0, 0, 0)), 0.0);
    EXPECT_EQ(ex.Angle(Vector(-3, 0, 0), ey), kPi);
}

TEST_F(Geometry, AngleOfParallelVectorsSurvivesRounding) {
    const Vector a(-0.94, -0.07, 0.89);
    const Vector same = a * 2.0, opposite = a * -4.0;
    // The cosine computes to just past +-1; unclamped, arccos would give NaN.
    ASSERT_GT((a * same) / (a.Length() * same.Length()), 1.0);
    ASSERT_LT((a * opposite) / (a.Length() * opposite.Length()), -1.0);
    EXPECT_EQ(a.Angle(same, Vector(1, 0, 0)), 0.0);
    EXPECT_EQ(a.Angle(opposite, Vector(0, 1, 0)), kPi);
}

// ---------------------------------------------------------------------------------------
// Matrix entries

TEST_F(Geometry, ArraysAreCopiedAsStoredAndTransposedForTheHost) {
    double a[4][4], out[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            a[r][c] = 10 * r + c;
        }
    }
    Matrix m(a);
    EXPECT_EQ(m.m[0][3], 3.0);
    m.Get4X4(out);
    EXPECT_EQ(std::memcmp(out, a, sizeof a), 0);
    m.Get4X4ProE(out);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(out[r][c], a[c][r]);
        }
    }
    // The host's translation is in the fourth row.
    translation(1, 2, 3).Get4X4ProE(out);
    EXPECT_EQ(out[3][0], 1.0);
    EXPECT_EQ(out[3][1], 2.0);
    EXPECT_EQ(out[3][2], 3.0);
    EXPECT_EQ(out[0][3], 0.0);

    EXPECT_EQ(&~m, &m);
    EXPECT_EQ(m.m[3][0], 3.0);
    EXPECT_EQ(m.m[0][3], 30.0);
    Matrix back(out);
    EXPECT_TRUE(sameBits(~back, translation(1, 2, 3)));

    m.Init(a);
    EXPECT_EQ(m.m[2][1], 21.0);
    m.Init();
    for (auto& row : m.m) {
        for (double entry : row) {
            EXPECT_EQ(entry, 0.0);
        }
    }
    m.Ident();
    EXPECT_TRUE(sameBits(m, Matrix()));
}

TEST_F(Geometry, IsIdentChecksAllSixteenEntries) {
    Matrix m;
    EXPECT_TRUE(m.IsIdent());
    m.m[1][1] = 1.0 + 1e-16;
    m.m[2][0] = -2e-16;
    EXPECT_TRUE(m.IsIdent());

    m.Ident();
    m.m[2][2] = 0.5;
    EXPECT_FALSE(m.IsIdent());
    m.m[2][2] = -1.0;
    EXPECT_FALSE(m.IsIdent());
    m.Ident();
    m.m[3][3] = 1.0 - 1e-15;
    EXPECT_FALSE(m.IsIdent());
    m.Ident();
    m.m[3][1] = 1e-15;
    EXPECT_FALSE(m.IsIdent());
    Matrix::ToleranceSet(1e-15);
    EXPECT_TRUE(m.IsIdent());
    Matrix::ToleranceSet(0.0);
    EXPECT_TRUE(Matrix().IsIdent());
}

TEST_F(Geometry, TranslationColumn) {
    Matrix m = rotXYZ(0.1, 0.2, 0.3);
    const Matrix rotation = m;
    m.TransAdd(5, 5, 5);
    m.TransAdd(1, 2, 3);  // replaces, does not add
    expectNear(m.TransGet(), 1, 2, 3, 0.0);
    EXPECT_EQ(m.TransGetX(), 1.0);
    EXPECT_EQ(m.TransGetY(), 2.0);
    EXPECT_EQ(m.TransGetZ(), 3.0);
    m.RemoveTrans();
    EXPECT_TRUE(sameBits(m, rotation));

    m.Trans(Vector(4, 5, 6));  // the rotation goes too
    EXPECT_TRUE(sameBits(m, translation(4, 5, 6)));

    double a[4][4] = {{2, 3, 4, 7}, {5, 6, 7, 8}, {1, 2, 3, 9}, {0.5, 0.25, 0.125, 3}};
    Matrix r(a);
    r.RemoveRot();
    const double expected[4][4] = {{1, 0, 0, 7}, {0, 1, 0, 8}, {0, 0, 1, 9}, {0, 0, 0, 3}};
    EXPECT_TRUE(sameBits(r, Matrix(expected)));
}

TEST_F(Geometry, NormalizeScalesTheRotationAndClearsTheTranslation) {
    Matrix m = rotXYZ(0.4, -0.2, 1.3);
    const Matrix rotation = m;
    m.TransAdd(5, -6, 7);
    m *= 2.0;  // all sixteen entries, m33 included
    EXPECT_EQ(m.m[3][3], 2.0);
    EXPECT_EQ(&m.Normalize(), &m);
    Matrix expected = rotation;
    expected.m[3][3] = 2.0;
    expectNear(m, expected, 1e-15);
    EXPECT_EQ(m.TransGetX(), 0.0);
    EXPECT_EQ(m.TransGetY(), 0.0);
    EXPECT_EQ(m.TransGetZ(), 0.0);
}

TEST_F(Geometry, ProductsAndDeterminant) {
    const double a[4][4] = {{1, 2, 3, 4}, {5, 6, 7, 8}, {2, 6, 4, 8}, {3, 1, 1, 2}};
    EXPECT_DOUBLE_EQ(Matrix(a).Det(), 72.0);
    const double swapped[4][4] = {{0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    EXPECT_EQ(Matrix(swapped).Det(), -1.0);
    Matrix scaled;
    scaled *= 3.0;
    EXPECT_EQ(scaled.Det(), 81.0);
    EXPECT_NEAR((rotXYZ(1, 2, 3) * translation(4, 5, 6)).Det(), 1.0, 1e-14);

    const double b[4][4] = {{1, 0, 2, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {1, 0, 0, 1}};
    const Matrix ab = Matrix(a) * Matrix(b);
    EXPECT_EQ(ab.m[0][0], 1 * 1 + 4 * 1);
    EXPECT_EQ(ab.m[0][2], 1 * 2 + 3 * 1);
    EXPECT_EQ(ab.m[3][3], 2.0);
    Matrix c(a);
    EXPECT_EQ(&(c *= Matrix(b)), &c);
    EXPECT_TRUE(sameBits(c, ab));
}

// ---------------------------------------------------------------------------------------
// Inversion

TEST_F(Geometry, InverseTimesMatrixIsTheIdentity) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> entry(-10.0, 10.0);
    for (int round = 0; round < 200; ++round) {
        Matrix m;
        for (auto& row : m.m) {
            for (double& e : row) {
                e = entry(random);
            }
        }
        if (std::fabs(m.Det()) < 1.0) {
            continue;  // keep to well-conditioned samples
        }
        const Matrix original = m;
        const Matrix inverse = m.Inverse();
        EXPECT_TRUE(sameBits(m, original)) << "Inverse() changed its object";
        expectNear(inverse * m, Matrix(), 1e-9);
        expectNear(m * inverse, Matrix(), 1e-9);
    }
}

TEST_F(Geometry, InversionPivotsAndUndoesTheSwaps) {
    // Zeros on the diagonal force row swaps; the inverse of a permutation is its transpose.
    const double p[4][4] = {{0, 0, 1, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}, {0, 1, 0, 0}};
    Matrix m(p);
    Matrix transposed(p);
    ~transposed;
    EXPECT_EQ(&!m, &m);
    EXPECT_TRUE(sameBits(m, transposed));

    // A rigid transform: the inverse rotates by the transposed rotation and moves back.
    const Matrix rotation = rotXYZ(0.3, -1.1, 2.5);
    const Matrix rigid = translation(1, 2, 3) * rotation;
    const Matrix inverse = rigid.Inverse();
    expectNear(inverse * Point(1, 2, 3), 0, 0, 0);
    expectNear(inverse * (rigid * Point(-4, 5, 0.5)), -4, 5, 0.5, 1e-14);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(inverse.m[r][c], rotation.m[c][r], 1e-15);
        }
    }
}

TEST_F(Geometry, SingularMatricesAreRefusedAndLeftUnchanged) {
    const double singular[4][4] = {{1, 2, 3, 4}, {2, 4, 6, 8}, {0, 1, 0, 1}, {5, 0, 1, 1}};
    Matrix m(singular);
    EXPECT_SINGULAR(!m);
    EXPECT_SINGULAR(m.Inverse());
    EXPECT_TRUE(sameBits(m, Matrix(singular)));
    Matrix zero;
    zero.Init();
    EXPECT_SINGULAR(!zero);
}

TEST_F(Geometry, TheDeterminantLimitIsFixedNotTheTolerance) {
    // A scaled rotation is perfectly conditioned; its determinant is the scale to the 4th.
    Matrix tiny = rotXYZ(0.5, 0.25, -0.75);
    tiny *= std::pow(1e-17, 0.25);
    ASSERT_NEAR(tiny.Det(), 1e-17, 1e-30);
    const Matrix before = tiny;
    Matrix::ToleranceSet(0.0);
    EXPECT_SINGULAR(!tiny);
    EXPECT_SINGULAR(tiny.Inverse());
    EXPECT_TRUE(sameBits(tiny, before));

    Matrix small = rotXYZ(0.5, 0.25, -0.75);
    const double scale = std::pow(1e-15, 0.25);
    small *= scale;
    Matrix::ToleranceSet(1e-3);
    Matrix inverse = small.Inverse();
    Matrix::ToleranceSet(kDefaultTolerance);
    expectNear(inverse * small, Matrix(), 1e-12);
}

// ---------------------------------------------------------------------------------------
// Rotations

TEST_F(Geometry, RotationsSetTheWholeMatrix) {
    const double junk[4][4] = {{9, 9, 9, 9}, {9, 9, 9, 9}, {9, 9, 9, 9}, {9, 9, 9, 9}};
    Matrix m(junk);
    m.RotX(kHalfPi);
    expectNear(m, rotXYZ(kHalfPi, 0, 0), 0.0);
    expectNear(m * Point(0, 1, 0), 0, 0, 1);
    m.Init(junk);
    m.RotY(kHalfPi);
    expectNear(m * Point(0, 0, 1), 1, 0, 0);
    expectNear(m, rotXYZ(0, kHalfPi, 0), 0.0);
    m.Init(junk);
    m.RotZ(kHalfPi);
    expectNear(m * Point(1, 0, 0), 0, 1, 0);
    EXPECT_EQ(m.TransGetX(), 0.0);
    EXPECT_EQ(m.m[3][0], 0.0);
    EXPECT_EQ(m.m[3][3], 1.0);

    // X acts first: (0, 1, 0) -> (0, 0, 1) about X, which Z then leaves alone.
    m.Init(junk);
    m.RotXYZ(kHalfPi, 0, kHalfPi);
    expectNear(m * Point(0, 1, 0), 0, 0, 1);
    Matrix rx, ry, rz;
    rx.RotX(0.7);
    ry.RotY(-0.4);
    rz.RotZ(2.9);
    expectNear(rotXYZ(0.7, -0.4, 2.9), rz * ry * rx, 1e-15);
}

TEST_F(Geometry, RotGetRoundTrips) {
    expectAngles(rotXYZ(0.1, 0.2, 0.3), 0.1, 0.2, 0.3, 1e-14);
    // With a translation too: only the rotation part counts.
    Matrix moved = rotXYZ(-2.0, 0.9, -3.0);
    moved.TransAdd(100, 200, 300);
    expectAngles(moved, -2.0, 0.9, -3.0, 1e-13);

    double ax, ay, az;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> full(-kPi + 1e-3, kPi - 1e-3);
    std::uniform_real_distribution<double> half(-kHalfPi + 1e-3, kHalfPi - 1e-3);
    for (int round = 0; round < 500; ++round) {
        const double x = full(random), y = half(random), z = full(random);
        const Matrix r = rotXYZ(x, y, z);
        expectAngles(r, x, y, z, 1e-10);
        r.RotGet(&ax, &ay, &az);
        expectNear(rotXYZ(ax, ay, az), r, 1e-13);
    }
}

TEST_F(Geometry, RotGetOfTheIdentityIsZero) {
    Matrix m;
    m.m[0][1] = 1e-16;
    m.TransAdd(0, 0, 1e-17);
    expectAngles(m, 0, 0, 0, 0.0);
}

TEST_F(Geometry, RotGetResolvesEachGimbalLockForm) {
    struct Form {
        double ay, az;
    };
    const Form forms[] = {{kHalfPi, 0},       {-kHalfPi, 0},        {kHalfPi, kPi},
                          {-kHalfPi, kPi},    {-kHalfPi, -kHalfPi}, {kHalfPi, -kHalfPi},
                          {kHalfPi, kHalfPi}, {-kHalfPi, kHalfPi}};
    for (const Form& form : forms) {
        const Matrix m = exactRotXYZ(0, form.ay, form.az);
        double ax = 9, ay = 9, az = 9;
        m.RotGet(&ax, &ay, &az);
        EXPECT_EQ(ax, 0.0) << form.ay << " " << form.az;
        EXPECT_EQ(ay, form.ay) << form.ay << " " << form.az;
        EXPECT_EQ(az, form.az) << form.ay << " " << form.az;
        EXPECT_TRUE(sameBits(exactRotXYZ(ax, ay, az), m)) << form.ay << " " << form.az;
    }

    Matrix ry;
    ry.RotY(kHalfPi);
    expectAngles(ry, 0, kHalfPi, 0, 0.0);
}

TEST_F(Geometry, RotGetTakesTheFirstMatchingGimbalForm) {
    // Not a rotation: matches the first form (m02, m11, m20 = 1, 1, -1) and the seventh
    // (m20, m01, m12 = -1, -1, 1).
    const double both[4][4] = {{0, -1, 1, 0}, {0, 1, 1, 0}, {-1, 0, 0, 0}, {0, 0, 0, 1}};
    double ax, ay, az;
    Matrix(both).RotGet(&ax, &ay, &az);
    EXPECT_EQ(ay, kHalfPi);
    EXPECT_EQ(az, 0.0);
}

TEST_F(Geometry, RotGetOfOtherGimbalLocksStaysFinite) {
    // X axis exactly on -Z, X and Z rotations merged into one of 0.7: not in the table.
    const double s = std::sin(0.7), c = std::cos(0.7);
    const double locked[4][4] = {{0, s, c, 0}, {0, c, -s, 0}, {-1, 0, 0, 0}, {0, 0, 0, 1}};
    double ax, ay, az;
    Matrix(locked).RotGet(&ax, &ay, &az);
    EXPECT_EQ(az, 0.0);
    EXPECT_NEAR(ay, kHalfPi, 1e-15);
    EXPECT_NEAR(ax, 0.7, 1e-15);
    expectNear(rotXYZ(ax, ay, az), Matrix(locked), 1e-15);
}

}  // namespace
