// Fiber-parameter formulas against hand-derived values.

#include "fiberparams.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fiberparams;

namespace {
constexpr double kRel = 1e-13; // different operation order: a few ulps
}

TEST(DopingConcentration, FactorTwoOfTheDiametersCancels)
{
    // N = α b² / (4.343 σ a²) with radii in μm (the unit cancels too).
    const double expected = 4.0 * 125.0 * 125.0 / (4.343 * 2.42e-24 * 10.0 * 10.0);
    EXPECT_NEAR(expected, dopingConcentration(10, 125, 4, 2.42e-24), expected * kRel);
    // Twice the absorption, twice the ions; twice the core, a quarter.
    const double n = dopingConcentration(10, 125, 4, 2.42e-24);
    EXPECT_NEAR(2 * n, dopingConcentration(10, 125, 8, 2.42e-24), n * kRel);
    EXPECT_NEAR(n / 4, dopingConcentration(20, 125, 4, 2.42e-24), n * kRel);
    EXPECT_TRUE(std::isinf(dopingConcentration(0, 125, 4, 2.42e-24)));
}

TEST(IntrinsicLoss, HalfThePowerIsThreeDecibels)
{
    const double total = totalLossDb(10, 5);
    EXPECT_NEAR(10 * std::log10(2.0), total, 1e-14);
    EXPECT_NEAR(total / 10, averageLossDbPerM(total, 10), 1e-15);
    EXPECT_FALSE(isNoLoss(total));
}

TEST(IntrinsicLoss, NoLossWhenOutputNotBelowInput)
{
    EXPECT_TRUE(isNoLoss(totalLossDb(5, 5)));
    EXPECT_TRUE(isNoLoss(totalLossDb(5, 6)));
    // P_in = 0: −inf dB, also "no loss".
    EXPECT_TRUE(std::isinf(totalLossDb(0, 5)));
    EXPECT_TRUE(isNoLoss(totalLossDb(0, 5)));
    // 0/0 is NaN and is shown as computed, not as a notice.
    EXPECT_FALSE(isNoLoss(totalLossDb(0, 0)));
}

TEST(FillFactor, SquareOfRadiusRatio)
{
    EXPECT_DOUBLE_EQ(0.0064, fillFactor(10, 125));
    EXPECT_DOUBLE_EQ(1.0, fillFactor(3, 3));
}

TEST(NumericalAperture, RoundTripsWithCoreIndex)
{
    const double na = numericalAperture(1.4512, 1.45);
    EXPECT_NEAR(std::sqrt(1.4512 * 1.4512 - 1.45 * 1.45), na, 1e-15);
    EXPECT_NEAR(1.4512, coreIndexFromNA(na, 1.45), 1e-14);
    EXPECT_DOUBLE_EQ(0.0, numericalAperture(1.45, 1.45));
    EXPECT_TRUE(std::isnan(numericalAperture(1.44, 1.45)));
}
