// The picosecond Yb amplifier: a 1 ps (FWHM) sech at 1030 nm, 50 W peak,
// 40 MHz, into 2 m of 6 µm core Yb fiber (NA 0.11, 3.586e25 /m³, 0.945 ms)
// with 1 W of 916 nm core pump forward; Kerr (γ = 4.3e-3 /W/m), normal
// dispersion and Raman. 4096 points over 40 ps; the whole self-consistent
// solve (steady-state inversion and propagation passes).

#include "pulsedamplifier.h"
#include "pulsefield.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PulsedAmplifierPs(benchmark::State &state)
{
    yb::CrossSectionTable table;
    yb::readCrossSections("Data/YDF吸收发射参数.csv", table);
    yb::CrossSectionSpectrum xs;
    if (!xs.assign(table).empty()) {
        state.SkipWithError("cross-section table not found (run in bin/)");
        return;
    }
    gnlse::Grid grid;
    gnlse::makeGrid(4096, 40, 1030, grid);
    gnlse::PulseSpec pulse;
    pulse.t0Ps = gnlse::t0FromFwhm(pulse, 1.0);
    pulse.peakPowerW = 50;
    const std::vector<gnlse::Complex> input = gnlse::makePulse(grid, pulse);
    gnlse::PulsedAmplifierInput amp;
    yb::AmplifierDesign &d = amp.design;
    d.coreRadius = d.dopedRadius = 3e-6;
    d.numericalAperture = 0.11;
    d.length = 2;
    d.ionDensity = 3.586e25;
    d.lifetime = 0.945e-3;
    d.pumpWavelength = 916e-9;
    d.pumpForward = 1;
    d.pumpBackward = 0;
    d.aseBins = 0;
    amp.repetitionRateHz = 40e6;
    amp.fiber.gamma = 4.3e-3;
    amp.fiber.betas = {0.0236, 4.2e-5};
    amp.fiber.raman = gnlse::RamanModel::BlowWood;
    amp.fiber.selfSteepening = true;
    gnlse::PulsedAmplifierResult result;
    for (auto _ : state) {
        result = gnlse::amplifyPulse(grid, input, amp, xs);
        benchmark::DoNotOptimize(result.energyOutPj);
    }
    if (result.status != gnlse::AmplifierStatus::Done) {
        state.SkipWithError("refused");
        return;
    }
    state.counters["gain_db"] = result.gainDb;
    state.counters["passes"] = result.passes;
    state.counters["fwhm_ps"] = gnlse::durationFwhmPs(grid, result.propagation.field);
    state.counters["width_nm"] = gnlse::spectralFwhmNm(grid, result.propagation.field);
}
BENCHMARK(BM_PulsedAmplifierPs)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
