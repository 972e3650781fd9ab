// Fiber physics: the fast paths against the literal reference loops, measured
// in the same run so their medians can be compared by name.
//   BM_SolveModes_Literal/20 vs BM_SolveModes/20  (core radius in um)
//   BM_FieldMaps_Literal     vs BM_FieldMaps      (LP41 of the 20 um fiber)
//   BM_MixtureGrid_Literal   vs BM_MixtureGrid    (all 20 weights non-zero)
// The field paths use two threads, so every benchmark reports wall time.
#include "beamquality.h"
#include "fieldmaps.h"
#include "modesolver.h"
#include "reflectivity.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr double kLambda = 1080e-9;
constexpr double kN1 = 1.4512;
constexpr double kN2 = 1.45;

void BM_SolveModes_Literal(benchmark::State &state)
{
    const double a = state.range(0) * 1e-6;
    for (auto _ : state)
        benchmark::DoNotOptimize(solveModesLiteral(a, kLambda, kN1, kN2));
}
BENCHMARK(BM_SolveModes_Literal)->Arg(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SolveModes(benchmark::State &state)
{
    const double a = state.range(0) * 1e-6;
    for (auto _ : state)
        benchmark::DoNotOptimize(solveModes(a, kLambda, kN1, kN2));
}
BENCHMARK(BM_SolveModes)->Arg(20)->Arg(50)->Unit(benchmark::kMicrosecond)->UseRealTime();

double lp41Index()
{
    return solveModes(20e-6, kLambda, kN1, kN2).neffLists[4][0];
}

void BM_FieldMaps_Literal(benchmark::State &state)
{
    const double neff = lp41Index();
    ModeFieldMaps maps;
    for (auto _ : state) {
        computeFieldMapsLiteral(20e-6, kLambda, kN1, kN2, neff, 4, maps);
        benchmark::DoNotOptimize(maps.intensityE.data());
    }
}
BENCHMARK(BM_FieldMaps_Literal)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FieldMaps(benchmark::State &state)
{
    const double neff = lp41Index();
    ModeFieldMaps maps;
    for (auto _ : state) {
        computeFieldMaps(20e-6, kLambda, kN1, kN2, neff, 4, maps);
        benchmark::DoNotOptimize(maps.intensityE.data());
    }
}
BENCHMARK(BM_FieldMaps)->Unit(benchmark::kMillisecond)->UseRealTime();

ModeWeights allTwentyWeights()
{
    ModeWeights w;
    for (int k = 0; k < kBeamQualityModes; ++k) {
        w.e[k] = 1.0;
        w.o[k] = k < 4 ? 0.0 : 1.0;
    }
    return computeBeamQuality(w).normalized;
}

void BM_MixtureGrid_Literal(benchmark::State &state)
{
    const ModeWeights w = allTwentyWeights();
    std::vector<double> grid;
    for (auto _ : state) {
        computeMixtureGridLiteral(w, grid);
        benchmark::DoNotOptimize(grid.data());
    }
}
BENCHMARK(BM_MixtureGrid_Literal)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MixtureGrid(benchmark::State &state)
{
    const ModeWeights w = allTwentyWeights();
    std::vector<double> grid;
    for (auto _ : state) {
        computeMixtureGrid(w, grid);
        benchmark::DoNotOptimize(grid.data());
    }
}
BENCHMARK(BM_MixtureGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Reflectivity(benchmark::State &state)
{
    const double theta = 5.0 / 180 * 3.141592653589793;
    for (auto _ : state)
        benchmark::DoNotOptimize(endFaceReflectivity(10e-6, kLambda, kN1, kN2, 1.4511, 0, theta));
}
BENCHMARK(BM_Reflectivity)->Unit(benchmark::kMicrosecond)->UseRealTime();

// LP21 (its own J2/K2 profile): the higher-order Bessel routines' cost.
void BM_ReflectivityOrderTwo(benchmark::State &state)
{
    const double theta = 5.0 / 180 * 3.141592653589793;
    for (auto _ : state)
        benchmark::DoNotOptimize(endFaceReflectivity(10e-6, kLambda, kN1, kN2, 1.4501, 2, theta));
}
BENCHMARK(BM_ReflectivityOrderTwo)->Unit(benchmark::kMicrosecond)->UseRealTime();

// 100 um core, NA 0.22 at 1064 nm: 541 modes up to m = 58, and the cutoff
// count that checks the list.
void BM_SolveModesHighV(benchmark::State &state)
{
    const double n2 = 1.45;
    const double n1 = std::sqrt(n2 * n2 + 0.22 * 0.22);
    for (auto _ : state)
        benchmark::DoNotOptimize(solveModes(50e-6, 1064e-9, n1, n2));
}
BENCHMARK(BM_SolveModesHighV)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
