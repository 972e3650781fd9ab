// Mode-instability model: the optimised double sum against the term-by-term
// evaluation (both on the page defaults, same binary, same run), and the
// complex Bessel functions per call on the arguments the model uses.
#include "complexbessel.h"
#include "heatgreensamples.h"
#include "modeinstability.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

void BM_ModeInstability_Literal(benchmark::State &state)
{
    const ModeInstabilityInput in = defaultModeInstabilityInput();
    for (auto _ : state) {
        ModeInstabilityResult r = computeModeInstabilityLiteral(in);
        benchmark::DoNotOptimize(r.chiMax);
    }
}
BENCHMARK(BM_ModeInstability_Literal)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_ModeInstability(benchmark::State &state)
{
    const ModeInstabilityInput in = defaultModeInstabilityInput();
    for (auto _ : state) {
        forgetHeatGreenSamples(); // a first calculation: the Green's function computed too
        ModeInstabilityResult r = computeModeInstability(in);
        benchmark::DoNotOptimize(r.chiMax);
    }
}
BENCHMARK(BM_ModeInstability)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3); // two threads: wall time

// A recalculation after the core was edited (cladding, doped region and
// thermal data unchanged): the Green's-function samples are reused.
void BM_ModeInstabilityNewCore(benchmark::State &state)
{
    ModeInstabilityInput in = defaultModeInstabilityInput();
    (void)computeModeInstability(in);
    in.coreRadius = 12e-6;
    for (auto _ : state) {
        ModeInstabilityResult r = computeModeInstability(in);
        benchmark::DoNotOptimize(r.chiMax);
    }
}
BENCHMARK(BM_ModeInstabilityNewCore)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3); // two threads: wall time

// z = q r on the rays arg z = +-pi/4 with |z| up to 40: the span of q r for
// offsets up to 5 kHz and radii up to 200 um on the defaults.
std::vector<Complex> modelArguments()
{
    std::vector<Complex> z;
    for (int i = 1; i <= 256; ++i) {
        const double m = 40.0 * i / 256;
        const double s = (i % 2) ? 1.0 : -1.0;
        z.emplace_back(m * std::sqrt(0.5), s * m * std::sqrt(0.5));
    }
    return z;
}

void BM_ComplexBesselI(benchmark::State &state)
{
    const std::vector<Complex> args = modelArguments();
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(complexBesselI(1, args[k]));
        k = (k + 1) % args.size();
    }
}
BENCHMARK(BM_ComplexBesselI);

void BM_ComplexBesselK(benchmark::State &state)
{
    const std::vector<Complex> args = modelArguments();
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(complexBesselK(1, args[k]));
        k = (k + 1) % args.size();
    }
}
BENCHMARK(BM_ComplexBesselK);

void BM_RealBesselJ(benchmark::State &state)
{
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            realBesselJ(static_cast<double>(k % 2), 3.2 * static_cast<double>(k % 101) / 100));
        ++k;
    }
}
BENCHMARK(BM_RealBesselJ);

} // namespace
