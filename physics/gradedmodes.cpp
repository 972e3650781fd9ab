// Boost.Odeint's Runge-Kutta-Fehlberg stepper copies its member arrays before
// it first fills them, which GCC reports as (possibly) uninitialised; they are
// written before they are read.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"

#include "gradedmodes.h"

#include "cylinderfunctions.h"
#include "parallelrows.h"
#include "sturmroots.h"

#include <boost/math/interpolators/pchip.hpp>
#include <boost/math/special_functions/bessel.hpp>
#include <boost/numeric/odeint.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>
#include <memory>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kFieldIntervals = 256;
constexpr double kTolerance = 1e-13;
constexpr double kCheckTolerance = 1e-11;

using State = std::array<double, 2>;

// n(x)^2 (a^2 k0^2) - U-independent part of Q, prepared once per profile.
class Profile
{
public:
    explicit Profile(const GradedProfile &p) : p_(p)
    {
        k0_ = kTwoPi / p.lambda;
        a_ = gradedEdge(p);
        if (p.kind == GradedProfile::Kind::Table) {
            std::vector<double> r = p.tableRadius;
            std::vector<double> n = p.tableIndex;
            spline_ = std::make_shared<boost::math::interpolators::pchip<std::vector<double>>>(
                std::move(r), std::move(n));
        }
    }
    double a() const { return a_; }
    double k0() const { return k0_; }
    double index(double r) const
    {
        if (p_.kind == GradedProfile::Kind::PowerLaw) {
            if (r >= p_.a)
                return p_.n2;
            const double twoDelta = (p_.n1 - p_.n2) * (p_.n1 + p_.n2) / (p_.n1 * p_.n1);
            return p_.n1 * std::sqrt(1.0 - twoDelta * std::pow(r / p_.a, p_.alpha));
        }
        if (r <= p_.tableRadius.front())
            return p_.tableIndex.front();
        if (r >= p_.tableRadius.back())
            return p_.tableIndex.back();
        return (*spline_)(r);
    }
    // Q(x) = a^2 k0^2 (n^2 - neff^2).
    double q(double x, double neff) const
    {
        const double ak = a_ * k0_;
        if (p_.kind == GradedProfile::Kind::PowerLaw) {
            const double u2 = ak * ak * (p_.n1 - neff) * (p_.n1 + neff);
            const double v2 = ak * ak * (p_.n1 - p_.n2) * (p_.n1 + p_.n2);
            const double xa =
                p_.alpha == 2.0 ? x * x : (p_.alpha == 1.0 ? x : std::pow(x, p_.alpha));
            return u2 - v2 * xa;
        }
        const double n = index(x * a_);
        return ak * ak * (n - neff) * (n + neff);
    }
    // The x^(alpha+2) coefficient of the Frobenius series (power law only).
    double seriesD(int m) const
    {
        if (p_.kind != GradedProfile::Kind::PowerLaw)
            return 0.0;
        const double ak = a_ * k0_;
        const double v2 = ak * ak * (p_.n1 - p_.n2) * (p_.n1 + p_.n2);
        return v2 / ((p_.alpha + 2) * (p_.alpha + 2 + 2 * m));
    }
    double alpha() const { return p_.kind == GradedProfile::Kind::PowerLaw ? p_.alpha : 2.0; }
    double nClad() const { return gradedCladdingIndex(p_); }

private:
    const GradedProfile &p_;
    double k0_ = 0, a_ = 0;
    std::shared_ptr<boost::math::interpolators::pchip<std::vector<double>>> spline_;
};

struct Shot {
    double f = std::numeric_limits<double>::quiet_NaN();
    int zeros = 0;
    State end{};
};

double startRadius(const Profile &p, double neff)
{
    const double qMax = std::max(std::abs(p.q(0.0, neff)), std::abs(p.q(1.0, neff))) + 1.0;
    return std::min(1e-4, 1e-4 / std::sqrt(qMax));
}

State startState(const Profile &p, int m, double neff, double x0)
{
    const double c2 = -p.q(0.0, neff) / (4.0 * (m + 1));
    const double d = p.seriesD(m);
    const double al = p.alpha();
    return {1.0 + c2 * x0 * x0 + d * std::pow(x0, al + 2),
            2.0 * c2 * x0 + (al + 2) * d * std::pow(x0, al + 1)};
}

