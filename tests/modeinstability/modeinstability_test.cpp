// The mode-instability model on the page defaults and on edge cases. Expected
// figures are those published for the model (to the digits given there), or
// follow from the definitions by hand.
#include "modeinstability.h"
#include "complexnumber.h"
#include "heatgreensamples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// "%.4g" text of a value: what the page's g4 output field shows.
std::string g4(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4g", v);
    return buf;
}

class DefaultModel : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        result = new ModeInstabilityResult(computeModeInstability(defaultModeInstabilityInput()));
    }
    static void TearDownTestSuite()
    {
        delete result;
        result = nullptr;
    }
    static ModeInstabilityResult *result;
};
ModeInstabilityResult *DefaultModel::result = nullptr;

TEST_F(DefaultModel, FiberIsMultimodeWithTheExpectedModes)
{
    const ModeInstabilityResult &r = *result;
    ASSERT_EQ(r.status, ModeInstabilityStatus::Ok);
    // V = 2 pi / 1064 nm * 15 um * 0.06
    EXPECT_NEAR(r.vNumber, 2 * M_PI / 1064e-9 * 15e-6 * 0.06, 1e-12);
    EXPECT_NEAR(r.vNumber, 5.3147, 5e-5);
    EXPECT_NEAR(r.claddingIndex, std::sqrt(1.45 * 1.45 - 0.06 * 0.06), 1e-15);
    EXPECT_NEAR(r.claddingIndex, 1.4487581, 5e-8);
    EXPECT_NEAR(r.neff01, 1.4498215, 5e-8);
    EXPECT_NEAR(r.neff11, 1.4495526, 5e-8);
    EXPECT_NEAR(r.u01, 2.0152, 5e-5);
    EXPECT_NEAR(r.u11, 3.1903, 5e-5);
    // W^2 + U^2 = V^2
    EXPECT_NEAR(r.w01 * r.w01 + r.u01 * r.u01, r.vNumber * r.vNumber, 1e-12);
}

TEST_F(DefaultModel, ModePowersAndCouplingConstant)
{
    const ModeInstabilityResult &r = *result;
    EXPECT_NEAR(r.power01, 2.736e-10, 0.0005e-10);
    EXPECT_NEAR(r.power11, 8.495e-11, 0.0005e-11);
    EXPECT_NEAR(r.couplingConstant, 9.3177, 5e-5);
}

TEST_F(DefaultModel, ShiftGridHas101OffsetsFromMinus5To5kHz)
{
    const ModeInstabilityResult &r = *result;
    ASSERT_EQ(r.shifts.size(), 101u);
    ASSERT_EQ(r.coupling.size(), 101u);
    EXPECT_EQ(r.shifts.front(), -5.0);
    EXPECT_NEAR(r.shifts.back(), 5.0, 1e-12);
    EXPECT_NEAR(r.shifts[50], 0.0, 1e-12);
    for (size_t k = 0; k < r.shifts.size(); ++k)
        EXPECT_EQ(r.shifts[k],
                  static_cast<double>(k) * 0.1 - 5.0); // a product, not an accumulation
}

TEST_F(DefaultModel, CouplingCurveIsOddAndPositiveBelowZero)
{
    const ModeInstabilityResult &r = *result;
    for (size_t k = 0; k < 50; ++k) {
        EXPECT_GT(r.coupling[k], 0.0) << "k = " << k + 1;
        EXPECT_NEAR(r.coupling[100 - k], -r.coupling[k], 1e-9 * std::fabs(r.coupling[k]))
            << "k = " << k + 1;
    }
    EXPECT_NEAR(r.coupling[50], 0.0, 1e-12);
}

TEST_F(DefaultModel, PeakAtMinus3Point3kHz)
{
    const ModeInstabilityResult &r = *result;
    EXPECT_EQ(g4(r.chiMax), "0.1433");
    EXPECT_EQ(r.peakIndex, 18);
    EXPECT_NEAR(r.shifts[r.peakIndex - 1], -3.3, 1e-12);
    EXPECT_NEAR(r.peakShift, 3.3, 1e-12);
    EXPECT_EQ(r.chiMax, r.coupling[17]);
    EXPECT_LT(r.peakCurvature, 0.0); // a maximum
}

