// Angle text and catalogue lookups.
#include <benchmark/benchmark.h>

#include "qvproj/proj.h"

using namespace QVProj;

static void BM_LatLonToDegrees(benchmark::State& state) {
    double d = 0;
    for (auto _ : state) {
        LatLonToDegrees("-36d52'11.6315", &d, 'd');
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_LatLonToDegrees);

static void BM_DegreesToLatLon(benchmark::State& state) {
    char buf[DEGREES_TO_LATLON_BUFSIZE];
    for (auto _ : state) {
        DegreesToLatLon(buf, -36.8698976, 4 | DLL_HEMISPHERE | DLL_LATITUDE, 'd', '\'', '"');
        benchmark::DoNotOptimize(buf);
    }
}
BENCHMARK(BM_DegreesToLatLon);

static void BM_EllipsoidFromName(benchmark::State& state) {
    EllipsoidType e;
    for (auto _ : state) {
        EllipsoidFromName(&e, "wgs 84");
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_EllipsoidFromName);
