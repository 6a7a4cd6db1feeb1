// Forward and inverse of 1,000,000 points through the projection engine
// (degrees in, metres out and back), reporting time per point.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_points.h"
#include "qvproj/proj.h"

using namespace QVProj;

namespace {

PROJDATA Record(const qvbench::Case& c) {
    PROJDATA d{};
    d.Type = static_cast<ProjType>(c.type);
    d.Scale = 1;
    d.Ellipsoid = static_cast<EllipsoidType>(c.ellipsoid);
    d.Lat0 = c.lat0;
    d.Lon0 = c.lon0;
    d.Lat1 = c.lat1;
    d.Lat2 = c.lat2;
    d.K0 = c.k0;
    d.Lon1 = c.lon1;
    d.Lon2 = c.lon2;
    d.Alpha = c.alpha;
    d.bUseAlpha = (c.flags & 1) != 0;
    d.bRotate = (c.flags & 2) != 0;
    d.bUOffset = (c.flags & 4) != 0;
    return d;
}

void Run(benchmark::State& state, const qvbench::Case& c, bool forward) {
    PROJDATA d = Record(c);
    HPROJ h = ProjCreateProjection(&d);
    if (h == nullptr) {
        state.SkipWithError("cannot create the projection");
        return;
    }
    std::vector<PROJPOINT> input = qvbench::GridPoints<PROJPOINT>(c);
    if (!forward) ProjForward(h, input.data(), qvbench::kPoints);
    std::vector<PROJPOINT> work(input.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.data(), input.data(), input.size() * sizeof(PROJPOINT));
        state.ResumeTiming();
        bool ok = forward ? ProjForward(h, work.data(), qvbench::kPoints)
                          : ProjInverse(h, work.data(), qvbench::kPoints);
        benchmark::DoNotOptimize(ok);
        benchmark::ClobberMemory();
    }
    state.counters["ns_per_point"] = benchmark::Counter(
        static_cast<double>(qvbench::kPoints) * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    ProjDeleteProjection(h);
}

int Register() {
    for (const qvbench::Case& c : qvbench::kCases) {
        benchmark::RegisterBenchmark((std::string("Proj/") + c.name + "/fwd").c_str(),
                                     [&c](benchmark::State& s) { Run(s, c, true); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Proj/") + c.name + "/inv").c_str(),
                                     [&c](benchmark::State& s) { Run(s, c, false); })
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}
const int registered = Register();

} // namespace
