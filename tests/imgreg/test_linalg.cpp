// Dense vectors and matrices, Verify and the solvers under the warping models.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "scratch.h"
#include "frame/report.h"
#include "imgreg/util.h"

using namespace QVProj;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// Runs body with the debug log on into a fresh file and returns what it wrote.
template <class F> std::string Logged(F body) {
    ScratchDir scratch;
    const std::string path = scratch.File("verify.log");
    DebugLogSetup(1, path.c_str());
    body();
    DebugLogSetup(0, nullptr);
    return ReadFile(path);
}

RMatrix FromRows(int r, int c, std::initializer_list<double> v) {
    RMatrix m(r, c);
    int i = 0;
    for (double x : v) {
        m(i / c, i % c) = x;
        ++i;
    }
    return m;
}

} // namespace

TEST(Verify, ReportsOneLogLineAndReturns) {
    std::string log = Logged([] {
        Verify(true);
        Verify(false);
    });
    EXPECT_EQ(log, "Assertion failed: bExpr, file Util, line 20\r\n");
    // Off: nothing is written and nothing ends.
    DebugLogSetup(0, nullptr);
    Verify(false);
}

TEST(Containers, SizesCopiesAndCheckedAccess) {
    RVector v(3);
    EXPECT_EQ(v.Count(), 3);
    EXPECT_EQ(v(2), 0.0);
    v(1) = 5;
    RVector copy(v);
    copy(1) = 7;
    EXPECT_EQ(v(1), 5.0); // deep copy
    v = v;                // self-assignment keeps the contents
    EXPECT_EQ(v(1), 5.0);
    v.Resize(3);
    EXPECT_EQ(v(1), 5.0); // unchanged count keeps the contents
    v.Resize(4);
    EXPECT_EQ(v(1), 0.0); // a new count starts from zeros
    v.Resize(0);
    EXPECT_TRUE(v.Empty());
    EXPECT_EQ(v.Data(), nullptr);

    RMatrix m(2, 0);
    EXPECT_TRUE(m.Empty());
    EXPECT_EQ(m.Rows(), 0);
    m.Identity(3);
    EXPECT_EQ(m(2, 2), 1.0);
    EXPECT_EQ(m(0, 2), 0.0);

    // Out-of-range access and negative sizes are reported, never touch
    // foreign memory, and read as zero.
    std::string log = Logged([&] {
        EXPECT_EQ(static_cast<const RMatrix&>(m)(3, 0), 0.0);
        m(-1, 0) = 42.0;
        EXPECT_EQ(static_cast<const RVector&>(v)(0), 0.0);
        RVector bad(-2);
        EXPECT_TRUE(bad.Empty());
    });
    EXPECT_EQ(log.size(),
              4 * std::string("Assertion failed: bExpr, file Util, line 20\r\n").size());
    EXPECT_EQ(m(0, 0), 1.0);
}

TEST(Products, ShapesAndValues) {
    RMatrix A = FromRows(2, 3, {1, 2, 3, 4, 5, 6});
    RMatrix B = FromRows(3, 2, {1, 0, 0, 1, 1, 1});
    RMatrix Y;
    MatMul(A, B, Y);
    EXPECT_EQ(Y.Rows(), 2);
    EXPECT_EQ(Y(1, 0), 10.0);
    MatTransMul(A, A, Y); // 3 x 3
    EXPECT_EQ(Y.Rows(), 3);
    EXPECT_EQ(Y(2, 2), 45.0);
    MatMulTrans(A, A, Y); // 2 x 2
    EXPECT_EQ(Y(0, 1), 32.0);
    RMatrix S;
    Saddle(FromRows(2, 2, {1, 2, 2, 1}), FromRows(1, 2, {7, 8}), RMatrix(1, 1), S);
    EXPECT_EQ(S.Rows(), 3);
    EXPECT_EQ(S(2, 1), 8.0);
    EXPECT_EQ(S(1, 2), 8.0);
    EXPECT_EQ(OffDiagonalSum(S), 2 * (2 + 7 + 8));
    RMatrix st;
    Stack(A, FromRows(1, 3, {9, 9, 9}), st);
    EXPECT_EQ(st.Rows(), 3);
    EXPECT_EQ(st(2, 1), 9.0);
    // A size mismatch leaves the output alone.
    RMatrix keep = FromRows(1, 1, {3});
    Logged([&] { MatMul(A, A, keep); });
    EXPECT_EQ(keep(0, 0), 3.0);
}

