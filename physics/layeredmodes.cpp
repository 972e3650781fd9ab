#include "layeredmodes.h"

#include "cylinderfunctions.h"
#include "sturmroots.h"
#include "vectormodes.h"

#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;

struct Propagation {
    double f = std::numeric_limits<double>::quiet_NaN();
    int zeros = 0;
};

double maxIndex(const LayeredFiber &fiber)
{
    return *std::max_element(fiber.indices.begin(), fiber.indices.end());
}

// Carries the regular solution out to the last radius; fills `field` (without
// the per-interface normalisation) when asked.
Propagation propagate(const LayeredFiber &fiber, int m, double neff, bool countZeros,
                      LayeredModeField *field, LayeredEdge *edge = nullptr)
{
    Propagation out;
    const double k0 = kTwoPi / fiber.lambda;
    const std::size_t layers = fiber.radii.size();
    double p = 0.0;
    double q = 0.0;
    for (std::size_t i = 0; i < layers; ++i) {
        const double r0 = i == 0 ? 0.0 : fiber.radii[i - 1];
        const double r1 = fiber.radii[i];
        const cylinder::Layer layer = cylinder::layerBasis(m, k0, fiber.indices[i], neff, r1);
        cylinder::Coefficients c;
        if (i == 0) {
            c = {1.0, 0.0}; // J_m, I_m or r^m: regular at the axis, positive near it
        } else {
            if (!field && !edge) {
                // A positive factor keeps every sign (and so every zero and
                // the sign of F) while the magnitudes stay in range.
                const double scale = std::hypot(p, q / k0);
                p /= scale;
                q /= scale;
            }
            c = cylinder::coefficients(layer, r0, p, q);
        }
        if (countZeros)
            out.zeros += cylinder::zeroCount(layer, c, r0, r1);
        const cylinder::Value v = cylinder::value(layer, c, r1);
        p = v.psi;
        q = v.dpsi;
        if (field) {
            field->kinds.push_back(static_cast<int>(layer.kind));
            field->k.push_back(layer.k);
            field->a.push_back(c.a);
            field->b.push_back(c.b);
        }
        if (!std::isfinite(p) || !std::isfinite(q) || (p == 0 && q == 0))
            return out;
    }
    if (edge) {
        *edge = {p, q};
        return out;
    }
    const double rN = fiber.radii.back();
    const double gamma = k0 * std::sqrt((neff - fiber.nClad) * (neff + fiber.nClad));
    const double logDerivative = cylinder::kLogDerivative(m, gamma * rN) / rN;
    out.f = (q + p * logDerivative) / std::hypot(p * logDerivative, q);
    if (countZeros && ((p > 0 && out.f < 0) || (p < 0 && out.f > 0)))
        ++out.zeros; // A and psi(R_N) differ in sign: one zero in the cladding
    if (field) {
        field->gammaClad = gamma;
        field->cladCoefficient = p / boost::math::cyl_bessel_k(m, gamma * rN, cylinder::Policy());
    }
    return out;
}

double toms748(const LayeredFiber &fiber, int m, double lo, double hi, double fLo, double fHi)
{
    auto f = [&](double neff) { return propagate(fiber, m, neff, false, nullptr).f; };
    std::uintmax_t iterations = 200;
    try {
        const auto bracket = boost::math::tools::toms748_solve(
            f, lo, hi, fLo, fHi,
            boost::math::tools::eps_tolerance<double>(std::numeric_limits<double>::digits - 1),
            iterations);
        return 0.5 * (bracket.first + bracket.second);
    } catch (const std::exception &) {
        return std::numeric_limits<double>::quiet_NaN(); // F out of range inside the bracket
    }
}

} // namespace

std::string layeredFiberProblem(const LayeredFiber &fiber)
{
    if (fiber.radii.empty() || fiber.radii.size() != fiber.indices.size())
        return "the profile needs at least one layer, each with a radius and an index";
    if (!(fiber.lambda > 0) || !std::isfinite(fiber.lambda))
        return "the wavelength must be positive";
    if (!(fiber.nClad >= 1.0) || !std::isfinite(fiber.nClad))
        return "the cladding index must be at least 1";
    for (std::size_t i = 0; i < fiber.radii.size(); ++i) {
        const double previous = i == 0 ? 0.0 : fiber.radii[i - 1];
        if (!(fiber.radii[i] > previous) || !std::isfinite(fiber.radii[i]))
            return "layer " + std::to_string(i + 1) +
                   ": the outer radii must be positive and increase from the centre out";
        if (!(fiber.indices[i] >= 1.0) || !std::isfinite(fiber.indices[i]))
            return "layer " + std::to_string(i + 1) + ": the index must be at least 1";
    }
    if (!(maxIndex(fiber) > fiber.nClad))
        return "no layer has an index above the cladding: nothing is guided";
    return {};
}

