#include "layeredvector.h"

#include "cylinderfunctions.h"

#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using State = std::array<double, 4>; // e, h, e_phi, h_phi

struct Derivatives {
    double e, de, h, dh;
};

struct LayerScales {
    double s;    // k0^2 (n^2 - neff^2)
    double beta; // k0 neff
    double k0;
    double n2;
    int nu;
};

State toState(const LayerScales &l, double r, const Derivatives &d)
{
    const double c = l.beta * l.nu / r;
    return {d.e, d.h, (c * d.e + l.k0 * d.dh) / l.s, -(c * d.h + l.k0 * l.n2 * d.de) / l.s};
}

Derivatives toDerivatives(const LayerScales &l, double r, const State &x)
{
    const double c = l.beta * l.nu / r;
    return {x[0], (-l.s * x[3] - c * x[1]) / (l.k0 * l.n2), x[1], (l.s * x[2] - c * x[0]) / l.k0};
}

double norm(const State &x)
{
    return std::sqrt(x[0] * x[0] + x[1] * x[1] + x[2] * x[2] + x[3] * x[3]);
}

// The I_nu coefficients (up to the common positive factor x K_nu) of e and h in
// the cladding of the two regular solutions, and the sign of S in the centre.
struct Cladding {
    double ae[2], ah[2];
    double centreSign = 1.0;
    bool ok = false;
};

Cladding propagate(const LayeredFiber &fiber, int nu, double neff)
{
    Cladding out;
    const double k0 = kTwoPi / fiber.lambda;
    std::array<State, 2> basis{};
    for (std::size_t i = 0; i < fiber.radii.size(); ++i) {
        const double r0 = i == 0 ? 0.0 : fiber.radii[i - 1];
        const double r1 = fiber.radii[i];
        const double n = fiber.indices[i];
        LayerScales l{k0 * k0 * (n - neff) * (n + neff), k0 * neff, k0, n * n, nu};
        if (l.s == 0)
            l.s = std::numeric_limits<double>::min(); // exactly at the layer's index
        const cylinder::Layer layer = cylinder::layerBasis(nu, k0, n, neff, r1);
        if (i == 0)
            out.centreSign = l.s > 0 ? 1.0 : -1.0;
        for (int j = 0; j < 2; ++j) {
            cylinder::Coefficients ce, ch;
            if (i == 0) {
                ce = j == 0 ? cylinder::Coefficients{1.0, 0.0} : cylinder::Coefficients{0.0, 0.0};
                ch = j == 1 ? cylinder::Coefficients{1.0, 0.0} : cylinder::Coefficients{0.0, 0.0};
            } else {
                const Derivatives d = toDerivatives(l, r0, basis[static_cast<std::size_t>(j)]);
                ce = cylinder::coefficients(layer, r0, d.e, d.de);
                ch = cylinder::coefficients(layer, r0, d.h, d.dh);
            }
            const cylinder::Value ve = cylinder::value(layer, ce, r1);
            const cylinder::Value vh = cylinder::value(layer, ch, r1);
            basis[static_cast<std::size_t>(j)] = toState(l, r1, {ve.psi, ve.dpsi, vh.psi, vh.dpsi});
        }
        // Normalise and orthogonalise (Gram-Schmidt): the span and the sign of
        // any determinant of the pair stay as they are.
        State &b0 = basis[0];
        State &b1 = basis[1];
        const double n0 = norm(b0);
        if (!(n0 > 0) || !std::isfinite(n0))
            return out;
        for (double &x : b0)
            x /= n0;
        const double dot = b0[0] * b1[0] + b0[1] * b1[1] + b0[2] * b1[2] + b0[3] * b1[3];
        for (int c = 0; c < 4; ++c)
            b1[static_cast<std::size_t>(c)] -= dot * b0[static_cast<std::size_t>(c)];
        const double n1 = norm(b1);
        if (!(n1 > 0) || !std::isfinite(n1))
            return out;
        for (double &x : b1)
            x /= n1;
    }
    const double rN = fiber.radii.back();
    const double nc = fiber.nClad;
    LayerScales l{k0 * k0 * (nc - neff) * (nc + neff), k0 * neff, k0, nc * nc, nu};
    const double gamma = std::sqrt(-l.s);
    const double logDerivative = cylinder::kLogDerivative(nu, gamma * rN) / rN;
    for (int j = 0; j < 2; ++j) {
        const Derivatives d = toDerivatives(l, rN, basis[static_cast<std::size_t>(j)]);
        // A ~ psi' + psi L/R, scaled like the field itself.
        out.ae[j] = (d.de + d.e * logDerivative) / logDerivative;
        out.ah[j] = (d.dh + d.h * logDerivative) / logDerivative;
    }
    out.ok = std::isfinite(out.ae[0]) && std::isfinite(out.ae[1]) && std::isfinite(out.ah[0]) &&
             std::isfinite(out.ah[1]);
    return out;
}

struct Candidate {
    double neff;
    int lpM, lpN;
};

