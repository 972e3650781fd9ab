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

double fourDecimals(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v);
    return std::stod(text);
}

// The same overlap as a fine trapezoid integral with Boost's Bessel functions.
double overlapIntegral(double neff, double theta)
{
    using boost::math::cyl_bessel_j;
    using boost::math::cyl_bessel_k;
    const double k0a = 2 * M_PI / kLambda * kA;
    const double u = std::sqrt(kN1 * kN1 - neff * neff) * k0a;
    const double w = std::sqrt(neff * neff - kN2 * kN2) * k0a;
    auto e2 = [&](double r) {
        const double v = r <= kA ? cyl_bessel_j(0, u * r / kA) / cyl_bessel_j(0, u)
                                 : cyl_bessel_k(0, w * r / kA) / cyl_bessel_k(0, w);
        return v * v;
    };
    const int steps = 20000;
    const double h = 5 * kA / steps;
    double power = 0.0;
    double overlap = 0.0;
    for (int k = 0; k <= steps; ++k) {
        const double r = k * h;
        const double weight = (k == 0 || k == steps) ? 0.5 : 1.0;
        power += weight * e2(r) * r;
        overlap += weight * e2(r) * r * cyl_bessel_j(0, 4 * M_PI * kN1 * theta * r / kLambda);
    }
    return (kN1 - 1) / (kN1 + 1) * overlap / power;
}

} // namespace

TEST(Reflectivity, NormalIncidenceGivesTheFresnelTermForEveryMode)
{
    const ModeSet set = solveModes(kA, kLambda, kN1, kN2, 1000);
    for (double neff : modeIndexList(set)) {
        const EndFaceReflectivity rr =
            endFaceReflectivity(kA, kLambda, kN1, kN2, fourDecimals(neff), 0.0);
        EXPECT_NEAR(rr.r, (kN1 - 1) / (kN1 + 1), 1e-12);
        EXPECT_EQ(rr.R, rr.r * rr.r);
        EXPECT_EQ(g3(rr.r), "0.184");
        EXPECT_EQ(g3(rr.R), "0.0339");
    }
}

TEST(Reflectivity, TiltedFaceFollowsTheOverlapIntegral)
{
    const ModeSet set = solveModes(kA, kLambda, kN1, kN2, 1000);
    const double neff = fourDecimals(set.neffLists[0][0]);
    for (double degrees : {1.0, 2.0, 5.0, 8.0}) {
        const double theta = degrees / 180 * 3.141592653589793;
        const EndFaceReflectivity rr = endFaceReflectivity(kA, kLambda, kN1, kN2, neff, theta);
        // The page sums rectangles of a/100; the reference integrates finely.
        EXPECT_NEAR(rr.r, overlapIntegral(neff, theta), 0.02 * (kN1 - 1) / (kN1 + 1)) << degrees;
        EXPECT_LT(std::fabs(rr.r), (kN1 - 1) / (kN1 + 1));
    }
}

TEST(Reflectivity, NegativeRadiusLeavesAnEmptyGrid)
{
    const EndFaceReflectivity rr = endFaceReflectivity(-kA, kLambda, kN1, kN2, 1.4511, 0.1);
    EXPECT_EQ(rr.r, 0.0);
    EXPECT_EQ(rr.R, 0.0);
}

TEST(Reflectivity, ZeroOrInfiniteRadiusReturnsInsteadOfHanging)
{
    // dr = a/100 = 0 would repeat r = 0 for ever; the walk ends after one point.
    EXPECT_TRUE(std::isnan(endFaceReflectivity(0.0, kLambda, kN1, kN2, 1.4511, 0.1).r));
    EXPECT_TRUE(std::isnan(endFaceReflectivity(HUGE_VAL, kLambda, kN1, kN2, 1.4511, 0.1).r));
}

TEST(Reflectivity, IndexOutsideTheFiberGivesNaN)
{
    EXPECT_TRUE(std::isnan(endFaceReflectivity(kA, kLambda, kN1, kN2, 1.46, 0.1).r));
}
