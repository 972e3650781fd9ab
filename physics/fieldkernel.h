#ifndef FIELDKERNEL_H
#define FIELDKERNEL_H

// Building blocks shared by the fast field-map and mixture-map loops
// (fieldmaps.cpp, beamquality.cpp). Internal to the physics library.

#include "bessel.h"
#include "fieldmaps.h"
#include "parallelrows.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace fieldkernel {

// The 501 coordinates of a grid and the radius classes of its lines.
// Radii of cells (i, j) and (j, i) are bitwise equal (the squares are added in
// either order). The grid is mirror-symmetric only in exact arithmetic:
// c[500-k] and -c[k] can differ in the last bits, so for exact reuse two lines
// share a class only when their squared coordinates are bitwise equal (slot).
// Mirror classes (mirrorSlot: k and 500-k together) serve where a last-bit
// change of the radius provably moves the value by far less than the promised
// tolerance (the cladding form, which has no zeros).
struct GridLines {
    std::vector<double> c;           // c[k], k = 0..500
    std::vector<int> slot;           // exact class of line k, 0..distinct-1
    std::vector<int> representative; // a line of each exact class
    int distinct = 0;
    std::vector<int> mirrorSlot; // min(k, 500-k)
    int mirrorDistinct = 0;
    double mirrorDelta = 0.0; // max |c[k] + c[500-k]|
    double extent = 0.0;      // max |c[k]|
};
GridLines makeGridLines(std::vector<double> coordinates);

// Index of the unordered class pair (s, t) in a packed triangular table of
// distinct * (distinct + 1) / 2 entries.
inline std::size_t pairIndex(int s, int t)
{
    const std::size_t hi = static_cast<std::size_t>(s > t ? s : t);
    const std::size_t lo = static_cast<std::size_t>(s > t ? t : s);
    return hi * (hi + 1) / 2 + lo;
}
inline std::size_t pairCount(int distinct)
{
    return static_cast<std::size_t>(distinct) * (distinct + 1) / 2;
}

// cos(m theta), sin(m theta) with theta = atan2(y, x), close to the value
// cos(m * atan2(y, x)) evaluated literally. Away from the nodal lines the power
// ((x + iy)/r)^m gives it cheaply (binary powering); where either factor is
// below the band (or for m < 0, m > kMaxPowerOrder, r == 0, non-finite input)
// the literal libm expression is used. The absolute error of the power, about
// m * 6e-16, and that of the literal expression, about m * 5e-16 plus one
// rounding, add up to at most (m + 1) * 1.1e-15; the band (m + 1) * kNodalBandPerOrder
// (at most kNodalBand) keeps the relative difference to the literal value
// below 2.5e-13, a quarter of the 1e-12 the fast grids promise.
constexpr double kNodalBandPerOrder = 4.4e-3;
constexpr double kNodalBand = 0.1;
constexpr int kMaxPowerOrder = 64;

inline void literalAngular(int m, double y, double x, double &cosine, double &sine)
{
    const double mTheta = m * std::atan2(y, x);
    cosine = std::cos(mTheta);
    sine = std::sin(mTheta);
}

inline double nodalBand(int m)
{
    const double band = (m + 1) * kNodalBandPerOrder;
    return band < kNodalBand ? band : kNodalBand;
}

inline void angularFactors(int m, double y, double x, double r, double &cosine, double &sine)
{
    if (m == 0) {
        // 0 * theta is +-0 for every finite theta: cos = 1 and sin = +-0; the
        // sign of a zero changes no stored value (products, squares, the >= 0 test).
        cosine = 1.0;
        sine = 0.0;
        return;
    }
    if (m < 0 || m > kMaxPowerOrder || !(r > 0.0) || !std::isfinite(r)) {
        literalAngular(m, y, x, cosine, sine);
        return;
    }
    const double inverse = 1.0 / r;
    double br = x * inverse; // base, squared as the exponent's bits are consumed
    double bi = y * inverse;
    double pr = 1.0;
    double pi = 0.0;
    for (int e = m;;) {
        if (e & 1) {
            const double nr = pr * br - pi * bi;
            pi = pr * bi + pi * br;
            pr = nr;
        }
        e >>= 1;
        if (e == 0)
            break;
        const double sr = br * br - bi * bi;
        bi = 2.0 * br * bi;
        br = sr;
    }
    const double band = nodalBand(m);
    if (std::fabs(pr) < band || std::fabs(pi) < band) {
        literalAngular(m, y, x, cosine, sine);
        return;
    }
    cosine = pr;
    sine = pi;
}

// The mode constants as the field formulas form them: k0 = 2 pi / lambda,
// U = sqrt(n1^2 - neff^2) k0 a, W = sqrt(neff^2 - n2^2) k0 a.
struct ModeParameters {
    int m;
    double u;
    double w;
};

