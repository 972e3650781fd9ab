#include "modesolver.h"

#include "bessel.h"

#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Fiber constants shared by every sample of one solve, formed in the order the
// grid definition gives them.
struct SampleGrid {
    double n1;
    double n2;
    double n1Squared;
    double n2Squared;
    double delta;     // n1 - n2
    double k0a;       // (2 pi / lambda) * a
    int samples;
    double divisor;   // samples - 1

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
    return s;
}

// Literal scan of one order: the flagged samples in ascending order.
void scanOrderLiteral(const SampleGrid &grid, int m, std::vector<Sample> &scratch, std::vector<int> &flagged)
{
    flagged.clear();
    scratch.resize(static_cast<std::size_t>(grid.samples) + 1);
    for (int i = 1; i <= grid.samples; ++i)
        scratch[i] = evaluateSample(grid, m, i);
    // The interval between the last two samples is never examined.
    for (int i = 2; i <= grid.samples - 1; ++i) {
        if (scratch[i - 1].f * scratch[i].f <= 0.0 && scratch[i - 1].g * scratch[i].g >= 0.0)
            flagged.push_back(i);
    }
}

// Adds the modes of order m (flagged samples ascending) to the set; returns the count.
int storeOrder(ModeSet &set, const SampleGrid &grid, int m, const std::vector<int> &flagged)
{
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
        scanOrderLiteral(grid, m, scratch, flagged);
        if (storeOrder(set, grid, m, flagged) == 0)
            break;
    }
    return set;
}

ModeSet solveModes(double a, double lambda, double n1, double n2, int samples, ModeSolverStats *stats)
{
    ModeSet set = emptySet();
    if (samples < 3)
        return set;
    const SampleGrid grid = makeGrid(a, lambda, n1, n2, samples);
    std::vector<Sample> scratch;
    std::vector<int> flagged;
    for (int m = 0; m <= kModeSolverMaxOrder; ++m) {
        scanOrderLiteral(grid, m, scratch, flagged);
        if (stats) {
            ++stats->ordersSearched;
            ++stats->ordersFallenBack;
            stats->evaluations += samples;
        }
        if (storeOrder(set, grid, m, flagged) == 0)
            break;
    }
    return set;
}

ModeSet solveModes(double a, double lambda, double n1, double n2, int samples)
{
    return solveModes(a, lambda, n1, n2, samples, nullptr);
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
