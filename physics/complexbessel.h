#ifndef COMPLEXBESSEL_H
#define COMPLEXBESSEL_H

// Bessel functions of integer order and complex argument, for the
// mode-instability model (heat diffusion in a cylinder at a complex
// wavenumber q = sqrt(i w rhoC / kappa), so the arguments lie on the rays
// arg z = +-pi/4).
//
// Written from the mathematics in DLMF chapter 10 (Olver et al.,
// https://dlmf.nist.gov/10) and Abramowitz & Stegun chapter 9:
//   I_n, |z| <= 2        ascending series (DLMF 10.25.2);
//   I_n, 2 < |z| <= R_n  Miller's backward recurrence (DLMF 10.29.1), started
//                        far above n and |z| and normalised with
//                        e^z = I_0(z) + 2 sum_k I_k(z) (DLMF 10.35.1 at t = 1);
//   I_n, |z| > R_n       Hankel's expansion with both exponentials
//                        (DLMF 10.40.5), R_n = 20 + n^2;
//   K_0, K_1, |z| <= 2   logarithmic series (DLMF 10.31.1, 10.31.2);
//   K_0, K_1, |z| > 2    the Laplace integral DLMF 10.32.8 rewritten as
//                        sqrt(pi/2z) e^-z / Gamma(n+1/2)
//                          * int e^-u u^(n-1/2) (1 + u/2z)^(n-1/2) du,
//                        u = t^2, by the trapezoidal rule (exponentially
//                        convergent for this analytic, Gaussian-damped
//                        integrand; the step follows the distance of the
//                        branch point t^2 = -2z from the real axis);
//   K_n, n >= 2          upward recurrence K_{k+1} = K_{k-1} + (2k/z) K_k,
//                        the stable direction for K.
// Relative error below 1e-13 in |arg z| <= pi/2, measured against Arb
// (tests/modeinstability). Near the zeros of I_n on the imaginary axis
// (zeros of J_n) only the absolute error is small, as for any method.
//
// All functions are pure, allocation-free and thread-safe.

#include "complexnumber.h"

// I_nu(z), unscaled, for integer nu (negative orders by I_{-n} = I_n) and
// Re z >= 0. A non-integer or non-finite order, or an argument with a NaN or
// infinite part, gives NaN. Overflows to infinity where I_nu does (Re z above about 713).
Complex complexBesselI(double nu, const Complex &z);

// K_nu(z), unscaled, for integer nu (K_{-n} = K_n) and Re z >= 0, z != 0.
// K_nu(0) is (+inf, 0). A non-integer or non-finite order, or an argument
// with a NaN or infinite part, gives NaN. Underflows towards 0 for large Re z.
// Every evaluation takes a bounded number of steps.
Complex complexBesselK(double nu, const Complex &z);

// I_1(z) and K_1(z) together: exactly the values of complexBesselI(1, z) and
// complexBesselK(1, z), with |z| and the trigonometric factors they share
// computed once (the Green's function of the mode-instability model needs
// both at every grid radius).
void complexBesselI1K1(const Complex &z, Complex *i1, Complex *k1);

// J_nu(x) of real x for integer nu, through I_n(ix) = i^n J_n(x)
// (DLMF 10.27.6) and J_n(-x) = (-1)^n J_n(x). Absolute error about 1e-16
// near the zeros of J_n, relative error below 1e-13 elsewhere.
double realBesselJ(double nu, double x);

#endif // COMPLEXBESSEL_H
