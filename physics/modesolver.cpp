#include "modesolver.h"

#include "bessel.h"
#include "cancellation.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Fiber constants shared by every sample of one solve, formed in the order the
// grid definition gives them.
struct SampleGrid {
    double n1;
    double n2;
    double n1Squared;
    double n2Squared;
    double delta; // n1 - n2
    double k0a;   // (2 pi / lambda) * a
    int samples;
    double divisor; // samples - 1

    // neff of sample i (1-based): (i - 1) * delta / (samples - 1) + n2.
    double neff(int i) const { return (i - 1) * delta / divisor + n2; }
};

SampleGrid makeGrid(double a, double lambda, double n1, double n2, int samples)
{
    SampleGrid g;
    g.n1 = n1;
    g.n2 = n2;
    g.delta = n1 - n2;
    g.k0a = kTwoPi / lambda * a;
    g.n1Squared = n1 * n1;
    g.n2Squared = n2 * n2;
    g.samples = samples;
    g.divisor = static_cast<double>(samples - 1);
    return g;
}

// One sample of the characteristic function: the core ratio G and F = G - H.
struct Sample {
    double g;
    double f;
    double jm; // J_m(U): its sign changes mark the poles of G
};

Sample evaluateSample(const SampleGrid &grid, int m, int i)
{
    const double neff = grid.neff(i);
    const double u = std::sqrt(grid.n1Squared - neff * neff) * grid.k0a;
    const double w = std::sqrt(neff * neff - grid.n2Squared) * grid.k0a;
    const double jNext = besselJn(m + 1, u);
    const double j = besselJn(m, u);
    const double kNext = besselKn(m + 1, w);
    const double k = besselKn(m, w);
    Sample s;
    s.g = u * jNext / j;
    s.f = s.g - w * kNext / k;
    s.jm = j;
    return s;
}

// The root hidden in a pole interval (see modesolver.h): sample i lies just
// past a pole of G (J_m changed sign since i - 1) and F is already negative.
// Poles between samples 1 and 2 are outside the fast search's range and are
// not considered by either search.
bool rootInsidePoleInterval(int i, double jBefore, double jAfter, double fAfter)
{
    return i >= 3 && (jBefore > 0.0) != (jAfter > 0.0) && fAfter < 0.0;
}

// Literal scan of one order: the flagged samples in ascending order.
void scanOrderLiteral(const SampleGrid &grid, int m, std::vector<Sample> &scratch,
                      std::vector<int> &flagged)
{
    flagged.clear();
    scratch.resize(static_cast<std::size_t>(grid.samples) + 1);
    for (int i = 1; i <= grid.samples; ++i)
        scratch[i] = evaluateSample(grid, m, i);
    // The interval between the last two samples is never examined.
    for (int i = 2; i <= grid.samples - 1; ++i) {
        if ((scratch[i - 1].f * scratch[i].f <= 0.0 && scratch[i - 1].g * scratch[i].g >= 0.0) ||
            rootInsidePoleInterval(i, scratch[i - 1].jm, scratch[i].jm, scratch[i].f))
            flagged.push_back(i);
    }
}

// ---------------------------------------------------------------------------
// Fast scan of one order.
//
// Between two consecutive zeros of J_m(U) (the poles of G) the characteristic
// function falls strictly with the sample index: G = U J_{m+1}(U)/J_m(U) =
// sum_s 2U^2/(j_{m,s}^2 - U^2) rises with U between its poles, W K_{m+1}(W)/K_m(W)
// rises with W, and U falls while W rises with the index. So each branch holds
// at most one sign change of F, which bisection on the integer sample index
// finds from samples of the literal grid. The flag tests are then applied to
// the very samples the literal scan compares.
//
// The computed functions are not exact, but each polynomial or rational
// approximation is smooth on its own range: its error (about 1e-8) changes far
// more slowly with the argument than the functions do, so a computed J_m or F
// keeps a single sign change around a zero as long as no switch between two
// approximations (U = 8 in J0/J1, U = m and m+1 between the upward and the
// downward recurrence, W = 2 in K0/K1) falls right there; at such a switch the
// value can jump by about the approximation error. Hence a sample next to a
// zero whose magnitude is below a safe margin is trusted only when no switch
// lies within one sample of it and it is clear of rounding noise. Otherwise,
// and for any non-finite or exactly zero sample met on the way, the order is
// reported as unverified and the caller rescans it literally.
// ---------------------------------------------------------------------------

