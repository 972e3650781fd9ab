// The pulsed Yb amplifier: without dispersion and nonlinearity the pulse
// train must gain exactly what the steady-state amplifier solver gives the
// same average signal; the regime limits are refused; the picosecond case
// with Kerr and Raman stays finite and conserves what it should.

#include "pulsedamplifier.h"
#include "pulsefield.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gnlse;

namespace {

const yb::CrossSectionSpectrum &shippedTable()
{
    static const yb::CrossSectionSpectrum spectrum = [] {
        yb::CrossSectionTable table;
        yb::readCrossSections("Data/YDF吸收发射参数.csv", table);
        yb::CrossSectionSpectrum s;
        s.assign(table);
        return s;
    }();
    return spectrum;
}

// 1 ps (FWHM) sech at 1030 nm, 50 W, 40 MHz into 2 m of Yb fiber, 6 µm core,
// NA 0.11, 3.586e25 /m³, 0.945 ms, 1 W core pump at 916 nm, forward.
struct PsCase {
    Grid grid;
    std::vector<Complex> input;
    PulsedAmplifierInput amp;
    explicit PsCase(int points = 1024, double windowPs = 40)
    {
        EXPECT_EQ(makeGrid(points, windowPs, 1030, grid), "");
        PulseSpec pulse;
        pulse.t0Ps = t0FromFwhm(pulse, 1.0);
        pulse.peakPowerW = 50;
        input = makePulse(grid, pulse);
        yb::AmplifierDesign &d = amp.design;
        d.coreRadius = d.dopedRadius = 3e-6;
        d.numericalAperture = 0.11;
        d.length = 2;
        d.ionDensity = 3.586e25;
        d.lifetime = 0.945e-3;
        d.pumpWavelength = 916e-9;
        d.pumpForward = 1;
        d.pumpBackward = 0;
        d.claddingPumped = false;
        d.aseBins = 0;
        amp.repetitionRateHz = 40e6;
    }
};

} // namespace

TEST(PulsedAmplifier, LinearPulseGainsWhatTheSteadyStateSolverGives)
{
    PsCase c;
    ASSERT_FALSE(shippedTable().empty());
    const PulsedAmplifierResult r = amplifyPulse(c.grid, c.input, c.amp, shippedTable());
    ASSERT_EQ(r.status, AmplifierStatus::Done) << r.message;
    EXPECT_GT(r.gainDb, 10.0);
    EXPECT_NEAR(r.pulseAverageOutW / r.steadySignalOutW, 1.0, 1e-4);
    // Energy and average power of the same train.
    // Sech: E = 2 P0 T0.
    EXPECT_NEAR(r.energyInPj, 2 * 50 * t0FromFwhm(PulseSpec(), 1.0), 1e-6);
    EXPECT_GT(r.pumpLeftW, 0.0);
    EXPECT_LT(r.pumpLeftW, 1.0);
}

TEST(PulsedAmplifier, WithAseTheSolversStillAgree)
{
    PsCase c;
    c.amp.design.aseStart = 1000e-9;
    c.amp.design.aseEnd = 1100e-9;
    c.amp.design.aseBins = 40;
    const PulsedAmplifierResult r = amplifyPulse(c.grid, c.input, c.amp, shippedTable());
    ASSERT_EQ(r.status, AmplifierStatus::Done) << r.message;
    EXPECT_NEAR(r.pulseAverageOutW / r.steadySignalOutW, 1.0, 1e-4);
}

TEST(PulsedAmplifier, NonlinearCaseSettlesSelfConsistently)
{
    // γ of the 6 µm core at 1030 nm, normal dispersion, Raman: B ≈ 60 rad
    // broadens the spectrum some forty times. A single pass (inversion from
    // the launched spectrum) would miss the output power by about a quarter;
    // the passes settle within a per cent of the steady state.
    PsCase linear(2048, 20), nonlinear(2048, 20);
    nonlinear.amp.fiber.gamma = 4.3e-3;
    nonlinear.amp.fiber.betas = {0.0236, 4.2e-5};
    nonlinear.amp.fiber.raman = RamanModel::BlowWood;
    nonlinear.amp.fiber.selfSteepening = true;
    const PulsedAmplifierResult a =
        amplifyPulse(linear.grid, linear.input, linear.amp, shippedTable());
    const PulsedAmplifierResult b =
        amplifyPulse(nonlinear.grid, nonlinear.input, nonlinear.amp, shippedTable());
    ASSERT_EQ(a.status, AmplifierStatus::Done) << a.message;
    ASSERT_EQ(b.status, AmplifierStatus::Done) << b.message;
    EXPECT_EQ(a.passes, 1);
    EXPECT_GT(b.passes, 1);
    EXPECT_LT(std::abs(b.mismatch), 0.01);
    EXPECT_GT(b.propagation.bIntegralRad, 30.0);
    EXPECT_GT(spectralFwhmNm(nonlinear.grid, b.propagation.field),
              10 * spectralFwhmNm(linear.grid, a.propagation.field));
    EXPECT_LT(b.propagation.spectrumEdgeShare, 1e-6);
    // The pump is absorbed either way; the broadened pulse extracts about as
    // much (the Yb gain is broad on the scale of 45 nm).
    EXPECT_NEAR(b.energyOutPj / a.energyOutPj, 1.0, 0.05);
}

TEST(PulsedAmplifier, RefusesOutsideItsRegime)
{
    PsCase c;
    c.amp.repetitionRateHz = 5e3; // f τ ≈ 5: the inversion recovers between pulses
    PulsedAmplifierResult r = amplifyPulse(c.grid, c.input, c.amp, shippedTable());
    EXPECT_EQ(r.status, AmplifierStatus::Refused);
    EXPECT_EQ(r.field, "rep_rate_hz");

    PsCase strong; // 40 kHz: a µJ pulse extracts far more than E_sat/10
    strong.amp.repetitionRateHz = 20e3;
    strong.amp.design.pumpForward = 1;
    PulseSpec pulse;
    pulse.t0Ps = t0FromFwhm(pulse, 1.0);
    pulse.peakPowerW = 2e4;
    strong.input = makePulse(strong.grid, pulse);
    r = amplifyPulse(strong.grid, strong.input, strong.amp, shippedTable());
    EXPECT_EQ(r.status, AmplifierStatus::Refused);
    EXPECT_EQ(r.field, "p_peak_w");
}
