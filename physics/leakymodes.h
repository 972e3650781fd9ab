#ifndef LEAKYMODES_H
#define LEAKYMODES_H

// Leaky LP modes of a layered fiber whose last layer is a trench (index below
// the outer cladding's): modes confined by the trench but with neff below the
// outer index, which tunnel through the trench and radiate into the cladding.
// Their effective index is complex, neff = n' + i n'', and their power falls
// as exp(-2 k0 n'' z): loss = (20 / ln 10) k0 n'' dB/m.
//
// Model: the scalar field of layeredmodes.h in the layers, and in the outer
// cladding the outgoing wave H^(1)_m(kappa r), kappa = k0 sqrt(n_out^2 - neff^2)
// (fields ~ exp(i(beta z - omega t)); Marcuse, Theory of Dielectric Optical
// Waveguides, 2nd ed. (1991), ch. 1.7 and 2.7). The eigenvalue equation
//     G(neff) = psi'(R) H(kappa R) - psi(R) kappa H'(kappa R) = 0
// is analytic in neff. Its root is found from the real axis: G and its first
// three derivatives at a real n' (central differences of real-axis values,
// where all Bessel functions have real arguments, Boost.Math) give the Taylor
// polynomial whose root delta is the step to the complex root; n' moves by
// Re delta until that is below 1e-15, and neff = n' + delta. The Taylor
// remainder is estimated from the last term kept and reported; a mode whose
// estimate exceeds 1e-6 of |delta| (a loss so high that the polynomial cannot
// carry it) is flagged as not converged.
//
// Starting points: the real modes of the fiber whose trench extends to
// infinity (layeredmodes.h) whose neff lies below the outer index. Validity:
// losses small against the index scale of the profile (n'' << n_out - n'),
// which covers the bend- and trench-leakage losses of practical fibers.

#include "layeredmodes.h"

#include <vector>

struct LeakyLpMode {
    int m = 0;
    int n = 1;
    double neff = 0.0;     // real part n'
    double neffImag = 0.0; // n'' > 0
    double lossDbPerM = 0.0;
    double remainder = 0.0; // estimated error of neff (absolute)
    bool converged = false;
    LayeredModeField field; // of the confined fiber (trench to infinity) at n'
};

// The fiber whose last layer extends to infinity (the leaky modes' starting
// fiber); empty radii when the fiber has no trench as its last layer.
LayeredFiber confinedFiber(const LayeredFiber &fiber);

// Every leaky LP mode, in table order. Empty when the last layer is not a
// trench (its index not below the cladding's) or the fiber cannot be solved.
std::vector<LeakyLpMode> solveLeakyLpModes(const LayeredFiber &fiber);

#endif // LEAKYMODES_H
