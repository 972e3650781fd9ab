#include "vectormodes.h"

#include "besselkratio.h"

#include <boost/math/tools/roots.hpp>
#include "besselpolicy.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;
// The upper bracket end when it is the cutoff U = V: W = V sqrt(2e-14) keeps
// every term finite; a mode closer to its cutoff than that is not reported.
constexpr double kCutoffMargin = 1e-14;

using besselpolicy::besselJ;

using Characteristic = double (*)(int, double, double, double);

// Root in [lo, hi] of f when the ends differ in sign; NaN otherwise.
template <typename F> double rootIn(F f, double lo, double hi)
{
    const double fLo = f(lo);
    const double fHi = f(hi);
    if (!std::isfinite(fLo) || !std::isfinite(fHi) || (fLo > 0) == (fHi > 0) || fLo == 0 ||
        fHi == 0)
        return fLo == 0 ? lo : (fHi == 0 ? hi : std::numeric_limits<double>::quiet_NaN());
    std::uintmax_t iterations = 200;
    const auto bracket = boost::math::tools::toms748_solve(
        f, lo, hi, fLo, fHi,
        boost::math::tools::eps_tolerance<double>(std::numeric_limits<double>::digits - 1),
        iterations);
    return 0.5 * (bracket.first + bracket.second);
}

struct FiberScales {
    double v;
    double vTop; // largest U examined
    double nbar;
    double n2Squared;
    double na2;
    double k0;
};

VectorMode makeMode(const FiberScales &s, VectorFamily family, int nu, int n, int lpM, int lpN,
                    double u, double cutoff)
{
    VectorMode mode;
    mode.family = family;
    mode.nu = nu;
    mode.n = n;
    mode.lpM = lpM;
    mode.lpN = lpN;
    mode.u = u;
    const double w2 = (s.v - u) * (s.v + u);
    mode.w = w2 > 0 ? std::sqrt(w2) : 0.0;
    mode.b = w2 > 0 ? w2 / (s.v * s.v) : 0.0;
    mode.neff = std::sqrt(s.n2Squared + mode.b * s.na2);
    mode.beta = s.k0 * mode.neff;
    mode.cutoffV = cutoff;
    return mode;
}

// Sign of J_nu inside the k-th interval between its zeros (k = 1: (0, j_{nu,1})).
double intervalSign(int k)
{
    return (k % 2) ? 1.0 : -1.0;
}

} // namespace

std::string vectorModeName(const VectorMode &mode)
{
    static const char *const kFamilies[] = {"TE", "TM", "HE", "EH"};
    return std::string(kFamilies[static_cast<int>(mode.family)]) + orderLabel(mode.nu, mode.n);
}

std::string orderLabel(int order, int radial)
{
    const char *separator = (order >= 10 || radial >= 10) ? "," : "";
    return std::to_string(order) + separator + std::to_string(radial);
}

// HE and EH right sides share
//     -b1 = nu/W^2 + kappa,   kappa = K_{nu-1}(W)/(W K_nu(W))   (K_nu' = -K_{nu-1} - nu K_nu/W),
//     D = -(1+nbar) b1/2 + R  (a sum of positive terms),
//     EH: right = nu/U^2 - D,
//     HE: right = nu/U^2 + N/D,  N = b1^2 nbar - nu^2 PQ
//                 = nbar (2 nu kappa/W^2 + kappa^2) - nu^2/U^4 - nu^2 (1+nbar)/(U^2 W^2),
// (the nbar nu^2/W^4 of b1^2 nbar and of nu^2 PQ cancel exactly), using
// (-(1+nbar) b1/2 - R)(-(1+nbar) b1/2 + R) = b1^2 nbar - nu^2 PQ.
namespace {

struct BranchTerms {
    double w2;
    double d;
    double n;
};

BranchTerms branchTerms(int nu, double u, double v, double nbar)
{
    BranchTerms t;
    t.w2 = (v - u) * (v + u);
    const double w = std::sqrt(t.w2);
    const double kappa = besselKRatio(w, nu) / w;
    const double minusB1 = nu / t.w2 + kappa;
    const double u2 = u * u;
    const double p = 1.0 / u2 + 1.0 / t.w2;
    const double q = 1.0 / u2 + nbar / t.w2;
    const double half = 0.5 * (1.0 - nbar) * minusB1;
    const double r = std::sqrt(half * half + double(nu) * nu * p * q);
    t.d = 0.5 * (1.0 + nbar) * minusB1 + r;
    t.n = nbar * (2.0 * nu * kappa / t.w2 + kappa * kappa) - double(nu) * nu / (u2 * u2) -
          double(nu) * nu * (1.0 + nbar) / (u2 * t.w2);
    return t;
}

} // namespace

double heCharacteristic(int nu, double u, double v, double nbar)
{
    const BranchTerms t = branchTerms(nu, u, v, nbar);
    return besselJ(nu - 1, u) / u - besselJ(nu, u) * (nu / (u * u) + t.n / t.d);
}

double ehCharacteristic(int nu, double u, double v, double nbar)
{
    const BranchTerms t = branchTerms(nu, u, v, nbar);
    return t.w2 * (besselJ(nu + 1, u) / u - besselJ(nu, u) * (nu / (u * u) - t.d));
}

double tmCharacteristic(double u, double v, double nbar)
{
    const double w2 = (v - u) * (v + u);
    const double w = std::sqrt(w2);
    // K_1/(W K_0) = 1/(W q_1).
    return besselJ(1, u) / u + nbar * besselJ(0, u) / (w * besselKRatio(w, 1));
}

