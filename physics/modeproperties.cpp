#include "modeproperties.h"

#include "besselkratio.h"
#include "silicasellmeier.h"

#include <boost/math/quadrature/gauss.hpp>
#include <boost/math/tools/minima.hpp>
#include "besselpolicy.h"

#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kLightSpeed = 299792458.0;           // m/s
constexpr double kDbPerNeper = 4.3429448190325182765; // 10 log10(e)
constexpr double kPsSquaredPerKm = 1e27;              // s^2/m -> ps^2/km
constexpr double kPsPerNmKm = 1e6;                    // s/m^2 -> ps/(nm km)
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using besselpolicy::besselJ;

// ln K_m(z), m >= 0 (K_{-m} = K_m), by forward recurrence with rescaling, so
// that K_60(0.01) (~1e200) or K_0(600) (~1e-262) do not over- or underflow
// before the logarithm is taken.
double logBesselK(int m, double z)
{
    m = m < 0 ? -m : m;
    if (m == 0)
        return std::log(besselpolicy::besselK(0, z));
    double previous = besselpolicy::besselK(0, z);
    double current = besselpolicy::besselK(1, z);
    double logScale = 0.0;
    for (int j = 1; j < m; ++j) {
        const double next = previous + (2.0 * j / z) * current;
        previous = current;
        current = next;
        if (current > 1e250) {
            previous *= 1e-250;
            current *= 1e-250;
            logScale += 250.0 * std::log(10.0);
        }
    }
    return std::log(current) + logScale;
}

// K ratios and log-derivatives of one mode at W.
struct KTerms {
    double kappa;     // K_m^2/(K_{m-1} K_{m+1})
    double dLogKappa; // d ln(kappa)/dW
};

KTerms kTerms(int m, double w)
{
    std::vector<double> q; // q_n = K_{n-1}/K_n
    besselKRatios(w, m + 1, q);
    // L_n = K_n'/K_n = -q_n - n/W (n >= 1), L_0 = -1/q_1, L_{-1} = L_1.
    auto logDerivative = [&](int n) {
        n = n < 0 ? -n : n;
        return n == 0 ? -1.0 / q[1] : -q[static_cast<std::size_t>(n)] - n / w;
    };
    KTerms t;
    t.kappa =
        m == 0 ? q[1] * q[1] : q[static_cast<std::size_t>(m) + 1] / q[static_cast<std::size_t>(m)];
    t.dLogKappa = 2.0 * logDerivative(m) - logDerivative(m - 1) - logDerivative(m + 1);
    return t;
}

// 16-point Gauss-Legendre rule on [-1, 1] (Boost.Math keeps the non-negative half).
struct GaussRule {
    std::array<double, 16> x;
    std::array<double, 16> w;
};

const GaussRule &gaussRule()
{
    static const GaussRule rule = [] {
        using Gauss = boost::math::quadrature::gauss<double, 16>;
        GaussRule r;
        const auto &abscissa = Gauss::abscissa();
        const auto &weights = Gauss::weights();
        std::size_t k = 0;
        for (std::size_t i = 0; i < abscissa.size(); ++i) {
            r.x[k] = abscissa[i];
            r.w[k++] = weights[i];
            if (abscissa[i] != 0) {
                r.x[k] = -abscissa[i];
                r.w[k++] = weights[i];
            }
        }
        return r;
    }();
    return rule;
}

// Radial integrals of psi^2 needing quadrature: I2 = int psi^2 rho^3,
// D2 = int psi^2/rho, I4 = int psi^4 rho (rho = r/a, core and cladding).
struct RadialMoments {
    double i2 = 0.0;
    double d2 = 0.0;
    double i4 = 0.0;
    void add(double weight, double rho, double psi2)
    {
        i2 += weight * psi2 * rho * rho * rho;
        d2 += weight * psi2 / rho;
        i4 += weight * psi2 * psi2 * rho;
    }
};