// Integrates phi from the axis to x = 1; `times` (ascending, > x0) receive the
// state when not null.
Shot shoot(const Profile &p, int m, double neff, double tolerance, bool countZeros,
           std::vector<std::pair<double, State>> *samples = nullptr)
{
    using namespace boost::numeric::odeint;
    Shot shot;
    const double x0 = startRadius(p, neff);
    State s = startState(p, m, neff, x0);
    const double inner = 2.0 * m + 1.0;
    auto rhs = [&](const State &y, State &dy, double x) {
        dy[0] = y[1];
        dy[1] = -inner / x * y[1] - p.q(x, neff) * y[0];
    };
    using Stepper = runge_kutta_fehlberg78<State>;
    controlled_runge_kutta<Stepper> stepper(
        default_error_checker<double, array_algebra, default_operations>(tolerance, tolerance));
    int previous = 1;
    auto observe = [&](const State &y, double) {
        const int sign = y[0] > 0 ? 1 : (y[0] < 0 ? -1 : 0);
        if (countZeros && sign != 0 && sign != previous)
            ++shot.zeros;
        if (sign != 0)
            previous = sign;
    };
    if (samples) {
        std::vector<double> times;
        times.push_back(x0);
        for (int i = 1; i <= kFieldIntervals; ++i)
            times.push_back(static_cast<double>(i) / kFieldIntervals);
        samples->clear();
        integrate_times(stepper, rhs, s, times.begin(), times.end(), 1e-3 * x0 + 1e-6,
                        [&](const State &y, double x) {
                            samples->push_back({x, y});
                        });
    } else {
        integrate_adaptive(stepper, rhs, s, x0, 1.0, std::min(1e-3, 0.5 * (1.0 - x0)), observe);
    }
    shot.end = s;
    const double neff2 = p.nClad();
    const double w = p.a() * p.k0() * std::sqrt((neff - neff2) * (neff + neff2));
    const double l = cylinder::kLogDerivative(m, w) + m;
    shot.f = (s[1] + s[0] * l) / std::hypot(s[0] * l, s[1]);
    if (!std::isfinite(shot.f))
        shot.f = std::numeric_limits<double>::quiet_NaN();
    if (countZeros && ((s[0] > 0 && shot.f < 0) || (s[0] < 0 && shot.f > 0)))
        ++shot.zeros; // zero in the cladding
    return shot;
}

// The root re-solved with F integrated at `tolerance`, from a bracket of
// growing width around `neff`; NaN when no bracket up to 1e-4 changes sign.
double refineNear(const Profile &p, int m, double neff, double tolerance, double top)
{
    auto f = [&](double x) { return shoot(p, m, x, tolerance, false).f; };
    for (double d = 1e-10; d < 1e-4; d *= 10) {
        const double lo = neff - d;
        const double hi = std::min(neff + d, top);
        const double fLo = f(lo);
        const double fHi = f(hi);
        if (std::isfinite(fLo) && std::isfinite(fHi) && (fLo > 0) != (fHi > 0)) {
            std::uintmax_t iterations = 200;
            try {
                const auto bracket =
                    boost::math::tools::toms748_solve(f, lo, hi, fLo, fHi,
                                                      boost::math::tools::eps_tolerance<double>(
                                                          std::numeric_limits<double>::digits - 1),
                                                      iterations);
                return 0.5 * (bracket.first + bracket.second);
            } catch (const std::exception &) {
                return std::numeric_limits<double>::quiet_NaN();
            }
        }
    }
    return std::numeric_limits<double>::quiet_NaN();
}

