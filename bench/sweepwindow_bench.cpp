// The sweep window's runner on a 200-point mode-instability sweep over the
// core radius (no drawing): the worker threads, the queued progress and the
// hand-over of the result, as the window uses them.
#include "benchapplication.h"
#include "catalogue.h"
#include "heatgreensamples.h"
#include "sweeprunner.h"

#include <QEventLoop>

#include <benchmark/benchmark.h>

namespace {

void BM_SweepWindowTmi200(benchmark::State &state)
{
    const velmora::calc::Calculator *tmi = velmora::calc::catalogue().find("tmi.threshold");
    if (!ensureWidgetApplication() || !tmi) {
        state.SkipWithError("no application or no tmi.threshold calculator");
        return;
    }
    velmora::calc::SweepAxis radius;
    radius.key = "a_um";
    radius.start = 10;
    radius.stop = 30;
    radius.count = 200;
    for (auto _ : state) {
        forgetHeatGreenSamples(); // each run computes the Green's function once, as a first sweep
                                  // does
        SweepRunner runner;
        QEventLoop loop;
        QObject::connect(&runner, &SweepRunner::finished, &loop, &QEventLoop::quit);
        QObject::connect(&runner, &SweepRunner::cancelled, &loop, &QEventLoop::quit);
        runner.start(*tmi, {radius}, {});
        loop.exec();
        benchmark::DoNotOptimize(runner.result().points.size());
    }
}
BENCHMARK(BM_SweepWindowTmi200)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace
