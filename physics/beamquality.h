#ifndef BEAMQUALITY_H
#define BEAMQUALITY_H

#include <array>
#include <vector>

// Beam quality of an incoherent mixture of the LP_mn modes m = 0..4, n = 1..4.
//
// Mode k = 4m + (n - 1) (0..19). Each mode with m >= 1 has two orientations,
// "E" (cos m theta) and "O" (sin m theta); m = 0 has only E. The M^2 of the
// mixture along x and y is the power-weighted sum of tabulated per-mode values
// (second-moment beam quality factors of the individual LP modes; an LP_1n in E
// orientation is wide along x and narrow along y, hence tables B and C swap
// between x and y).

constexpr int kBeamQualityModes = 20;
using ModeTable = std::array<double, kBeamQualityModes>;

inline constexpr int beamQualityIndex(int m, int n)
{
    return 4 * m + (n - 1);
}

// Per-mode M^2 tables, indexed by beamQualityIndex.
extern const ModeTable kM2XForE; // multiplies the E weights in M2x (rows A, B, D, E, F)
extern const ModeTable kM2XForO; // multiplies the O weights in M2x (rows A, C, D, E, F)
extern const ModeTable kM2YForE; // multiplies the E weights in M2y (rows A, C, D, E, F)
extern const ModeTable kM2YForO; // multiplies the O weights in M2y (rows A, B, D, E, F)

// Reference fiber of the mixture map (metres) and its 20 effective indices.
constexpr double kReferenceCoreRadius = 5e-05;
constexpr double kReferenceWavelength = 1.08e-06;
constexpr double kReferenceN1 = 1.4512;
constexpr double kReferenceN2 = 1.45;
extern const ModeTable kReferenceNeff;

// Weights of the 20 modes in both orientations. O[k] of an m = 0 mode must be 0.
struct ModeWeights {
    ModeTable e{};
    ModeTable o{};
};

struct BeamQuality {
    double m2x = 0.0;
    double m2y = 0.0;
    ModeWeights normalized; // e, o divided by (sum E + sum O + 1e-16)
};

// Normalises the weights by S + 1e-16 (S = sum of E, then plus sum of O; the
// 1e-16 keeps all-zero weights finite: M2x = M2y = 0) and forms
//   M2x = sum_k (XforE[k] E[k] + XforO[k] O[k]), M2y likewise with the Y tables,
// accumulated in ascending k. Default weights P01 = P02 = 1 give 2.102 / 2.102.
BeamQuality computeBeamQuality(const ModeWeights &weights);

// Intensity map of the mixture on the normalised 501 x 501 grid (index
// convention of fieldmaps.h): the grid is zeroed; for every k with E[k] != 0 or
// O[k] != 0 the intensity pair of the reference fiber's mode
// (m = k / 4, neff = kReferenceNeff[k]) is added as E[k] * cos-intensity +
// O[k] * sin-intensity (k ascending); finally every cell is divided by
// (the grid maximum, searched from cell (0, 0)) + 1e-16. All-zero weights give
// an all-zero grid. `weights` are normally BeamQuality::normalized.
// `sumGrid` is resized to kFieldGridCells and reused. Fast path: the angle of a
// cell is computed once for all modes, each mode's radial factor once per
// distinct radius, only the needed (core or cladding) form, two threads. With
// non-negative weights each cell equals the literal result within 1e-12
// relative (every term is; negative weights can cancel, and then the bound holds
// relative to the sum of the magnitudes of the terms).
void computeMixtureGrid(const ModeWeights &weights, std::vector<double> &sumGrid);
// Reference: computeIntensityPairLiteral per non-zero mode and the plain sum.
void computeMixtureGridLiteral(const ModeWeights &weights, std::vector<double> &sumGrid);

#endif // BEAMQUALITY_H
