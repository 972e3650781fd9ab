#include "vectorgroupindex.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Relative size of the difference steps (see the header).
constexpr double kStepFraction = 1e-3;
constexpr double kNbarStep = 1e-4;

// The mode's characteristic at (U, V, nbar); its zero is the mode.
double characteristic(const VectorMode &mode, double u, double v, double nbar)
{
    switch (mode.family) {
    case VectorFamily::TE: return tmCharacteristic(u, v, 1.0);
    case VectorFamily::TM: return tmCharacteristic(u, v, nbar);
    case VectorFamily::HE: return heCharacteristic(mode.nu, u, v, nbar);
    case VectorFamily::EH: return ehCharacteristic(mode.nu, u, v, nbar);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

// Fourth-order central difference of f at x with step h.
template <typename F> double derivative(F f, double x, double h)
{
    return (8.0 * (f(x + h) - f(x - h)) - (f(x + 2 * h) - f(x - 2 * h))) / (12.0 * h);
}

} // namespace

double vectorGroupIndex(const StepIndexFiber &fiber, const VectorMode &mode, double dnDk)
{
    const double n1 = fiber.n1, n2 = fiber.n2, a = fiber.a;
    const double k = kTwoPi / fiber.lambda;
    const double na = std::sqrt((n1 - n2) * (n1 + n2));
    const double v = k * a * na;
    const double u = mode.u, w = mode.w;
    const double nbar = (n2 * n2) / (n1 * n1);
    if (!(w > 0) || !(u > 0))
        return std::numeric_limits<double>::quiet_NaN();

    // Steps: a thousandth of the scale of G in U and V, which near cutoff is
    // the distance W^2/(2V) over which W changes by order itself; never
    // reaching U = 0 or U = V.
    const double scale = std::min({1.0, w * w / (2.0 * v), u});
    const double h = kStepFraction * scale;
    const double gU = derivative([&](double x) { return characteristic(mode, x, v, nbar); }, u, h);
    const double gV = derivative([&](double x) { return characteristic(mode, u, x, nbar); }, v, h);
    const double gN =
        derivative([&](double x) { return characteristic(mode, u, v, x); }, nbar, kNbarStep);

    const double dV = a * na + k * a * dnDk * (n1 - n2) / na;
    const double dNbar = 2.0 * n2 * dnDk / (n1 * n1) - 2.0 * n2 * n2 * dnDk / (n1 * n1 * n1);
    const double dU = -(gV * dV + gN * dNbar) / gU;
    const double beta = std::sqrt(k * k * n1 * n1 - u * u / (a * a));
    return (k * n1 * n1 + k * k * n1 * dnDk - u * dU / (a * a)) / beta;
}