double layeredCharacteristic(const LayeredFiber &fiber, int m, double neff, int *zeros)
{
    const Propagation p = propagate(fiber, m, neff, zeros != nullptr, nullptr);
    if (zeros)
        *zeros = p.zeros;
    return p.f;
}

double refineLayeredRoot(const LayeredFiber &fiber, int m, double lo, double hi)
{
    const double fLo = layeredCharacteristic(fiber, m, lo);
    const double fHi = layeredCharacteristic(fiber, m, hi);
    if (!std::isfinite(fLo) || !std::isfinite(fHi) || (fLo > 0) == (fHi > 0))
        return std::numeric_limits<double>::quiet_NaN();
    return toms748(fiber, m, lo, hi, fLo, fHi);
}

std::vector<LayeredLpMode> solveLayeredLpModes(const LayeredFiber &fiber, bool *complete)
{
    std::vector<LayeredLpMode> modes;
    if (complete)
        *complete = true;
    if (!layeredFiberProblem(fiber).empty())
        return modes;
    const double top = maxIndex(fiber);
    const double span = top - fiber.nClad;
    const double bottom =
        fiber.nClad + std::max(1e-14 * span, 4 * std::numeric_limits<double>::epsilon());
    for (int m = 0;; ++m) {
        int total = 0;
        const double fBottom = layeredCharacteristic(fiber, m, bottom, &total);
        if (!std::isfinite(fBottom) && complete)
            *complete = false; // Bessel values out of range at this order
        if (total == 0 || !std::isfinite(fBottom))
            break; // the centrifugal term grows with m: no higher order is guided
        std::vector<LayeredLpMode> order;
        const auto roots = isolateSturmRoots(
            [&](double neff, int *count) { return layeredCharacteristic(fiber, m, neff, count); },
            bottom, top, total, fBottom);
        for (const auto &root : roots)
            order.push_back({m, root.first, root.second, {}});
        std::sort(order.begin(), order.end(),
                  [](const LayeredLpMode &x, const LayeredLpMode &y) { return x.n < y.n; });
        for (LayeredLpMode &mode : order) {
            if (!std::isfinite(mode.neff)) {
                if (complete)
                    *complete = false;
                continue;
            }
            mode.field = layeredModeField(fiber, m, mode.neff);
            modes.push_back(std::move(mode));
        }
    }
    return modes;
}

LayeredModeField layeredModeField(const LayeredFiber &fiber, int m, double neff)
{
    LayeredModeField field;
    field.m = m;
    field.neff = neff;
    field.radii = fiber.radii;
    propagate(fiber, m, neff, false, &field);
    if (field.a.size() != fiber.radii.size())
        return field;
    // Unit peak |psi|: the largest of samples through the layers (the cladding
    // only decays).
    double peak = 0.0;
    const double rN = fiber.radii.back();
    for (int i = 0; i <= 400; ++i)
        peak = std::max(peak, std::abs(field.psi(rN * i / 400.0)));
    if (peak > 0 && std::isfinite(peak)) {
        for (double &x : field.a)
            x /= peak;
        for (double &x : field.b)
            x /= peak;
        field.cladCoefficient /= peak;
    }
    return field;
}

namespace {

cylinder::Layer fieldLayer(const LayeredModeField &f, std::size_t i)
{
    cylinder::Layer layer;
    layer.kind = static_cast<cylinder::Kind>(f.kinds[i]);
    layer.k = f.k[i];
    layer.m = f.m;
    return layer;
}

cylinder::Value fieldValue(const LayeredModeField &f, double r)
{
    if (f.a.empty() || f.a.size() != f.radii.size())
        return {};
    for (std::size_t i = 0; i < f.radii.size(); ++i) {
        if (r < f.radii[i]) {
            if (r <= 0) // J_0(0) = I_0(0) = 1; higher orders vanish on the axis
                return {f.m == 0 ? f.a[0] : 0.0, 0.0};
            return cylinder::value(fieldLayer(f, i), {f.a[i], f.b[i]}, r);
        }
    }
    const double x = f.gammaClad * r;
    const double k = boost::math::cyl_bessel_k(f.m, x, cylinder::Policy());
    const double dk =
        -f.gammaClad *
        (boost::math::cyl_bessel_k(std::abs(f.m - 1), x, cylinder::Policy()) + f.m / x * k);
    return {f.cladCoefficient * k, f.cladCoefficient * dk};
}

} // namespace

double LayeredModeField::psi(double r) const
{
    return fieldValue(*this, r).psi;
}

double LayeredModeField::dpsi(double r) const
{
    return fieldValue(*this, r).dpsi;
}

LayeredEdge layeredEdge(const LayeredFiber &fiber, int m, double neff)
{
    LayeredEdge edge{std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::quiet_NaN()};
    propagate(fiber, m, neff, false, nullptr, &edge);
    return edge;
}

std::string lpModeName(int m, int n)
{
    return "LP" + orderLabel(m, n);
}
