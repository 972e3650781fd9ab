// Nonlinear-limit formulas checked against hand-derived values and their
// physical limits. Reference values are the textbook expressions evaluated
// independently (different operation order), so they agree to rounding only.

#include "nonlinear.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace nonlinear;

namespace {

// Different operation order than the library: agreement to a few ulps.
constexpr double kRel = 1e-13;
constexpr double kPi = 3.14159265358979323846;

void expectRelNear(double expected, double actual, double rel = kRel)
{
    EXPECT_NEAR(expected, actual, std::fabs(expected) * rel);
}

} // namespace

TEST(BrillouinGain, MatchesTextbookExpression)
{
    const double gammaE = 0.902, tb = 1e-8, n = 1.45, lambda = 1064e-9, rho = 2210, va = 5960;
    const double expected =
        8 * kPi * kPi * gammaE * gammaE * tb / (n * lambda * lambda * rho * kLightSpeed * va);
    expectRelNear(expected, brillouinPeakGain(gammaE, tb, n, lambda, rho, va));
    // About 1e-10 m/W for silica: the order of magnitude every textbook quotes.
    EXPECT_GT(expected, 5e-11);
    EXPECT_LT(expected, 5e-10);
}

TEST(BrillouinGain, ZeroDensityGivesInfinity)
{
    EXPECT_TRUE(std::isinf(brillouinPeakGain(0.902, 1e-8, 1.45, 1064e-9, 0.0, 5960)));
}

TEST(SbsThreshold, ScalesWithLogGainOverLength)
{
    const double gb = 1e-10;
    const double p = sbsThreshold(5e-6, 1.5, 20, 10, gb);
    expectRelNear(21 * kPi * 25e-12 * 1.5 * std::log(20.0) / (10 * gb), p);
    // Twice the length halves the threshold; unity gain gives none.
    expectRelNear(p / 2, sbsThreshold(5e-6, 1.5, 20, 20, gb));
    EXPECT_EQ(0.0, sbsThreshold(5e-6, 1.5, 1, 10, gb));
    EXPECT_TRUE(std::isinf(sbsThreshold(5e-6, 1.5, 20, 0, gb)));
}

TEST(StokesWavelength, ZeroShiftIsPumpAndSignFollowsShift)
{
    EXPECT_DOUBLE_EQ(1064e-9, stokesWavelength(1064e-9, 0.0));
    EXPECT_GT(stokesWavelength(1064e-9, 1.32e13), 1064e-9);
    EXPECT_LT(stokesWavelength(1064e-9, -1.32e13), 1064e-9);
    // Shift equal to the optical frequency: infinite wavelength.
    EXPECT_TRUE(std::isinf(stokesWavelength(1e-6, 3e14)));
}

TEST(StokesWavelength, RamanShiftOfYtterbiumLine)
{
    // 13.2 THz below 281.95 THz (1064 nm at c = 3e8) is 268.75 THz.
    const double nu = 3e8 / 1064e-9 - 1.32e13;
    expectRelNear(3e8 / nu, stokesWavelength(1064e-9, 1.32e13), 1e-12);
}

TEST(SrsThresholds, DeliveryFiberIsSmithCriticalPower)
{
    // 16 A_eff / (g_R L_eff), L_eff = (1 − e^(−0.045))/0.003 m, evaluated
    // with mpmath at 30 digits: 1713.497927554329 W (a power, not W/m).
    const double r = 5e-6, as = 0.003, L = 15, gR = 5e-14;
    expectRelNear(1713.497927554329, srsDeliveryThreshold(r, as, L, gR), 1e-12);
    // Lossless fiber: L_eff = L, 16 A/(g_R L) = 1675.516081914556 W.
    expectRelNear(1675.516081914556, srsDeliveryThreshold(r, 0.0, L, gR), 1e-12);
    // Doubling the length of a lossless fiber halves the threshold.
    expectRelNear(srsDeliveryThreshold(r, 0.0, L, gR) / 2, srsDeliveryThreshold(r, 0.0, 2 * L, gR));
}

