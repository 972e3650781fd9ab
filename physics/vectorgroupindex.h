#ifndef VECTORGROUPINDEX_H
#define VECTORGROUPINDEX_H

// Group index n_g = d beta/dk (k = 2 pi/lambda = omega/c) of an exact vector
// mode (vectormodes.h), from the derivative of its eigenvalue relation.
//
// The mode obeys G(U, V, nbar) = 0 with G the pole-free characteristic of its
// family (TE: the TM one with nbar = 1; Snyder & Love, Optical Waveguide
// Theory (1983), ch. 12), V = k a (n1^2 - n2^2)^(1/2) and nbar = n2^2/n1^2. Along
// k, by the implicit-function theorem,
//     dU/dk = -(G_V dV/dk + G_nbar dnbar/dk) / G_U,
//     dV/dk = a NA + k a (n1 n1' - n2 n2')/NA,   dnbar/dk = 2 n2 n2'/n1^2 - 2 n2^2 n1'/n1^3,
// and from beta^2 = k^2 n1^2 - U^2/a^2
//     n_g = (k n1^2 + k^2 n1 n1' - U U'/a^2) / beta.
// The partial derivatives of G are fourth-order central differences with
// steps a thousandth of the scale on which G varies (1 in U and V, W^2/(2V)
// near cutoff where W = (V^2 - U^2)^(1/2) changes fastest; 1e-4 in nbar): their
// truncation and rounding errors are near 1e-12 relative, and n_g - n1 is a
// small correction, so n_g is good to about 1e-12 (checked against TE_0n =
// LP_1n, whose closed-form dU/dV is independent, and five-point differences of
// beta(k)).
//
// Material dispersion as for the LP modes (modeproperties.h): n1' = n2' =
// d n/dk of fused silica (the core a constant step above the cladding), or 0
// for the waveguide part alone. A mode at cutoff (W = 0) gives NaN.

#include "vectormodes.h"

// dn_dk: d n/dk of both indices (0 without material dispersion), m.
double vectorGroupIndex(const StepIndexFiber &fiber, const VectorMode &mode, double dnDk);

#endif // VECTORGROUPINDEX_H
