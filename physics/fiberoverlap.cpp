#include "fiberoverlap.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace yb {

double marcuseModeFieldRadius(double coreRadius, double numericalAperture, double wavelength)
{
    const double v = 2 * M_PI * coreRadius * numericalAperture / wavelength;
    if (!(v > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return coreRadius * (0.65 + 1.619 / std::pow(v, 1.5) + 2.879 / std::pow(v, 6));
}

double coreModeOverlap(double coreRadius, double dopedRadius, double numericalAperture,
                       double wavelength)
{
    const double w = marcuseModeFieldRadius(coreRadius, numericalAperture, wavelength);
    return -std::expm1(-2 * dopedRadius * dopedRadius / (w * w));
}

double claddingPumpOverlap(double dopedRadius, double claddingRadius)
{
    const double ratio = dopedRadius / claddingRadius;
    return std::min(1.0, ratio * ratio);
}

} // namespace yb