TEST(Cholesky, FactorsAndSolves) {
    RMatrix A = FromRows(3, 3, {4, 2, 2, 2, 5, 3, 2, 3, 6});
    RMatrix L = A;
    ASSERT_TRUE(CholeskyDecompose(L));
    RVector b(3);
    b(0) = 8;
    b(1) = 10;
    b(2) = 11; // A * (1, 1, 1)
    CholeskySolve(L, b);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(b(i), 1.0, 1e-14);
    // Singular: a rank-deficient matrix meets a pivot below tiny.
    RMatrix S = FromRows(2, 2, {1, 1, 1, 1});
    EXPECT_FALSE(CholeskyDecompose(S));
}

TEST(SplineCG, ZeroRightHandSideAndSingularProjection) {
    const int n = 5;
    RMatrix K(n, n), P(3, n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) K(i, j) = std::exp(-std::fabs(i - j));
        P(0, i) = 1;
        P(1, i) = std::cos(i);
        P(2, i) = std::sin(2 * i);
    }
    RVector b(n), w(n), a(3);
    EXPECT_TRUE(SolveSplineCG(K, P, b, w, a));
    for (int i = 0; i < n; ++i) EXPECT_EQ(w(i), 0.0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a(i), 0.0);
    // Two equal rows of P make P P' singular: refused at once.
    for (int i = 0; i < n; ++i) P(2, i) = P(1, i);
    b(0) = 1;
    EXPECT_FALSE(SolveSplineCG(K, P, b, w, a));
}

TEST(SplineSolvers, ConjugateGradientAgreesWithDirect) {
    // A thin plate system on scattered points; both solvers satisfy
    // K w + P'a = b and P w = 0.
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> U(-1, 1);
    const int n = 30;
    std::vector<double> u(n), v(n);
    for (int i = 0; i < n; ++i) u[i] = U(rng), v[i] = U(rng);
    RMatrix K(n, n), P(3, n), B(n, 2);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double r2 = (u[i] - u[j]) * (u[i] - u[j]) + (v[i] - v[j]) * (v[i] - v[j]);
            K(i, j) = r2 <= kTiny ? 0 : 0.5 * r2 * std::log(r2);
        }
        P(0, i) = 1, P(1, i) = u[i], P(2, i) = v[i];
        // Map-sized values: the curvature test of the conjugate gradients is
        // absolute (eps), so right-hand sides near 1 sit at its edge.
        B(i, 0) = 1000 * (std::sin(3 * u[i]) + v[i]);
        B(i, 1) = 1000 * u[i] * v[i];
    }
    RVector b(n), w(n), a(3);
    for (int i = 0; i < n; ++i) b(i) = B(i, 0);
    ASSERT_TRUE(SolveSplineCG(K, P, b, w, a));
    RMatrix W, A;
    ASSERT_TRUE(SolveSplineDirect(K, P, B, W, A));
    EXPECT_EQ(W.Rows(), n);
    EXPECT_EQ(A.Rows(), 3);
    // The direct solver drops eigen-components below a millionth of the
    // largest, so it agrees with the iterative one only to about 1e-8 of
    // the right-hand side.
    for (int i = 0; i < n; ++i) EXPECT_NEAR(W(i, 0), w(i), 0.1);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(A(i, 0), a(i), 0.1);
    for (int i = 0; i < n; ++i) {
        double s = a(0) + a(1) * u[i] + a(2) * v[i];
        for (int j = 0; j < n; ++j) s += K(i, j) * w(j);
        EXPECT_NEAR(s, b(i), 1e-4);
    }
}

