#include "geometricoptics.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace geometricoptics;

namespace {

// Values checked by hand or against an independent evaluation in Python's
// math module; the functions are single library calls, so a few ulps.
constexpr double kUlps = 4e-16;

} // namespace

TEST(GeometricOptics, EqualIndicesLeaveTheRayUndeflected)
{
    for (double theta1 : {0.0, 0.1, 0.5236, 1.2, 1.5})
        EXPECT_NEAR(refractionAngle(1.45, 1.45, theta1), theta1, 2 * kUlps);
}

TEST(GeometricOptics, SnellsLawMatchesTheHandValueAtThirtyDegrees)
{
    // sin(30 deg) * 1.5 / 1 = 0.75, asin(0.75) = 0.848062078981481...
    EXPECT_NEAR(refractionAngle(1.5, 1.0, kPi / 6), 0.848062078981481, 1e-14);
    // From the less dense side the ray bends towards the normal.
    EXPECT_LT(refractionAngle(1.0, 1.5, 0.5), 0.5);
}

TEST(GeometricOptics, BrewsterAngleOfEqualIndicesIsFortyFiveDegrees)
{
    EXPECT_DOUBLE_EQ(brewsterAngle(1.45, 1.45), kPi / 4);
    EXPECT_DOUBLE_EQ(radiansToDegrees(brewsterAngle(2.0, 2.0)), 45.0);
}

TEST(GeometricOptics, BrewsterAndCriticalAnglesOfGlassToAir)
{
    EXPECT_NEAR(brewsterAngle(1.45, 1.0), 0.6037493333974364, 1e-15);
    // n1 = 2, n2 = 1: asin(1/2) is 30 degrees exactly.
    EXPECT_NEAR(criticalAngle(2.0, 1.0), kPi / 6, kUlps);
    EXPECT_NEAR(radiansToDegrees(criticalAngle(1.45, 1.0)), 43.6028, 5e-5);
}

TEST(GeometricOptics, DegreeConversionsRoundTrip)
{
    EXPECT_DOUBLE_EQ(radiansToDegrees(kPi), 180.0);
    EXPECT_DOUBLE_EQ(degreesToRadians(180.0), kPi);
    EXPECT_NEAR(degreesToRadians(30.0), 0.5235987755982988, kUlps);
    EXPECT_NEAR(radiansTimes180OverPi(1.0), 57.29577951308232, 1e-13);
    EXPECT_NEAR(radiansToDegrees(0.5236), 30.0000701530, 1e-9);
}

TEST(GeometricOptics, BeyondTheCriticalAngleThereIsNoRefractedRay)
{
    EXPECT_TRUE(std::isnan(refractionAngle(1.45, 1.0, 1.0)));
    // Just beyond the rounding allowance it is still total reflection.
    EXPECT_TRUE(std::isnan(refractionAngle(1.0 + 1e-9, 1.0, kPi / 2)));
}

TEST(GeometricOptics, AtTheCriticalAngleTheRefractedRayGrazesTheSurface)
{
    // For this pair the rounded sin(asin(n2/n1)) * n1 / n2 is 1 + 2^-52: the
    // literal formula would give NaN instead of 90 degrees.
    const double n1 = 2.1912, n2 = 1.5568;
    const double critical = criticalAngle(n1, n2);
    ASSERT_GT(std::sin(critical) * n1 / n2, 1.0);
    EXPECT_DOUBLE_EQ(refractionAngle(n1, n2, critical), kPi / 2);
    // Mirror image for a negative angle of incidence.
    EXPECT_DOUBLE_EQ(refractionAngle(n1, n2, -critical), -kPi / 2);
}

TEST(GeometricOptics, ZeroIndexGivesNonFiniteValuesInsteadOfFailing)
{
    // n2 = 0: infinite sine, no refracted ray.
    EXPECT_TRUE(std::isnan(refractionAngle(1.45, 0.0, 0.5)));
    // n2 = 0 and theta1 = 0: 0/0.
    EXPECT_TRUE(std::isnan(refractionAngle(1.45, 0.0, 0.0)));
    // n1 = 0: atan(+inf) is a right angle.
    EXPECT_DOUBLE_EQ(brewsterAngle(0.0, 1.0), kPi / 2);
}

TEST(GeometricOptics, SolveInterfaceAtTheDefaults)
{
    const Interface angles = solveInterface(1.45, 1.0, 0.5236);
    EXPECT_TRUE(angles.hasCritical);
    EXPECT_FALSE(angles.totalReflection);
    EXPECT_NEAR(angles.refraction, 0.8110366266362026, 1e-15);
    EXPECT_NEAR(radiansToDegrees(angles.refraction), 46.4690, 5e-5);
    EXPECT_NEAR(radiansToDegrees(angles.brewster), 34.5923, 5e-5);
    EXPECT_NEAR(angles.critical, 0.7610, 5e-5);
}

TEST(GeometricOptics, SolveInterfaceReportsTotalReflectionStrictlyBeyondTheCriticalAngle)
{
    EXPECT_TRUE(solveInterface(1.45, 1.0, 1.0).totalReflection);
    const double critical = criticalAngle(1.45, 1.0);
    const Interface atCritical = solveInterface(1.45, 1.0, critical);
    EXPECT_FALSE(atCritical.totalReflection);
    EXPECT_NEAR(atCritical.refraction, kPi / 2, 1e-7);
    EXPECT_TRUE(solveInterface(1.45, 1.0, std::nextafter(critical, 2.0)).totalReflection);
}

TEST(GeometricOptics, SolveInterfaceHasNoCriticalAngleUnlessN2IsSmaller)
{
    for (double n2 : {1.45, 1.6}) {
        const Interface angles = solveInterface(1.45, n2, 0.5236);
        EXPECT_FALSE(angles.hasCritical);
        EXPECT_FALSE(angles.totalReflection);
        EXPECT_FALSE(std::isnan(angles.refraction));
    }
    // n2 = 0 with a positive angle: critical angle 0, so total reflection.
    const Interface vacuumIndex = solveInterface(1.45, 0.0, 0.5);
    EXPECT_TRUE(vacuumIndex.hasCritical);
    EXPECT_EQ(vacuumIndex.critical, 0.0);
    EXPECT_TRUE(vacuumIndex.totalReflection);
    // ... and at normal incidence the NaN refraction angle is not total reflection.
    const Interface normal = solveInterface(1.45, 0.0, 0.0);
    EXPECT_FALSE(normal.totalReflection);
    EXPECT_TRUE(std::isnan(normal.refraction));
}
