// The same 1,000,000 points through PROJ (proj_trans_generic) with the
// equivalent definitions, for a side-by-side view of time per point. Raw
// projection operations take radians, so the degree conversion is counted
// on both sides.
#include <benchmark/benchmark.h>
#include <proj.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "bench_points.h"

namespace {

struct XY {
    double x, y;
};

constexpr double kDegToRad = 3.141592653589793 / 180.0;

void Run(benchmark::State& state, const char* definition, const qvbench::Case& c, bool forward) {
    PJ_CONTEXT* ctx = proj_context_create();
    PJ* P = proj_create(ctx, definition);
    if (P == nullptr) {
        state.SkipWithError("PROJ cannot create the definition");
        proj_context_destroy(ctx);
        return;
    }
    std::vector<XY> input = qvbench::GridPoints<XY>(c);
    if (!forward) {
        for (XY& p : input) {
            p.x *= kDegToRad;
            p.y *= kDegToRad;
        }
        proj_trans_generic(P, PJ_FWD, &input[0].x, sizeof(XY), input.size(), &input[0].y,
                           sizeof(XY), input.size(), nullptr, 0, 0, nullptr, 0, 0);
    }
    std::vector<XY> work(input.size());
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.data(), input.data(), input.size() * sizeof(XY));
        state.ResumeTiming();
        if (forward) {
            for (XY& p : work) {
                p.x *= kDegToRad;
                p.y *= kDegToRad;
            }
        }
        size_t n =
            proj_trans_generic(P, forward ? PJ_FWD : PJ_INV, &work[0].x, sizeof(XY), work.size(),
                               &work[0].y, sizeof(XY), work.size(), nullptr, 0, 0, nullptr, 0, 0);
        if (!forward) {
            for (XY& p : work) {
                p.x /= kDegToRad;
                p.y /= kDegToRad;
            }
        }
        benchmark::DoNotOptimize(n);
        benchmark::ClobberMemory();
    }
    state.counters["ns_per_point"] = benchmark::Counter(
        static_cast<double>(qvbench::kPoints) * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    proj_destroy(P);
    proj_context_destroy(ctx);
}

int Register() {
    for (const qvbench::Case& c : qvbench::kCases) {
        for (int approx = 0; approx < 2; ++approx) {
            const char* def = approx ? c.projApprox : c.proj;
            if (def == nullptr) continue;
            std::string base = std::string("PROJ/") + c.name + (approx ? "+approx" : "");
            benchmark::RegisterBenchmark((base + "/fwd").c_str(), [def, &c](benchmark::State& s) {
                Run(s, def, c, true);
            })->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((base + "/inv").c_str(), [def, &c](benchmark::State& s) {
                Run(s, def, c, false);
            })->Unit(benchmark::kMillisecond);
        }
    }
    return 0;
}
const int registered = Register();

} // namespace