// Values safely above the approximation error: |J_m| at a pole's samples and
// |F| / (1 + |G|) at a root's samples. Smaller ones need the switch check.
constexpr double kPoleMargin = 1e-6;
constexpr double kRootMargin = 1e-6;
// Below these the rounding of the sample itself could decide the sign.
constexpr double kPoleRoundingFloor = 1e-13;
constexpr double kRootRoundingFloor = 1e-12;
// U step of the coarse pole search: zeros of J_m lie more than 3 apart.
constexpr double kCoarseStepU = 0.5;

struct FastSample {
    double g;
    double f;
    double jm;
};

FastSample evaluateFast(const SampleGrid &grid, int m, int i, long long &evaluations)
{
    ++evaluations;
    const double neff = grid.neff(i);
    const double u = std::sqrt(grid.n1Squared - neff * neff) * grid.k0a;
    const double w = std::sqrt(neff * neff - grid.n2Squared) * grid.k0a;
    const double jNext = besselJn(m + 1, u);
    const double j = besselJn(m, u);
    const double kNext = besselKn(m + 1, w);
    const double k = besselKn(m, w);
    FastSample s;
    s.g = u * jNext / j;
    s.f = s.g - w * kNext / k;
    s.jm = j;
    return s;
}

double coreArgument(const SampleGrid &grid, int i)
{
    const double neff = grid.neff(i);
    return std::sqrt(grid.n1Squared - neff * neff) * grid.k0a;
}

double claddingArgument(const SampleGrid &grid, int i)
{
    const double neff = grid.neff(i);
    return std::sqrt(neff * neff - grid.n2Squared) * grid.k0a;
}

// True when one of the approximation switches of the Bessel routines lies
// between samples first and last (inclusive range, clamped to the grid).
bool approximationSwitchNear(const SampleGrid &grid, int m, int first, int last)
{
    first = std::max(first, 1);
    last = std::min(last, grid.samples);
    const double uHigh = coreArgument(grid, first);
    const double uLow = coreArgument(grid, last);
    const double wLow = claddingArgument(grid, first);
    const double wHigh = claddingArgument(grid, last);
    for (double t : {8.0, static_cast<double>(m), static_cast<double>(m + 1)})
        if (uLow <= t && t <= uHigh)
            return true;
    return wLow <= 2.0 && 2.0 <= wHigh;
}

// J_m(U_i) alone, for locating the poles. Every zero of J_m lies above m
// (j_{m,1} > m), and below that the downward recurrence keeps J_m's relative
// accuracy, so only samples with U > m can sit next to a zero.
double poleSign(const SampleGrid &grid, int m, int i, long long &evaluations, bool &ok)
{
    ++evaluations;
    const double u = coreArgument(grid, i);
    const double j = besselJn(m, u);
    if (!std::isfinite(j))
        ok = false;
    else if (u > m && std::fabs(j) < kPoleMargin &&
             (std::fabs(j) < kPoleRoundingFloor || approximationSwitchNear(grid, m, i - 1, i + 1)))
        ok = false;
    return j;
}

// Coarse sample indices 2 = c_0 < c_1 < ... = samples - 1 with U falling by at
// most about kCoarseStepU between neighbours (U falls as the index grows).
std::vector<int> coarseIndices(const SampleGrid &grid, bool &ok)
{
    const int last = grid.samples - 1;
    std::vector<int> idx{2};
    const double uFirst = coreArgument(grid, 2);
    const double uLast = coreArgument(grid, last);
    if (!std::isfinite(uFirst) || !std::isfinite(uLast) || !(grid.delta > 0.0)) {
        ok = false;
        return idx;
    }
    // More coarse steps than samples would save nothing over the literal scan,
    // and at huge U (above about 4.5e15) subtracting the step no longer changes
    // the target at all. Below this bound every step moves the target (U stays
    // under 0.5 x samples x 2^52), so the loop ends after at most `samples`
    // steps; above it the caller scans the order literally.
    if (!((uFirst - uLast) / kCoarseStepU <= static_cast<double>(grid.samples))) {
        ok = false;
        return idx;
    }
    for (double target = uFirst - kCoarseStepU; target > uLast; target -= kCoarseStepU) {
        const double x = target / grid.k0a;
        const double neff = std::sqrt(grid.n1Squared - x * x);
        const double position = (neff - grid.n2) / grid.delta * grid.divisor + 1.0;
        int i = static_cast<int>(std::floor(position));
        if (!(position < last) || i >= last)
            break;
        if (i > idx.back())
            idx.push_back(i);
    }
    if (last > idx.back())
        idx.push_back(last);
    return idx;
}

