#ifndef CYLINDERFUNCTIONS_H
#define CYLINDERFUNCTIONS_H

// Solutions of Bessel's equation of integer order m in one homogeneous layer
// of a fiber, and the propagation of a radial solution across that layer.
//
// In a layer of index n the scalar field psi(r) of azimuthal order m obeys
//     psi'' + psi'/r + (s - m^2/r^2) psi = 0,   s = k0^2 (n^2 - neff^2),
// whose solutions are cylinder functions of x = sqrt(|s|) r:
//     s > 0:  J_m(x), Y_m(x)     (oscillating; Wronskian J Y' - J' Y = 2/(pi x))
//     s < 0:  I_m(x), K_m(x)     (evanescent;  Wronskian I K' - I' K = -1/x)
//     s = 0:  r^m, r^-m (1, ln r for m = 0), used when s r^2 is so small that
//             the cylinder functions differ from them by less than a part in 1e15.
// (DLMF 10.5.2, 10.28.2; Abramowitz & Stegun 9.1.16, 9.6.15.) Derivatives from
// Z_m' = Z_{m-1} - (m/x) Z_m (J, Y, I) and K_m' = -K_{m-1} - (m/x) K_m.
//
// A solution is carried as (psi, dpsi/dr) at a radius; across a layer its
// coefficients in the layer's basis come from the Wronskian, so no matrix is
// inverted. Bessel values are Boost.Math's in double; arguments where they
// overflow or underflow (very high order at a tiny argument) give non-finite
// results that the callers treat as a failed evaluation.

#include <boost/math/policies/policy.hpp>

namespace cylinder {

using Policy = boost::math::policies::policy<
    boost::math::policies::promote_double<false>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

enum class Kind { Oscillating, Evanescent, Power };

// The basis of a layer: kind and radial wavenumber sqrt(|s|) (1/m; 0 for Power).
struct Layer {
    Kind kind = Kind::Power;
    double k = 0.0;
    int m = 0;
};

// The basis at index n and effective index neff (k0 = 2 pi / lambda), with the
// Power kind chosen when |s| r_max^2 < 1e-15 (r_max the layer's outer radius).
Layer layerBasis(int m, double k0, double n, double neff, double rMax);

// Values and r-derivatives of the two basis functions at r, and their
// Wronskian f1 d2 - d1 f2.
struct Basis {
    double f1 = 0.0, d1 = 0.0, f2 = 0.0, d2 = 0.0;
    double wronskian = 0.0;
};
Basis evaluate(const Layer &layer, double r);

// The coefficients (A, B) of psi = A f1 + B f2 with the given value and
// derivative at r.
struct Coefficients {
    double a = 0.0, b = 0.0;
};
Coefficients coefficients(const Layer &layer, double r, double psi, double dpsi);

// psi and dpsi/dr at r of A f1 + B f2.
struct Value {
    double psi = 0.0, dpsi = 0.0;
};
Value value(const Layer &layer, const Coefficients &c, double r);

// Sign changes of A f1 + B f2 on (r0, r1]: exact, since for x >= 1 zeros of a
// cylinder function lie more than pi/sqrt(1.25) apart in x and for x < 1 more
// than 2.8 x (Sturm comparison for sqrt(x) psi), and the samples lie closer
// (steps of at most 1 in x, at most x/2 below x = 1); evanescent and power
// solutions have at most one zero (I/K and r^2m are monotonic).
int zeroCount(const Layer &layer, const Coefficients &c, double r0, double r1);

// W K_{m-1}(W)/K_m(W) + m for W > 0: minus W K_m'(W)/K_m(W), from the ratio
// recurrence of besselkratio.h.
double kLogDerivative(int m, double w);

} // namespace cylinder

#endif // CYLINDERFUNCTIONS_H
