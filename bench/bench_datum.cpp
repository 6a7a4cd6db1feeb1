// Datum shifts on 1,000,000 points: the Molodensky, Bursa-Wolf and
// regression legs and full two-leg conversions, reported per point.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "datum/legs.h"
#include "qvproj/datum.h"

using namespace QVProj;

namespace {

constexpr int kPoints = 1000000;

// A grid of points over the conterminous United States.
const std::vector<DATUMPOINT>& Points() {
    static const std::vector<DATUMPOINT> pts = [] {
        std::vector<DATUMPOINT> v(kPoints);
        for (int i = 0; i < kPoints; ++i)
            v[static_cast<size_t>(i)] = {-125.0 + 58.0 * (i % 1000) / 1000.0,
                                         25.0 + 24.0 * (i / 1000) / 1000.0};
        return v;
    }();
    return pts;
}

void PerPoint(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kPoints);
    state.counters["per_point"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kPoints,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

template <typename Leg> void RunLeg(benchmark::State& state, Leg leg) {
    std::vector<DATUMPOINT> work(Points());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.data(), Points().data(), sizeof(DATUMPOINT) * kPoints);
        state.ResumeTiming();
        leg(work.data(), kPoints);
        benchmark::ClobberMemory();
    }
    PerPoint(state);
}

DATUM2WGS84 Params(int datum, bool inverse) {
    DATUM2WGS84 p;
    std::memset(&p, 0, sizeof p);
    DatGetDatumParams(static_cast<DatumType>(datum), &p);
    p.bInverse = inverse;
    return p;
}

void BM_MolodenskyLeg(benchmark::State& state) {
    const DATUM2WGS84 p = Params(124, false); // NAD 1927 - CONUS to WGS84
    RunLeg(state, [&](DATUMPOINT* pts, int n) { MolodenskyLeg(p, pts, n); });
}
BENCHMARK(BM_MolodenskyLeg)->Unit(benchmark::kMillisecond);

void BM_BursaWolfLeg(benchmark::State& state) {
    const DATUM2WGS84 p = Params(221, false); // CH1903 to WGS84
    RunLeg(state, [&](DATUMPOINT* pts, int n) { BursaWolfLeg(p, pts, n); });
}
BENCHMARK(BM_BursaWolfLeg)->Unit(benchmark::kMillisecond);

void BM_RegressionLeg(benchmark::State& state) {
    RunLeg(state, [](DATUMPOINT* pts, int n) { RegressionLeg(229, pts, n); });
}
BENCHMARK(BM_RegressionLeg)->Unit(benchmark::kMillisecond);

void Convert(benchmark::State& state, int src, int dst) {
    DATUMXFORM x;
    std::memset(&x, 0, sizeof x);
    x.SrcDatum = static_cast<DatumType>(src);
    x.DstDatum = static_cast<DatumType>(dst);
    HDATUM h = DatCreateDatum(&x);
    RunLeg(state, [&](DATUMPOINT* pts, int n) { DatConvertDatum(h, pts, n); });
    DatDeleteDatum(h);
}

// Molodensky out of NAD 1927, Molodensky into WGS 1972.
void BM_ConvertMolodenskyMolodensky(benchmark::State& state) {
    Convert(state, 124, 4);
}
BENCHMARK(BM_ConvertMolodenskyMolodensky)->Unit(benchmark::kMillisecond);

// Molodensky out of NAD 1927, Bursa-Wolf into CH1903.
void BM_ConvertMolodenskyBursaWolf(benchmark::State& state) {
    Convert(state, 124, 221);
}
BENCHMARK(BM_ConvertMolodenskyBursaWolf)->Unit(benchmark::kMillisecond);

} // namespace