GradedLpMode modeField(const Profile &p, int m, int n, double neff)
{
    GradedLpMode mode;
    mode.m = m;
    mode.n = n;
    mode.neff = neff;
    std::vector<std::pair<double, State>> samples;
    shoot(p, m, neff, kTolerance, false, &samples);
    mode.psi.assign(kFieldIntervals + 1, 0.0);
    mode.dpsi.assign(kFieldIntervals + 1, 0.0);
    mode.psi[0] = m == 0 ? 1.0 : 0.0;
    for (const auto &sample : samples) {
        const double x = sample.first;
        const long i = std::lround(x * kFieldIntervals);
        if (i < 1 || i > kFieldIntervals)
            continue;
        const double xm = std::pow(x, m);
        const double dxm = m == 0 ? 0.0 : m * std::pow(x, m - 1);
        mode.psi[static_cast<std::size_t>(i)] = xm * sample.second[0];
        mode.dpsi[static_cast<std::size_t>(i)] =
            (dxm * sample.second[0] + xm * sample.second[1]) / p.a();
    }
    double peak = 0.0;
    for (double v : mode.psi)
        peak = std::max(peak, std::abs(v));
    if (peak > 0)
        for (std::size_t i = 0; i < mode.psi.size(); ++i) {
            mode.psi[i] /= peak;
            mode.dpsi[i] /= peak;
        }
    const double n2 = p.nClad();
    mode.gamma = p.k0() * std::sqrt((neff - n2) * (neff + n2));
    return mode;
}

} // namespace

std::string gradedProfileProblem(const GradedProfile &p)
{
    if (!(p.lambda > 0) || !std::isfinite(p.lambda))
        return "the wavelength must be positive";
    if (p.kind == GradedProfile::Kind::PowerLaw) {
        if (!(p.a > 0) || !std::isfinite(p.a))
            return "a_um: the core radius must be positive";
        if (!(p.n2 >= 1.0) || !std::isfinite(p.n2))
            return "n2: the cladding index must be at least 1";
        if (!(p.n1 > p.n2) || !std::isfinite(p.n1))
            return "n1: the core index must exceed the cladding index n2";
        if (!(p.alpha >= 0.5) || !(p.alpha <= 100))
            return "alpha: the profile exponent must lie between 0.5 and 100";
        return {};
    }
    const std::size_t count = p.tableRadius.size();
    if (count < 4 || p.tableIndex.size() != count)
        return "table: at least four rows of radius and index are needed";
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(p.tableRadius[i]) || p.tableRadius[i] < 0)
            return "table row " + std::to_string(i + 1) + ": the radius must be 0 or positive";
        if (i > 0 && !(p.tableRadius[i] > p.tableRadius[i - 1]))
            return "table row " + std::to_string(i + 1) + ": radii must increase";
        if (!(p.tableIndex[i] >= 1.0) || !(p.tableIndex[i] <= 5.0))
            return "table row " + std::to_string(i + 1) + ": the index must lie between 1 and 5";
    }
    if (!(gradedMaxIndex(p) > p.tableIndex.back()))
        return "table: no index above the last row's (the cladding): nothing is guided";
    return {};
}

double gradedEdge(const GradedProfile &p)
{
    return p.kind == GradedProfile::Kind::PowerLaw ? p.a : p.tableRadius.back();
}

double gradedCladdingIndex(const GradedProfile &p)
{
    return p.kind == GradedProfile::Kind::PowerLaw ? p.n2 : p.tableIndex.back();
}

double gradedMaxIndex(const GradedProfile &p)
{
    if (p.kind == GradedProfile::Kind::PowerLaw)
        return p.n1;
    // The monotone interpolant never exceeds the data.
    return *std::max_element(p.tableIndex.begin(), p.tableIndex.end());
}

double gradedIndexAt(const GradedProfile &profile, double r)
{
    if (!gradedProfileProblem(profile).empty())
        return std::numeric_limits<double>::quiet_NaN();
    return Profile(profile).index(r);
}

std::function<double(double)> gradedIndexFunction(const GradedProfile &profile)
{
    if (!gradedProfileProblem(profile).empty())
        return [](double) { return std::numeric_limits<double>::quiet_NaN(); };
    // The Profile keeps a reference: give it its own copy of the profile.
    auto copy = std::make_shared<GradedProfile>(profile);
    auto prepared = std::make_shared<Profile>(*copy);
    return [copy, prepared](double r) { return prepared->index(r); };
}

double gradedCharacteristic(const GradedProfile &profile, int m, double neff, int *zeros)
{
    const Profile p(profile);
    const Shot s = shoot(p, m, neff, kTolerance, zeros != nullptr);
    if (zeros)
        *zeros = s.zeros;
    return s.f;
}