TEST(Jacobi, OrdersByMagnitudeNotSign) {
    // V diag(3, -5, 1) V' with an orthonormal V.
    const double c = std::cos(0.3), s = std::sin(0.3);
    RMatrix V = FromRows(3, 3, {c, -s, 0, s, c, 0, 0, 0, 1});
    RMatrix D = FromRows(3, 3, {3, 0, 0, 0, -5, 0, 0, 0, 1});
    RMatrix T, A, Vt;
    MatMul(V, D, T);
    MatMulTrans(T, V, A);
    A(2, 0) = A(0, 2) = 0.25; // keep it coupled in every pair
    A(2, 1) = A(1, 2) = -0.1;
    RMatrix E = A;
    RVector d;
    ASSERT_TRUE(JacobiEigen(E, d));
    ASSERT_EQ(d.Count(), 3);
    EXPECT_LT(d(0), -4.5);
    EXPECT_GT(d(1), 2.5);
    EXPECT_GT(std::fabs(d(0)), std::fabs(d(1)));
    EXPECT_GT(std::fabs(d(1)), std::fabs(d(2)));
    // Columns are the eigenvectors: A v = d v.
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) {
            double av = 0;
            for (int j = 0; j < 3; ++j) av += A(i, j) * E(j, k);
            EXPECT_NEAR(av, d(k) * E(i, k), 1e-12);
        }

    RMatrix X = FromRows(3, 3, {3, 0, 0, 0, -5, 0, 0, 0, 1});
    X(0, 1) = X(1, 0) = 1e-3; // nearly diagonal: eigenvalues near 3, -5, 1
    ASSERT_TRUE(JacobiEigen(X, d));
    EXPECT_NEAR(d(0), -5, 1e-5);
    EXPECT_NEAR(d(1), 3, 1e-5);
    EXPECT_NEAR(d(2), 1, 1e-12);
}

TEST(Jacobi, EqualMagnitudesPutTheLaterFirst) {
    // Eigenvalues 2 and -2 exactly (a diagonal 2x2 block plus an uncoupled
    // but non-diagonal rest so that the sweeps start).
    RMatrix A = FromRows(3, 3, {2, 0, 0, 0, -2, 0, 0, 0, 0});
    A(1, 2) = A(2, 1) = 1e-9;
    RVector d;
    ASSERT_TRUE(JacobiEigen(A, d));
    EXPECT_NEAR(d(0), -2, 1e-12); // the later of the equal magnitudes
    EXPECT_NEAR(d(1), 2, 1e-12);
}

TEST(EigenSolve, DropsSmallEigenvaluesWhateverTheSign) {
    RMatrix V;
    V.Identity(3);
    RVector d(3);
    d(0) = -4;
    d(1) = 4e-6; // exactly at the cut: dropped
    d(2) = 2;
    RMatrix B = FromRows(3, 1, {8, 1, 6});
    EigenSolve(V, d, B);
    EXPECT_DOUBLE_EQ(B(0, 0), -2);
    EXPECT_EQ(B(1, 0), 0.0);
    EXPECT_DOUBLE_EQ(B(2, 0), 3);
    d(0) = 4; // the same magnitude positive truncates the same way
    B = FromRows(3, 1, {8, 1, 6});
    EigenSolve(V, d, B);
    EXPECT_EQ(B(1, 0), 0.0);
}

TEST(LeastSquares, ExactSquareSystemAndResidual) {
    RMatrix M = FromRows(3, 3, {2, 1, 0, 1, 3, 1, 0, 1, 4});
    RVector x(3), b(3);
    b(0) = 3;
    b(1) = 5; // M * (1, 1, 1) = (3, 5, 5)
    b(2) = 5;
    ASSERT_TRUE(LeastSquares(M, x, b));
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(x(i), 1.0, 1e-14);
        EXPECT_NEAR(b(i), 0.0, 1e-14);
    }
    // Overdetermined line fit y = 1 + 2t through noise-free points.
    RMatrix L(4, 2), X(2, 1), Y(4, 1);
    for (int i = 0; i < 4; ++i) L(i, 0) = 1, L(i, 1) = i, Y(i, 0) = 1 + 2 * i;
    ASSERT_TRUE(LeastSquares(L, X, Y));
    EXPECT_NEAR(X(0, 0), 1, 1e-14);
    EXPECT_NEAR(X(1, 0), 2, 1e-14);
}

TEST(LeastSquares, ZeroOrRepeatedColumnFails) {
    RMatrix M = FromRows(3, 2, {1, 0, 1, 0, 1, 0});
    RVector x(2), b(3);
    EXPECT_FALSE(LeastSquares(M, x, b));
    RMatrix E = FromRows(4, 2, {1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_FALSE(LeastSquares(E, x, b = RVector(4)));
    // x and b must be distinct objects.
    RMatrix S = FromRows(2, 2, {1, 0, 0, 1});
    RVector same(2);
    Logged([&] { EXPECT_FALSE(LeastSquares(S, same, same)); });
}
