// The exact mode engine: neff of every LP mode of the 20 μm default fiber
// (7 modes), all properties of the same fiber, and all properties of a large
// core (a = 50 μm, NA 0.22, 1064 nm: V = 65, 541 LP modes), without and with
// its vector modes. The process-wide Bessel zero table is built by the first
// iteration; the timings are of the steady state a page or a sweep sees.

#include "exactmodeset.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

StepIndexFiber defaultFiber()
{
    return {20e-6, 1080e-9, 1.4512, 1.45};
}

StepIndexFiber largeCore()
{
    return {50e-6, 1064e-9, std::sqrt(0.22 * 0.22 + 1.45 * 1.45), 1.45};
}

void BM_ExactNeff(benchmark::State &state, StepIndexFiber fiber, std::size_t expected)
{
    std::size_t count = 0;
    for (auto _ : state) {
        const std::vector<LpMode> modes = solveExactLpModes(fiber);
        count = modes.size();
        benchmark::DoNotOptimize(modes.data());
    }
    if (count != expected)
        state.SkipWithError("unexpected mode count");
}

void BM_ExactModes(benchmark::State &state, StepIndexFiber fiber, std::size_t expected,
                   bool vectorModes = false)
{
    ExactModeRequest request;
    request.fiber = fiber;
    request.vectorModes = vectorModes;
    request.options.dopedRadius = fiber.a;
    request.options.bendRadius = 0.05;
    request.options.materialDispersion = true;
    std::size_t count = 0;
    for (auto _ : state) {
        const ExactModeSet set = computeExactModeSet(request);
        count = set.lp.size();
        benchmark::DoNotOptimize(set.properties.data());
    }
    if (count != expected)
        state.SkipWithError("unexpected mode count");
}

BENCHMARK_CAPTURE(BM_ExactNeff, 20, defaultFiber(), 7)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ExactModes, 20, defaultFiber(), 7)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ExactModes, LargeCore, largeCore(), 541)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// The same with every vector mode (1080) and its dispersion and power flow.
BENCHMARK_CAPTURE(BM_ExactModes, LargeCoreVector, largeCore(), 541, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
