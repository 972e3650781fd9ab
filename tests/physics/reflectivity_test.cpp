// End-face reflectivity r(theta), R(theta).
#include "reflectivity.h"
#include "modesolver.h"

#include <gtest/gtest.h>
#include <boost/math/special_functions/bessel.hpp>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double kLambda = 1080e-9;
constexpr double kN1 = 1.4512;
constexpr double kN2 = 1.45;
constexpr double kA = 10e-6;

std::string g3(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", v);
    return text;
}

// The same overlap as a fine trapezoid integral with Boost's Bessel functions,
// for the radial profile of azimuthal order m.
double overlapIntegral(double a, double lambda, double n1, double neff, int m, double theta)
{
    using boost::math::cyl_bessel_j;
    using boost::math::cyl_bessel_k;
    const double k0a = 2 * M_PI / lambda * a;
    const double u = std::sqrt(n1 * n1 - neff * neff) * k0a;
    const double w = std::sqrt(neff * neff - kN2 * kN2) * k0a;
    auto e2 = [&](double r) {
        const double v = r <= a ? cyl_bessel_j(m, u * r / a) / cyl_bessel_j(m, u)
                                : cyl_bessel_k(m, w * r / a) / cyl_bessel_k(m, w);
        return v * v;
    };
    const int steps = 20000;
    const double h = 5 * a / steps;
    double power = 0.0;
    double overlap = 0.0;
    for (int k = 0; k <= steps; ++k) {
        const double r = k * h;
        const double weight = (k == 0 || k == steps) ? 0.5 : 1.0;
        power += weight * e2(r) * r;
        overlap += weight * e2(r) * r * cyl_bessel_j(0, 4 * M_PI * n1 * theta * r / lambda);
    }
    return (n1 - 1) / (n1 + 1) * overlap / power;
}

double overlapIntegral(double neff, double theta)
{
    return overlapIntegral(kA, kLambda, kN1, neff, 0, theta);
}

} // namespace

TEST(Reflectivity, NormalIncidenceGivesTheFresnelTermForEveryMode)
{
    const ModeSet set = solveModes(kA, kLambda, kN1, kN2, 1000);
    const std::vector<double> neffs = modeIndexList(set);
    const std::vector<int> orders = modeOrderList(set);
    for (std::size_t k = 0; k < neffs.size(); ++k) {
        const EndFaceReflectivity rr =
            endFaceReflectivity(kA, kLambda, kN1, kN2, neffs[k], orders[k], 0.0);
        EXPECT_NEAR(rr.r, (kN1 - 1) / (kN1 + 1), 1e-12);
        EXPECT_EQ(rr.R, rr.r * rr.r);
        EXPECT_EQ(g3(rr.r), "0.184");
        EXPECT_EQ(g3(rr.R), "0.0339");
    }
}

TEST(Reflectivity, TiltedFaceFollowsTheOverlapIntegral)
{
    const ModeSet set = solveModes(kA, kLambda, kN1, kN2, 1000);
    const double neff = set.neffLists[0][0];
    for (double degrees : {1.0, 2.0, 5.0, 8.0}) {
        const double theta = degrees / 180 * 3.141592653589793;
        const EndFaceReflectivity rr = endFaceReflectivity(kA, kLambda, kN1, kN2, neff, 0, theta);
        // The page sums rectangles of a/100; the reference integrates finely.
        EXPECT_NEAR(rr.r, overlapIntegral(neff, theta), 0.02 * (kN1 - 1) / (kN1 + 1)) << degrees;
        EXPECT_LT(std::fabs(rr.r), (kN1 - 1) / (kN1 + 1));
    }
}

TEST(Reflectivity, NegativeRadiusLeavesAnEmptyGrid)
{
    const EndFaceReflectivity rr = endFaceReflectivity(-kA, kLambda, kN1, kN2, 1.4511, 0, 0.1);
    EXPECT_EQ(rr.r, 0.0);
    EXPECT_EQ(rr.R, 0.0);
}

TEST(Reflectivity, ZeroOrInfiniteRadiusReturnsInsteadOfHanging)
{
    // dr = a/100 = 0 would repeat r = 0 for ever; the walk ends after one point.
    EXPECT_TRUE(std::isnan(endFaceReflectivity(0.0, kLambda, kN1, kN2, 1.4511, 0, 0.1).r));
    EXPECT_TRUE(std::isnan(endFaceReflectivity(HUGE_VAL, kLambda, kN1, kN2, 1.4511, 0, 0.1).r));
}

TEST(Reflectivity, IndexOutsideTheFiberGivesNaN)
{
    EXPECT_TRUE(std::isnan(endFaceReflectivity(kA, kLambda, kN1, kN2, 1.46, 0, 0.1).r));
}

TEST(Reflectivity, EveryModeOfA20MicronCoreIsFiniteWithItsOwnOrder)
{
    // 20/400 fiber, NA 0.065, at 1064 nm: V = 3.84 just above LP21's cutoff
    // 3.832, so its index rounded to four decimals is n2. With the full index
    // and J_2/K_2 it follows the overlap integral like every other mode.
    constexpr double kLambda1064 = 1064e-9;
    const double n1 = std::sqrt(kN2 * kN2 + 0.065 * 0.065);
    const ModeSet set = solveModes(kA, kLambda1064, n1, kN2, 1000);
    ASSERT_GE(set.maxOrder, 2);
    const std::vector<double> neffs = modeIndexList(set);
    const std::vector<int> orders = modeOrderList(set);
    const double fresnel = (n1 - 1) / (n1 + 1);
    for (double degrees : {0.5, 1.0, 5.0})
        for (std::size_t k = 0; k < neffs.size(); ++k) {
            const double theta = degrees / 180 * M_PI;
            const EndFaceReflectivity rr =
                endFaceReflectivity(kA, kLambda1064, n1, kN2, neffs[k], orders[k], theta);
            ASSERT_TRUE(std::isfinite(rr.r)) << "mode " << k << " at " << degrees;
            const double reference =
                overlapIntegral(kA, kLambda1064, n1, neffs[k], orders[k], theta);
            // The page sums rectangles of a/100; the reference integrates finely.
            EXPECT_NEAR(rr.r, reference, 0.02 * fresnel) << "mode " << k << " at " << degrees;
        }
}