TEST_F(DefaultModel, OverlapsAndModeContent)
{
    const ModeInstabilityResult &r = *result;
    EXPECT_NEAR(r.gamma01, 0.9746, 5e-5);
    EXPECT_NEAR(r.gamma11, 0.9291, 5e-5);
    ASSERT_EQ(r.powers.size(), r.modeContent.size());
    ASSERT_EQ(r.powers.size(), 130u); // 50 .. 179 W
    EXPECT_EQ(r.powers.front(), 50.0);
    EXPECT_NEAR(r.modeContent.front(), 0.0093, 5e-5);
    EXPECT_NEAR(r.modeContent[128], 0.046, 5e-4);   // 178 W
    EXPECT_NEAR(r.modeContent.back(), 0.052, 5e-4); // 179 W
    EXPECT_LT(r.modeContent[128], 0.05);
    EXPECT_GE(r.modeContent.back(), 0.05);
    EXPECT_EQ(r.thresholdPower, 179.0);
    EXPECT_EQ(r.powers.back(), 179.0);
}

void expectSameResult(const ModeInstabilityResult &a, const ModeInstabilityResult &b)
{
    ASSERT_EQ(a.status, b.status);
    EXPECT_EQ(a.coupling, b.coupling); // exact, element by element
    EXPECT_EQ(a.modeContent, b.modeContent);
    EXPECT_EQ(a.chiMax, b.chiMax);
    EXPECT_EQ(a.peakIndex, b.peakIndex);
    EXPECT_EQ(a.thresholdPower, b.thresholdPower);
    EXPECT_EQ(a.gamma01, b.gamma01);
}

TEST(ModeInstability, OptimisedEqualsLiteralOnTheDefaults)
{
    const ModeInstabilityInput in = defaultModeInstabilityInput();
    expectSameResult(computeModeInstability(in), computeModeInstabilityLiteral(in));
}

TEST(ModeInstability, OptimisedEqualsLiteralOnAnotherFiber)
{
    // A 20/400 um fiber with a doped region wider than the core, other
    // wavelengths and thermal data.
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.coreRadius = 10e-6;
    in.dopedRadius = 12e-6;
    in.claddingRadius = 200e-6;
    in.numericalAperture = 0.065;
    in.signalWavelength = 1030e-9;
    in.pumpWavelength = 976e-9;
    in.heatTransfer = 2500;
    in.conductivity = 1.38;
    in.heatCapacity = 1.6e6;
    in.initialPower = 20;
    const ModeInstabilityResult fast = computeModeInstability(in);
    ASSERT_EQ(fast.status, ModeInstabilityStatus::Ok);
    expectSameResult(fast, computeModeInstabilityLiteral(in));
}

TEST(ModeInstability, OptimisedEqualsLiteralOnDegenerateRadii)
{
    // Zero radii: single-sample sums, zero terms and (b = 0) an infinite
    // normalisation whose NaNs must appear in both evaluations alike.
    for (int which = 0; which < 3; ++which) {
        ModeInstabilityInput in = defaultModeInstabilityInput();
        if (which == 0)
            in.dopedRadius = 0;
        else if (which == 1)
            in.claddingRadius = 0;
        else
            in.dopedRadius = 250e-6; // doped region wider than the cladding
        if (which == 2)
            in.claddingRadius = 40e-6;
        SCOPED_TRACE(which);
        const ModeInstabilityResult fast = computeModeInstability(in);
        const ModeInstabilityResult literal = computeModeInstabilityLiteral(in);
        ASSERT_EQ(fast.coupling.size(), literal.coupling.size());
        for (size_t k = 0; k < fast.coupling.size(); ++k) {
            if (std::isnan(literal.coupling[k]))
                EXPECT_TRUE(std::isnan(fast.coupling[k])) << k;
            else
                EXPECT_EQ(fast.coupling[k], literal.coupling[k]) << k;
        }
        EXPECT_EQ(fast.thresholdPower, literal.thresholdPower);
    }
}

