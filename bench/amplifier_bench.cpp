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

} // namespace
