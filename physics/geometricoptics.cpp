#include "geometricoptics.h"

#include <cmath>
#include <limits>

namespace geometricoptics {

namespace {

// Up to this many ulps above 1 an asin argument is rounding noise of
// sin(asin(x)) * n1 / n2 (three roundings, each at most half an ulp), not a
// physically larger sine.
constexpr double kAsinRoundingSlack = 4 * std::numeric_limits<double>::epsilon();

} // namespace

double refractionAngle(double n1, double n2, double theta1)
{
    double s = std::sin(theta1) * n1 / n2;
    if (std::fabs(s) > 1.0 && std::fabs(s) <= 1.0 + kAsinRoundingSlack)
        s = std::copysign(1.0, s);
    return std::asin(s);
}

double brewsterAngle(double n1, double n2)
{
    return std::atan(n2 / n1);
}

double criticalAngle(double n1, double n2)
{
    return std::asin(n2 / n1);
}

double radiansToDegrees(double radians)
{
    return radians / kPi * kHalfTurnDegrees;
}

double degreesToRadians(double degrees)
{
    return degrees / kHalfTurnDegrees * kPi;
}

double radiansTimes180OverPi(double radians)
{
    return radians * kHalfTurnDegrees / kPi;
}

Interface solveInterface(double n1, double n2, double theta1)
{
    Interface result;
    result.refraction = refractionAngle(n1, n2, theta1);
    result.brewster = brewsterAngle(n1, n2);
    result.hasCritical = n2 < n1;
    if (result.hasCritical) {
        result.critical = criticalAngle(n1, n2);
        result.totalReflection = result.critical < theta1;
    } else {
        result.critical = std::numeric_limits<double>::quiet_NaN();
    }
    return result;
}

} // namespace geometricoptics
