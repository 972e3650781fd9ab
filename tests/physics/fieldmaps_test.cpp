// Mode field maps: the fast path against the literal loop, the index
// convention, continuity at the core boundary, normalisation and phase.
#include "fieldmaps.h"
#include "bessel.h"
#include "modesolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double kLambda = 1080e-9;
constexpr double kN1 = 1.4512;
constexpr double kN2 = 1.45;
constexpr double kPi = 3.141592653589793;
// Cells must agree with the literal loop to 1e-12 relative. The 1e-16 added
// after normalisation can cancel a normalised value of -1e-16 almost exactly,
// so the relative bound is taken on the value before that addition.
constexpr double kRelativeTolerance = 1e-12;
constexpr double kFloor = 1e-16;

// Worst |fast - literal| / (|literal| + floor) over a grid; NaN must meet NaN.
double worstRelativeDifference(const std::vector<double> &fast, const std::vector<double> &literal,
                               double floor)
{
    double worst = 0.0;
    for (std::size_t k = 0; k < literal.size(); ++k) {
        if (fast[k] == literal[k] || (std::isnan(literal[k]) && std::isnan(fast[k])))
            continue;
        const double d = std::fabs(fast[k] - literal[k]) / (std::fabs(literal[k]) + floor);
        if (!(d <= worst))
            worst = d;
    }
    return worst;
}

struct ModeCase {
    double a;
    int m;
    int n;
};

std::string name(const ModeCase &c)
{
    return "LP" + modeLabel(c.m, c.n) + " a=" + std::to_string(c.a);
}

double gridMax(const std::vector<double> &g)
{
    double best = g[0];
    for (double v : g)
        if (v > best)
            best = v;
    return best;
}

} // namespace

TEST(FieldMaps, FastPathMatchesTheLiteralLoopCellByCell)
{
    const ModeCase cases[] = {
        {20e-6, 0, 1}, {20e-6, 0, 2}, {20e-6, 1, 1}, {20e-6, 4, 1}, {50e-6, 7, 2}};
    ModeFieldMaps fast;
    ModeFieldMaps literal;
    for (const ModeCase &c : cases) {
        const ModeSet set = solveModes(c.a, kLambda, kN1, kN2);
        ASSERT_GT(static_cast<int>(set.neffLists[c.m].size()), c.n - 1) << name(c);
        const double neff = set.neffLists[c.m][c.n - 1];
        computeFieldMaps(c.a, kLambda, kN1, kN2, neff, c.m, fast);
        computeFieldMapsLiteral(c.a, kLambda, kN1, kN2, neff, c.m, literal);
        ASSERT_EQ(fast.amplitudeE.size(), kFieldGridCells);
        EXPECT_LE(worstRelativeDifference(fast.amplitudeE, literal.amplitudeE, 2 * kFloor),
                  kRelativeTolerance)
            << name(c);
        EXPECT_LE(worstRelativeDifference(fast.amplitudeO, literal.amplitudeO, 2 * kFloor),
                  kRelativeTolerance)
            << name(c);
        EXPECT_LE(worstRelativeDifference(fast.intensityE, literal.intensityE, 0.0),
                  kRelativeTolerance)
            << name(c);
        EXPECT_LE(worstRelativeDifference(fast.intensityO, literal.intensityO, 0.0),
                  kRelativeTolerance)
            << name(c);
        EXPECT_EQ(fast.phaseE, literal.phaseE) << name(c);
        EXPECT_EQ(fast.phaseO, literal.phaseO) << name(c);
    }
}