// Calls visit(weight, rho, psi) for every quadrature node of int_0^inf f(rho) drho
// over the mode's radial profile psi (rho = r/a, psi(1) = J_m(U)).
template <typename Visit> void forEachRadialNode(int m, double u, double w, Visit visit)
{
    const GaussRule &rule = gaussRule();
    // Core: panels of at most 3.5 rad of U rho, so psi^4 (period pi/2 in U rho)
    // is resolved to ~1e-16 by 16 points.
    const int corePanels = std::max(2, static_cast<int>(std::ceil(u / 3.5)));
    for (int p = 0; p < corePanels; ++p) {
        const double lo = double(p) / corePanels;
        const double half = 0.5 / corePanels;
        for (std::size_t k = 0; k < rule.x.size(); ++k) {
            const double rho = lo + half * (1.0 + rule.x[k]);
            visit(half * rule.w[k], rho, besselJ(m, u * rho));
        }
    }
    // Cladding: psi = J_m(U) K_m(W rho)/K_m(W). Panel widths follow the local
    // decay rate sqrt(W^2 + m^2/rho^2) of K_m(W rho) and never exceed rho (the
    // logarithmic/algebraic region of small W rho).
    const double jEdge = besselJ(m, u);
    const double kEdge = besselpolicy::besselK(m, w);
    const bool direct = std::isfinite(kEdge) && kEdge > 0;
    const double logKEdge = direct ? 0.0 : logBesselK(m, w);
    double rho0 = 1.0;
    double secondMoment = 0.0; // int psi^2 rho^3 so far, for the stopping test
    for (int panel = 0; panel < 400; ++panel) {
        const double rate = std::sqrt(w * w + double(m) * m / (rho0 * rho0));
        const double width = std::min(rho0, 3.0 / rate);
        const double half = 0.5 * width;
        double lastPsi2 = 0.0;
        for (std::size_t k = 0; k < rule.x.size(); ++k) {
            const double rho = rho0 + half * (1.0 + rule.x[k]);
            const double ratio = direct ? besselpolicy::besselK(m, w * rho) / kEdge
                                        : std::exp(logBesselK(m, w * rho) - logKEdge);
            const double psi = jEdge * ratio;
            lastPsi2 = psi * psi;
            secondMoment += half * rule.w[k] * lastPsi2 * rho * rho * rho;
            visit(half * rule.w[k], rho, psi);
        }
        rho0 += width;
        // In the exponential tail (W rho > 1) the rest is below the last
        // integrand times a decay length < rho: stop once that is negligible.
        const double tail = lastPsi2 * rho0 * rho0 * rho0 * rho0;
        if (w * rho0 > 1.0 && tail < 1e-18 * secondMoment)
            break;
    }
}

RadialMoments radialMoments(int m, double u, double w)
{
    RadialMoments out;
    forEachRadialNode(m, u, w, [&out](double weight, double rho, double psi) {
        out.add(weight, rho, psi * psi);
    });
    return out;
}

// Marcuse's spot size (Bell Syst. Tech. J. 56, 703 (1977)): the 1/e field
// radius w (in units of a) of the Gaussian exp(-rho^2/w^2) of largest power
// overlap with the mode, (int psi g rho)^2 / (int psi^2 rho * int g^2 rho),
// int g^2 rho = w^2/4. Maximised with Brent's method.
double gaussianFitSpot(int m, double u, double w, double i0)
{
    std::vector<double> rho, weight;
    forEachRadialNode(m, u, w, [&](double wt, double r, double psi) {
        rho.push_back(r);
        weight.push_back(wt * r * psi);
    });
    auto negativeOverlap = [&](double s) {
        double sum = 0.0;
        for (std::size_t i = 0; i < rho.size(); ++i)
            sum += weight[i] * std::exp(-rho[i] * rho[i] / (s * s));
        return -sum * sum / (i0 * s * s / 4.0);
    };
    const auto best = boost::math::tools::brent_find_minima(
        negativeOverlap, 0.1, 30.0, std::numeric_limits<double>::digits / 2);
    return best.first;
}

} // namespace

ModeDerivatives lpModeDerivatives(const LpMode &mode)
{
    ModeDerivatives d;
    const double u = mode.u, v = mode.v, w = mode.w;
    if (!(w > 0)) {
        d.du = d.d2u = kNaN;
        return d;
    }
    const KTerms k = kTerms(mode.m, w);
    d.du = (u / v) * (1.0 - k.kappa);
    const double dw = (v - u * d.du) / w;
    d.d2u = (d.du / v - u / (v * v)) * (1.0 - k.kappa) - (u / v) * k.kappa * k.dLogKappa * dw;
    return d;
}