// Fills `flagged` with the literal scan's flags of order m, or returns false
// when that cannot be verified (the caller then scans literally).
bool scanOrderFast(const SampleGrid &grid, int m, std::vector<int> &flagged, long long &evaluations)
{
    flagged.clear();
    bool ok = true;
    const std::vector<int> coarse = coarseIndices(grid, ok);
    if (!ok)
        return false;

    // Poles: the first index of each new sign of J_m.
    std::vector<int> poles;
    double jPrev = poleSign(grid, m, coarse[0], evaluations, ok);
    for (std::size_t c = 1; c < coarse.size() && ok; ++c) {
        const double jNext = poleSign(grid, m, coarse[c], evaluations, ok);
        if (ok && (jPrev > 0.0) != (jNext > 0.0)) {
            int lo = coarse[c - 1];
            int hi = coarse[c];
            while (hi - lo > 1 && ok) {
                const int mid = lo + (hi - lo) / 2;
                const double jm = poleSign(grid, m, mid, evaluations, ok);
                if ((jm > 0.0) == (jPrev > 0.0))
                    lo = mid;
                else
                    hi = mid;
            }
            poles.push_back(hi);
        }
        jPrev = jNext;
    }
    if (!ok)
        return false;

    auto usable = [](const FastSample &s) {
        return std::isfinite(s.f) && std::isfinite(s.g) && s.f != 0.0;
    };

    // The pole intervals themselves: apply the literal tests (normally G flips
    // there and nothing is flagged, unless the branch's root hides inside).
    std::vector<int> poleFlags;
    for (int p : poles) {
        const FastSample before = evaluateFast(grid, m, p - 1, evaluations);
        const FastSample after = evaluateFast(grid, m, p, evaluations);
        if (!usable(before) || !usable(after))
            return false;
        if ((before.f * after.f <= 0.0 && before.g * after.g >= 0.0) ||
            rootInsidePoleInterval(p, before.jm, after.jm, after.f))
            poleFlags.push_back(p);
    }

    // Branches between the poles.
    const int last = grid.samples - 1;
    std::vector<int> rootFlags;
    for (std::size_t b = 0; b <= poles.size(); ++b) {
        const int lo = b == 0 ? 2 : poles[b - 1];
        const int hi = b == poles.size() ? last : poles[b] - 1;
        if (hi <= lo)
            continue;
        FastSample sLo = evaluateFast(grid, m, lo, evaluations);
        FastSample sHi = evaluateFast(grid, m, hi, evaluations);
        if (!usable(sLo) || !usable(sHi))
            return false;
        if (sLo.f < 0.0 || sHi.f > 0.0)
            continue; // F falls through the branch: it keeps one sign there
        int l = lo;
        int h = hi;
        while (h - l > 1) {
            const int mid = l + (h - l) / 2;
            const FastSample s = evaluateFast(grid, m, mid, evaluations);
            if (!usable(s))
                return false;
            if (s.f > 0.0) {
                l = mid;
                sLo = s;
            } else {
                h = mid;
                sHi = s;
            }
        }
        const double scale = 1.0 + std::fabs(sLo.g) + std::fabs(sHi.g);
        const double smallest = std::min(std::fabs(sLo.f), std::fabs(sHi.f));
        if (smallest < kRootMargin * scale && (smallest < kRootRoundingFloor * scale ||
                                               approximationSwitchNear(grid, m, l - 1, h + 1)))
            return false;
        if (sLo.f * sHi.f <= 0.0 && sLo.g * sHi.g >= 0.0)
            rootFlags.push_back(h);
    }

    // Merge in ascending order (pole and root intervals are disjoint).
    flagged.reserve(poleFlags.size() + rootFlags.size());
    std::size_t pi = 0;
    std::size_t ri = 0;
    while (pi < poleFlags.size() || ri < rootFlags.size()) {
        if (ri == rootFlags.size() || (pi < poleFlags.size() && poleFlags[pi] < rootFlags[ri]))
            flagged.push_back(poleFlags[pi++]);
        else
            flagged.push_back(rootFlags[ri++]);
    }
    return true;
}

