#include "fieldmaps.h"

#include "bessel.h"
#include "parallelrows.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kPi = 3.141592653589793;
constexpr double kNormalisationFloor = 1e-16;

// Mode parameters of one field evaluation, formed as the field formulas give them.
struct ModeParameters {
    int m;
    double u;
    double w;
};

ModeParameters modeParameters(double a, double lambda, double n1, double n2, double neff, int m)
{
    const double k0 = kTwoPi / lambda;
    return {m, std::sqrt(n1 * n1 - neff * neff) * k0 * a, std::sqrt(neff * neff - n2 * n2) * k0 * a};
}

// m arrives as a double (read back from a table cell); truncate it, and map
// values an int cannot hold to an order that yields NaN fields instead of
// undefined behaviour.
bool truncatedOrder(double m, int &order)
{
    if (!(std::fabs(m) < 1e6))
        return false;
    order = static_cast<int>(m);
    return true;
}

std::vector<double> modeMapCoordinates(double a)
{
    std::vector<double> c(kFieldGridSize);
    for (int k = 0; k < kFieldGridSize; ++k)
        c[k] = fieldCoordinate(a, k);
    return c;
}

std::vector<double> normalizedCoordinates()
{
    std::vector<double> c(kFieldGridSize);
    for (int k = 0; k < kFieldGridSize; ++k)
        c[k] = normalizedCoordinate(k);
    return c;
}

// The grid is mirror-symmetric only in exact arithmetic: c[500-k] and -c[k]
// can differ in the last bit. Two grid lines share their radial factors only
// when their squared coordinates are bitwise equal; canonical[k] is the lowest
// such line. Returns the number of distinct squared coordinates.
int canonicalLines(const std::vector<double> &c, std::vector<int> &canonical, std::vector<int> &slot)
{
    canonical.assign(kFieldGridSize, 0);
    slot.assign(kFieldGridSize, 0);
    int count = 0;
    for (int k = 0; k < kFieldGridSize; ++k) {
        const int mirror = kFieldGridSize - 1 - k;
        if (mirror < k && c[mirror] * c[mirror] == c[k] * c[k]) {
            canonical[k] = mirror;
            slot[k] = slot[mirror];
        } else {
            canonical[k] = k;
            slot[k] = count++;
        }
    }
    return count;
}

// Radial factor of every distinct point radius, as a symmetric table over the
// canonical lines: value[s_i * n + s_j] with s = slot[]. For a core point the
// factor is J_m(U r/a) and the divisor 1; for a cladding point the factor is
// J_m(U) K_m(W r/a) and the divisor K_m(W) (the literal expression is
// factor * angular / divisor, and x / 1.0 == x exactly).
struct RadialTable {
    int n = 0;
    std::vector<double> factor;
    std::vector<double> divisor;
};

// scale: the radius of the core boundary in grid units (a for the mode map,
// 1 for the normalised map). coreArgument(r) is the literal argument of J_m.
template <typename CoreArg, typename CladArg>
void buildRadialTable(const std::vector<double> &c, const std::vector<int> &canonical, const std::vector<int> &slot,
                      int distinct, double boundary, const ModeParameters &p, CoreArg coreArgument,
                      CladArg claddingArgument, RadialTable &table)
{
    table.n = distinct;
    table.factor.assign(static_cast<std::size_t>(distinct) * distinct, 0.0);
    table.divisor.assign(static_cast<std::size_t>(distinct) * distinct, 1.0);
    const double jmU = besselJn(p.m, p.u);
    const double kmW = besselKn(p.m, p.w);
    std::vector<int> lines;
    for (int k = 0; k < kFieldGridSize; ++k)
        if (canonical[k] == k)
            lines.push_back(k);
    parallelRows(static_cast<int>(lines.size()), [&](int row) {
        const int i = lines[row];
        const std::size_t si = static_cast<std::size_t>(slot[i]);
        for (std::size_t col = static_cast<std::size_t>(row); col < lines.size(); ++col) {
            const int j = lines[col];
            const std::size_t sj = static_cast<std::size_t>(slot[j]);
            const double r = std::sqrt(c[j] * c[j] + c[i] * c[i]);
            double f;
            double d = 1.0;
            if (r < boundary) {
                f = besselJn(p.m, coreArgument(r));
            } else {
                f = jmU * besselKn(p.m, claddingArgument(r));
                d = kmW;
            }
            table.factor[si * distinct + sj] = table.factor[sj * distinct + si] = f;
            table.divisor[si * distinct + sj] = table.divisor[sj * distinct + si] = d;
        }
    });
}

// Largest value of the grid, searched from cell (0, 0) with "v > max" as the
// literal loop does (a NaN first cell therefore stays the result).
double gridMaximum(const std::vector<double> &grid)
{
    double best = grid[0];
    for (double v : grid)
        if (v > best)
            best = v;
    return best;
}