// The Green's-function samples are kept between calls for the same grids and
// thermal constants. A result must not depend on what was computed before:
// for each quantity that shapes the samples, a fiber differing from the
// previous call in that quantity alone (and in its core, which the samples do
// not depend on) gives exactly the result computed from nothing.
TEST(ModeInstability, KeptGreenSamplesNeverChangeAResult)
{
    const ModeInstabilityInput base = defaultModeInstabilityInput();
    std::vector<ModeInstabilityInput> variants(6, base);
    variants[0].claddingRadius = 250e-6;
    variants[1].dopedRadius = 12e-6;
    variants[2].conductivity = 1.38;
    variants[3].heatCapacity = 1.6e6;
    variants[4].heatTransfer = 2500;
    variants[5].coreRadius = 20e-6; // same thermal setup: the samples are shared
    for (size_t v = 0; v < variants.size(); ++v) {
        SCOPED_TRACE(v);
        if (v < 5)
            variants[v].coreRadius = 12e-6;
        forgetHeatGreenSamples();
        const ModeInstabilityResult fresh = computeModeInstability(variants[v]);
        ASSERT_EQ(fresh.status, ModeInstabilityStatus::Ok);
        forgetHeatGreenSamples();
        (void)computeModeInstability(base);
        expectSameResult(computeModeInstability(variants[v]), fresh);
    }
}

TEST(ModeInstability, SingleModeFiberIsRefused)
{
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.coreRadius = 3e-6;
    const ModeInstabilityResult r = computeModeInstability(in);
    EXPECT_EQ(r.status, ModeInstabilityStatus::NotMultimode);
    EXPECT_NEAR(r.vNumber, 1.06, 0.005);
    EXPECT_TRUE(r.coupling.empty());
    EXPECT_TRUE(r.powers.empty());
}

TEST(ModeInstability, ZeroApertureOrWavelengthIsNotMultimode)
{
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.numericalAperture = 0;
    EXPECT_EQ(computeModeInstability(in).status, ModeInstabilityStatus::NotMultimode);
    in = defaultModeInstabilityInput();
    in.signalWavelength = 0; // V would be inf * ... : refused, not run
    EXPECT_EQ(computeModeInstability(in).status, ModeInstabilityStatus::NotMultimode);
}

TEST(ModeInstability, JustAboveCutoffStillRuns)
{
    // V = 2.41: LP11 is barely guided.
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.coreRadius = 2.41 / (2 * M_PI / in.signalWavelength * in.numericalAperture);
    const ModeInstabilityResult r = computeModeInstability(in);
    if (r.status == ModeInstabilityStatus::Ok) {
        EXPECT_GT(r.neff11, r.claddingIndex);
        // 101 offsets, widened by 50 at a time while the peak lies beyond.
        EXPECT_GE(r.coupling.size(), 101u);
        EXPECT_EQ((r.coupling.size() - 101) % 50, 0u);
    } else {
        // the mode search missed LP11: reported, not a crash
        EXPECT_NEAR(r.vNumber, 2.41, 1e-9);
    }
}

TEST(ModeInstability, ZeroInitialFractionNeverReachesTheThreshold)
{
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.initialFraction = 0;
    const ModeInstabilityResult r = computeModeInstability(in);
    ASSERT_EQ(r.status, ModeInstabilityStatus::Ok);
    EXPECT_FALSE(r.thresholdFound); // 5000 W is where the scan stopped, not a threshold
    EXPECT_EQ(r.thresholdPower, 5000.0);
    ASSERT_EQ(r.powers.size(), 4951u);
    EXPECT_EQ(r.powers.back(), 5000.0);
    for (double xi : r.modeContent)
        ASSERT_EQ(xi, 0.0); // never NaN, even where the growth factor overflows
}

TEST(ModeInstability, WithoutNoiseOrThermalCouplingThereIsNoThreshold)
{
    // RIN = 0 seeds nothing (0 * inf used to be a NaN counted as the
    // crossing, 4838 W); dn/dT = 0 couples nothing (a zero curvature used
    // to give an infinite fraction, 50 W). The seeded fraction only decays.
    ModeInstabilityInput noNoise = defaultModeInstabilityInput();
    noNoise.intensityNoise = 0;
    ModeInstabilityInput noCoupling = defaultModeInstabilityInput();
    noCoupling.thermoOptic = 0;
    for (const ModeInstabilityInput &in : {noNoise, noCoupling}) {
        const ModeInstabilityResult r = computeModeInstability(in);
        ASSERT_EQ(r.status, ModeInstabilityStatus::Ok);
        EXPECT_FALSE(r.thresholdFound);
        EXPECT_EQ(r.powers.back(), 5000.0);
        EXPECT_DOUBLE_EQ(
            r.modeContent.front(),
            in.initialFraction * std::pow(in.initialPower / 50.0, 1 - r.gamma11 / r.gamma01));
        EXPECT_LT(r.modeContent.back(), r.modeContent.front());
    }
    EXPECT_TRUE(computeModeInstability(defaultModeInstabilityInput()).thresholdFound);
}

