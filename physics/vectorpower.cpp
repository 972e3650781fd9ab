#include "vectorpower.h"

#include "besselpolicy.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <cmath>
#include <limits>

namespace {

using besselpolicy::besselJ;
using besselpolicy::besselK;

constexpr double kTwoPi = 6.283185307179586;
constexpr double kPi = kTwoPi / 2;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Adaptive Gauss-Kronrod: relative tolerance and the depth of bisection (a
// core of V = 100 holds some 30 oscillations of J_nu).
constexpr double kQuadratureTolerance = 1e-12;
constexpr unsigned kQuadratureDepth = 15;

// Power and energy densities (times rho) of one region at rho.
struct Densities {
    double power = 0.0;
    double energy = 0.0;
};

struct ModeFields {
    double a = 0.0, b = 0.0; // E_z and H_z amplitudes
    int nu = 0;
    double cosWeight = 0.0;     // int cos^2(nu phi) dphi: pi, 2 pi for nu = 0
    double sinWeight = 0.0;     // int sin^2(nu phi) dphi (2 pi for TE: its H_z is constant)
    double beta = 0.0, k = 0.0; // in units of 1/a
};

// r, dr: R and dR/drho at rho; q2: U^2 or -W^2; n2: the region's index squared.
Densities densities(const ModeFields &m, double rho, double r, double dr, double q2, double n2)
{
    const double nu = m.nu;
    const double er = (m.beta * m.a * dr + m.k * nu * m.b * r / rho) / q2;
    const double ephi = (m.beta * nu * m.a * r / rho + m.k * m.b * dr) / q2;
    const double hr = (m.beta * m.b * dr + m.k * n2 * nu * m.a * r / rho) / q2;
    const double hphi = (m.beta * nu * m.b * r / rho + m.k * n2 * m.a * dr) / q2;
    const double ez = m.a * r, hz = m.b * r;
    Densities d;
    d.power = 0.5 * (m.cosWeight * er * hphi + m.sinWeight * ephi * hr) * rho;
    d.energy = 0.25 *
               (n2 * (m.cosWeight * (er * er + ez * ez) + m.sinWeight * ephi * ephi) +
                m.cosWeight * hphi * hphi + m.sinWeight * (hr * hr + hz * hz)) *
               rho;
    return d;
}

template <typename F> double integrate(F f, double lo, double hi)
{
    return boost::math::quadrature::gauss_kronrod<double, 31>::integrate(
        f, lo, hi, kQuadratureDepth, kQuadratureTolerance);
}

} // namespace

VectorPower vectorModePower(const StepIndexFiber &fiber, const VectorMode &mode, double dopedRadius)
{
    VectorPower out{kNaN, kNaN, kNaN};
    const double u = mode.u, w = mode.w;
    if (!(w > 0) || !(u > 0))
        return out;
    const int nu = mode.nu;
    const double jU = besselJ(nu, u);
    const double kW = besselK(nu, w);
    if (!std::isfinite(kW) || !(kW > 0))
        return out;

    ModeFields m;
    m.nu = nu;
    m.k = kTwoPi / fiber.lambda * fiber.a;
    m.beta = mode.beta * fiber.a;
    switch (mode.family) {
    case VectorFamily::TE:
        m.a = 0.0;
        m.b = 1.0;
        m.sinWeight = kTwoPi;
        break;
    case VectorFamily::TM:
        m.a = 1.0;
        m.b = 0.0;
        m.cosWeight = kTwoPi;
        break;
    case VectorFamily::HE:
    case VectorFamily::EH: {
        // (a1 + b1) J_nu(U) = J_nu'(U)/U + J_nu(U) K_nu'(W)/(W K_nu(W)).
        const double dJ = 0.5 * (besselJ(nu - 1, u) - besselJ(nu + 1, u));
        const double dK = -0.5 * (besselK(nu - 1, w) + besselK(nu + 1, w));
        m.a = 1.0;
        m.b = -(m.beta / m.k) * nu * (1.0 / (u * u) + 1.0 / (w * w)) * jU /
              (dJ / u + jU * dK / (w * kW));
        m.cosWeight = m.sinWeight = kPi;
        break;
    }
    }

    const double n1sq = fiber.n1 * fiber.n1, n2sq = fiber.n2 * fiber.n2;
    auto core = [&](double rho) {
        const double r = besselJ(nu, u * rho);
        const double dr = 0.5 * u * (besselJ(nu - 1, u * rho) - besselJ(nu + 1, u * rho));
        return densities(m, rho, r, dr, u * u, n1sq);
    };
    auto cladding = [&](double rho) {
        const double scale = jU / kW;
        const double r = scale * besselK(nu, w * rho);
        const double dr = -0.5 * w * scale * (besselK(nu - 1, w * rho) + besselK(nu + 1, w * rho));
        return densities(m, rho, r, dr, -w * w, n2sq);
    };
    // The core integrand is regular at rho = 0 (R ~ rho^nu), but the 1/rho
    // terms are evaluated apart; Gauss-Kronrod never samples the end point.
    const double pCore = integrate([&](double rho) { return core(rho).power; }, 0.0, 1.0);
    const double eCore = integrate([&](double rho) { return core(rho).energy; }, 0.0, 1.0);
    const double pClad = integrate([&](double rho) { return cladding(rho).power; }, 1.0,
                                   std::numeric_limits<double>::infinity());
    const double eClad = integrate([&](double rho) { return cladding(rho).energy; }, 1.0,
                                   std::numeric_limits<double>::infinity());
    const double power = pCore + pClad;
    out.coreFraction = pCore / power;
    // Inside r_d: the core up to r_d, or the core and the cladding out to r_d.
    const double rd = dopedRadius / fiber.a;
    double inside = 0.0;
    if (rd >= 1.0)
        inside =
            pCore +
            (rd > 1.0 ? integrate([&](double rho) { return cladding(rho).power; }, 1.0, rd) : 0.0);
    else if (rd > 0.0)
        inside = integrate([&](double rho) { return core(rho).power; }, 0.0, rd);
    out.dopedOverlap = inside / power;
    out.groupIndex = (eCore + eClad) / power;
    return out;
}
