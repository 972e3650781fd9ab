#include "vectorpower.h"

#include "besselpolicy.h"
#include "fieldmaps.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include <algorithm>
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
    double u = 0.0, w = 0.0;
    double jU = 0.0, kW = 0.0; // J_nu(U), K_nu(W)
    double n1sq = 0.0, n2sq = 0.0;
};

// The radial parts of E_r and E_phi (their angular factors cos and sin(nu phi)
// apart). r, dr: R and dR/drho at rho; q2: U^2 or -W^2.
struct TransverseE {
    double er = 0.0, ephi = 0.0;
};
TransverseE transverseE(const ModeFields &m, double rho, double r, double dr, double q2)
{
    const double nu = m.nu;
    return {(m.beta * m.a * dr + m.k * nu * m.b * r / rho) / q2,
            (m.beta * nu * m.a * r / rho + m.k * m.b * dr) / q2};
}

// r, dr: R and dR/drho at rho; q2: U^2 or -W^2; n2: the region's index squared.
Densities densities(const ModeFields &m, double rho, double r, double dr, double q2, double n2)
{
    const double nu = m.nu;
    const TransverseE e = transverseE(m, rho, r, dr, q2);
    const double er = e.er, ephi = e.ephi;
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

// The mode's amplitudes and angular weights; false at cutoff or when K_nu(W)
// overflows.
bool modeFields(const StepIndexFiber &fiber, const VectorMode &mode, ModeFields &m)
{
    const double u = mode.u, w = mode.w;
    if (!(w > 0) || !(u > 0))
        return false;
    const int nu = mode.nu;
    const double jU = besselJ(nu, u);
    const double kW = besselK(nu, w);
    if (!std::isfinite(kW) || !(kW > 0))
        return false;
    m.u = u;
    m.w = w;
    m.jU = jU;
    m.kW = kW;
    m.n1sq = fiber.n1 * fiber.n1;
    m.n2sq = fiber.n2 * fiber.n2;
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

    return true;
}

// R and dR/drho at rho (core or cladding form) with the region's q^2 and n^2.
struct Radial {
    double r = 0.0, dr = 0.0, q2 = 0.0, n2 = 0.0;
};
Radial radialAt(const ModeFields &m, double rho)
{
    const int nu = m.nu;
    if (rho < 1.0)
        return {besselJ(nu, m.u * rho),
                0.5 * m.u * (besselJ(nu - 1, m.u * rho) - besselJ(nu + 1, m.u * rho)), m.u * m.u,
                m.n1sq};
    const double scale = m.jU / m.kW;
    return {scale * besselK(nu, m.w * rho),
            -0.5 * m.w * scale * (besselK(nu - 1, m.w * rho) + besselK(nu + 1, m.w * rho)),
            -m.w * m.w, m.n2sq};
}

} // namespace

VectorPower vectorModePower(const StepIndexFiber &fiber, const VectorMode &mode, double dopedRadius)
{
    VectorPower out{kNaN, kNaN, kNaN, kNaN};
    ModeFields m;
    if (!modeFields(fiber, mode, m))
        return out;
    auto at = [&m](double rho) {
        const Radial r = radialAt(m, rho);
        return densities(m, rho, r.r, r.dr, r.q2, r.n2);
    };
    const auto &core = at;
    const auto &cladding = at;
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

    // Effective area of |E_t|^2 = er^2 cos^2 + ephi^2 sin^2: the angular
    // integrals of it and of its square are pi (er^2 + ephi^2) and
    // (3 pi/4)(er^4 + ephi^4) + (pi/2) er^2 ephi^2 for nu >= 1; for nu = 0 the
    // field is er (TM) or ephi (TE) alone, 2 pi er^2 and 2 pi er^4.
    const bool te = mode.family == VectorFamily::TE;
    auto moments = [&](double rho, int power2) {
        const Radial r = radialAt(m, rho);
        const TransverseE e = transverseE(m, rho, r.r, r.dr, r.q2);
        const double x = e.er * e.er, y = e.ephi * e.ephi;
        if (m.nu == 0) {
            const double f = te ? y : x;
            return kTwoPi * (power2 == 1 ? f : f * f) * rho;
        }
        return (power2 == 1 ? kPi * (x + y) : 0.75 * kPi * (x * x + y * y) + 0.5 * kPi * x * y) *
               rho;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const double i2 = integrate([&](double rho) { return moments(rho, 1); }, 0.0, 1.0) +
                      integrate([&](double rho) { return moments(rho, 1); }, 1.0, inf);
    const double i4 = integrate([&](double rho) { return moments(rho, 2); }, 0.0, 1.0) +
                      integrate([&](double rho) { return moments(rho, 2); }, 1.0, inf);
    out.effectiveArea = fiber.a * fiber.a * i2 * i2 / i4;
    return out;
}

std::vector<double> vectorIntensityMap(const StepIndexFiber &fiber, const VectorMode &mode)
{
    std::vector<double> grid(kFieldGridCells, kNaN);
    ModeFields m;
    if (!modeFields(fiber, mode, m))
        return grid;
    // The radial parts on a table out to the grid's corner (2 sqrt 2 a),
    // interpolated linearly: 4096 samples resolve the 30 rings of a V = 100
    // core far below a pixel. (E_r jumps at rho = 1 by n1^2/n2^2; the table's
    // one interval across the jump smears it over a fraction of a pixel.)
    constexpr int kSamples = 4096;
    const double rhoMax = 2.0 * std::sqrt(2.0) * (1.0 + 1e-9);
    const double step = rhoMax / (kSamples - 1);
    std::vector<TransverseE> table(kSamples);
    for (int t = 0; t < kSamples; ++t) {
        const double rho = std::max(t * step, 1e-9); // the 1/rho terms are finite at 0
        const Radial r = radialAt(m, rho);
        table[static_cast<std::size_t>(t)] = transverseE(m, rho, r.r, r.dr, r.q2);
    }
    // For nu = 0 the fields do not depend on phi: TM is radial, TE azimuthal.
    const bool te = mode.family == VectorFamily::TE;
    double largest = 0.0;
    for (int i = 0; i < kFieldGridSize; ++i)
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double x = fieldCoordinate(fiber.a, j) / fiber.a;
            const double y = fieldCoordinate(fiber.a, i) / fiber.a;
            const double pos = std::hypot(x, y) / step;
            const int t = std::min(static_cast<int>(pos), kSamples - 2);
            const double f = pos - t;
            const TransverseE &lo = table[static_cast<std::size_t>(t)];
            const TransverseE &hi = table[static_cast<std::size_t>(t) + 1];
            const double er = lo.er + f * (hi.er - lo.er);
            const double ephi = lo.ephi + f * (hi.ephi - lo.ephi);
            const double phi = m.nu * std::atan2(y, x);
            const double c = m.nu == 0 ? (te ? 0.0 : 1.0) : std::cos(phi);
            const double s = m.nu == 0 ? (te ? 1.0 : 0.0) : std::sin(phi);
            const double value = er * er * c * c + ephi * ephi * s * s;
            grid[fieldGridIndex(i, j)] = value;
            largest = std::max(largest, value);
        }
    if (largest > 0)
        for (double &cell : grid)
            cell /= largest;
    return grid;
}
