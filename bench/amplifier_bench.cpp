// The steady-state Yb amplifier solve (physics/ybamplifier.h) on the two
// reference designs, with the number of ASE bins as the argument: the whole
// solve with its grid refinement, to the default 1e-6 tolerance.

#include "runtimefile.h"
#include "ybamplifierdesign.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

const yb::CrossSectionSpectrum *shippedTable()
{
    static const yb::CrossSectionSpectrum spectrum = [] {
        // Found as the program finds it (working directory, beside the
        // executable, the installed data directory), so the benchmark runs
        // from any directory.
        yb::CrossSectionTable table;
        yb::readCrossSections(QFile::encodeName(velmora::calc::findRuntimeFile(
                                                    QStringLiteral("Data/YDF吸收发射参数.csv")))
                                  .toStdString(),
                              table);
        yb::CrossSectionSpectrum s;
        s.assign(table);
        return s;
    }();
    return spectrum.empty() ? nullptr : &spectrum;
}

void solveReference(benchmark::State &state, yb::AmplifierDesign design)
{
    const yb::CrossSectionSpectrum *table = shippedTable();
    if (!table) {
        state.SkipWithError("cross-section table Data/YDF吸收发射参数.csv not found");
        return;
    }
    design.aseBins = static_cast<int>(state.range(0));
    yb::AmplifierProblem problem;
    yb::ChannelMap map;
    if (!yb::buildAmplifierProblem(design, *table, problem, map).empty()) {
        state.SkipWithError("design refused");
        return;
    }
    yb::AmplifierSolution solution;
    for (auto _ : state) {
        solution = yb::solveAmplifier(problem);
        benchmark::DoNotOptimize(solution.outputPower.data());
    }
    if (solution.status != yb::SolveStatus::Converged)
        state.SkipWithError("not converged");
    state.counters["iterations"] = solution.iterations;
    state.counters["steps"] = solution.steps;
    state.counters["channels"] = static_cast<double>(problem.channels.size());
}

void BM_AmplifierCorePumped(benchmark::State &state)
{
    solveReference(state, yb::corePumpedReference());
}
BENCHMARK(BM_AmplifierCorePumped)->Arg(0)->Arg(80)->Unit(benchmark::kMillisecond);

void BM_AmplifierDoubleClad(benchmark::State &state)
{
    solveReference(state, yb::doubleCladReference());
}
BENCHMARK(BM_AmplifierDoubleClad)->Arg(0)->Arg(80)->Unit(benchmark::kMillisecond);

// An ASE-dominated core-pumped design (1 W pump, 1 mW signal at 1064 nm, ASE
// band to 1100 nm, 5 m): the sweeps alone contract by about 0.95 per pass
// here. Goal < 100 ms.
void BM_AmplifierAseDominated(benchmark::State &state)
{
    yb::AmplifierDesign d = yb::corePumpedReference();
    d.length = 5;
    d.pumpForward = 1;
    d.signalPower = 1e-3;
    d.signalWavelength = 1064e-9;
    d.aseEnd = 1100e-9;
    solveReference(state, d);
}
BENCHMARK(BM_AmplifierAseDominated)->Arg(80)->Unit(benchmark::kMillisecond);

// The double-clad reference at 300 m: strongly re-absorbing, forward ASE of
// tens of watts, a non-uniform grid of thousands of intervals. Goal < 300 ms.
void BM_AmplifierLongFiber(benchmark::State &state)
{
    yb::AmplifierDesign d = yb::doubleCladReference();
    d.length = 300;
    solveReference(state, d);
}
BENCHMARK(BM_AmplifierLongFiber)->Arg(80)->Unit(benchmark::kMillisecond);

} // namespace
