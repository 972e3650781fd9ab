// LP mode solver: the documented mode sets, the grid property of every index,
// agreement with the true roots (Boost.Math root finder) and the identity of
// the fast solver with the literal scan.
#include "modesolver.h"

#include <gtest/gtest.h>
#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/tools/roots.hpp>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kLambda = 1080e-9;
constexpr double kN1 = 1.4512;
constexpr double kN2 = 1.45;
constexpr double kTwoPi = 6.283185307179586;

std::vector<std::string> labelsInTableOrder(const ModeSet &set)
{
    std::vector<std::string> labels;
    for (int m = 0; m <= set.maxOrder; ++m)
        for (std::size_t n = 0; n < set.neffLists[m].size(); ++n)
            labels.push_back(modeLabel(m, static_cast<int>(n) + 1));
    return labels;
}

// Characteristic function with Boost's Bessel functions (the exact reference).
double exactCharacteristic(double a, double lambda, double n1, double n2, int m, double neff)
{
    const double k0a = kTwoPi / lambda * a;
    const double u = std::sqrt(n1 * n1 - neff * neff) * k0a;
    const double w = std::sqrt(neff * neff - n2 * n2) * k0a;
    using boost::math::cyl_bessel_j;
    using boost::math::cyl_bessel_k;
    return u * cyl_bessel_j(m + 1, u) / cyl_bessel_j(m, u) -
           w * cyl_bessel_k(m + 1, w) / cyl_bessel_k(m, w);
}

bool sameModeSet(const ModeSet &x, const ModeSet &y)
{
    return x.neffLists == y.neffLists && x.modeCounts == y.modeCounts && x.maxOrder == y.maxOrder &&
           x.modeTotal == y.modeTotal;
}

} // namespace

TEST(ModeSolver, TwentyMicronFiberHasSevenModesInTableOrder)
{
    const ModeSet set = solveModes(20e-6, kLambda, kN1, kN2);
    EXPECT_EQ(labelsInTableOrder(set),
              (std::vector<std::string>{"01", "02", "11", "12", "21", "31", "41"}));
    EXPECT_EQ(set.maxOrder, 4);
    EXPECT_EQ(set.modeTotal, 7);
    // Order 5 yields no root and ends the search.
    EXPECT_EQ(set.modeCounts, (std::vector<int>{2, 2, 1, 1, 1, 0}));
    ASSERT_EQ(set.neffLists.size(), 31u);
    for (int m = 5; m < 31; ++m)
        EXPECT_TRUE(set.neffLists[m].empty());
}

TEST(ModeSolver, TenMicronFiberHasTwoModes)
{
    const ModeSet set = solveModes(10e-6, kLambda, kN1, kN2);
    EXPECT_EQ(labelsInTableOrder(set), (std::vector<std::string>{"01", "11"}));
    EXPECT_EQ(set.maxOrder, 1);
    EXPECT_EQ(set.modeCounts, (std::vector<int>{1, 1, 0}));
}

TEST(ModeSolver, EqualIndicesGiveNoMode)
{
    for (int samples : {kModeSolverSamples, 1000}) {
        const ModeSet set = solveModes(20e-6, kLambda, 1.45, 1.45, samples);
        EXPECT_EQ(set.maxOrder, -1);
        EXPECT_EQ(set.modeTotal, 0);
        EXPECT_EQ(set.modeCounts, (std::vector<int>{0}));
        ASSERT_EQ(set.neffLists.size(), 31u);
        for (const auto &list : set.neffLists)
            EXPECT_TRUE(list.empty());
        EXPECT_TRUE(sameModeSet(set, solveModesLiteral(20e-6, kLambda, 1.45, 1.45, samples)));
    }
}

TEST(ModeSolver, DegenerateInputsDoNotCrash)
{
    EXPECT_EQ(solveModes(20e-6, kLambda, 1.44, 1.45).modeTotal, 0); // n1 < n2: NaN samples
    EXPECT_EQ(solveModes(0.0, kLambda, kN1, kN2).modeTotal, 0);
    EXPECT_EQ(solveModes(20e-6, 0.0, kN1, kN2).modeTotal, 0);
    EXPECT_EQ(solveModes(20e-6, kLambda, kN1, kN2, 2).modeTotal, 0);
    EXPECT_EQ(solveModes(20e-6, kLambda, kN1, kN2, 2).neffLists.size(), 31u);
    EXPECT_EQ(solveModes(std::nan(""), kLambda, kN1, kN2).modeTotal, 0);
}

TEST(ModeSolver, EveryIndexIsAnInteriorGridSampleAndListsDescend)
{
    for (double a : {10e-6, 20e-6, 50e-6}) {
        const ModeSet set = solveModes(a, kLambda, kN1, kN2);
        const double delta = kN1 - kN2;
        for (int m = 0; m <= set.maxOrder; ++m) {
            const auto &list = set.neffLists[m];
            for (std::size_t n = 0; n < list.size(); ++n) {
                const double position = (list[n] - kN2) / delta * 9999.0 + 1.0;
                const int i = static_cast<int>(std::lround(position));
                EXPECT_GE(i, 2);
                EXPECT_LE(i, 9999);
                EXPECT_EQ(list[n], (i - 1) * delta / 9999.0 + kN2)
                    << "a=" << a << " m=" << m << " n=" << n + 1;
                if (n > 0) {
                    EXPECT_LT(list[n], list[n - 1]);
                }
            }
        }
    }
}