// Adds the modes of order m (flagged samples ascending) to the set; returns the count.
int storeOrder(ModeSet &set, const SampleGrid &grid, int m, const std::vector<int> &flagged)
{
    if (m >= static_cast<int>(set.neffLists.size()))
        set.neffLists.resize(static_cast<std::size_t>(m) + 1);
    std::vector<double> &list = set.neffLists[m];
    for (auto it = flagged.rbegin(); it != flagged.rend(); ++it)
        list.push_back(grid.neff(*it));
    const int count = static_cast<int>(flagged.size());
    set.modeTotal += count;
    set.modeCounts.push_back(count);
    if (count > 0)
        set.maxOrder = m;
    return count;
}

ModeSet emptySet()
{
    ModeSet set;
    set.neffLists.assign(kModeSolverOrderLists, {});
    return set;
}

// Compares the orders found with the counts the cutoffs allow.
void checkAgainstCutoffs(ModeSet &set, const SampleGrid &grid)
{
    const double v = std::sqrt(grid.n1Squared - grid.n2Squared) * grid.k0a;
    set.cutoffCounts = cutoffModeCounts(v);
    set.cutoffTotal = 0;
    for (int count : set.cutoffCounts)
        set.cutoffTotal += count;
    const bool counted = !set.cutoffCounts.empty() || !(v > 0.0);
    bool same = counted && set.cutoffTotal == set.modeTotal;
    for (std::size_t m = 0; same && m < set.cutoffCounts.size(); ++m)
        same = m < set.modeCounts.size() && set.modeCounts[m] == set.cutoffCounts[m];
    set.complete = same;
}

} // namespace

ModeSet solveModesLiteral(double a, double lambda, double n1, double n2, int samples)
{
    ModeSet set = emptySet();
    if (samples < 3)
        return set;
    const SampleGrid grid = makeGrid(a, lambda, n1, n2, samples);
    std::vector<Sample> scratch;
    std::vector<int> flagged;
    for (int m = 0; m <= kModeSolverMaxOrder; ++m) {
        cancellation::throwIfRequested();
        scanOrderLiteral(grid, m, scratch, flagged);
        if (storeOrder(set, grid, m, flagged) == 0)
            break;
    }
    checkAgainstCutoffs(set, grid);
    return set;
}

ModeSet solveModes(double a, double lambda, double n1, double n2, int samples,
                   ModeSolverStats *stats)
{
    ModeSet set = emptySet();
    if (samples < 3)
        return set;
    const SampleGrid grid = makeGrid(a, lambda, n1, n2, samples);
    std::vector<Sample> scratch;
    std::vector<int> flagged;
    ModeSolverStats local;
    for (int m = 0; m <= kModeSolverMaxOrder; ++m) {
        cancellation::throwIfRequested(); // an interrupt ends a large fiber within one order
        ++local.ordersSearched;
        if (!scanOrderFast(grid, m, flagged, local.evaluations)) {
            ++local.ordersFallenBack;
            local.evaluations += samples;
            scanOrderLiteral(grid, m, scratch, flagged);
        }
        if (storeOrder(set, grid, m, flagged) == 0)
            break;
    }
    checkAgainstCutoffs(set, grid);
    if (stats) {
        stats->ordersSearched += local.ordersSearched;
        stats->ordersFallenBack += local.ordersFallenBack;
        stats->evaluations += local.evaluations;
    }
    return set;
}

ModeSet solveModes(double a, double lambda, double n1, double n2, int samples)
{
    return solveModes(a, lambda, n1, n2, samples, nullptr);
}

