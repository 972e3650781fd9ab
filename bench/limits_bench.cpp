// The power-limit scan: a 100 × 100 map of core diameter × length with every
// limit, mode instability included (one MI threshold per core diameter; with
// a doped region of its own the model's Green's-function samples are shared
// by every core wider than it, with the whole core doped each core has its own).
#include "heatgreensamples.h"
#include "powerlimits.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

powerlimits::Parameters mapParameters(double dopedRadius)
{
    powerlimits::Parameters p;
    p.signalWavelength = 1064e-9;
    p.pumpWavelength = 975e-9;
    p.claddingRadius = 200e-6;
    p.claddingFromAbsorption = true;
    p.coreNA = 0.06;
    p.dopedRadius = dopedRadius;
    p.laserEfficiency = 0.85;
    p.heatFraction = 0.1;
    p.conductivity = 1.38;
    p.heatTransfer = 1e4;
    p.coolantTemperature = 300;
    p.meltingTemperature = 1983;
    p.ruptureModulus = 2460;
    p.thermoOptic = 11.8e-6;
    p.modeFieldRatio = 1.2;
    p.ramanGain = 1e-13;
    p.brillouinGain = 5e-11;
    p.sbsExponent = 17;
    p.brillouinBandwidth = 50e6;
    p.signalLinewidth = 100e9;
    p.damageIntensity = 35e12;
    p.pumpRadiance = 0.021e12;
    p.pumpNA = 0.45;
    p.coreAbsorption = 250 * std::log(10.0) / 10;
    p.pumpAbsorption = 20 * std::log(10.0) / 10;
    return p;
}

void BM_LimitsMap(benchmark::State &state)
{
    const powerlimits::Parameters p = mapParameters(state.range(0) * 1e-6);
    const powerlimits::MapGrid grid{10e-6, 150e-6, 100, 0.5, 100, 100};
    for (auto _ : state) {
        forgetHeatGreenSamples(); // a first scan: every sample computed
        const powerlimits::MapResult m = powerlimits::scanMap(p, powerlimits::allLimits(), grid);
        benchmark::DoNotOptimize(m.bestPower);
    }
}
// Arg: doped radius in μm (0: the whole core).
BENCHMARK(BM_LimitsMap)->Arg(15)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