TEST(ModeSolver, GridIndexLiesWithinOneStepAboveTheTrueRoot)
{
    // Fibers from V ~ 3.4 to V ~ 40; every reported index is the upper sample of
    // the interval holding the exact root of the characteristic equation.
    struct Fiber {
        double a, lambda, n1, n2;
        int samples;
    };
    const Fiber fibers[] = {
        {10e-6, kLambda, kN1, kN2, 10000}, {20e-6, kLambda, kN1, kN2, 10000},
        {50e-6, kLambda, kN1, kN2, 10000}, {25e-6, 1550e-9, 1.46, 1.4526, 10000},
        {20e-6, kLambda, kN1, kN2, 1000},  {50e-6, kLambda, kN1, kN2, 1000}};
    int checked = 0;
    for (const Fiber &f : fibers) {
        const ModeSet set = solveModes(f.a, f.lambda, f.n1, f.n2, f.samples);
        const double step = (f.n1 - f.n2) / (f.samples - 1);
        for (int m = 0; m <= set.maxOrder; ++m) {
            for (double neff : set.neffLists[m]) {
                auto fn = [&](double x) {
                    return exactCharacteristic(f.a, f.lambda, f.n1, f.n2, m, x);
                };
                // The exact function falls through its root between the two samples
                // (the approximations' error moves a root by far less than a step).
                const double lo = neff - step;
                ASSERT_GT(fn(lo), 0.0) << modeLabel(m, 1) << " a=" << f.a;
                ASSERT_LE(fn(neff), 0.0) << "m=" << m << " a=" << f.a;
                std::uintmax_t iterations = 100;
                const auto bracket = boost::math::tools::toms748_solve(
                    fn, lo, neff, boost::math::tools::eps_tolerance<double>(50), iterations);
                const double root = 0.5 * (bracket.first + bracket.second);
                EXPECT_GE(neff, root);
                EXPECT_LE(neff - root, step);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 100);
}

TEST(ModeSolver, FastSolverReturnsTheLiteralScanOnRandomFibers)
{
    // 2000 fibers with V uniform in [0.5, 40]: core radius 2..60 um, wavelength
    // 0.8..2 um, cladding index 1.44..1.46, the core index set by V. Every
    // second fiber uses the fiber-parameters page's 1000-sample grid (which also
    // keeps the literal reference scans within the test's time budget).
    constexpr int kFibers = 2000;
    struct Fiber {
        double a, lambda, n1, n2;
        int samples;
    };
    std::vector<Fiber> fibers;
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> radius(2e-6, 60e-6), wavelength(0.8e-6, 2e-6),
        cladding(1.44, 1.46), vNumber(0.5, 40.0);
    for (int t = 0; t < kFibers; ++t) {
        Fiber f;
        f.a = radius(rng);
        f.lambda = wavelength(rng);
        f.n2 = cladding(rng);
        const double na = vNumber(rng) / (kTwoPi / f.lambda * f.a);
        f.n1 = std::sqrt(f.n2 * f.n2 + na * na);
        f.samples = t % 2 == 0 ? 1000 : kModeSolverSamples;
        fibers.push_back(f);
    }

    // Two threads share the (slow) literal scans.
    std::vector<char> identical(kFibers, 0);
    std::vector<ModeSolverStats> stats(2);
    std::vector<int> modes(2, 0);
    auto work = [&](int part) {
        for (int t = part; t < kFibers; t += 2) {
            const Fiber &f = fibers[t];
            const ModeSet fast = solveModes(f.a, f.lambda, f.n1, f.n2, f.samples, &stats[part]);
            const ModeSet literal = solveModesLiteral(f.a, f.lambda, f.n1, f.n2, f.samples);
            identical[t] = sameModeSet(fast, literal);
            modes[part] += literal.modeTotal;
        }
    };
    std::thread helper(work, 1);
    work(0);
    helper.join();

    int mismatches = 0;
    for (int t = 0; t < kFibers; ++t)
        if (!identical[t]) {
            ++mismatches;
            ADD_FAILURE() << "fiber " << t << " a=" << fibers[t].a << " n1=" << fibers[t].n1;
        }
    EXPECT_EQ(mismatches, 0);
    const int orders = stats[0].ordersSearched + stats[1].ordersSearched;
    const int fallbacks = stats[0].ordersFallenBack + stats[1].ordersFallenBack;
    RecordProperty("orders", orders);
    RecordProperty("fallbacks", fallbacks);
    RecordProperty("modes", modes[0] + modes[1]);
    std::printf(
        "%d fibers, %d modes, %d orders searched, %d rescanned literally, %lld samples evaluated\n",
        kFibers, modes[0] + modes[1], orders, fallbacks,
        stats[0].evaluations + stats[1].evaluations);
    // The fast path must actually be the one taken.
    EXPECT_LT(fallbacks, orders / 100);
}

TEST(ModeSolver, ThousandSampleSearchIsTheSameRoutine)
{
    // The fiber-parameters page writes G = J_{l+1}(U) U / J_l(U) and divides by
    // 999; with multiplication commutative in IEEE arithmetic and the same
    // bounds (flags at 2..999, the last interval never taken) it is this routine
    // with samples = 1000.
    const ModeSet set = solveModes(10e-6, kLambda, kN1, kN2, 1000);
    EXPECT_EQ(labelsInTableOrder(set), (std::vector<std::string>{"01", "11"}));
    const double delta = kN1 - kN2;
    const double position = (set.neffLists[0][0] - kN2) / delta * 999.0 + 1.0;
    EXPECT_EQ(set.neffLists[0][0], (std::lround(position) - 1) * delta / 999.0 + kN2);
    EXPECT_TRUE(sameModeSet(set, solveModesLiteral(10e-6, kLambda, kN1, kN2, 1000)));
}

TEST(ModeSolver, HighVFiberListsEveryModeCorrectlyLabelled)
{
    // 100 um core, NA 0.22, 1064 nm: V = 64.96. Its cutoffs (zeros of J_{m-1},
    // counted independently with mpmath's besseljzero) allow 541 LP modes up
    // to m = 58. LP01's root lies inside the grid interval of J0's first zero.
    const double n1 = std::sqrt(kN2 * kN2 + 0.22 * 0.22);
    const double a = 50e-6, lambda = 1064e-9;
    const ModeSet set = solveModes(a, lambda, n1, kN2);
    EXPECT_EQ(set.modeTotal, 541);
    EXPECT_EQ(set.cutoffTotal, 541);
    EXPECT_EQ(set.maxOrder, 58);
    EXPECT_TRUE(set.complete);
    // "01" is LP01: within one grid step above the true root (Boost).
    const double step = (n1 - kN2) / (kModeSolverSamples - 1);
    auto f = [&](double neff) { return exactCharacteristic(a, lambda, n1, kN2, 0, neff); };
    const double top = n1 - step / 4;                                // U = 0.33, F < 0
    const double uPole = 2.4048255576957728 / (kTwoPi / lambda * a); // j_{0,1} / k0a
    const double pole = std::sqrt(n1 * n1 - uPole * uPole);
    boost::math::tools::eps_tolerance<double> tol(50);
    std::uintmax_t iterations = 100;
    const auto root = boost::math::tools::bisect(f, pole + 1e-12, top, tol, iterations);
    const double lp01 = (root.first + root.second) / 2;
    EXPECT_GE(set.neffLists[0][0], lp01);
    EXPECT_LT(set.neffLists[0][0] - lp01, step);
    EXPECT_TRUE(sameModeSet(set, solveModesLiteral(a, lambda, n1, kN2)));
    // The 1000-sample grid of the fiber-parameters page misses one mode and says so.
    const ModeSet coarse = solveModes(a, lambda, n1, kN2, 1000);
    EXPECT_FALSE(coarse.complete);
    EXPECT_EQ(coarse.cutoffTotal, 541);
}

TEST(ModeSolver, CutoffCountsFollowTheBesselZeros)
{
    // LP11 needs V > j_{0,1} = 2.4048; LP02 and LP21 both need V > j_{1,1} = 3.8317.
    EXPECT_EQ(cutoffModeCounts(3.84), (std::vector<int>{2, 1, 1}));
    EXPECT_EQ(cutoffModeCounts(3.8), (std::vector<int>{1, 1}));
    EXPECT_EQ(cutoffModeCounts(2.0), (std::vector<int>{1}));
    EXPECT_TRUE(cutoffModeCounts(0.0).empty());
    EXPECT_TRUE(cutoffModeCounts(std::nan("")).empty());
}

TEST(ModeLabels, OrderThenRadialNumberWithoutSeparator)
{
    EXPECT_EQ(modeLabel(0, 1), "01");
    EXPECT_EQ(modeLabel(1, 1), "11");
    EXPECT_EQ(modeLabel(1, 10), "110");
    EXPECT_EQ(modeLabel(12, 3), "123");
}

TEST(ModeLists, PropagationConstantsFollowTableOrder)
{
    const ModeSet set = solveModes(20e-6, kLambda, kN1, kN2);
    const std::vector<double> neffs = modeIndexList(set);
    const std::vector<double> betas = propagationConstants(set, kLambda);
    ASSERT_EQ(neffs.size(), 7u);
    ASSERT_EQ(betas.size(), 7u);
    EXPECT_EQ(neffs[1], set.neffLists[0][1]); // 02 before 11
    EXPECT_EQ(neffs[2], set.neffLists[1][0]);
    for (std::size_t k = 0; k < neffs.size(); ++k)
        EXPECT_EQ(betas[k], neffs[k] * (kTwoPi / kLambda));
    EXPECT_NEAR(propagationConstant(1.45, 1e-6), 1.45 * 2 * M_PI * 1e6, 1e-6);
    EXPECT_TRUE(modeIndexList(solveModes(20e-6, kLambda, 1.45, 1.45)).empty());
}
