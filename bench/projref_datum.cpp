// PROJ's counterparts of the datum legs on the same 1,000,000 points:
// "+proj=molodensky" for NAD 1927 - CONUS to WGS84, and the position-vector
// Helmert between "+proj=cart" steps for CH1903 to WGS84, through
// proj_trans_generic on radians (PROJ's native unit).
#include <benchmark/benchmark.h>
#include <proj.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int kPoints = 1000000;

struct LonLat {
    double lon, lat;
};

const std::vector<LonLat>& Points() {
    static const std::vector<LonLat> pts = [] {
        std::vector<LonLat> v(kPoints);
        const double d2r = M_PI / 180.0;
        for (int i = 0; i < kPoints; ++i)
            v[static_cast<size_t>(i)] = {(-125.0 + 58.0 * (i % 1000) / 1000.0) * d2r,
                                         (25.0 + 24.0 * (i / 1000) / 1000.0) * d2r};
        return v;
    }();
    return pts;
}

void Run(benchmark::State& state, const char* definition) {
    PJ_CONTEXT* ctx = proj_context_create();
    PJ* P = proj_create(ctx, definition);
    if (P == nullptr) {
        state.SkipWithError("proj_create failed");
        proj_context_destroy(ctx);
        return;
    }
    std::vector<LonLat> work(Points());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.data(), Points().data(), sizeof(LonLat) * kPoints);
        state.ResumeTiming();
        proj_trans_generic(P, PJ_FWD, &work[0].lon, sizeof(LonLat), kPoints, &work[0].lat,
                           sizeof(LonLat), kPoints, nullptr, 0, 0, nullptr, 0, 0);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
    state.counters["per_point"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kPoints,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    proj_destroy(P);
    proj_context_destroy(ctx);
}

// Datum 124: Clarke 1866, shifts -8, 160, 176 m; da and df to WGS84.
void BM_ProjMolodensky(benchmark::State& state) {
    Run(state, "+proj=molodensky +a=6378206.4 +rf=294.9786982 +dx=-8 +dy=160 +dz=176 "
               "+da=-69.4 +df=-3.7264639341e-05");
}
BENCHMARK(BM_ProjMolodensky)->Unit(benchmark::kMillisecond);

// Datum 221: Bessel 1841, CH1903 position-vector parameters.
void BM_ProjHelmertPipeline(benchmark::State& state) {
    Run(state, "+proj=pipeline +step +proj=cart +a=6377397.155 +rf=299.1528128 "
               "+step +proj=helmert +x=660.077 +y=13.551 +z=369.344 +rx=-0.804816 "
               "+ry=-0.577692 +rz=-0.952236 +s=5.66 +convention=position_vector "
               "+step +inv +proj=cart +ellps=WGS84");
}
BENCHMARK(BM_ProjHelmertPipeline)->Unit(benchmark::kMillisecond);

} // namespace
