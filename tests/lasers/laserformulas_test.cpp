#include "laserformulas.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace laser;

namespace {

// The routines are one or two floating-point operations; hand values below
// are exact decimals or worked out to 12+ digits, so a few ulps suffice.
constexpr double kRel = 1e-14;

void expectRelative(double expected, double actual)
{
    EXPECT_NEAR(expected, actual, std::abs(expected) * kRel) << "expected " << expected;
}

} // namespace

TEST(ContinuousWave, FrequencyCoherenceTimeAndLengthAt1064nm)
{
    // 3e8 / 1.064e-6 = 2.8195488721804511e14 Hz.
    expectRelative(2.8195488721804511e14, opticalFrequency(1064e-9));
    expectRelative(2e-10, coherenceTime(5e9));
    expectRelative(0.06, coherenceLength(2e-10));
}

TEST(ContinuousWave, ZeroWavelengthOrWidthGivesInfinity)
{
    EXPECT_TRUE(std::isinf(opticalFrequency(0)));
    EXPECT_TRUE(std::isinf(coherenceTime(0)));
    EXPECT_TRUE(std::isinf(coherenceLength(coherenceTime(0))));
    EXPECT_TRUE(std::isinf(linewidthHzFromNm(0.0189, 0)));
}

TEST(ContinuousWave, LinewidthConversionsUseCOverLambdaSquared)
{
    // Δν = cΔλ/λ²: 0.0189e-9 m × 3e8 / (1.064e-6 m)² = 5.008409e9 Hz.
    const double lambda = 1064e-9;
    expectRelative(0.0189e-9 * 3e8 / (1.064e-6 * 1.064e-6), linewidthHzFromNm(0.0189, lambda));
    // Δλ = Δν λ²/c: 5e9 × 1.132096e-12 / 3e8 = 1.886827e-11 m.
    expectRelative(5e9 * 1.132096e-12 / 3e8 * 1e9, linewidthNmFromHz(5e9, lambda));
}

TEST(ContinuousWave, LinewidthConversionsAreInverse)
{
    for (double lambda : {532e-9, 1064e-9, 1550e-9})
        for (double width : {1e6, 5e9, 2.5e11})
            expectRelative(width, linewidthHzFromNm(linewidthNmFromHz(width, lambda), lambda));
}

TEST(ContinuousWave, EmptyWidthConvertsToZero)
{
    EXPECT_EQ(0.0, linewidthHzFromNm(0, 1064e-9));
    EXPECT_EQ(0.0, linewidthNmFromHz(0, 1064e-9));
}

TEST(Pulsed, EnergyIsAveragePowerOverRateAndPeakIsEnergyOverWidth)
{
    expectRelative(2e-4, pulseEnergy(20, 1e5));
    expectRelative(2000, peakPower(pulseEnergy(20, 1e5), 1e-7));
    // A 2 μJ pulse of 1 ns: still 2 kW.
    expectRelative(2e-6, pulseEnergy(20, 1e7));
    expectRelative(2000, peakPower(pulseEnergy(20, 1e7), 1e-9));
}

TEST(Pulsed, ZeroRateOrWidthGivesInfinity)
{
    EXPECT_TRUE(std::isinf(pulseEnergy(20, 0)));
    EXPECT_TRUE(std::isinf(peakPower(2e-4, 0)));
}

TEST(ModeSpacing, IsHalfTheSpeedOfLightOverOpticalLength)
{
    // 1.5e8 / 1.45 / 10 = 1.0344827586206897e7 Hz.
    expectRelative(1.0344827586206897e7, longitudinalModeSpacing(1.45, 10));
    expectRelative(1.5e8, longitudinalModeSpacing(1, 1));
    EXPECT_TRUE(std::isinf(longitudinalModeSpacing(0, 10)));
    EXPECT_TRUE(std::isinf(longitudinalModeSpacing(1.45, 0)));
}

TEST(Efficiency, DefaultsAreOutputOverAbsorbedPump)
{
    const OpticalEfficiencies eta = opticalEfficiencies(100, 5, 75, 3);
    expectRelative(75.0 / 95.0, eta.laser);
    expectRelative(72.0 / 95.0, eta.amplifier);
    EXPECT_TRUE(efficienciesPlausible(eta));
}

TEST(Efficiency, OutputEqualToAbsorbedPumpIsStillAccepted)
{
    EXPECT_TRUE(efficienciesPlausible(opticalEfficiencies(100, 5, 95, 3)));
}

TEST(Efficiency, MoreOutputThanAbsorbedPumpIsRejected)
{
    EXPECT_FALSE(efficienciesPlausible(opticalEfficiencies(100, 5, 120, 3)));
}

TEST(Efficiency, StrongSeedAmplifierIsAccepted)
{
    // 50 W pump, 2 W residual: 48 W absorbed lift 100 W to 140 W, η_a = 40/48.
    EXPECT_EQ(EfficiencyProblem::None, efficiencyProblem(50, 2, 140, 100));
    const OpticalEfficiencies eta = opticalEfficiencies(50, 2, 140, 100);
    expectRelative(40.0 / 48.0, eta.amplifier);
    EXPECT_TRUE(efficienciesPlausible(eta));
    EXPECT_FALSE(laserEfficiencyApplies(eta)); // 140/48 is no laser efficiency
    EXPECT_TRUE(laserEfficiencyApplies(opticalEfficiencies(100, 5, 75, 3)));
}

TEST(Efficiency, EachRefusalNamesItsCondition)
{
    EXPECT_EQ(EfficiencyProblem::NoAbsorbedPump, efficiencyProblem(5, 5, 75, 3));
    EXPECT_EQ(EfficiencyProblem::NoGain, efficiencyProblem(100, 5, 75, 75));
    EXPECT_EQ(EfficiencyProblem::MoreThanAbsorbed, efficiencyProblem(100, 5, 120, 3));
    EXPECT_EQ(EfficiencyProblem::None, efficiencyProblem(100, 5, 98, 3)); // gain = absorbed
}

TEST(Efficiency, SeedAtOrAboveOutputIsRejected)
{
    EXPECT_FALSE(efficienciesPlausible(opticalEfficiencies(100, 5, 75, 75)));
    EXPECT_FALSE(efficienciesPlausible(opticalEfficiencies(100, 5, 75, 80)));
}

TEST(Efficiency, NoAbsorbedPumpIsRejected)
{
    // 0/0 = NaN for an all-zero input, ±inf when the pump is all residual.
    EXPECT_FALSE(efficienciesPlausible(opticalEfficiencies(0, 0, 0, 0)));
    EXPECT_FALSE(efficienciesPlausible(opticalEfficiencies(5, 5, 75, 3)));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(efficienciesPlausible({nan, 0.5}));
}

TEST(QuantumDefect, DefaultsBetween976And1064nm)
{
    const double qd = quantumDefect(976e-9, 1064e-9);
    expectRelative(88.0 / 1064.0, qd);
    expectRelative(976.0 / 1064.0, stokesEfficiency(qd));
    EXPECT_TRUE(quantumDefectPlausible(qd));
}

TEST(QuantumDefect, SignalNotLongerThanPumpIsRejected)
{
    EXPECT_FALSE(quantumDefectPlausible(quantumDefect(1064e-9, 1064e-9)));
    EXPECT_FALSE(quantumDefectPlausible(quantumDefect(1064e-9, 976e-9)));
    EXPECT_TRUE(quantumDefectPlausible(quantumDefect(1064e-9, 1064.001e-9)));
}
