#include "fiberparams.h"

#include <cmath>

namespace fiberparams {

double dopingConcentration(double coreRadiusUm, double claddingRadiusUm, double absorptionDbPerM,
                           double crossSection)
{
    const double coreDiameter = coreRadiusUm * 2 * 1e-6;
    const double claddingDiameter = claddingRadiusUm * 2 * 1e-6;
    // 4.343 = 10 / ln(10): dB per neper.
    return absorptionDbPerM * claddingDiameter * claddingDiameter / 4.343 / crossSection /
           coreDiameter / coreDiameter;
}

double totalLossDb(double powerIn, double powerOut)
{
    return std::log10(powerOut / powerIn) * (-10.0);
}

double averageLossDbPerM(double totalLossDb, double length)
{
    return totalLossDb / length;
}

bool isNoLoss(double totalLossDb)
{
    return totalLossDb < 1e-16;
}

double fillFactor(double coreRadius, double claddingRadius)
{
    const double ratio = coreRadius / claddingRadius;
    return ratio * ratio;
}

double numericalAperture(double n1, double n2)
{
    return std::sqrt(n1 * n1 - n2 * n2);
}

double coreIndexFromNA(double na, double n2)
{
    return std::sqrt(na * na + n2 * n2);
}

double degreesToRadians(double degrees)
{
    return degrees / 180 * 3.141592653589793;
}

} // namespace fiberparams
