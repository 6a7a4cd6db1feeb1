// Georeference fits and forward transforms: Helmert, affine, the polynomial
// family and known coefficients on 10, 100 and 1000 control points, and
// throughput on a million points.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "qvproj/georef.h"

using namespace QVProj;

namespace {

// Control points of a 4000 x 3000 scan onto a mildly curved map sheet.
struct Controls {
    std::vector<GEOREFPOINT> src, dst;
    explicit Controls(int n) {
        std::mt19937 rng(42);
        std::uniform_real_distribution<double> X(0, 4000), Y(0, 3000), noise(-0.5, 0.5);
        for (int i = 0; i < n; ++i) {
            double x = X(rng), y = Y(rng), u = x / 4000, v = y / 3000;
            src.push_back({x, y});
            dst.push_back(
                {448200 + 2.49 * x + 0.031 * y + 14 * u * u - 9 * u * v + noise(rng),
                 4417800 + 0.027 * x - 2.51 * y + 11 * v * v + 6 * u * u * u + noise(rng)});
        }
    }
    GEOREF Record(TransformMethod m) {
        GEOREF g{};
        g.Method = m;
        g.NumControls = static_cast<int>(src.size());
        g.pSrcControls = src.data();
        g.pDstControls = dst.data();
        g.A = 2.49, g.B = 0.031, g.C = 448200, g.D = 0.027, g.E = -2.51, g.F = 4417800;
        return g;
    }
};

std::vector<GEOREFPOINT> Pixels(std::size_t n) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> X(0, 4000), Y(0, 3000);
    std::vector<GEOREFPOINT> pts(n);
    for (auto& p : pts) p = {X(rng), Y(rng)};
    return pts;
}

void BM_RefFit(benchmark::State& state) {
    Controls c(static_cast<int>(state.range(1)));
    GEOREF g = c.Record(static_cast<TransformMethod>(state.range(0)));
    state.SetLabel(RefMethodName(g.Method));
    for (auto _ : state) {
        HGEOREF h = RefCreateSystem(&g);
        if (!h) state.SkipWithError("fit failed");
        benchmark::DoNotOptimize(h);
        RefDeleteSystem(h);
    }
}
BENCHMARK(BM_RefFit)->ArgsProduct(
    {{RefHelmert, RefAffine, RefFirstOrder, RefSecondOrder, RefThirdOrder}, {10, 100, 1000}});

// A million points through each closed-form method (fitted on 100 controls).
void BM_RefForwardMillion(benchmark::State& state) {
    Controls c(100);
    GEOREF g = c.Record(static_cast<TransformMethod>(state.range(0)));
    HGEOREF h = RefCreateSystem(&g);
    state.SetLabel(RefMethodName(g.Method));
    const std::vector<GEOREFPOINT> pixels = Pixels(1000000);
    std::vector<GEOREFPOINT> pts(pixels.size());
    for (auto _ : state) {
        state.PauseTiming();
        pts = pixels;
        state.ResumeTiming();
        RefForward(h, pts.data(), static_cast<int>(pts.size()));
        benchmark::DoNotOptimize(pts.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pts.size()));
    RefDeleteSystem(h);
}
BENCHMARK(BM_RefForwardMillion)
    ->DenseRange(RefHelmert, RefCoefficients)
    ->Unit(benchmark::kMillisecond);

// A million points through a spline handle: each point costs one kernel
// evaluation per control point.
void BM_RefForwardSplineMillion(benchmark::State& state) {
    Controls c(static_cast<int>(state.range(1)));
    GEOREF g = c.Record(static_cast<TransformMethod>(state.range(0)));
    HGEOREF h = RefCreateSystem(&g);
    if (!h) {
        state.SkipWithError("fit failed");
        return;
    }
    state.SetLabel(RefMethodName(g.Method));
    const std::vector<GEOREFPOINT> pixels = Pixels(1000000);
    std::vector<GEOREFPOINT> pts(pixels.size());
    for (auto _ : state) {
        state.PauseTiming();
        pts = pixels;
        state.ResumeTiming();
        RefForward(h, pts.data(), static_cast<int>(pts.size()));
        benchmark::DoNotOptimize(pts.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(pts.size()));
    RefDeleteSystem(h);
}
BENCHMARK(BM_RefForwardSplineMillion)
    ->ArgsProduct({{RefThinPlateSpline, RefInverseDistanceSquared}, {10, 100}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
