#include "fieldmaps.h"

#include "bessel.h"
#include "fieldkernel.h"
#include "parallelrows.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

using fieldkernel::buildRadialTable;
using fieldkernel::ModeParameters;
using fieldkernel::modeParameters;
using fieldkernel::RadialTable;

constexpr double kPi = 3.141592653589793;
constexpr double kNormalisationFloor = 1e-16;

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

void normaliseLiteral(std::vector<double> &grid)
{
    const double best = gridMaximum(grid);
    for (double &v : grid)
        v = v / best + kNormalisationFloor;
}

void resizeMaps(ModeFieldMaps &out)
{
    for (std::vector<double> *g : {&out.intensityE, &out.intensityO, &out.amplitudeE,
                                   &out.amplitudeO, &out.phaseE, &out.phaseO})
        g->resize(kFieldGridCells);
}

void fillNaN(ModeFieldMaps &out)
{
    resizeMaps(out);
    for (std::vector<double> *g : {&out.intensityE, &out.intensityO, &out.amplitudeE,
                                   &out.amplitudeO, &out.phaseE, &out.phaseO})
        std::fill(g->begin(), g->end(), std::numeric_limits<double>::quiet_NaN());
}

} // namespace

namespace fieldkernel {

GridLines makeGridLines(std::vector<double> coordinates)
{
    GridLines lines;
    lines.c = std::move(coordinates);
    const int n = static_cast<int>(lines.c.size());
    lines.slot.assign(n, 0);
    lines.mirrorSlot.assign(n, 0);
    for (int k = 0; k < n; ++k) {
        const int mirror = n - 1 - k;
        if (mirror < k && lines.c[mirror] * lines.c[mirror] == lines.c[k] * lines.c[k]) {
            lines.slot[k] = lines.slot[mirror];
        } else {
            lines.slot[k] = lines.distinct++;
            lines.representative.push_back(k);
        }
        // Lines 0..n/2 represent the mirror classes themselves.
        lines.mirrorSlot[k] = mirror < k ? mirror : k;
        // Nearly opposite values: their sum is exact (Sterbenz).
        const double delta = std::fabs(lines.c[k] + lines.c[mirror]);
        lines.mirrorDelta =
            delta > lines.mirrorDelta || std::isnan(delta) ? delta : lines.mirrorDelta;
        lines.extent = std::max(lines.extent, std::fabs(lines.c[k]));
    }
    lines.mirrorDistinct = (n + 1) / 2;
    return lines;
}

double gridMaximum(const std::vector<double> &grid)
{
    const std::size_t half = grid.size() / 2;
    double partial[2] = {grid[0], grid[0]};
    parallelRows(2, [&](int part) {
        const std::size_t begin = part == 0 ? 0 : half;
        const std::size_t end = part == 0 ? half : grid.size();
        double best = grid[0];
        for (std::size_t idx = begin; idx < end; ++idx)
            if (grid[idx] > best)
                best = grid[idx];
        partial[part] = best;
    });
    // Both parts started from cell 0 with the same rule, so the larger of the two
    // is what one pass over the whole grid finds.
    return partial[1] > partial[0] ? partial[1] : partial[0];
}

} // namespace fieldkernel

double fieldCoordinate(double a, int k)
{
    const double h = 4.0 * a / 500.0;
    return k * h - 2.0 * a;
}

double normalizedCoordinate(int k)
{
    return k * 0.004 - 1.0;
}

void computeFieldMapsLiteral(double a, double lambda, double n1, double n2, double neff, double m,
                             ModeFieldMaps &out)
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
            const double cladE = besselJn(order, p.u) * besselKn(order, p.w * r / a) *
                                 std::cos(mTheta) / besselKn(order, p.w);
            const double cladO = besselJn(order, p.u) * besselKn(order, p.w * r / a) *
                                 std::sin(mTheta) / besselKn(order, p.w);
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