GradedModeSet solveGradedLpModes(const GradedProfile &profile)
{
    GradedModeSet set;
    if (!gradedProfileProblem(profile).empty())
        return set;
    set.ok = true;
    const Profile p(profile);
    const double top = gradedMaxIndex(profile);
    const double nClad = gradedCladdingIndex(profile);
    const double span = top - nClad;
    const double bottom =
        nClad + std::max(1e-14 * span, 4 * std::numeric_limits<double>::epsilon());
    // The mode count of each order first (one integration each; the
    // centrifugal term makes it fall with m), then the orders on two threads.
    std::vector<Shot> firsts;
    for (int m = 0;; ++m) {
        const Shot first = shoot(p, m, bottom, kTolerance, true);
        if (first.zeros == 0 || !std::isfinite(first.f))
            break;
        firsts.push_back(first);
    }
    const int orders = static_cast<int>(firsts.size());
    std::vector<std::vector<GradedLpMode>> perOrder(firsts.size());
    std::vector<double> convergence(firsts.size(), 0.0);
    parallelRows(orders, [&](int m) {
        const Shot &first = firsts[static_cast<std::size_t>(m)];
        const auto roots = isolateSturmRoots(
            [&](double neff, int *count) {
                const Shot s = shoot(p, m, neff, kTolerance, count != nullptr);
                if (count)
                    *count = s.zeros;
                return s.f;
            },
            bottom, top, first.zeros, first.f);
        for (const auto &root : roots) {
            if (!std::isfinite(root.second)) {
                convergence[static_cast<std::size_t>(m)] = std::numeric_limits<double>::infinity();
                continue;
            }
            const double check = refineNear(p, m, root.second, kCheckTolerance, top);
            double &worst = convergence[static_cast<std::size_t>(m)];
            worst = std::max(worst, std::isfinite(check) ? std::abs(check - root.second)
                                                         : std::numeric_limits<double>::infinity());
            perOrder[static_cast<std::size_t>(m)].push_back(
                modeField(p, m, root.first, root.second));
        }
    });
    for (int m = 0; m < orders; ++m) {
        set.convergence = std::max(set.convergence, convergence[static_cast<std::size_t>(m)]);
        for (GradedLpMode &mode : perOrder[static_cast<std::size_t>(m)])
            set.modes.push_back(std::move(mode));
    }
    return set;
}

namespace {

// Cubic Hermite between the uniform samples.
double hermite(const std::vector<double> &y, const std::vector<double> &dy, double x, double a,
               bool derivative)
{
    const double h = 1.0 / kFieldIntervals;
    const std::size_t i =
        std::min<std::size_t>(static_cast<std::size_t>(x / h), kFieldIntervals - 1);
    const double t = x / h - static_cast<double>(i);
    const double y0 = y[i], y1 = y[i + 1];
    const double m0 = dy[i] * a * h, m1 = dy[i + 1] * a * h; // d/dt
    if (!derivative) {
        const double t2 = t * t, t3 = t2 * t;
        return (2 * t3 - 3 * t2 + 1) * y0 + (t3 - 2 * t2 + t) * m0 + (-2 * t3 + 3 * t2) * y1 +
               (t3 - t2) * m1;
    }
    const double t2 = t * t;
    const double d = (6 * t2 - 6 * t) * y0 + (3 * t2 - 4 * t + 1) * m0 + (-6 * t2 + 6 * t) * y1 +
                     (3 * t2 - 2 * t) * m1;
    return d / (a * h);
}

} // namespace

double GradedLpMode::psiAt(double r, double a) const
{
    if (psi.size() != kFieldIntervals + 1)
        return 0.0;
    if (r >= a) {
        const double ratio = boost::math::cyl_bessel_k(m, gamma * r, cylinder::Policy()) /
                             boost::math::cyl_bessel_k(m, gamma * a, cylinder::Policy());
        return psi.back() * ratio;
    }
    return hermite(psi, dpsi, std::max(r, 0.0) / a, a, false);
}

double GradedLpMode::dpsiAt(double r, double a) const
{
    if (psi.size() != kFieldIntervals + 1)
        return 0.0;
    if (r >= a) {
        const double x = gamma * r;
        const double k = boost::math::cyl_bessel_k(m, x, cylinder::Policy());
        const double dk =
            -gamma *
            (boost::math::cyl_bessel_k(std::abs(m - 1), x, cylinder::Policy()) + m / x * k);
        return psi.back() * dk / boost::math::cyl_bessel_k(m, gamma * a, cylinder::Policy());
    }
    return hermite(psi, dpsi, std::max(r, 0.0) / a, a, true);
}