TEST(ModeInstability, InitialPowerAbove50WRaisesTheFirstFraction)
{
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.initialPower = 100;
    const ModeInstabilityResult r = computeModeInstability(in);
    ASSERT_EQ(r.status, ModeInstabilityStatus::Ok);
    // (P0/P)^rho > 1 at P = 50 W with rho = 1 - G11/G01 > 0
    EXPECT_GT(r.modeContent.front(), in.initialFraction);
}

TEST(ModeInstability, ZeroConductivityOrHeatCapacityReportsTheDivision)
{
    for (int which = 0; which < 2; ++which) {
        ModeInstabilityInput in = defaultModeInstabilityInput();
        (which == 0 ? in.conductivity : in.heatCapacity) = 0;
        try {
            (void)computeModeInstability(in);
            ADD_FAILURE() << "no division error for case " << which;
        } catch (const ComplexDivisionError &e) {
            EXPECT_EQ(std::string(e.what()), "除数为0");
        }
        EXPECT_THROW((void)computeModeInstabilityLiteral(in), ComplexDivisionError);
    }
}

TEST(ModeInstability, ZeroRadiiEndInsteadOfLoopingForever)
{
    // A zero doped radius makes the r' step 0: the single sample r' = 0
    // contributes nothing, so chi and the overlaps are 0.
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.dopedRadius = 0;
    const ModeInstabilityResult r = computeModeInstability(in);
    ASSERT_EQ(r.status, ModeInstabilityStatus::Ok);
    for (double chi : r.coupling)
        EXPECT_EQ(chi, 0.0);
    EXPECT_EQ(r.gamma01, 0.0);
    // A zero cladding radius: mode powers 0, the run still ends.
    in = defaultModeInstabilityInput();
    in.claddingRadius = 0;
    EXPECT_EQ(computeModeInstability(in).status, ModeInstabilityStatus::Ok);
}

TEST(ModeInstability, NegativeDopedRadiusSkipsTheSums)
{
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.dopedRadius = -1e-6;
    const ModeInstabilityResult r = computeModeInstability(in);
    ASSERT_EQ(r.status, ModeInstabilityStatus::Ok);
    EXPECT_EQ(r.chiMax, 0.0);
    EXPECT_EQ(r.peakIndex, 1); // all equal: the first wins
    EXPECT_EQ(r.peakShift, 5.0);
}

} // namespace

TEST(ModeInstability, PeakBeyondFiveKilohertzWidensTheScan)
{
    // A 20/400 fiber (other inputs the defaults): chi still rises at -5 kHz, so
    // the low side is widened by 5 kHz with the same 0.1 kHz step.
    ModeInstabilityInput in = defaultModeInstabilityInput();
    in.coreRadius = 10e-6;
    in.dopedRadius = 10e-6;
    const ModeInstabilityResult r = computeModeInstability(in);
    ASSERT_EQ(r.status, ModeInstabilityStatus::Ok);
    ASSERT_EQ(r.shifts.size(), 151u);
    EXPECT_NEAR(r.shifts.front(), -10.0, 1e-12);
    EXPECT_NEAR(r.shifts.back(), 5.0, 1e-9);
    EXPECT_TRUE(r.peakInterior);
    const size_t peak = static_cast<size_t>(r.peakIndex - 1);
    ASSERT_GT(peak, 0u);
    ASSERT_LT(peak + 1, r.coupling.size());
    EXPECT_GT(r.chiMax, r.coupling[peak - 1]);
    EXPECT_GE(r.chiMax, r.coupling[peak + 1]);
    EXPECT_GT(r.chiMax, r.coupling[50]); // the old edge value at -5 kHz
    EXPECT_LT(r.shifts[peak], -5.0);
    EXPECT_NEAR(r.peakShift, -r.shifts[peak], 1e-9);
    // The heat grating's response stays odd in the offset over the widened scan.
    // Zero offset is index 100 now; +f and -f sit 10 f entries either side.
    EXPECT_NEAR(r.coupling[100], 0.0, 1e-12);
    for (size_t j = 1; j <= 50; ++j)
        EXPECT_NEAR(r.coupling[100 + j], -r.coupling[100 - j],
                    1e-9 * std::fabs(r.coupling[100 - j]))
            << "j = " << j;
}
