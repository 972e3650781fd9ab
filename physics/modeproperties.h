#ifndef MODEPROPERTIES_H
#define MODEPROPERTIES_H

// What engineers design with, for one exact LP mode (exactmodes.h) of a
// step-index fiber. Scalar (weakly guiding) fields
//     psi(rho) = J_m(U rho)                      rho = r/a < 1,
//              = J_m(U) K_m(W rho)/K_m(W)        rho >= 1,
// times cos(m phi) (or sin), throughout. Sources and formulas:
//
// * Core power fraction (Gloge, Appl. Opt. 10, 2252 (1971), eq. 29; Snyder &
//   Love, Optical Waveguide Theory, ch. 14):  eta = 1 - (U^2/V^2)(1 - kappa),
//   kappa = K_m^2(W) / (K_{m-1}(W) K_{m+1}(W)).
// * Group index and waveguide dispersion from the exact derivatives of the
//   eigenvalue relation: dU/dV = (U/V)(1 - kappa) (Snyder & Love, ch. 14), and
//   its derivative d2U/dV2 = (U'/V - U/V^2)(1 - kappa) - (U/V) kappa'(W) W',
//   W' = (V - U U')/W, kappa'/kappa = 2 K_m'/K_m - K_{m-1}'/K_{m-1} - K_{m+1}'/K_{m+1};
//   b = 1 - U^2/V^2. With S = n2^2 + b (n1^2 - n2^2) = neff^2 and beta = k S^(1/2)
//   (k = 2 pi/lambda = omega/c), n_g = d beta/dk and beta2 = (d2 beta/dk2)/c^2,
//   D = -(2 pi c/lambda^2) beta2, by the chain rule through V = k a (n1^2 - n2^2)^(1/2).
//   Without material dispersion the indices are constant (the waveguide part);
//   with it both indices follow fused silica's Sellmeier derivatives
//   (silicasellmeier.h, Malitson 1965) at the typed values: the cladding is
//   silica and the core a constant index step above it.
// * Mode-field diameter, Petermann II (Petermann, Electron. Lett. 19, 712 (1983)):
//   MFD = 2w, w^2 = 2 int psi^2 dA / int |grad psi|^2 dA; from the scalar wave
//   equation int |grad psi|^2 dA = (U^2 P_core - W^2 P_clad)/a^2, so
//   w^2 = 2 a^2 / (U^2 eta - W^2 (1 - eta)) (the azimuthal gradient included for m > 0).
//   For LP01 also Marcuse's Gaussian spot size (Bell Syst. Tech. J. 56, 703
//   (1977)): the Gaussian of largest power overlap with the exact field, which
//   his fit w/a = 0.65 + 1.619 V^-1.5 + 2.879 V^-6 approximates; at V = 1.2 it is
//   15 % wider than Petermann II, at V = 2.4 1 %.
// * Effective area A_eff = (int I dA)^2 / int I^2 dA, I = psi^2 cos^2(m phi):
//   2 pi a^2 I0^2/I4 (m = 0), (4 pi/3) a^2 I0^2/I4 (m > 0), with
//   I0 = int psi^2 rho drho in closed form (the Lommel integrals
//   int_0^1 J_m^2(U rho) rho = [J_m^2 - J_{m-1} J_{m+1}](U)/2,
//   int_1^inf K_m^2(W rho) rho = [K_{m-1} K_{m+1} - K_m^2](W)/2) and I4 = int psi^4 rho
//   by Gauss-Legendre quadrature (16 points per panel; panels of 3.5 rad of U rho in
//   the core, of width min(rho, 3/sqrt(W^2 + m^2/rho^2)) in the cladding).
// * Overlap with a doped radius r_d: the fraction of the mode's power inside
//   r_d, from the same Lommel integrals (closed form).
// * Beam quality from second moments (ISO 11146; Siegman, Proc. SPIE 1224, 2
//   (1990)) of the near field E = psi cos(m phi) with a flat phase: the far
//   field's second moment is, by Parseval, int (dE/dx)^2 dA, so
//   M2x = 2 sqrt(int x^2 E^2 dA * int (dE/dx)^2 dA) / int E^2 dA (1 for a
//   Gaussian). The angular integrals are done analytically; the radial ones
//   I2 = int psi^2 rho^3 and D2 = int psi^2/rho by quadrature, and
//   int (psi'^2 + m^2 psi^2/rho^2) rho = U^2 I0_core - W^2 I0_clad exactly. The
//   sin orientation is the cos one turned by 90/m degrees: for m = 1 M2x and M2y
//   swap, for m >= 2 they are equal, for m = 0 there is one orientation.
// * Bend loss, power attenuation 2 alpha of the fiber bent to radius R, Marcuse,
//   J. Opt. Soc. Am. 66, 216 (1976), with kappa_t = U/a, gamma = W/a:
//     2 alpha = sqrt(pi) kappa_t^2 exp(-(2/3) gamma^3 R/beta^2)
//               / (e_m gamma^(3/2) V^2 sqrt(R) K_{m-1}(W) K_{m+1}(W)),  e_0 = 2, e_m = 1,
//   and its large-argument form (K_{m-1} K_{m+1} -> pi exp(-2W)/(2W)),
//     2 alpha = 2 a kappa_t^2 exp(2 gamma a - (2/3) gamma^3 R/beta^2) / (e_m V^2 sqrt(pi gamma R)),
//   the form of the bend-loss tab (bendloss.h). Evaluated through logarithms of
//   K so that neither form overflows. dB/m = 10 log10(e) * 2 alpha.