double modeSolverSecondsEstimate(double v)
{
    struct Point {
        double v, seconds;
    };
    // Measured user time of velmora-cli run modes.solve (a = 50 um, NA 0.5).
    static constexpr Point kMeasured[] = {{196.35, 0.35}, {392.7, 4.7}, {785.4, 31.2}};
    if (!(v > 0))
        return 0;
    if (!std::isfinite(v))
        return HUGE_VAL;
    const Point &first = kMeasured[0];
    const Point &last = kMeasured[2];
    if (v >= last.v)
        return last.seconds * (v / last.v) * (v / last.v);
    std::size_t k = 0;
    while (k + 2 < std::size(kMeasured) && v > kMeasured[k + 1].v)
        ++k;
    const Point &a = v < first.v ? kMeasured[0] : kMeasured[k];
    const Point &b = kMeasured[v < first.v ? 1 : k + 1];
    const double slope = std::log(b.seconds / a.seconds) / std::log(b.v / a.v);
    return a.seconds * std::pow(v / a.v, slope);
}

std::string modeLabel(int m, int n)
{
    return std::to_string(m) + std::to_string(n);
}

double propagationConstant(double neff, double lambda)
{
    return neff * (kTwoPi / lambda);
}

std::vector<double> propagationConstants(const ModeSet &modes, double lambda)
{
    std::vector<double> betas;
    for (double neff : modeIndexList(modes))
        betas.push_back(propagationConstant(neff, lambda));
    return betas;
}

std::vector<double> modeIndexList(const ModeSet &modes)
{
    std::vector<double> list;
    for (int m = 0; m <= modes.maxOrder && m < static_cast<int>(modes.neffLists.size()); ++m)
        list.insert(list.end(), modes.neffLists[m].begin(), modes.neffLists[m].end());
    return list;
}

std::vector<int> modeOrderList(const ModeSet &modes)
{
    std::vector<int> orders;
    for (int m = 0; m <= modes.maxOrder && m < static_cast<int>(modes.neffLists.size()); ++m)
        orders.insert(orders.end(), modes.neffLists[m].size(), m);
    return orders;
}

std::vector<int> cutoffModeCounts(double v)
{
    // Zeros of J_nu below v for every order at once: at each abscissa x the
    // upward recurrence from J0, J1 gives J_0(x) ... J_N(x) (stable for nu < x,
    // and J_nu has no zero below nu). Zeros of one J_nu lie more than 2.4
    // apart, so a step of 1 sees each as one sign change; the last abscissa
    // is v itself.
    constexpr double kLargestCountedV = 5000.0;
    std::vector<int> counts;
    if (!(v > 0.0) || !(v <= kLargestCountedV))
        return counts;
    const int highestOrder = static_cast<int>(v) + 1;
    std::vector<int> zeros(static_cast<std::size_t>(highestOrder) + 2, 0);
    std::vector<double> previous(zeros.size(), 0.0);
    std::vector<double> current(zeros.size(), 0.0);
    bool first = true;
    for (double x = 1.0;; x += 1.0) {
        const double at = std::min(x, v);
        const int top = std::min(highestOrder, static_cast<int>(at));
        current[0] = besselJ0(at);
        if (top >= 1)
            current[1] = besselJ1(at);
        for (int nu = 1; nu < top; ++nu)
            current[nu + 1] = nu * (2.0 / at) * current[nu] - current[nu - 1];
        for (int nu = 0; nu <= top; ++nu) {
            // An order that enters the range starts positive (J_nu > 0 below its first zero).
            const double before = first || previous[nu] == 0.0 ? 1.0 : previous[nu];
            if ((before > 0.0) != (current[nu] > 0.0))
                ++zeros[nu];
            previous[nu] = current[nu];
        }
        first = false;
        if (at >= v)
            break;
    }
    // LP_0n: n - 1 zeros of J_1 below V; LP_mn (m >= 1): n zeros of J_{m-1}.
    counts.push_back(1 + zeros[1]);
    for (int m = 1; m <= highestOrder + 1; ++m) {
        const int count = zeros[static_cast<std::size_t>(m - 1)];
        if (count == 0)
            break;
        counts.push_back(count);
    }
    return counts;
}