GroupResult lpGroupDelay(const StepIndexFiber &fiber, const LpMode &mode, double dn2dk,
                         double d2n2dk2)
{
    GroupResult r;
    const double k = kTwoPi / fiber.lambda;
    const double n2 = fiber.n2;
    const double step = fiber.n1 - fiber.n2;
    const double mm = step * (fiber.n1 + fiber.n2); // M = n1^2 - n2^2
    const double dm = 2.0 * step * dn2dk;
    const double d2m = 2.0 * step * d2n2dk2;
    const double dnn = 2.0 * n2 * dn2dk; // N = n2^2
    const double d2nn = 2.0 * (dn2dk * dn2dk + n2 * d2n2dk2);

    const ModeDerivatives du = lpModeDerivatives(mode);
    const double u = mode.u, v = mode.v;
    const double bV = -2.0 * u * du.du / (v * v) + 2.0 * u * u / (v * v * v);
    const double bVV = -2.0 * (du.du * du.du + u * du.d2u) / (v * v) +
                       8.0 * u * du.du / (v * v * v) - 6.0 * u * u / (v * v * v * v);
    const double rootM = std::sqrt(mm);
    const double dv = fiber.a * rootM + k * fiber.a * dm / (2.0 * rootM);
    const double d2v =
        fiber.a * dm / rootM + k * fiber.a * (d2m / (2.0 * rootM) - dm * dm / (4.0 * mm * rootM));
    const double s = n2 * n2 + mode.b * mm;
    const double ds = dnn + bV * dv * mm + mode.b * dm;
    const double d2s =
        d2nn + bVV * dv * dv * mm + bV * d2v * mm + 2.0 * bV * dv * dm + mode.b * d2m;
    const double rootS = std::sqrt(s);
    r.groupIndex = rootS + k * ds / (2.0 * rootS);
    const double d2beta = ds / rootS + k * (d2s / (2.0 * rootS) - ds * ds / (4.0 * s * rootS));
    r.beta2 = d2beta / (kLightSpeed * kLightSpeed);
    return r;
}