TEST(FieldMaps, FastPathMatchesTheLiteralLoopForAStronglyGuidingFiber)
{
    // NA ~ 0.49, V ~ 150: W of the fundamental mode is ~ 150, where a last-bit
    // change of the radius moves K_m(W r/a) too much for mirrored cells to share
    // it, so the fast path must fall back to the exact radius classes.
    const double a = 50e-6;
    const double lambda = 1e-6;
    const double n1 = 1.53;
    const ModeSet set = solveModes(a, lambda, n1, kN2);
    ASSERT_GE(set.maxOrder, 3);
    ModeFieldMaps fast;
    ModeFieldMaps literal;
    for (int m : {0, 3}) {
        const double neff = set.neffLists[m][0];
        computeFieldMaps(a, lambda, n1, kN2, neff, m, fast);
        computeFieldMapsLiteral(a, lambda, n1, kN2, neff, m, literal);
        EXPECT_LE(worstRelativeDifference(fast.amplitudeE, literal.amplitudeE, 2 * kFloor),
                  kRelativeTolerance)
            << m;
        EXPECT_LE(worstRelativeDifference(fast.intensityO, literal.intensityO, 0.0),
                  kRelativeTolerance)
            << m;
        EXPECT_EQ(fast.phaseE, literal.phaseE) << m;
    }
}

TEST(FieldMaps, ReusedStorageGivesTheSameMaps)
{
    const ModeSet set = solveModes(20e-6, kLambda, kN1, kN2);
    ModeFieldMaps reused;
    computeFieldMaps(20e-6, kLambda, kN1, kN2, set.neffLists[2][0], 2, reused); // LP21 first
    computeFieldMaps(20e-6, kLambda, kN1, kN2, set.neffLists[1][0], 1, reused);
    const ModeFieldMaps fresh =
        computeFieldMaps(20e-6, kLambda, kN1, kN2, set.neffLists[1][0], 1.0);
    EXPECT_EQ(reused.amplitudeE, fresh.amplitudeE);
    EXPECT_EQ(reused.intensityO, fresh.intensityO);
    EXPECT_EQ(reused.phaseO, fresh.phaseO);
}

TEST(FieldMaps, OrderIsTruncatedFromTheTableValue)
{
    const ModeSet set = solveModes(20e-6, kLambda, kN1, kN2);
    const double neff = set.neffLists[1][0];
    const ModeFieldMaps exact = computeFieldMaps(20e-6, kLambda, kN1, kN2, neff, 1.0);
    const ModeFieldMaps truncated = computeFieldMaps(20e-6, kLambda, kN1, kN2, neff, 1.9);
    EXPECT_EQ(exact.amplitudeE, truncated.amplitudeE);
}

TEST(FieldMaps, OuterIndexIsTheKeyAxisAndThetaIsMeasuredFromTheInnerAxis)
{
    // LP11, E orientation: cos(theta) with theta = atan2(c_i, c_j). Along the
    // inner axis (i = 250, c_i = 0) the field is extreme, along the outer axis
    // (j = 250) it vanishes.
    const double a = 20e-6;
    const ModeSet set = solveModes(a, kLambda, kN1, kN2);
    const ModeFieldMaps maps = computeFieldMaps(a, kLambda, kN1, kN2, set.neffLists[1][0], 1);
    EXPECT_EQ(fieldCoordinate(a, 250), 0.0);
    EXPECT_EQ(fieldCoordinate(a, 0), -2 * a);
    EXPECT_NEAR(fieldCoordinate(a, 500), 2 * a, 1e-18);
    const double alongInner = maps.amplitudeE[fieldGridIndex(250, 350)];
    const double alongOuter = maps.amplitudeE[fieldGridIndex(350, 250)];
    EXPECT_GT(alongInner, 0.3);
    EXPECT_NEAR(alongOuter, kFloor, 1e-12);
    EXPECT_NEAR(maps.amplitudeO[fieldGridIndex(350, 250)], alongInner, 1e-9); // sin(pi/2) = 1
    EXPECT_NEAR(maps.amplitudeE[fieldGridIndex(250, 150)], -alongInner + 2 * kFloor, 1e-9);
}