TEST(SrsThresholds, AmplifierDerivedFromSpontaneousSeed)
{
    const double r = 5e-6, G = 20, gR = 5e-14, L = 15;
    // Input signal power at threshold for β = 1 %: mpmath, 354.9011238022508 W.
    expectRelNear(354.9011238022508, srsAmplifierThreshold(r, G, gR, L, 0.01), 1e-12);
    // Allowing more Raman light at the output raises the threshold.
    EXPECT_GT(srsAmplifierThreshold(r, G, gR, L, 0.1), srsAmplifierThreshold(r, G, gR, L, 0.01));
    // G → 1 is a passive lossless fiber: x · A/(g_R L) with x = 20.3 + ln β + ln q.
    const double q = kPi * r * r / (gR * L);
    expectRelNear(q * (20.3 + std::log(0.01) + std::log(q)),
                  srsAmplifierThreshold(r, 1.0, gR, L, 0.01), 1e-12);
    expectRelNear(srsAmplifierThreshold(r, 1.0 + 1e-9, gR, L, 0.01),
                  srsAmplifierThreshold(r, 1.0, gR, L, 0.01), 1e-8);
    // Smith's telecom case (A = 50 µm², g_R = 1e-13 m/W, L = 20 km, Raman
    // equal to the signal at the output): the exponent is his "about 16".
    const double rTelecom = std::sqrt(50e-12 / kPi);
    const double pTelecom = srsAmplifierThreshold(rTelecom, 1.0, 1e-13, 20e3, 1.0);
    EXPECT_NEAR(16.0, pTelecom * 1e-13 * 20e3 / 50e-12, 1.0);
}

TEST(SrsThresholds, OscillatorMatchesExpression)
{
    const double r = 5e-6, as = 0.003, ap = 0.005, L = 15, gR = 5e-14, r1 = 0.99, r2 = 0.1;
    const double expected =
        ap * kPi * r * r / gR * (as * L - 0.5 * std::log(r1 * r2)) / (1 - std::exp(-ap * L));
    expectRelNear(expected, srsOscillatorThreshold(r, as, ap, L, gR, r1, r2));
    // A lossless pump: alpha_p / (1 - exp(-alpha_p L)) tends to 1 / L.
    expectRelNear(kPi * r * r / gR * (as * L - 0.5 * std::log(r1 * r2)) / L,
                  srsOscillatorThreshold(r, as, 0.0, L, gR, r1, r2));
}

TEST(NonlinearPhase, AreaAndGamma)
{
    expectRelNear(kPi * 25e-12, coreArea(5e-6));
    const double gamma = nonlinearParameter(2.7e-20, 1064e-9, coreArea(5e-6));
    expectRelNear(2 * kPi * 2.7e-20 / (1064e-9 * kPi * 25e-12), gamma);
    EXPECT_TRUE(std::isinf(nonlinearParameter(2.7e-20, 1064e-9, 0.0)));
}

TEST(NonlinearPhase, EffectiveLengthsTendToLengthAndZeroIsTheLength)
{
    EXPECT_NEAR(5.0, effectiveLengthTransmission(1e-9, 5.0), 1e-7);
    EXPECT_NEAR(5.0, effectiveLengthGain(1e-9, 5.0), 1e-7);
    EXPECT_LT(effectiveLengthTransmission(0.02, 5.0), 5.0);
    EXPECT_GT(effectiveLengthGain(2.0, 5.0), 5.0);
    expectRelNear((std::exp(10.0) - 1) / 2, effectiveLengthGain(2.0, 5.0));
    EXPECT_EQ(effectiveLengthTransmission(0.0, 5.0), 5.0); // the limit, not 0/0
    EXPECT_EQ(effectiveLengthGain(0.0, 5.0), 5.0);
    EXPECT_DOUBLE_EQ(6.0, nonlinearPhase(2.0, 3.0, 1.0));
}

TEST(FourWaveMixing, EqualSpacingInFrequencyIsMatched)
{
    // With one index the mismatch is 2πn (1/λ2 + 1/λ3 − 2/λ1): zero when
    // 1/λ1 is the mean of 1/λ2 and 1/λ3.
    const double l2 = 1060e-9, l3 = 1080e-9;
    const double l1 = 2.0 / (1.0 / l2 + 1.0 / l3);
    EXPECT_NEAR(0.0, fwmPhaseMismatch(l1, l2, l3, 1.45, 1.45, 1.45), 1e-6);
    const double dk = fwmPhaseMismatch(1070e-9, 1080e-9, 1090e-9, 1.45, 1.45, 1.45);
    expectRelNear(2 * kPi * 1.45 * (1 / 1080e-9 + 1 / 1090e-9 - 2 / 1070e-9), dk, 1e-9);
    EXPECT_TRUE(std::isinf(fwmPhaseMismatch(0.0, 1080e-9, 1090e-9, 1.45, 1.45, 1.45)));
}