double gridMaximumParallel(const std::vector<double> &grid)
{
    double partial[2] = {grid[0], grid[0]};
    parallelRows(2, [&](int half) {
        const std::size_t begin = half == 0 ? 0 : kFieldGridCells / 2;
        const std::size_t end = half == 0 ? kFieldGridCells / 2 : kFieldGridCells;
        double best = grid[0];
        for (std::size_t idx = begin; idx < end; ++idx)
            if (grid[idx] > best)
                best = grid[idx];
        partial[half] = best;
    });
    return partial[1] > partial[0] ? partial[1] : partial[0];
}

void normaliseLiteral(std::vector<double> &grid)
{
    const double best = gridMaximum(grid);
    for (double &v : grid)
        v = v / best + kNormalisationFloor;
}

void resizeMaps(ModeFieldMaps &out)
{
    for (std::vector<double> *g : {&out.intensityE, &out.intensityO, &out.amplitudeE, &out.amplitudeO, &out.phaseE,
                                   &out.phaseO})
        g->resize(kFieldGridCells);
}

void fillNaN(ModeFieldMaps &out)
{
    resizeMaps(out);
    for (std::vector<double> *g : {&out.intensityE, &out.intensityO, &out.amplitudeE, &out.amplitudeO, &out.phaseE,
                                   &out.phaseO})
        std::fill(g->begin(), g->end(), std::numeric_limits<double>::quiet_NaN());
}

// cos(m theta) and sin(m theta) of one cell exactly as the literal loop forms them.
inline void angularFactors(int m, double ci, double cj, double &cosine, double &sine)
{
    if (m == 0) {
        // 0 * theta is +-0 for every finite theta: cos = 1, sin = +-0. The sign
        // of a zero changes no stored value (products, squares and the >= 0 test).
        cosine = 1.0;
        sine = 0.0;
        return;
    }
    const double mTheta = m * std::atan2(ci, cj);
    cosine = std::cos(mTheta);
    sine = std::sin(mTheta);
}

} // namespace

double fieldCoordinate(double a, int k)
{
    const double h = 4.0 * a / 500.0;
    return k * h - 2.0 * a;
}

double normalizedCoordinate(int k)
{
    return k * 0.004 - 1.0;
}

void computeFieldMapsLiteral(double a, double lambda, double n1, double n2, double neff, double m, ModeFieldMaps &out)
{
    int order = 0;
    if (!truncatedOrder(m, order)) {
        fillNaN(out);
        return;
    }
    resizeMaps(out);
    const ModeParameters p = modeParameters(a, lambda, n1, n2, neff, order);
    const std::vector<double> c = modeMapCoordinates(a);
    for (int i = 0; i < kFieldGridSize; ++i) {
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double r = std::sqrt(c[j] * c[j] + c[i] * c[i]);
            const double theta = std::atan2(c[i], c[j]);
            const double mTheta = order * theta;
            // Both forms are evaluated at every point; one is kept.
            const double coreE = besselJn(order, p.u * r / a) * std::cos(mTheta);
            const double coreO = besselJn(order, p.u * r / a) * std::sin(mTheta);
            const double cladE =
                besselJn(order, p.u) * besselKn(order, p.w * r / a) * std::cos(mTheta) / besselKn(order, p.w);
            const double cladO =
                besselJn(order, p.u) * besselKn(order, p.w * r / a) * std::sin(mTheta) / besselKn(order, p.w);
            const double e = r < a ? coreE : cladE;
            const double o = r < a ? coreO : cladO;
            const std::size_t idx = fieldGridIndex(i, j);
            out.amplitudeE[idx] = e;
            out.amplitudeO[idx] = o;
            out.intensityE[idx] = e * e;
            out.intensityO[idx] = o * o;
            out.phaseE[idx] = e >= 0.0 ? kPi : 0.0;
            out.phaseO[idx] = o >= 0.0 ? kPi : 0.0;
        }
    }
    normaliseLiteral(out.amplitudeE);
    normaliseLiteral(out.amplitudeO);
    normaliseLiteral(out.intensityE);
    normaliseLiteral(out.intensityO);
}