double heCutoff(int nu, int n, double nbar)
{
    if (nu < 2 || n < 1 || !(nbar > 0))
        return std::numeric_limits<double>::quiet_NaN();
    const double lo = besselpolicy::besselJZero(nu - 2, n);
    const double hi = besselpolicy::besselJZero(nu - 1, n);
    // (1 + 1/nbar)(nu-1) J_{nu-1}(V) - V J_nu(V) = (1/nbar - 1)(nu-1) J_{nu-1}(V) + V J_{nu-2}(V):
    // of sign (-1)^(n-1) at j_{nu-2,n} and (-1)^n at j_{nu-1,n} (interlacing).
    auto f = [nu, nbar](double x) {
        return (1.0 / nbar - 1.0) * (nu - 1) * besselJ(nu - 1, x) + x * besselJ(nu - 2, x);
    };
    if (nbar == 1.0)
        return lo;
    return rootIn(f, lo, hi);
}

std::vector<VectorMode> solveExactVectorModes(const StepIndexFiber &fiber,
                                              const std::vector<LpMode> &lpModes,
                                              const BesselZeroTable *zeros)
{
    std::vector<VectorMode> modes;
    if (lpModes.empty())
        return modes;
    FiberScales s;
    s.v = fiberV(fiber);
    if (!(s.v > 0) || !std::isfinite(s.v))
        return modes;
    s.vTop = s.v * std::sqrt(1.0 - 2.0 * kCutoffMargin);
    s.nbar = (fiber.n2 / fiber.n1) * (fiber.n2 / fiber.n1);
    s.n2Squared = fiber.n2 * fiber.n2;
    s.na2 = (fiber.n1 - fiber.n2) * (fiber.n1 + fiber.n2);
    s.k0 = kTwoPi / fiber.lambda;

    int maxLp = 0;
    for (const LpMode &mode : lpModes)
        maxLp = std::max(maxLp, mode.m);
    std::shared_ptr<const BesselZeroTable> shared;
    if (!zeros || !zeros->covers(maxLp + 1, s.v)) {
        shared = sharedBesselZeroTable(maxLp + 1, s.v);
        zeros = shared.get();
    }

    std::vector<VectorMode> found;
    // TE_0n: the LP_1n root itself. TM_0n: (j_{0,n}, j_{0,n+1}).
    const std::vector<double> &j0 = zeros->zeros(0);
    for (const LpMode &lp : lpModes) {
        if (lp.m != 1)
            continue;
        found.push_back(makeMode(s, VectorFamily::TE, 0, lp.n, 1, lp.n, lp.u, lp.cutoffV));
        const double lo = j0[static_cast<std::size_t>(lp.n) - 1];
        const double hi = std::min(s.vTop, j0[static_cast<std::size_t>(lp.n)]);
        const double sign = intervalSign(lp.n + 1);
        const double u =
            rootIn([&](double x) { return sign * tmCharacteristic(x, s.v, s.nbar); }, lo, hi);
        if (std::isfinite(u))
            found.push_back(makeMode(s, VectorFamily::TM, 0, lp.n, 1, lp.n, u, lo));
    }
    for (int nu = 1; nu <= maxLp + 1; ++nu) {
        const std::vector<double> &jn = zeros->zeros(nu);
        // HE_nu,k in (j_{nu,k-1}, j_{nu,k}).
        for (int k = 1; k <= static_cast<int>(jn.size()); ++k) {
            double lo = k == 1 ? 0.0 : jn[static_cast<std::size_t>(k) - 2];
            if (!(lo < s.vTop))
                break;
            const double hi = std::min(s.vTop, jn[static_cast<std::size_t>(k) - 1]);
            const double sign = intervalSign(k);
            auto f = [&](double x) { return sign * heCharacteristic(nu, x, s.v, s.nbar); };
            if (k == 1) {
                // Start where J_{nu-1}/(U J_nu) (~ 2 nu/U^2 at small U) clearly
                // dominates: half the LP_{nu-1,1} cutoff j_{nu-2,1} (or a small U for
                // HE11), moving down while the sign is not yet positive.
                lo = nu >= 2 ? 0.5 * zeros->zeros(nu - 2)[0] : 1e-3 * hi;
                for (int tries = 0; tries < 30 && !(f(lo) > 0); ++tries)
                    lo *= 0.5;
            }
            const double u = rootIn(f, lo, hi);
            if (!std::isfinite(u))
                continue;
            const double cutoff = nu == 1 ? (k == 1 ? 0.0 : jn[static_cast<std::size_t>(k) - 2])
                                          : heCutoff(nu, k, s.nbar);
            found.push_back(makeMode(s, VectorFamily::HE, nu, k, nu - 1, k, u, cutoff));
        }
        // EH_nu,k in (j_{nu,k}, j_{nu,k+1}).
        for (int k = 1; k < static_cast<int>(jn.size()); ++k) {
            const double lo = jn[static_cast<std::size_t>(k) - 1];
            if (!(lo < s.vTop))
                break;
            const double hi = std::min(s.vTop, jn[static_cast<std::size_t>(k)]);
            const double sign = intervalSign(k + 1);
            const double u = rootIn(
                [&](double x) { return sign * ehCharacteristic(nu, x, s.v, s.nbar); }, lo, hi);
            if (std::isfinite(u))
                found.push_back(makeMode(s, VectorFamily::EH, nu, k, nu + 1, k, u, lo));
        }
    }

    // Group under the LP modes in their order; within a group by descending neff.
    for (const LpMode &lp : lpModes) {
        const std::size_t first = modes.size();
        for (const VectorMode &mode : found)
            if (mode.lpM == lp.m && mode.lpN == lp.n)
                modes.push_back(mode);
        std::sort(modes.begin() + static_cast<std::ptrdiff_t>(first), modes.end(),
                  [](const VectorMode &x, const VectorMode &y) { return x.neff > y.neff; });
    }
    return modes;
}
