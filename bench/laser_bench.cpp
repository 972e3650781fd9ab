// The gain tab of the laser-parameters page: reading the cross-section table,
// the gain arithmetic alone, and the whole Calculate (read + compute + replot,
// offscreen) as the user presses it.

#include "lasertrait.h"
#include "pageconventions.h"
#include "ybgain.h"

#include "benchapplication.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace {

std::string tablePath()
{
    return QFile::encodeName(LaserTrait::crossSectionFile()).toStdString();
}

void BM_YbReadCrossSections(benchmark::State &state)
{
    const std::string path = tablePath();
    std::size_t samples = 0;
    for (auto _ : state) {
        yb::CrossSectionTable table;
        if (!yb::readCrossSections(path, table)) {
            state.SkipWithError("cross-section table not found");
            return;
        }
        samples = table.wavelengths.size();
        benchmark::DoNotOptimize(table.emission.data());
    }
    state.counters["samples"] = static_cast<double>(samples);
}
BENCHMARK(BM_YbReadCrossSections)->Unit(benchmark::kMicrosecond);

void BM_YbGainSpectrum(benchmark::State &state)
{
    yb::CrossSectionTable table;
    if (!yb::readCrossSections(tablePath(), table)) {
        state.SkipWithError("cross-section table not found");
        return;
    }
    const yb::FiberGainParameters fiber{4.3e25, 0.8, 0.1, 6};
    for (auto _ : state) {
        const yb::GainSpectrum spectrum = yb::computeGainSpectrum(table, fiber);
        benchmark::DoNotOptimize(spectrum.linear.data());
    }
}
BENCHMARK(BM_YbGainSpectrum)->Unit(benchmark::kMicrosecond);

void BM_LaserTraitCalculateGain(benchmark::State &state)
{
    if (!ensureWidgetApplication()) {
        state.SkipWithError("no QApplication");
        return;
    }
    LaserTrait page;
    page.resize(815, 590);
    for (auto _ : state) {
        if (!page.calculateGain()) {
            state.SkipWithError("cross-section table not found");
            return;
        }
    }
}
BENCHMARK(BM_LaserTraitCalculateGain)->Unit(benchmark::kMillisecond);

} // namespace