template <typename F> double refine(F f, double lo, double hi, double fLo, double fHi)
{
    std::uintmax_t iterations = 200;
    try {
        const auto bracket = boost::math::tools::toms748_solve(
            f, lo, hi, fLo, fHi,
            boost::math::tools::eps_tolerance<double>(std::numeric_limits<double>::digits - 1),
            iterations);
        return 0.5 * (bracket.first + bracket.second);
    } catch (const std::exception &) {
        return kNaN; // D out of range inside the bracket: not reported
    }
}

// Roots of f on (lo, hi) where `expected` modes (the candidates, descending)
// are looked for: sign changes on a grid made finer until their count agrees
// or the grid reaches 64 pieces.
template <typename F> std::vector<double> rootsIn(F f, double lo, double hi, int expected)
{
    std::vector<double> roots;
    for (int pieces = 1; pieces <= 64; pieces *= 8) {
        roots.clear();
        double x0 = hi;
        double f0 = f(x0);
        for (int k = 1; k <= pieces; ++k) {
            const double x1 = k == pieces ? lo : hi - (hi - lo) * k / pieces;
            const double f1 = f(x1);
            if (std::isfinite(f0) && std::isfinite(f1) && f0 != 0 && f1 != 0 &&
                (f0 > 0) != (f1 > 0)) {
                const double root = refine(f, x1, x0, f1, f0);
                if (std::isfinite(root))
                    roots.push_back(root);
            }
            x0 = x1;
            f0 = f1;
        }
        if (static_cast<int>(roots.size()) == expected)
            break;
    }
    std::sort(roots.rbegin(), roots.rend());
    return roots;
}

} // namespace

double layeredVectorCharacteristic(const LayeredFiber &fiber, int nu, double neff, bool te)
{
    const Cladding c = propagate(fiber, nu, neff);
    if (!c.ok)
        return kNaN;
    if (nu == 0)
        return te ? c.ah[1] : c.ae[0];
    return c.centreSign * (c.ae[0] * c.ah[1] - c.ae[1] * c.ah[0]);
}

LayeredVectorSet solveLayeredVectorModes(const LayeredFiber &fiber,
                                         const std::vector<LayeredLpMode> &lpModes)
{
    LayeredVectorSet set;
    if (lpModes.empty() || !layeredFiberProblem(fiber).empty())
        return set;
    const double top = *std::max_element(fiber.indices.begin(), fiber.indices.end());
    const double span = top - fiber.nClad;
    const double bottom =
        fiber.nClad + std::max(1e-14 * span, 4 * std::numeric_limits<double>::epsilon());
    const double ceiling = top - 1e-12 * span;
    int maxM = 0;
    for (const LayeredLpMode &lp : lpModes)
        maxM = std::max(maxM, lp.m);

    std::vector<LayeredVectorMode> found;
    // One search: the function, the LP orders it pairs with, and the families.
    auto search = [&](auto f, const std::vector<std::pair<int, VectorFamily>> &orders, int nu) {
        std::vector<Candidate> candidates;
        for (const LayeredLpMode &lp : lpModes)
            for (const auto &order : orders)
                if (lp.m == order.first)
                    candidates.push_back({lp.neff, lp.m, lp.n});
        std::sort(candidates.begin(), candidates.end(),
                  [](const Candidate &x, const Candidate &y) { return x.neff > y.neff; });
        set.expected += static_cast<int>(candidates.size());
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            const double hi =
                k == 0 ? ceiling : 0.5 * (candidates[k - 1].neff + candidates[k].neff);
            const double lo = k + 1 == candidates.size()
                                  ? bottom
                                  : 0.5 * (candidates[k].neff + candidates[k + 1].neff);
            const std::vector<double> roots = rootsIn(f, lo, hi, 1);
            if (roots.size() != 1)
                continue; // beyond its vector cutoff, or not resolved
            VectorFamily family = orders.front().second;
            for (const auto &order : orders)
                if (order.first == candidates[k].lpM)
                    family = order.second;
            LayeredVectorMode mode;
            mode.family = family;
            mode.nu = nu;
            mode.n = candidates[k].lpN;
            mode.lpM = candidates[k].lpM;
            mode.lpN = candidates[k].lpN;
            mode.neff = roots.front();
            found.push_back(mode);
        }
    };
    search([&](double x) { return layeredVectorCharacteristic(fiber, 0, x, true); },
           {{1, VectorFamily::TE}}, 0);
    search([&](double x) { return layeredVectorCharacteristic(fiber, 0, x, false); },
           {{1, VectorFamily::TM}}, 0);
    for (int nu = 1; nu <= maxM + 1; ++nu)
        search([&](double x) { return layeredVectorCharacteristic(fiber, nu, x); },
               {{nu - 1, VectorFamily::HE}, {nu + 1, VectorFamily::EH}}, nu);
    set.found = static_cast<int>(found.size());

    for (const LayeredLpMode &lp : lpModes) {
        const std::size_t first = set.modes.size();
        for (const LayeredVectorMode &mode : found)
            if (mode.lpM == lp.m && mode.lpN == lp.n)
                set.modes.push_back(mode);
        std::sort(
            set.modes.begin() + static_cast<std::ptrdiff_t>(first), set.modes.end(),
            [](const LayeredVectorMode &x, const LayeredVectorMode &y) { return x.neff > y.neff; });
    }
    return set;
}
