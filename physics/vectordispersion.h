#ifndef VECTORDISPERSION_H
#define VECTORDISPERSION_H

// Group index n_g = d beta/dk (k = 2 pi/lambda = omega/c) and dispersion of
// an exact vector mode (vectormodes.h), from the derivative of its eigenvalue
// relation.
//
// Group index. The mode obeys G(U, V, nbar) = 0 with G the pole-free
// characteristic of its family (TE: the TM one with nbar = 1; Snyder & Love,
// Optical Waveguide Theory (1983), ch. 12), V = k a (n1^2 - n2^2)^(1/2) and
// nbar = n2^2/n1^2. Along k, by the implicit-function theorem,
//     dU/dk = -(G_V dV/dk + G_nbar dnbar/dk) / G_U,
//     dV/dk = a NA + k a (n1 n1' - n2 n2')/NA,   dnbar/dk = 2 n2 n2'/n1^2 - 2 n2^2 n1'/n1^3,
// and from beta^2 = k^2 n1^2 - U^2/a^2
//     n_g = (k n1^2 + k^2 n1 n1' - U U'/a^2) / beta.
// The partial derivatives of G are fourth-order central differences with
// steps a thousandth of the scale on which G varies (1 in U and V, W^2/(2V)
// near cutoff where W = (V^2 - U^2)^(1/2) changes fastest; 1e-4 in nbar): their
// truncation and rounding errors are near 1e-12 relative, and so is n_g
// (checked against TE_0n = LP_1n, whose closed-form dU/dV is independent, and
// five-point differences of beta(k)).
//
// Dispersion. beta2 = d2 beta/domega2 = (dn_g/dk)/c^2 and D = -(2 pi c/lambda^2)
// beta2, with dn_g/dk a five-point central difference of the n_g above at
// k +- h, k +- 2h. There the mode is re-solved by Newton's method on G from
// the tangent U + U' dk (two or three steps to full precision). The step
// h = 1e-3 k min(1, W^2/(2 V^2)) keeps V off the cutoff; with n_g good to
// 1e-12 beta2 is good to about 1e-7 relative away from cutoff.
//
// Material dispersion as for the LP modes (modeproperties.h): both indices
// follow fused silica's Sellmeier curve through their typed values (the core
// a constant step above the cladding), n1' = n2' = dn/dk of silica; the
// waveguide part alone holds the indices constant. A mode at cutoff (W = 0),
// or one that cannot be followed to k +- 2h, gives NaN.

#include "vectormodes.h"

// dnDk: d n/dk of both indices (0 without material dispersion), m.
double vectorGroupIndex(const StepIndexFiber &fiber, const VectorMode &mode, double dnDk);

struct VectorDispersion {
    double groupIndex = 0.0;          // n_g (material part included when asked)
    double beta2 = 0.0;               // ps^2/km
    double dispersion = 0.0;          // D, ps/(nm km)
    double waveguideDispersion = 0.0; // D with constant indices, ps/(nm km)
};

VectorDispersion vectorDispersion(const StepIndexFiber &fiber, const VectorMode &mode,
                                  bool materialDispersion);

#endif // VECTORDISPERSION_H
