#include "fiberheat.h"

#include <cmath>

namespace fiberheat {

namespace {
constexpr double kPi = 3.14159265358979323846;

// q/(2π b h): the film drop between surface and coolant.
double surfaceRise(const HeatGeometry &g, double q)
{
    return q / (2 * kPi * g.outerRadius * g.heatTransfer);
}
} // namespace

double coreTemperatureRise(const HeatGeometry &g, double heatPerLength)
{
    const double bracket = 1 + 2 * std::log(g.outerRadius / g.coreRadius) +
                           2 * g.conductivity / (g.outerRadius * g.heatTransfer);
    return heatPerLength / (4 * kPi * g.conductivity) * bracket;
}

double temperatureAt(const HeatGeometry &g, double heatPerLength, double r)
{
    const double q = heatPerLength;
    const double base = g.coolantTemperature + surfaceRise(g, q);
    if (r <= g.coreRadius) {
        const double x = r / g.coreRadius;
        return base + q / (4 * kPi * g.conductivity) *
                          (1 - x * x + 2 * std::log(g.outerRadius / g.coreRadius));
    }
    return base + q / (2 * kPi * g.conductivity) * std::log(g.outerRadius / r);
}

double surfaceTemperature(const HeatGeometry &g, double heatPerLength)
{
    return g.coolantTemperature + surfaceRise(g, heatPerLength);
}

double heatForCoreTemperature(const HeatGeometry &g, double maxTemperature)
{
    // ΔT is linear in q: invert the unit response.
    return (maxTemperature - g.coolantTemperature) / coreTemperatureRise(g, 1.0);
}

double thermalGuideModeRadius(double coreRadius, double conductivity, double thermoOptic,
                              double index, double wavelength, double heatPerLength)
{
    const double w4 = 2 * conductivity * wavelength * wavelength * coreRadius * coreRadius /
                      (kPi * index * thermoOptic * heatPerLength);
    return std::sqrt(std::sqrt(w4));
}

double thermalLensFocalLength(double coreRadius, double conductivity, double thermoOptic,
                              double heatPerLength, double length)
{
    return 2 * kPi * conductivity * coreRadius * coreRadius /
           (thermoOptic * heatPerLength * length);
}

std::vector<double> coreTemperatureProfile(const HeatGeometry &g,
                                           const std::vector<double> &heatPerLength)
{
    std::vector<double> t;
    t.reserve(heatPerLength.size());
    for (double q : heatPerLength)
        t.push_back(g.coolantTemperature + coreTemperatureRise(g, q));
    return t;
}

} // namespace fiberheat
