#include "exactmodes.h"

#include "besselkratio.h"

#include <boost/math/tools/roots.hpp>
#include "besselpolicy.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Below this W is re-solved from the eigenvalue relation in ln W.
constexpr double kSmallW = 1e-3;

// J_{m-1} with the reflection J_{-1} = -J_1.
double besselJLower(int m, double u)
{
    return m == 0 ? -besselpolicy::besselJ(1, u) : besselpolicy::besselJ(m - 1, u);
}

// W K_{m-1}(W)/K_m(W) with K_{-1} = K_1; 0 at W = 0 (its limit for every m:
// W/ln(2/W) for m = 0, W^2 ln(2/W) for m = 1, W^2/(2(m-1)) for m >= 2).
double kTerm(int m, double w)
{
    if (!(w > 0))
        return 0.0;
    if (m == 0)
        return w / besselKRatio(w, 1);
    return w * besselKRatio(w, m);
}

// Root of h on [lo, hi] when h changes sign there; the cutoff end (hi) when
// the two ends agree in sign, which happens only for a mode so close to cutoff
// that b is below the resolution of the Bessel values there.
double solveBracket(int m, double v, double lo, double hi)
{
    auto h = [m, v](double u) { return lpCharacteristic(m, u, v); };
    const double fLo = h(lo);
    const double fHi = h(hi);
    if (fLo == 0)
        return lo;
    if (fHi == 0)
        return hi;
    if ((fLo > 0) == (fHi > 0))
        return hi;
    std::uintmax_t iterations = 200;
    const auto bracket = boost::math::tools::toms748_solve(
        h, lo, hi, fLo, fHi,
        boost::math::tools::eps_tolerance<double>(std::numeric_limits<double>::digits - 1),
        iterations);
    return 0.5 * (bracket.first + bracket.second);
}

// Near cutoff W carries no digits when formed as sqrt(V² − U²): U sits on
// its cutoff value to double precision, so W cannot come out below about
// 1e-8 V (for LP0n the true W falls exponentially, W ≈ 2 e^{−γ−1/x} with
// x → 0). There W is solved from the eigenvalue relation itself, in ln W,
// with U = sqrt((V − W)(V + W)): kTerm(m, W) resolves any W down to the
// smallest normal number. Returns the refined W, or `w` when the relation
// does not change sign on [1e-300, 2w] (then w is as good as it gets).
double refineSmallW(int m, double v, double w)
{
    auto g = [m, v](double t) {
        const double wt = std::exp(t);
        const double u = std::sqrt((v - wt) * (v + wt));
        return u * besselJLower(m, u) + kTerm(m, wt) * besselpolicy::besselJ(m, u);
    };
    const double lo = std::log(1e-300), hi = std::log(std::min(2 * w, 0.5 * v));
    const double fLo = g(lo), fHi = g(hi);
    if (!(std::isfinite(fLo) && std::isfinite(fHi)) || (fLo > 0) == (fHi > 0))
        return w;
    std::uintmax_t iterations = 200;
    const auto bracket = boost::math::tools::toms748_solve(
        g, lo, hi, fLo, fHi,
        boost::math::tools::eps_tolerance<double>(std::numeric_limits<double>::digits - 1),
        iterations);
    return std::exp(0.5 * (bracket.first + bracket.second));
}

} // namespace

double fiberV(const StepIndexFiber &fiber)
{
    const double na2 = (fiber.n1 - fiber.n2) * (fiber.n1 + fiber.n2);
    return kTwoPi / fiber.lambda * fiber.a * std::sqrt(na2);
}

double lpCharacteristic(int m, double u, double v)
{
    const double w2 = (v - u) * (v + u);
    const double w = w2 > 0 ? std::sqrt(w2) : 0.0;
    return u * besselJLower(m, u) + kTerm(m, w) * besselpolicy::besselJ(m, u);
}

BesselZeroTable lpZeroTable(double v)
{
    return BesselZeroTable(highestGuidedOrderBound(v) + 1, v);
}

std::vector<LpMode> solveExactLpModes(const StepIndexFiber &fiber, const BesselZeroTable *zeros)
{
    std::vector<LpMode> modes;
    const double v = fiberV(fiber);
    if (!(v > 0) || !std::isfinite(v) || !(fiber.n2 > 0))
        return modes;

    std::shared_ptr<const BesselZeroTable> shared;
    if (!zeros || !zeros->covers(highestGuidedOrderBound(v) + 1, v)) {
        shared = sharedBesselZeroTable(highestGuidedOrderBound(v) + 1, v);
        zeros = shared.get();
    }

    const double na2 = (fiber.n1 - fiber.n2) * (fiber.n1 + fiber.n2);
    const double k0 = kTwoPi / fiber.lambda;
    for (int m = 0; m <= highestGuidedOrderBound(v); ++m) {
        // Cutoffs (lower bracket ends) and far-from-cutoff limits (upper ends).
        const std::vector<double> &upper = zeros->zeros(m);
        const std::vector<double> &lowerSource = zeros->zeros(m == 0 ? 1 : m - 1);
        bool any = false;
        for (int n = 1;; ++n) {
            double lo;
            if (m == 0)
                lo = n == 1 ? 0.0 : lowerSource[static_cast<std::size_t>(n) - 2];
            else
                lo = lowerSource[static_cast<std::size_t>(n) - 1];
            if (!(lo < v))
                break;
            const double hi = std::min(v, upper[static_cast<std::size_t>(n) - 1]);
            LpMode mode;
            mode.m = m;
            mode.n = n;
            mode.v = v;
            mode.cutoffV = lo;
            mode.u = solveBracket(m, v, lo, hi);
            double w2 = (v - mode.u) * (v + mode.u);
            mode.w = w2 > 0 ? std::sqrt(w2) : 0.0;
            if (mode.w < kSmallW) {
                mode.w = refineSmallW(m, v, std::max(mode.w, 1e-300));
                w2 = mode.w * mode.w;
                mode.u = std::sqrt((v - mode.w) * (v + mode.w));
            }
            mode.b = w2 > 0 ? w2 / (v * v) : 0.0;
            mode.neff = std::sqrt(fiber.n2 * fiber.n2 + mode.b * na2);
            mode.beta = k0 * mode.neff;
            modes.push_back(mode);
            any = true;
            // The lists end with a zero above V, so the break above ends the
            // loop in range; interlacing (j_{m,n-1} < j_{m-1,n}) keeps upper[n-1] in range.
        }
        if (!any)
            break; // j_{m,1} grows with m: no higher order is guided either
    }
    return modes;
}

int countGuidedLpModes(double v)
{
    if (!(v > 0))
        return 0;
    const BesselZeroTable zeros = lpZeroTable(v);
    int count = 0;
    for (int m = 0; m <= highestGuidedOrderBound(v); ++m) {
        const std::vector<double> &cutoffs = zeros.zeros(m == 0 ? 1 : m - 1);
        int orderCount = m == 0 ? 1 : 0; // LP01 has no cutoff
        for (double z : cutoffs)
            if (z < v)
                ++orderCount;
        count += orderCount;
    }
    return count;
}
