#ifndef EXACTMODES_H
#define EXACTMODES_H

// Every guided LP mode of a step-index fiber, each eigenvalue solved to full
// double precision (the exact counterpart of the page's 10000-sample grid,
// modesolver.h, whose digits stay as they are).
//
// Model: scalar (weakly guiding) modes of a step-index fiber, core radius a,
// core index n1, cladding index n2, free-space wavelength lambda,
//     V = k0 a NA,  NA = sqrt(n1^2 - n2^2),  k0 = 2 pi / lambda,
//     U = a sqrt(k0^2 n1^2 - beta^2),  W = a sqrt(beta^2 - k0^2 n2^2),  U^2 + W^2 = V^2.
// LP_mn eigenvalue equation (Gloge, Appl. Opt. 10, 2252 (1971); Snyder & Love,
// Optical Waveguide Theory (1983), ch. 14):
//     U J_{m-1}(U) / J_m(U) = -W K_{m-1}(W) / K_m(W),   J_{-1} = -J_1, K_{-1} = K_1.
// The solver uses the pole-free form obtained by multiplying both sides by
// J_m(U) (see lpCharacteristic) and brackets the n-th root of order m between
//     m = 0:  j_{1,n-1} < U < min(V, j_{0,n})    (j_{1,0} = 0),
//     m >= 1: j_{m-1,n} < U < min(V, j_{m,n}),
// the Bessel zeros that are the mode's cutoff and its far-from-cutoff limit
// (Snyder & Love, ch. 14). In that interval J_{m-1} and J_m keep their signs
// and the characteristic function changes sign exactly once, so no mode is
// missed, none is found twice and no pole of the ratio form is taken for a
// root. LP_mn is guided when V exceeds its cutoff; the number of guided modes
// is the number of such cutoffs below V. Each root is refined with Boost.Math
// toms748_solve (Alefeld, Potra & Shi, ACM TOMS 21, 327 (1995)) until the
// bracket is a few ulps wide.
//
// Bessel functions: Boost.Math (J_n) and Boost.Math K_0, K_1 with the forward
// ratio recurrence of besselkratio.h for K_{m-1}/K_m.

#include "besselzeros.h"

#include <vector>

struct StepIndexFiber {
    double a = 0.0;      // core radius, m
    double lambda = 0.0; // free-space wavelength, m
    double n1 = 0.0;     // core index
    double n2 = 0.0;     // cladding index
};

// k0 a sqrt(n1^2 - n2^2), with n1^2 - n2^2 formed as (n1 - n2)(n1 + n2).
double fiberV(const StepIndexFiber &fiber);

struct LpMode {
    int m = 0;          // azimuthal order
    int n = 1;          // radial order
    double u = 0.0;     // U
    double w = 0.0;     // W
    double v = 0.0;     // V of the fiber
    double b = 0.0;     // normalized propagation constant W^2 / V^2
    double neff = 0.0;  // effective index sqrt(n2^2 + b (n1^2 - n2^2))
    double beta = 0.0;  // propagation constant k0 neff, 1/m
    double cutoffV = 0; // V below which the mode is not guided (0 for LP01)
};

// The pole-free characteristic function of order m at U for a fiber of
// normalized frequency V (0 <= U <= V):
//     h(U) = U J_{m-1}(U) + W [K_{m-1}(W)/K_m(W)] J_m(U),
// i.e. J_m(U) times the difference of the two sides of the eigenvalue equation.
// At W = 0 the second term is its limit 0.
double lpCharacteristic(int m, double u, double v);

// Every guided LP mode in table order (m ascending, then n ascending).
// Requires 0 < V and finite inputs with n1 > n2; otherwise the list is empty.
// `zeros` may hold a table covering lpZeroTable(V); when null (or too small)
// the solver takes the process-wide table of besselzeros.h.
std::vector<LpMode> solveExactLpModes(const StepIndexFiber &fiber,
                                      const BesselZeroTable *zeros = nullptr);

// The number of guided LP (m, n) pairs at V: the cutoffs j_{m-1,n} (m >= 1)
// and j_{1,n-1} (m = 0, with j_{1,0} = 0) below V.
int countGuidedLpModes(double v);

// The table the solver needs at V: orders 0 .. highestGuidedOrderBound(V) + 1,
// zeros up to V.
BesselZeroTable lpZeroTable(double v);

#endif // EXACTMODES_H
