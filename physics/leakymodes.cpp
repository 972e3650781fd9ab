#include "leakymodes.h"

#include "cylinderfunctions.h"

#include <boost/math/special_functions/bessel.hpp>

#include <cmath>
#include <complex>
#include <limits>

namespace {

using Complex = std::complex<double>;

constexpr double kTwoPi = 6.283185307179586;
constexpr double kDbPerNeper = 8.685889638065035; // 20 / ln 10

Complex hankel1(int m, double x)
{
    using boost::math::cyl_bessel_j;
    using boost::math::cyl_neumann;
    const cylinder::Policy policy;
    if (m < 0)
        return -Complex(cyl_bessel_j(1, x, policy), cyl_neumann(1, x, policy));
    return {cyl_bessel_j(m, x, policy), cyl_neumann(m, x, policy)};
}

// G at a real neff between the trench's and the outer index.
Complex characteristic(const LayeredFiber &fiber, int m, double neff)
{
    const LayeredEdge edge = layeredEdge(fiber, m, neff);
    const double k0 = kTwoPi / fiber.lambda;
    const double kappa = k0 * std::sqrt((fiber.nClad - neff) * (fiber.nClad + neff));
    const double x = kappa * fiber.radii.back();
    const Complex h = hankel1(m, x);
    const Complex dh = kappa * (hankel1(m - 1, x) - (m / x) * h);
    return edge.dpsi * h - edge.psi * dh;
}

struct Taylor {
    Complex g[4]; // G and its first three derivatives
};

Taylor taylorAt(const LayeredFiber &fiber, int m, double x, double h)
{
    Complex f[5];
    for (int k = -2; k <= 2; ++k)
        f[k + 2] = characteristic(fiber, m, x + k * h);
    Taylor t;
    t.g[0] = f[2];
    t.g[1] = (f[3] - f[1]) / (2 * h);
    t.g[2] = (f[3] - 2.0 * f[2] + f[1]) / (h * h);
    t.g[3] = (f[4] - 2.0 * f[3] + 2.0 * f[1] - f[0]) / (2 * h * h * h);
    return t;
}

// Root of the cubic Taylor polynomial nearest 0, by Newton from the linear one.
Complex taylorRoot(const Taylor &t)
{
    Complex d = -t.g[0] / t.g[1];
    for (int i = 0; i < 20; ++i) {
        const Complex p = t.g[0] + d * (t.g[1] + d * (t.g[2] / 2.0 + d * t.g[3] / 6.0));
        const Complex dp = t.g[1] + d * (t.g[2] + d * t.g[3] / 2.0);
        const Complex step = p / dp;
        d -= step;
        if (std::abs(step) <= 1e-17)
            break;
    }
    return d;
}

} // namespace

LayeredFiber confinedFiber(const LayeredFiber &fiber)
{
    LayeredFiber inner;
    inner.lambda = fiber.lambda;
    if (fiber.radii.size() < 2 || fiber.indices.size() != fiber.radii.size() ||
        !(fiber.indices.back() < fiber.nClad))
        return inner;
    inner.radii.assign(fiber.radii.begin(), fiber.radii.end() - 1);
    inner.indices.assign(fiber.indices.begin(), fiber.indices.end() - 1);
    inner.nClad = fiber.indices.back();
    return inner;
}

std::vector<LeakyLpMode> solveLeakyLpModes(const LayeredFiber &fiber)
{
    std::vector<LeakyLpMode> leaky;
    const LayeredFiber inner = confinedFiber(fiber);
    if (inner.radii.empty() || !layeredFiberProblem(fiber).empty() ||
        !layeredFiberProblem(inner).empty())
        return leaky;
    const double k0 = kTwoPi / fiber.lambda;
    for (const LayeredLpMode &start : solveLayeredLpModes(inner)) {
        if (!(start.neff < fiber.nClad))
            continue; // guided by the whole fiber (layeredmodes.h)
        LeakyLpMode mode;
        mode.m = start.m;
        mode.n = start.n;
        // Distance to the nearest branch point of the continuation (an index
        // level) sets the difference step.
        double scale = fiber.nClad - start.neff;
        for (double n : fiber.indices)
            scale = std::min(scale, std::abs(n - start.neff));
        double x = start.neff;
        Complex delta = 0.0;
        double remainder = std::numeric_limits<double>::infinity();
        for (int iteration = 0; iteration < 30; ++iteration) {
            const double h = std::max(1e-4 * scale, 4.0 * std::abs(delta));
            const Taylor t = taylorAt(fiber, start.m, x, h);
            delta = taylorRoot(t);
            remainder = std::abs(t.g[3] * delta * delta * delta / 6.0 / t.g[1]);
            if (!std::isfinite(delta.real()) || !std::isfinite(delta.imag()))
                break;
            x += delta.real();
            const double moved = std::abs(delta.real());
            delta = Complex(0.0, delta.imag());
            if (moved < 1e-15)
                break;
        }
        mode.neff = x;
        mode.neffImag = delta.imag();
        mode.remainder = remainder;
        mode.converged = std::isfinite(x) && std::isfinite(delta.imag()) &&
                         remainder <= 1e-6 * std::abs(delta.imag()) + 1e-15;
        mode.lossDbPerM = kDbPerNeper * k0 * mode.neffImag;
        mode.field = start.field;
        leaky.push_back(mode);
    }
    return leaky;
}