void computeFieldMaps(double a, double lambda, double n1, double n2, double neff, double m,
                      ModeFieldMaps &out)
{
    int order = 0;
    if (!truncatedOrder(m, order)) {
        fillNaN(out);
        return;
    }
    resizeMaps(out);
    const ModeParameters p = modeParameters(a, lambda, n1, n2, neff, order);
    const fieldkernel::GridLines lines = fieldkernel::makeGridLines(modeMapCoordinates(a));
    RadialTable table;
    buildRadialTable(
        lines, a, p, [&](double r) { return p.u * r / a; }, [&](double r) { return p.w * r / a; },
        table);

    // Pass 1: the raw E and O amplitudes (each point evaluates only its own
    // form; the radial factor comes from the table, the angular factors per
    // cell), and per row the extremes the normalisation needs. A NaN cell is
    // skipped here and handled by the first-cell rule below.
    struct Extremes {
        double maxE = -std::numeric_limits<double>::infinity();
        double minE = std::numeric_limits<double>::infinity();
        double maxO = -std::numeric_limits<double>::infinity();
        double minO = std::numeric_limits<double>::infinity();
    };
    std::vector<Extremes> rowExtremes(kFieldGridSize);
    parallelRows(kFieldGridSize, [&](int i) {
        const double ci = lines.c[i];
        Extremes x;
        double *rowE = out.amplitudeE.data() + fieldGridIndex(i, 0);
        double *rowO = out.amplitudeO.data() + fieldGridIndex(i, 0);
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double cj = lines.c[j];
            const double r = std::sqrt(cj * cj + ci * ci);
            double cosine;
            double sine;
            fieldkernel::angularFactors(order, ci, cj, r, cosine, sine);
            const double f = table.factor(i, j, r);
            const double e = f * cosine;
            const double o = f * sine;
            rowE[j] = e;
            rowO[j] = o;
            x.maxE = e > x.maxE ? e : x.maxE;
            x.minE = e < x.minE ? e : x.minE;
            x.maxO = o > x.maxO ? o : x.maxO;
            x.minO = o < x.minO ? o : x.minO;
        }
        rowExtremes[i] = x;
    });

    // The literal search starts at cell (0, 0) and takes v when v > best: a NaN
    // first cell stays the maximum, later NaN cells are never taken. The largest
    // square is the square of the largest magnitude (rounding is monotone).
    Extremes all;
    for (const Extremes &x : rowExtremes) {
        all.maxE = std::max(all.maxE, x.maxE);
        all.minE = std::min(all.minE, x.minE);
        all.maxO = std::max(all.maxO, x.maxO);
        all.minO = std::min(all.minO, x.minO);
    }
    auto literalMaximum = [](double first, double largest) {
        return std::isnan(first) ? first : largest;
    };
    const double e0 = out.amplitudeE[0];
    const double o0 = out.amplitudeO[0];
    const double maxAmplitudeE = literalMaximum(e0, all.maxE);
    const double maxAmplitudeO = literalMaximum(o0, all.maxO);
    const double largestE = std::max(std::fabs(all.maxE), std::fabs(all.minE));
    const double largestO = std::max(std::fabs(all.maxO), std::fabs(all.minO));
    const double maxIntensityE = literalMaximum(e0, largestE * largestE);
    const double maxIntensityO = literalMaximum(o0, largestO * largestO);
    // Multiplying by the reciprocal differs from the literal division by at most
    // one rounding; where the reciprocal itself is not a normal number (a zero,
    // subnormal or non-finite maximum) the division is kept, so that 0/0 stays
    // NaN and x/0 stays infinite exactly as in the literal loop.
    struct Normaliser {
        double maximum;
        double scale;
        bool multiply;
        explicit Normaliser(double m)
            : maximum(m), scale(1.0 / m), multiply(std::isnormal(1.0 / m) && std::isnormal(m))
        {
        }
        double operator()(double v) const
        {
            return (multiply ? v * scale : v / maximum) + kNormalisationFloor;
        }
    };
    const Normaliser amplitudeE(maxAmplitudeE);
    const Normaliser amplitudeO(maxAmplitudeO);
    const Normaliser intensityE(maxIntensityE);
    const Normaliser intensityO(maxIntensityO);

    // Pass 2: phases from the raw signs, then the normalised grids.
    parallelRows(kFieldGridSize, [&](int i) {
        const std::size_t begin = fieldGridIndex(i, 0);
        double *ampE = out.amplitudeE.data() + begin;
        double *ampO = out.amplitudeO.data() + begin;
        double *intE = out.intensityE.data() + begin;
        double *intO = out.intensityO.data() + begin;
        double *phE = out.phaseE.data() + begin;
        double *phO = out.phaseO.data() + begin;
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double e = ampE[j];
            const double o = ampO[j];
            phE[j] = e >= 0.0 ? kPi : 0.0;
            phO[j] = o >= 0.0 ? kPi : 0.0;
            intE[j] = intensityE(e * e);
            intO[j] = intensityO(o * o);
            ampE[j] = amplitudeE(e);
            ampO[j] = amplitudeO(o);
        }
    });
}

ModeFieldMaps computeFieldMaps(double a, double lambda, double n1, double n2, double neff, double m)
{
    ModeFieldMaps maps;
    computeFieldMaps(a, lambda, n1, n2, neff, m, maps);
    return maps;
}

void computeIntensityPairLiteral(double a, double lambda, double n1, double n2, double neff, int m,
                                 IntensityPair &out)
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
            const double cladE =
                besselJn(m, p.u) * besselKn(m, p.w * rho) * std::cos(mTheta) / besselKn(m, p.w);
            const double cladO =
                besselJn(m, p.u) * besselKn(m, p.w * rho) * std::sin(mTheta) / besselKn(m, p.w);
            const double e = rho < 1.0 ? coreE : cladE;
            const double o = rho < 1.0 ? coreO : cladO;
            const std::size_t idx = fieldGridIndex(i, j);
            out.cosIntensity[idx] = e * e;
            out.sinIntensity[idx] = o * o;
        }
    }
}

void computeIntensityPair(double a, double lambda, double n1, double n2, double neff, int m,
                          IntensityPair &out)
{
    out.cosIntensity.resize(kFieldGridCells);
    out.sinIntensity.resize(kFieldGridCells);
    const ModeParameters p = modeParameters(a, lambda, n1, n2, neff, m);
    const fieldkernel::GridLines lines = fieldkernel::makeGridLines(normalizedCoordinates());
    RadialTable table;
    buildRadialTable(
        lines, 1.0, p, [&](double rho) { return p.u * rho; }, [&](double rho) { return p.w * rho; },
        table);
    parallelRows(kFieldGridSize, [&](int i) {
        const double ci = lines.c[i];
        for (int j = 0; j < kFieldGridSize; ++j) {
            const double cj = lines.c[j];
            const double rho = std::sqrt(cj * cj + ci * ci);
            double cosine;
            double sine;
            fieldkernel::angularFactors(m, ci, cj, rho, cosine, sine);
            const double f = table.factor(i, j, rho);
            const double e = f * cosine;
            const double o = f * sine;
            const std::size_t idx = fieldGridIndex(i, j);
            out.cosIntensity[idx] = e * e;
            out.sinIntensity[idx] = o * o;
        }
    });
}

IntensityPair computeIntensityPair(double a, double lambda, double n1, double n2, double neff,
                                   int m)
{
    IntensityPair pair;
    computeIntensityPair(a, lambda, n1, n2, neff, m, pair);
    return pair;
}
