#ifndef FIELDMAPS_H
#define FIELDMAPS_H

#include <cstddef>
#include <vector>

// Transverse fields of one LP_mn mode of a step-index fiber on a square grid.
//
// Weakly guiding field (Gloge 1971), continuous at r = a:
//     r <  a:  J_m(U r/a) cos(m theta)                 ("E", even orientation)
//     r >= a:  J_m(U) K_m(W r/a) cos(m theta) / K_m(W)
// and the same with sin(m theta) ("O", odd orientation), with
// U = k0 a sqrt(n1^2 - neff^2), W = k0 a sqrt(neff^2 - n2^2), k0 = 2 pi/lambda.
//
// Grid convention (all grids in this header):
//   kFieldGridSize x kFieldGridSize doubles, contiguous, row-major;
//   element (i, j) is at index i * kFieldGridSize + j, i, j = 0..500;
//   both indices walk the same coordinate list c_0 .. c_500 (fieldCoordinate);
//   i is the OUTER index and the KEY (horizontal, x) axis of the colour map,
//   j the inner index and the value (y) axis: the map cell (i, j) = grid[i*501+j].
//   The point of cell (i, j) has r = sqrt(c_j^2 + c_i^2) and
//   theta = atan2(c_i, c_j) (outer coordinate first).

constexpr int kFieldGridSize = 501;
constexpr std::size_t kFieldGridCells = static_cast<std::size_t>(kFieldGridSize) * kFieldGridSize;

inline std::size_t fieldGridIndex(int i, int j)
{
    return static_cast<std::size_t>(i) * kFieldGridSize + static_cast<std::size_t>(j);
}

// Coordinate of grid line k (0..500) of the mode map in metres: k * (4a/500) - 2a,
// from -2a to +2a.
double fieldCoordinate(double a, int k);
// Coordinate of grid line k (0..500) of the beam-quality map: k * 0.004 - 1.
double normalizedCoordinate(int k);

// The six grids of one mode map, each kFieldGridCells long (convention above).
// Amplitude and intensity grids are divided by their own maximum (the largest
// value, not the largest magnitude; the search starts at cell (0, 0), so a NaN
// there makes the whole grid NaN) and then 1e-16 is added to every cell. Phase
// grids hold pi where the amplitude is >= 0 and 0 where it is negative (or NaN),
// unscaled. For m = 0 the odd orientation is identically 0, so its amplitude and
// intensity grids are 0/0 = NaN everywhere (they carry no information and the
// page never shows them) and its phase grid is pi everywhere.
struct ModeFieldMaps {
    std::vector<double> intensityE; // (J cos)^2, normalised
    std::vector<double> intensityO; // (J sin)^2, normalised
    std::vector<double> amplitudeE; // J cos, normalised
    std::vector<double> amplitudeO; // J sin, normalised (NaN for m = 0)
    std::vector<double> phaseE;     // pi / 0
    std::vector<double> phaseO;     // pi / 0
};

// Fills `out` (resizing its grids to kFieldGridCells; existing storage is reused,
// so a caller that keeps one ModeFieldMaps does not reallocate per call) with the
// maps of mode (m, neff). a, lambda in metres; m is truncated to int (a value
// an int cannot hold gives all-NaN grids). Every cell equals the literal loop's
// value within 1e-12 relative (the phases exactly): only the core or the
// cladding form is evaluated per point; the radial factor is computed once per
// distinct radius (cells (i, j) and (j, i) share it, and lines whose squared
// coordinates coincide bitwise); the angular factors come from a complex power
// except near nodal lines, where the literal cos(m atan2) is used; the rows are
// shared between two threads. The grid is mathematically symmetric, but its
// coordinates are not exactly (c_500 - 2a is not exactly -(c_0 + 2a)), so mirror
// images are not reused. Non-finite U or W yield NaN cells, as in the literal loop.
void computeFieldMaps(double a, double lambda, double n1, double n2, double neff, double m,
                      ModeFieldMaps &out);
ModeFieldMaps computeFieldMaps(double a, double lambda, double n1, double n2, double neff,
                               double m);

// Reference: the point-by-point loop evaluating both forms at every point (eight
// Bessel evaluations per point), single-threaded. Same contract as above.
void computeFieldMapsLiteral(double a, double lambda, double n1, double n2, double neff, double m,
                             ModeFieldMaps &out);

// Unnormalised intensities of mode (m, neff) on the beam-quality map's normalised
// grid (coordinates normalizedCoordinate(k), rho = sqrt(c_j^2 + c_i^2) in units of a):
//   rho < 1:  (J_m(U rho) cos m theta)^2 and (J_m(U rho) sin m theta)^2,
//   rho >= 1: (J_m(U) K_m(W rho) cos m theta / K_m(W))^2 and the same with sin.
struct IntensityPair {
    std::vector<double> cosIntensity; // kFieldGridCells
    std::vector<double> sinIntensity; // kFieldGridCells
};
// Fast path (same techniques and guarantee as computeFieldMaps); resizes `out`.
void computeIntensityPair(double a, double lambda, double n1, double n2, double neff, int m,
                          IntensityPair &out);
IntensityPair computeIntensityPair(double a, double lambda, double n1, double n2, double neff,
                                   int m);
// Reference loop, single-threaded.
void computeIntensityPairLiteral(double a, double lambda, double n1, double n2, double neff, int m,
                                 IntensityPair &out);

#endif // FIELDMAPS_H
