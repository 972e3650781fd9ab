// Exact modes of layered, graded and trench-bounded (leaky) profiles.

#include "gradedmodes.h"
#include "leakymodes.h"
#include "profilemodes.h"

#include <benchmark/benchmark.h>

namespace {

// The pedestal fiber (core 10 μm 1.4520, pedestal to 30 μm 1.4510, cladding
// 1.4500, 1064 nm): all 15 LP modes with their derived data.
void BM_LayeredModes(benchmark::State &state)
{
    ProfileRequest request;
    request.layers = {{10e-6, 30e-6}, {1.4520, 1.4510}, 1.4500, 1.064e-6};
    request.dopedRadius = 10e-6;
    std::size_t count = 0;
    for (auto _ : state) {
        const ProfileModeSet set = computeProfileModes(request);
        count = set.rows.size();
        benchmark::DoNotOptimize(set.rows.data());
    }
    if (count != 15)
        state.SkipWithError("unexpected mode count");
}
BENCHMARK(BM_LayeredModes)->Unit(benchmark::kMillisecond);

// Parabolic profile a = 25 μm, 1.47/1.45 at 1 μm: 96 LP modes (eigenvalues
// with the convergence check, fields).
void BM_GradedModes(benchmark::State &state)
{
    GradedProfile profile;
    profile.a = 25e-6;
    profile.n1 = 1.47;
    profile.n2 = 1.45;
    profile.alpha = 2;
    profile.lambda = 1e-6;
    std::size_t count = 0;
    for (auto _ : state) {
        const GradedModeSet set = solveGradedLpModes(profile);
        count = set.modes.size();
        benchmark::DoNotOptimize(set.modes.data());
    }
    if (count != 96)
        state.SkipWithError("unexpected mode count");
}
BENCHMARK(BM_GradedModes)->Unit(benchmark::kMillisecond);

// Core 4 μm 1.44, trench to 20 μm 1.41, cladding 1.43, 1.6 μm: the leaky
// modes (LP02 loses 369 dB/km).
void BM_LeakyMode(benchmark::State &state)
{
    const LayeredFiber fiber{{4e-6, 20e-6}, {1.44, 1.41}, 1.43, 1.6e-6};
    std::size_t count = 0;
    for (auto _ : state) {
        const std::vector<LeakyLpMode> modes = solveLeakyLpModes(fiber);
        count = modes.size();
        benchmark::DoNotOptimize(modes.data());
    }
    if (count == 0)
        state.SkipWithError("no leaky mode");
}
BENCHMARK(BM_LeakyMode)->Unit(benchmark::kMillisecond);

} // namespace