TEST(FieldMaps, AmplitudeIsContinuousAtTheCoreBoundary)
{
    // On the normalised grid c_0 = -1 and c_250 = 0, so cell (0, 250) lies at
    // rho = 1 and takes the cladding form J_m(U) K_m(W)/K_m(W), which must equal
    // the core form J_m(U rho) at rho = 1. theta = -pi/2 there.
    EXPECT_EQ(normalizedCoordinate(0), -1.0);
    EXPECT_EQ(normalizedCoordinate(250), 0.0);
    const double a = 20e-6;
    const ModeSet set = solveModes(a, kLambda, kN1, kN2);
    for (int m = 0; m <= set.maxOrder; ++m) {
        for (double neff : set.neffLists[m]) {
            const double k0 = 6.283185307179586 / kLambda;
            const double u = std::sqrt(kN1 * kN1 - neff * neff) * k0 * a;
            const double core = besselJn(m, u);
            const IntensityPair pair = computeIntensityPair(a, kLambda, kN1, kN2, neff, m);
            const double angular = std::cos(m * -kPi / 2);
            const double sinAngular = std::sin(m * -kPi / 2);
            const std::size_t cell = fieldGridIndex(0, 250);
            EXPECT_NEAR(pair.cosIntensity[cell], core * core * angular * angular,
                        1e-12 * core * core)
                << m;
            EXPECT_NEAR(pair.sinIntensity[cell], core * core * sinAngular * sinAngular,
                        1e-12 * core * core)
                << m;
        }
    }
}

TEST(FieldMaps, NormalisedGridsPeakAtOneAndPhaseMarksTheLobes)
{
    const double a = 20e-6;
    const ModeSet set = solveModes(a, kLambda, kN1, kN2);
    const ModeFieldMaps lp02 = computeFieldMaps(a, kLambda, kN1, kN2, set.neffLists[0][1], 0);
    EXPECT_EQ(gridMax(lp02.intensityE), 1.0 + kFloor);
    EXPECT_EQ(gridMax(lp02.amplitudeE), 1.0 + kFloor);
    // LP02: positive centre, negative ring.
    const std::size_t centre = fieldGridIndex(250, 250);
    EXPECT_EQ(lp02.phaseE[centre], kPi);
    bool negativeRing = false;
    for (int j = 250; j < 375; ++j) {
        const std::size_t cell = fieldGridIndex(250, j);
        EXPECT_EQ(lp02.phaseE[cell], lp02.amplitudeE[cell] - kFloor >= 0.0 ? kPi : 0.0);
        negativeRing = negativeRing || lp02.phaseE[cell] == 0.0;
    }
    EXPECT_TRUE(negativeRing);
    // m = 0 has no odd orientation: its sin factor is 0 everywhere, phase pi.
    for (double phase : lp02.phaseO)
        ASSERT_EQ(phase, kPi);
}

TEST(FieldMaps, IntensityPairFastPathMatchesTheLiteralLoop)
{
    IntensityPair fast;
    IntensityPair literal;
    for (int m : {0, 3}) {
        computeIntensityPair(5e-5, 1.08e-6, kN1, kN2, 1.451053453453453, m, fast);
        computeIntensityPairLiteral(5e-5, 1.08e-6, kN1, kN2, 1.451053453453453, m, literal);
        EXPECT_LE(worstRelativeDifference(fast.cosIntensity, literal.cosIntensity, 0.0),
                  kRelativeTolerance);
        EXPECT_LE(worstRelativeDifference(fast.sinIntensity, literal.sinIntensity, 0.0),
                  kRelativeTolerance);
    }
}

TEST(FieldMaps, NonFiniteModeParametersGiveNaNCellsWithoutCrashing)
{
    // neff above n1 makes U NaN.
    const ModeFieldMaps maps = computeFieldMaps(20e-6, kLambda, kN1, kN2, 1.46, 1);
    EXPECT_TRUE(std::isnan(maps.amplitudeE[fieldGridIndex(250, 250)]));
    const ModeFieldMaps hugeOrder = computeFieldMaps(20e-6, kLambda, kN1, kN2, 1.451, 1e300);
    EXPECT_EQ(hugeOrder.amplitudeE.size(), kFieldGridCells);
    EXPECT_TRUE(std::isnan(hugeOrder.intensityE[0]));
}