void computeFieldMaps(double a, double lambda, double n1, double n2, double neff, double m, ModeFieldMaps &out)
{
    int order = 0;
    if (!truncatedOrder(m, order)) {
        fillNaN(out);
        return;
    }
    resizeMaps(out);
    const ModeParameters p = modeParameters(a, lambda, n1, n2, neff, order);
    const std::vector<double> c = modeMapCoordinates(a);
    std::vector<int> canonical;
    std::vector<int> slot;
    const int distinct = canonicalLines(c, canonical, slot);
    RadialTable table;
    buildRadialTable(
        c, canonical, slot, distinct, a, p, [&](double r) { return p.u * r / a; },
        [&](double r) { return p.w * r / a; }, table);

    parallelRows(kFieldGridSize, [&](int i) {
        const std::size_t si = static_cast<std::size_t>(slot[i]) * distinct;
        for (int j = 0; j < kFieldGridSize; ++j) {
            double cosine;
            double sine;
            angularFactors(order, c[i], c[j], cosine, sine);
            const std::size_t t = si + static_cast<std::size_t>(slot[j]);
            const double e = table.factor[t] * cosine / table.divisor[t];
            const double o = table.factor[t] * sine / table.divisor[t];
            const std::size_t idx = fieldGridIndex(i, j);
            out.amplitudeE[idx] = e;
            out.amplitudeO[idx] = o;
            out.intensityE[idx] = e * e;
            out.intensityO[idx] = o * o;
            out.phaseE[idx] = e >= 0.0 ? kPi : 0.0;
            out.phaseO[idx] = o >= 0.0 ? kPi : 0.0;
        }
    });

    std::vector<double> *grids[4] = {&out.amplitudeE, &out.amplitudeO, &out.intensityE, &out.intensityO};
    double best[4];
    for (int g = 0; g < 4; ++g)
        best[g] = gridMaximumParallel(*grids[g]);
    parallelRows(kFieldGridSize, [&](int i) {
        const std::size_t begin = fieldGridIndex(i, 0);
        for (int g = 0; g < 4; ++g) {
            double *row = grids[g]->data() + begin;
            for (int j = 0; j < kFieldGridSize; ++j)
                row[j] = row[j] / best[g] + kNormalisationFloor;
        }
    });
}

ModeFieldMaps computeFieldMaps(double a, double lambda, double n1, double n2, double neff, double m)
{
    ModeFieldMaps maps;
    computeFieldMaps(a, lambda, n1, n2, neff, m, maps);
    return maps;
}

void computeIntensityPairLiteral(double a, double lambda, double n1, double n2, double neff, int m, IntensityPair &out)
{
    out.cosIntensity.resize(kFieldGridCells);
    out.sinIntensity.resize(kFieldGridCells);
    const ModeParameters p = modeParameters(a, lambda, n1, n2, neff, m);
    const std::vector<double> c = normalizedCoordinates();
    for (int i = 0; i < kFieldGridSize; ++i) {
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double rho = std::sqrt(c[j] * c[j] + c[i] * c[i]);
            const double theta = std::atan2(c[i], c[j]);
            const double mTheta = m * theta;
            const double coreE = besselJn(m, p.u * rho) * std::cos(mTheta);
            const double coreO = besselJn(m, p.u * rho) * std::sin(mTheta);
            const double cladE = besselJn(m, p.u) * besselKn(m, p.w * rho) * std::cos(mTheta) / besselKn(m, p.w);
            const double cladO = besselJn(m, p.u) * besselKn(m, p.w * rho) * std::sin(mTheta) / besselKn(m, p.w);
            const double e = rho < 1.0 ? coreE : cladE;
            const double o = rho < 1.0 ? coreO : cladO;
            const std::size_t idx = fieldGridIndex(i, j);
            out.cosIntensity[idx] = e * e;
            out.sinIntensity[idx] = o * o;
        }
    }
}

void computeIntensityPair(double a, double lambda, double n1, double n2, double neff, int m, IntensityPair &out)
{
    out.cosIntensity.resize(kFieldGridCells);
    out.sinIntensity.resize(kFieldGridCells);
    const ModeParameters p = modeParameters(a, lambda, n1, n2, neff, m);
    const std::vector<double> c = normalizedCoordinates();
    std::vector<int> canonical;
    std::vector<int> slot;
    const int distinct = canonicalLines(c, canonical, slot);
    RadialTable table;
    buildRadialTable(
        c, canonical, slot, distinct, 1.0, p, [&](double rho) { return p.u * rho; },
        [&](double rho) { return p.w * rho; }, table);
    parallelRows(kFieldGridSize, [&](int i) {
        const std::size_t si = static_cast<std::size_t>(slot[i]) * distinct;
        for (int j = 0; j < kFieldGridSize; ++j) {
            double cosine;
            double sine;
            angularFactors(m, c[i], c[j], cosine, sine);
            const std::size_t t = si + static_cast<std::size_t>(slot[j]);
            const double e = table.factor[t] * cosine / table.divisor[t];
            const double o = table.factor[t] * sine / table.divisor[t];
            const std::size_t idx = fieldGridIndex(i, j);
            out.cosIntensity[idx] = e * e;
            out.sinIntensity[idx] = o * o;
        }
    });
}

IntensityPair computeIntensityPair(double a, double lambda, double n1, double n2, double neff, int m)
{
    IntensityPair pair;
    computeIntensityPair(a, lambda, n1, n2, neff, m, pair);
    return pair;
}
