// Image registration: Calibrate for every radial spline, inverse distance
// and the least-squares models on 10, 100 and 1000 pairs, per-point
// transform cost, and the solvers beside Eigen's where it is installed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "imgreg/util.h"
#include "qvproj/imgreg.h"

#if __has_include(<eigen3/Eigen/Dense>)
#include <eigen3/Eigen/Dense>
#define QV_HAVE_EIGEN 1
#endif

using namespace QVProj;

namespace {

struct Pairs {
    RPoints src, dst;
    explicit Pairs(int n) {
        std::mt19937 rng(42);
        std::uniform_real_distribution<double> X(0, 4000), Y(0, 3000);
        for (int i = 0; i < n; ++i) {
            double x = X(rng), y = Y(rng);
            src.emplace_back(x, y);
            dst.emplace_back(448200 + 2.49 * x + 0.031 * y + 25 * std::sin(y / 500),
                             4417800 + 0.027 * x - 2.51 * y + 18 * std::cos(x / 700));
        }
    }
};

const char* kNames[] = {"tps",     "cubic",       "marcov",  "exponential", "rational",
                        "idw",     "poly2",       "affine",  "similarity",  "axisscale",
                        "uniform", "translation", "identity"};

void BM_Calibrate(benchmark::State& state) {
    const auto method = static_cast<WarpingMethod>(state.range(0));
    Pairs p(static_cast<int>(state.range(1)));
    CImageRegistration reg;
    WarpingMethod got = method;
    for (auto _ : state) {
        got = reg.Calibrate(p.src, p.dst, method);
        benchmark::DoNotOptimize(got);
    }
    // The label says when the conjugate gradients gave up and the direct
    // eigen-decomposition solved the system instead (it still succeeds).
    state.SetLabel(std::string(kNames[method]) + (got == method ? "" : " FELL BACK"));
}
BENCHMARK(BM_Calibrate)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8}, {10, 100}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Calibrate)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 6, 7, 8}, {1000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void BM_Transform(benchmark::State& state) {
    const auto method = static_cast<WarpingMethod>(state.range(0));
    Pairs p(static_cast<int>(state.range(1)));
    CImageRegistration reg;
    reg.Calibrate(p.src, p.dst, method);
    RPoint q(1234.5, 987.25);
    double sink = 0;
    for (auto _ : state) {
        RPoint r = reg.Transform(q);
        sink += r.x;
        benchmark::DoNotOptimize(sink);
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(kNames[method]);
}
BENCHMARK(BM_Transform)->ArgsProduct({{0, 1, 2, 3, 4, 5, 7}, {10, 100, 1000}});

// The spline system of n thin plate pairs, as the model builds it.
struct SplineSystem {
    RMatrix K, P;
    RVector b;
    explicit SplineSystem(int n) : K(n, n), P(3, n), b(n) {
        std::mt19937 rng(9);
        std::uniform_real_distribution<double> U(-1, 1);
        std::vector<double> u(n), v(n);
        for (int i = 0; i < n; ++i) u[i] = U(rng), v[i] = U(rng);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                double r2 = (u[i] - u[j]) * (u[i] - u[j]) + (v[i] - v[j]) * (v[i] - v[j]);
                K(i, j) = r2 <= kTiny ? 0 : 0.5 * r2 * std::log(r2);
            }
            P(0, i) = 1, P(1, i) = u[i], P(2, i) = v[i];
            b(i) = std::sin(3 * u[i]) + v[i];
        }
    }
};

void BM_SolveSplineCG(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    SplineSystem s(n);
    for (auto _ : state) {
        RVector w(n), a(3);
        bool ok = SolveSplineCG(s.K, s.P, s.b, w, a);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_SolveSplineCG)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_SolveSplineDirect(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    SplineSystem s(n);
    RMatrix B(n, 1);
    for (int i = 0; i < n; ++i) B(i, 0) = s.b(i);
    for (auto _ : state) {
        RMatrix W, A;
        bool ok = SolveSplineDirect(s.K, s.P, B, W, A);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_SolveSplineDirect)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

#ifdef QV_HAVE_EIGEN
// The same saddle system through Eigen: a dense LU of the (n + 3) square
// matrix, and the symmetric eigen-decomposition that would replace Jacobi.
Eigen::MatrixXd EigenSaddle(const SplineSystem& s) {
    const int n = s.K.Rows();
    Eigen::MatrixXd S = Eigen::MatrixXd::Zero(n + 3, n + 3);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) S(i, j) = s.K(i, j);
        for (int k = 0; k < 3; ++k) S(n + k, i) = S(i, n + k) = s.P(k, i);
    }
    return S;
}

void BM_EigenSaddleLU(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    SplineSystem s(n);
    Eigen::MatrixXd S = EigenSaddle(s);
    Eigen::VectorXd rhs = Eigen::VectorXd::Zero(n + 3);
    for (int i = 0; i < n; ++i) rhs(i) = s.b(i);
    for (auto _ : state) {
        Eigen::VectorXd x = S.partialPivLu().solve(rhs);
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(BM_EigenSaddleLU)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_EigenSelfAdjoint(benchmark::State& state) {
    SplineSystem s(static_cast<int>(state.range(0)));
    Eigen::MatrixXd S = EigenSaddle(s);
    for (auto _ : state) {
        Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> es(S);
        benchmark::DoNotOptimize(es.eigenvalues().data());
    }
}
BENCHMARK(BM_EigenSelfAdjoint)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_JacobiEigen(benchmark::State& state) {
    SplineSystem s(static_cast<int>(state.range(0)));
    RMatrix S, Z(3, 3);
    Saddle(s.K, s.P, Z, S);
    for (auto _ : state) {
        RMatrix A = S;
        RVector d;
        bool ok = JacobiEigen(A, d);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_JacobiEigen)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);
#endif

} // namespace
