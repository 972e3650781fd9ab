// Group index and dispersion of the exact vector modes against independent
// evaluations: five-point differences of the solved vector beta(k), and TE_0n
// against LP_1n (the same eigenvalue equation, whose group index and
// dispersion come from the closed-form dU/dV and d2U/dV2 of modeproperties.h).

#include "vectordispersion.h"
#include "modeproperties.h"
#include "silicasellmeier.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kLightSpeed = 299792458.0;
// Five-point differences with h = 1e-4 k leave ~1e-12 in n_g (as for the LP
// modes), as do the implicit derivative's own difference quotients; the
// largest difference measured is 3.6e-12.
constexpr double kGroupIndexTolerance = 2e-11;
constexpr double kSameEquation = 1e-11;
// beta2 from second differences of beta(k) with h = 1e-4 k: largest
// difference measured 5.4e-5 relative (rounding of beta over h^2); against the
// closed form of LP_1n the re-solved differences of n_g agree to 1.0e-8.
constexpr double kBeta2Relative = 5e-4;
constexpr double kSameDispersionRelative = 1e-7;

// The fiber at wave number k: constant indices, or silica with a constant step.
StepIndexFiber fiberAt(const StepIndexFiber &f, double k, bool material)
{
    StepIndexFiber g = f;
    g.lambda = kTwoPi / k;
    if (material) {
        g.n2 = fusedSilicaIndex(g.lambda).n;
        g.n1 = g.n2 + (f.n1 - f.n2);
    }
    return g;
}

std::vector<VectorMode> vectorModes(const StepIndexFiber &f)
{
    return solveExactVectorModes(f, solveExactLpModes(f));
}

double betaOf(const StepIndexFiber &f, const VectorMode &like)
{
    for (const VectorMode &mode : vectorModes(f))
        if (mode.family == like.family && mode.nu == like.nu && mode.n == like.n)
            return mode.beta;
    ADD_FAILURE() << vectorModeName(like) << " not guided";
    return 0.0;
}

} // namespace

TEST(VectorGroupIndex, MatchesFivePointDifferencesOfTheSolvedVectorBeta)
{
    // A high-NA core (NA 0.35, V = 9.4) where the vector splitting is large.
    const StepIndexFiber base{4.5e-6, 1064e-9, 1.4916, 1.45};
    const double k = kTwoPi / base.lambda;
    const double h = 1e-4 * k;
    for (bool material : {false, true}) {
        const StepIndexFiber f = fiberAt(base, k, material);
        const double dnDk = material ? fusedSilicaDnDk(f.lambda) : 0.0;
        const std::vector<VectorMode> modes = vectorModes(f);
        ASSERT_GT(modes.size(), 10u);
        for (const VectorMode &mode : modes) {
            SCOPED_TRACE(vectorModeName(mode) + (material ? " material" : ""));
            double b[5];
            for (int i = -2; i <= 2; ++i)
                b[i + 2] = betaOf(fiberAt(base, k + i * h, material), mode);
            const double ng = (-b[4] + 8 * b[3] - 8 * b[1] + b[0]) / (12 * h);
            const double d2 = (-b[4] + 16 * b[3] - 30 * b[2] + 16 * b[1] - b[0]) / (12 * h * h);
            const double beta2 = d2 / (kLightSpeed * kLightSpeed) * 1e27; // ps^2/km
            EXPECT_NEAR(vectorGroupIndex(f, mode, dnDk), ng, kGroupIndexTolerance);
            const VectorDispersion d = vectorDispersion(f, mode, material);
            EXPECT_NEAR(d.groupIndex, ng, kGroupIndexTolerance);
            EXPECT_NEAR(d.beta2, beta2, kBeta2Relative * std::abs(beta2) + 1e-3);
        }
    }
}

TEST(VectorGroupIndex, TeEqualsTheLpModeOfTheSameEquation)
{
    const StepIndexFiber f{20e-6, 1080e-9, 1.4512, 1.45};
    const std::vector<LpMode> lp = solveExactLpModes(f);
    for (bool material : {false, true}) {
        ModePropertyOptions options;
        options.materialDispersion = material;
        const double dnDk = material ? fusedSilicaDnDk(f.lambda) : 0.0;
        int checked = 0;
        for (const VectorMode &mode : solveExactVectorModes(f, lp)) {
            if (mode.family != VectorFamily::TE)
                continue;
            for (const LpMode &parent : lp)
                if (parent.m == 1 && parent.n == mode.n) {
                    const LpModeProperties p = lpModeProperties(f, parent, options);
                    const VectorDispersion d = vectorDispersion(f, mode, material);
                    EXPECT_NEAR(vectorGroupIndex(f, mode, dnDk), p.groupIndex, kSameEquation)
                        << vectorModeName(mode);
                    EXPECT_NEAR(d.beta2, p.beta2, kSameDispersionRelative * std::abs(p.beta2));
                    EXPECT_NEAR(d.dispersion, p.dispersion,
                                kSameDispersionRelative * std::abs(p.dispersion));
                    EXPECT_NEAR(d.waveguideDispersion, p.waveguideDispersion,
                                kSameDispersionRelative * std::abs(p.waveguideDispersion));
                    ++checked;
                }
        }
        EXPECT_EQ(checked, 2); // TE01, TE02
    }
}
