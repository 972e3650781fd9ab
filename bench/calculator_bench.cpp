// One calculator evaluation from its input texts, as velmora.run() and
// velmora-cli run do it in C++ (defaults, linked fields, evaluate): the
// reference for the Python call overhead printed by bench/python_bench.py.
#include "catalogue.h"
#include "validation.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CalculatorRun(benchmark::State &state, const char *id)
{
    const velmora::calc::Calculator *calculator = velmora::calc::catalogue().find(id);
    if (!calculator) {
        state.SkipWithError("calculator not in this build");
        return;
    }
    for (auto _ : state) {
        velmora::calc::Result r =
            calculator->evaluate(velmora::calc::applyAssignments(*calculator, {}));
        benchmark::DoNotOptimize(r.outputs);
    }
}
BENCHMARK_CAPTURE(BM_CalculatorRun, refraction, "optics.refraction")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CalculatorRun, modes_solve, "modes.solve")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CalculatorRun, tmi_threshold, "tmi.threshold")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime(); // two threads inside: wall time

} // namespace