LpModeProperties lpModeProperties(const StepIndexFiber &fiber, const LpMode &mode,
                                  const ModePropertyOptions &options)
{
    LpModeProperties p;
    const int m = mode.m;
    const double u = mode.u, w = mode.w, v = mode.v, a = fiber.a;
    p.cutoffWavelength = mode.cutoffV > 0 ? fiber.lambda * v / mode.cutoffV
                                          : std::numeric_limits<double>::infinity();
    if (!(w > 0)) {
        p.corePowerFraction = p.groupIndex = p.beta2 = p.dispersion = p.waveguideDispersion =
            p.mfd = p.gaussianMfd = p.effectiveArea = p.dopedOverlap = p.m2xCos = p.m2yCos =
                p.m2xSin = p.m2ySin = p.bendLoss = p.bendLossDb = p.bendLossLargeArgument = kNaN;
        return p;
    }
    const KTerms k = kTerms(m, w);
    p.corePowerFraction = 1.0 - (u * u) / (v * v) * (1.0 - k.kappa);

    // Dispersion: constant indices, then (optionally) silica's derivatives.
    const double lambda = fiber.lambda;
    const double waveNumber = kTwoPi / lambda;
    const double toD = -kTwoPi * kLightSpeed / (lambda * lambda) * kPsPerNmKm;
    const GroupResult guide = lpGroupDelay(fiber, mode, 0.0, 0.0);
    p.waveguideDispersion = toD * guide.beta2;
    GroupResult total = guide;
    if (options.materialDispersion) {
        const SellmeierIndex silica = fusedSilicaIndex(lambda);
        // d/dk from d/dlambda: dlambda/dk = -lambda/k, d2lambda/dk2 = 2 lambda/k^2.
        const double dndk = fusedSilicaDnDk(lambda);
        const double d2ndk2 = silica.d2n * (lambda / waveNumber) * (lambda / waveNumber) +
                              silica.dn * (2.0 * lambda / (waveNumber * waveNumber));
        total = lpGroupDelay(fiber, mode, dndk, d2ndk2);
    }
    p.groupIndex = total.groupIndex;
    p.beta2 = total.beta2 * kPsSquaredPerKm;
    p.dispersion = toD * total.beta2;

    // Power integrals (rho = r/a): core and cladding parts of I0 in closed form.
    const double jm = besselJ(m, u);
    const double i0Core = 0.5 * (jm * jm - besselJ(m - 1, u) * besselJ(m + 1, u));
    const double i0Clad = 0.5 * jm * jm * (1.0 / k.kappa - 1.0);
    const double i0 = i0Core + i0Clad;
    const double gradient = u * u * i0Core - w * w * i0Clad; // int |grad psi|^2 rho drho
    p.mfd = 2.0 * a * std::sqrt(2.0 * i0 / gradient);
    p.gaussianMfd = (m == 0 && mode.n == 1) ? 2.0 * a * gaussianFitSpot(m, u, w, i0) : kNaN;

    const RadialMoments moments = radialMoments(m, u, w);
    p.effectiveArea = (m == 0 ? kTwoPi : 4.0 * kPi / 3.0) * a * a * i0 * i0 / moments.i4;

    // Doped-radius overlap.
    const double rd = options.dopedRadius / a;
    double inside = 0.0;
    if (rd > 0) {
        const double rc = std::min(rd, 1.0);
        const double jr = besselJ(m, u * rc);
        inside = 0.5 * rc * rc * (jr * jr - besselJ(m - 1, u * rc) * besselJ(m + 1, u * rc));
        if (rd > 1.0) {
            // int_1^rd psi^2 rho = (J_m(U)^2/2)[rho^2 (K_m(W rho)/K_m(W))^2 (1 - 1/kappa(W
            // rho))]_1^rd.
            const KTerms kr = kTerms(m, w * rd);
            const double ratio = std::exp(logBesselK(m, w * rd) - logBesselK(m, w));
            inside += 0.5 * jm * jm *
                      (rd * rd * ratio * ratio * (1.0 - 1.0 / kr.kappa) - (1.0 - 1.0 / k.kappa));
        }
    }
    p.dopedOverlap = std::min(1.0, std::max(0.0, inside / i0));

    // Beam quality. Angular integrals over [0, 2 pi] of cos^2(phi) cos^2(m phi)
    // (x moment, cos orientation), sin^2 cos^2 (y moment) and of the gradient
    // partners sin^2 sin^2, cos^2 sin^2.
    const double md = m;
    const double d1 = gradient - md * md * moments.d2; // int psi'^2 rho
    if (m == 0) {
        const double m2 = std::sqrt(moments.i2 * gradient) / i0;
        p.m2xCos = p.m2yCos = p.m2xSin = p.m2ySin = m2;
    } else {
        const double cc = m == 1 ? 0.75 * kPi : 0.5 * kPi;
        const double sc = m == 1 ? 0.25 * kPi : 0.5 * kPi;
        const double ss = cc, cs = sc;
        const double norm = kPi * i0;
        const double x2 = moments.i2 * cc, y2 = moments.i2 * sc;
        const double dx = d1 * cc + md * md * moments.d2 * ss;
        const double dy = d1 * sc + md * md * moments.d2 * cs;
        p.m2xCos = 2.0 * std::sqrt(x2 * dx) / norm;
        p.m2yCos = 2.0 * std::sqrt(y2 * dy) / norm;
        p.m2xSin = m == 1 ? p.m2yCos : p.m2xCos;
        p.m2ySin = m == 1 ? p.m2xCos : p.m2yCos;
    }

    // Bend loss (Marcuse 1976), in logarithms.
    const double r = options.bendRadius;
    if (r > 0) {
        const double kt = u / a, gamma = w / a, beta = mode.beta;
        const double em = m == 0 ? 2.0 : 1.0;
        const double exponent = -(2.0 / 3.0) * gamma * gamma * gamma * r / (beta * beta);
        const double logFull = 0.5 * std::log(kPi) + 2.0 * std::log(kt) + exponent - std::log(em) -
                               1.5 * std::log(gamma) - 2.0 * std::log(v) - 0.5 * std::log(r) -
                               logBesselK(m - 1, w) - logBesselK(m + 1, w);
        const double logLarge = std::log(2.0 * a) + 2.0 * std::log(kt) + 2.0 * w + exponent -
                                std::log(em) - 2.0 * std::log(v) - 0.5 * std::log(kPi * gamma * r);
        p.bendLoss = std::exp(logFull);
        p.bendLossDb = kDbPerNeper * p.bendLoss;
        p.bendLossLargeArgument = std::exp(logLarge);
    } else {
        p.bendLoss = p.bendLossDb = p.bendLossLargeArgument = kNaN;
    }
    return p;
}