inline ModeParameters modeParameters(double a, double lambda, double n1, double n2, double neff,
                                     int m)
{
    const double k0 = 6.283185307179586 / lambda;
    return {m, std::sqrt(n1 * n1 - neff * neff) * k0 * a,
            std::sqrt(neff * neff - n2 * n2) * k0 * a};
}

// Radial factors of a mode for every radius class pair (pairIndex):
// core points (r < boundary) J_m(U r/a) over the exact classes, cladding points
// J_m(U) K_m(W r/a) over the mirror classes when that is safe, else over the
// exact classes. factor() returns the radial part of the literal expression:
// J_m(U r/a) for the core, J_m(U) K_m(W r/a) / K_m(W) for the cladding (as a
// product with 1/K_m(W) when that reciprocal is a normal number: one rounding
// away from the literal division).
struct RadialTable {
    std::vector<double> core;
    std::vector<double> cladding;
    const int *coreSlot = nullptr;
    const int *claddingSlot = nullptr;
    double boundary = 0.0;
    double kmW = 1.0;
    double inverseKmW = 1.0;
    bool multiply = true;

    double factor(int i, int j, double r) const
    {
        if (r < boundary)
            return core[pairIndex(coreSlot[i], coreSlot[j])];
        const double f = cladding[pairIndex(claddingSlot[i], claddingSlot[j])];
        return multiply ? f * inverseKmW : f / kmW;
    }
};

// Whether the cladding factors may come from the mirror classes: the relative
// change of K_m(x) with x is |x K_m'(x)/K_m(x)| <= x + m + 1, the radius of a
// mirrored cell differs by at most about 1.5 mirrorDelta (relative to r >= boundary,
// plus a rounding), and the result must stay below 2.5e-13 relative, a quarter
// of the tolerance (the angular factors take another quarter).
inline bool mirrorCladdingIsSafe(const GridLines &lines, double boundary, const ModeParameters &p)
{
    const double xMax = std::fabs(p.w) * 1.5 * lines.extent / boundary;
    const double bound =
        (xMax + std::abs(p.m) + 1.0) * (1.5 * lines.mirrorDelta / boundary + 2.3e-16);
    return bound <= 2.5e-13; // false for NaN as well
}

// boundary: core radius in grid units; coreArgument(r), claddingArgument(r)
// form the literal Bessel arguments. The table keeps pointers into `lines`.
template <typename CoreArg, typename CladArg>
void buildRadialTable(const GridLines &lines, double boundary, const ModeParameters &p,
                      CoreArg coreArgument, CladArg claddingArgument, RadialTable &table)
{
    const bool mirror = mirrorCladdingIsSafe(lines, boundary, p);
    const int claddingClasses = mirror ? lines.mirrorDistinct : lines.distinct;
    table.core.assign(pairCount(lines.distinct), 0.0);
    table.cladding.assign(pairCount(claddingClasses), 0.0);
    table.coreSlot = lines.slot.data();
    table.claddingSlot = mirror ? lines.mirrorSlot.data() : lines.slot.data();
    table.boundary = boundary;
    table.kmW = besselKn(p.m, p.w);
    table.inverseKmW = 1.0 / table.kmW;
    table.multiply = std::isnormal(table.kmW) && std::isnormal(table.inverseKmW);
    const double jmU = besselJn(p.m, p.u);
    // A mirrored cell's radius is within a few 1e-15 of its class's: fill every
    // cladding entry near or beyond the boundary.
    const double claddingFrom = mirror ? boundary * 0.99 : boundary;
    parallelRows(lines.distinct + claddingClasses, [&](int row) {
        if (row < lines.distinct) {
            const double ci = lines.c[lines.representative[row]];
            for (int t = 0; t <= row; ++t) {
                const double cj = lines.c[lines.representative[t]];
                const double r = std::sqrt(cj * cj + ci * ci);
                if (r < boundary)
                    table.core[pairIndex(row, t)] = besselJn(p.m, coreArgument(r));
            }
            return;
        }
        const int s = row - lines.distinct;
        const double ci = lines.c[mirror ? s : lines.representative[s]];
        for (int t = 0; t <= s; ++t) {
            const double cj = lines.c[mirror ? t : lines.representative[t]];
            const double r = std::sqrt(cj * cj + ci * ci);
            if (r >= claddingFrom)
                table.cladding[pairIndex(s, t)] = jmU * besselKn(p.m, claddingArgument(r));
        }
    });
}

// Largest value of a grid as the literal loops find it: start from cell 0 and
// take v whenever v > best (a NaN first cell therefore stays the result; later
// NaN cells are skipped). Uses two threads.
double gridMaximum(const std::vector<double> &grid);

} // namespace fieldkernel

#endif // FIELDKERNEL_H
