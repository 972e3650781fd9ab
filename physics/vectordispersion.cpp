#include "vectordispersion.h"

#include "silicasellmeier.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kLightSpeed = 299792458.0; // m/s
constexpr double kPsSquaredPerKm = 1e27;    // s^2/m -> ps^2/km
constexpr double kPsPerNmKm = 1e6;          // s/m^2 -> ps/(nm km)
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Relative size of the difference steps (see the header).
constexpr double kStepFraction = 1e-3;
constexpr double kNbarStep = 1e-4;
constexpr int kNewtonSteps = 8;
constexpr double kNewtonSettled = 1e-12;

// The mode's characteristic at (U, V, nbar); its zero is the mode.
double characteristic(const VectorMode &mode, double u, double v, double nbar)
{
    switch (mode.family) {
    case VectorFamily::TE: return tmCharacteristic(u, v, 1.0);
    case VectorFamily::TM: return tmCharacteristic(u, v, nbar);
    case VectorFamily::HE: return heCharacteristic(mode.nu, u, v, nbar);
    case VectorFamily::EH: return ehCharacteristic(mode.nu, u, v, nbar);
    }
    return kNaN;
}

// Fourth-order central difference of f at x with step h.
template <typename F> double derivative(F f, double x, double h)
{
    return (8.0 * (f(x + h) - f(x - h)) - (f(x + 2 * h) - f(x - 2 * h))) / (12.0 * h);
}

// dG/dU at the mode's U, with a step a thousandth of G's scale in U.
double slopeInU(const VectorMode &mode, double u, double v, double nbar)
{
    const double w2 = (v - u) * (v + u);
    const double h = kStepFraction * std::min({1.0, w2 / (2.0 * v), u});
    return derivative([&](double x) { return characteristic(mode, x, v, nbar); }, u, h);
}

struct Slope {
    double du = kNaN; // dU/dk
    double groupIndex = kNaN;
};

Slope implicitSlope(const StepIndexFiber &fiber, const VectorMode &mode, double dnDk)
{
    Slope out;
    const double n1 = fiber.n1, n2 = fiber.n2, a = fiber.a;
    const double k = kTwoPi / fiber.lambda;
    const double na = std::sqrt((n1 - n2) * (n1 + n2));
    const double v = k * a * na;
    const double u = mode.u, w = mode.w;
    const double nbar = (n2 * n2) / (n1 * n1);
    if (!(w > 0) || !(u > 0))
        return out;

    // Steps: a thousandth of the scale of G in U and V, which near cutoff is
    // the distance W^2/(2V) over which W changes by order itself; never
    // reaching U = 0 or U = V.
    const double h = kStepFraction * std::min({1.0, w * w / (2.0 * v), u});
    const double gU = slopeInU(mode, u, v, nbar);
    const double gV = derivative([&](double x) { return characteristic(mode, u, x, nbar); }, v, h);
    const double gN =
        derivative([&](double x) { return characteristic(mode, u, v, x); }, nbar, kNbarStep);

    const double dV = a * na + k * a * dnDk * (n1 - n2) / na;
    const double dNbar = 2.0 * n2 * dnDk / (n1 * n1) - 2.0 * n2 * n2 * dnDk / (n1 * n1 * n1);
    out.du = -(gV * dV + gN * dNbar) / gU;
    const double beta = std::sqrt(k * k * n1 * n1 - u * u / (a * a));
    out.groupIndex = (k * n1 * n1 + k * k * n1 * dnDk - u * out.du / (a * a)) / beta;
    return out;
}

// The fiber at wave number k: the typed indices at the typed wavelength,
// moved along fused silica's curve when material dispersion is on.
StepIndexFiber fiberAt(const StepIndexFiber &typed, double k, bool material)
{
    StepIndexFiber f = typed;
    f.lambda = kTwoPi / k;
    if (material) {
        const double shift = fusedSilicaIndex(f.lambda).n - fusedSilicaIndex(typed.lambda).n;
        f.n1 += shift;
        f.n2 += shift;
    }
    return f;
}

// The mode followed to `f` from the guess U: Newton's method on G (NaN when
// it leaves (0, V) or does not settle).
double followU(const VectorMode &mode, const StepIndexFiber &f, double u)
{
    const double v = fiberV(f);
    const double nbar = (f.n2 * f.n2) / (f.n1 * f.n1);
    double step = kNaN;
    for (int i = 0; i < kNewtonSteps; ++i) {
        if (!(u > 0 && u < v))
            return kNaN;
        step = characteristic(mode, u, v, nbar) / slopeInU(mode, u, v, nbar);
        u -= step;
        if (std::abs(step) <= 4 * std::numeric_limits<double>::epsilon() * u)
            break;
    }
    // Rounding in G may keep the last step a few ulps above the bound.
    return u > 0 && u < v && std::abs(step) <= kNewtonSettled * u ? u : kNaN;
}

// beta2 (s^2/m) from five-point differences of n_g(k).
double beta2Of(const StepIndexFiber &fiber, const VectorMode &mode, bool material, double du)
{
    const double k = kTwoPi / fiber.lambda;
    const double v = fiberV(fiber);
    const double h = kStepFraction * k * std::min(1.0, mode.w * mode.w / (2.0 * v * v));
    double ng[5];
    for (int j = -2; j <= 2; ++j) {
        const StepIndexFiber f = fiberAt(fiber, k + j * h, material);
        VectorMode moved = mode;
        moved.u = j == 0 ? mode.u : followU(mode, f, mode.u + du * j * h);
        const double vf = fiberV(f);
        moved.w = std::sqrt((vf - moved.u) * (vf + moved.u));
        const double dnDk = material ? fusedSilicaDnDk(f.lambda) : 0.0;
        ng[j + 2] = implicitSlope(f, moved, dnDk).groupIndex;
    }
    const double dngDk = (8.0 * (ng[3] - ng[1]) - (ng[4] - ng[0])) / (12.0 * h);
    return dngDk / (kLightSpeed * kLightSpeed);
}

} // namespace

double vectorGroupIndex(const StepIndexFiber &fiber, const VectorMode &mode, double dnDk)
{
    return implicitSlope(fiber, mode, dnDk).groupIndex;
}

VectorDispersion vectorDispersion(const StepIndexFiber &fiber, const VectorMode &mode,
                                  bool materialDispersion)
{
    VectorDispersion out;
    const double toD = -kTwoPi * kLightSpeed / (fiber.lambda * fiber.lambda) * kPsPerNmKm;
    const Slope guide = implicitSlope(fiber, mode, 0.0);
    const double guideBeta2 = beta2Of(fiber, mode, false, guide.du);
    out.waveguideDispersion = toD * guideBeta2;
    Slope total = guide;
    double beta2 = guideBeta2;
    if (materialDispersion) {
        total = implicitSlope(fiber, mode, fusedSilicaDnDk(fiber.lambda));
        beta2 = beta2Of(fiber, mode, true, total.du);
    }
    out.groupIndex = total.groupIndex;
    out.beta2 = beta2 * kPsSquaredPerKm;
    out.dispersion = toD * beta2;
    return out;
}