#include "exactmodes.h"

struct ModePropertyOptions {
    double dopedRadius = 0.0;        // r_d, m
    double bendRadius = 0.0;         // R, m (<= 0: bend loss NaN)
    bool materialDispersion = false; // fused-silica derivatives for both indices
};

struct LpModeProperties {
    double cutoffWavelength = 0.0;    // m, lambda V / V_c; +inf for LP01
    double corePowerFraction = 0.0;   // eta
    double groupIndex = 0.0;          // n_g (material part included when asked)
    double beta2 = 0.0;               // ps^2/km
    double dispersion = 0.0;          // D, ps/(nm km)
    double waveguideDispersion = 0.0; // D with constant indices, ps/(nm km)
    double mfd = 0.0;                 // Petermann II mode-field diameter, m
    double gaussianMfd = 0.0;         // 2 w of the best-overlap Gaussian (LP01 only, else NaN), m
    double effectiveArea = 0.0;       // m^2
    double dopedOverlap = 0.0;        // fraction of power inside r_d
    double m2xCos = 0.0, m2yCos = 0.0;
    double m2xSin = 0.0, m2ySin = 0.0;
    double bendLoss = 0.0;            // 2 alpha, 1/m (Marcuse 1976, full)
    double bendLossDb = 0.0;          // dB/m
    double bendLossLargeArgument = 0; // 2 alpha, 1/m, large-argument form
};

// Derivatives of U with respect to V at fixed mode: U' and U''.
struct ModeDerivatives {
    double du = 0.0;
    double d2u = 0.0;
};
ModeDerivatives lpModeDerivatives(const LpMode &mode);

// All properties of one mode of `fiber`. A mode at cutoff (W = 0) gives NaN
// for every quantity that needs W > 0.
LpModeProperties lpModeProperties(const StepIndexFiber &fiber, const LpMode &mode,
                                  const ModePropertyOptions &options);

// n_g and beta2 (s^2/m) of the mode from the chain rule, with the index
// derivatives (d/dk, k = 2 pi/lambda) of n2 and of n1 - n2 held by the caller:
// dn2, d2n2 of the cladding index; the step n1 - n2 is constant.
struct GroupResult {
    double groupIndex = 0.0;
    double beta2 = 0.0; // s^2/m
};
GroupResult lpGroupDelay(const StepIndexFiber &fiber, const LpMode &mode, double dn2dk,
                         double d2n2dk2);

#endif // MODEPROPERTIES_H
