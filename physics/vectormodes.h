#ifndef VECTORMODES_H
#define VECTORMODES_H

// The exact (vector) modes of a step-index fiber: TE_0n, TM_0n, HE_nu,n and
// EH_nu,n, each grouped under the LP mode it belongs to in the weak-guidance
// limit (Snyder & Love, Optical Waveguide Theory (1983), chapter 12 and table 14-1):
//     TE_0n, TM_0n, HE_2n  ->  LP_1n,   HE_1n -> LP_0n,
//     HE_{m+1},n, EH_{m-1},n  ->  LP_mn  (m >= 2).
//
// Eigenvalue equation (Snyder & Love, ch. 12), with
//     nbar = n2^2/n1^2,  a1 = J_nu'(U)/(U J_nu(U)),  b1 = K_nu'(W)/(W K_nu(W)):
//     (a1 + b1)(a1 + nbar b1) = nu^2 (1/U^2 + 1/W^2)(1/U^2 + nbar/W^2).
// Its two branches (Okamoto, Fundamentals of Optical Waveguides, 2nd ed., ch. 3):
//     HE:  J_{nu-1}(U)/(U J_nu(U)) = nu/U^2 - (1+nbar) b1/2 - R
//     EH:  J_{nu+1}(U)/(U J_nu(U)) = nu/U^2 + (1+nbar) b1/2 - R
//     R = sqrt(((1-nbar) b1/2)^2 + nu^2 (1/U^2 + 1/W^2)(1/U^2 + nbar/W^2)),
// and for nu = 0:  TE: J_1/(U J_0) = -K_1/(W K_0)  (exactly the LP_1n equation,
// so TE_0n has exactly the U of LP_1n),  TM: J_1/(U J_0) = -nbar K_1/(W K_0).
// Near W -> 0 the HE right side is a difference of two terms growing like
// 1/W^2; it is evaluated as N/D with N = b1^2 nbar - nu^2 PQ written so that the
// 1/W^4 terms cancel analytically (see vectormodes.cpp), so no digits are lost.
//
// Brackets: between consecutive zeros of J_nu the left sides are monotonic
// without poles, so each interval (j_{nu,k-1}, j_{nu,k}) holds at most one HE
// root (HE_nu,k) and one EH root (EH_nu,k-1); the solver multiplies the
// equations by J_nu(U) (and the EH one by W^2) to remove the poles and solves
// with toms748 to a few ulps. A mode whose b is below ~1e-14 (within a part in
// 1e14 of its cutoff) is not reported.
//
// Cutoffs: TE/TM_0n and EH_nu,n at j_{0,n} and j_{nu,n}; HE_1n at j_{1,n-1};
// HE_nu,n (nu >= 2) at the n-th root of (1 + n1^2/n2^2)(nu-1) J_{nu-1}(V) = V J_nu(V)
// (Snyder & Love, ch. 12; weak guidance takes it to j_{nu-2,n}).

#include "exactmodes.h"

#include <string>
#include <vector>

enum class VectorFamily { TE, TM, HE, EH };

struct VectorMode {
    VectorFamily family = VectorFamily::HE;
    int nu = 1;  // azimuthal order of the vector mode
    int n = 1;   // radial order
    int lpM = 0; // LP mode it belongs to
    int lpN = 1;
    double u = 0.0;     // U
    double w = 0.0;     // W
    double b = 0.0;     // W^2 / V^2
    double neff = 0.0;  // sqrt(n2^2 + b (n1^2 - n2^2))
    double beta = 0.0;  // k0 neff, 1/m
    double cutoffV = 0; // 0 for HE11
    // n_g, beta2 (ps^2/km), D and the waveguide part of D (ps/(nm km)) of
    // vectordispersion.h, set by computeExactModeSet.
    double groupIndex = 0.0;
    double beta2 = 0.0;
    double dispersion = 0.0;
    double waveguideDispersion = 0.0;
    // Core power fraction and power inside the doped radius (vectorpower.h),
    // set by computeExactModeSet.
    double corePowerFraction = 0.0;
    double dopedOverlap = 0.0;
    double effectiveArea = 0.0; // m^2, of |E_t|^2 (vectorpower.h)
};

// "01", "11", and "10,1" once an index has two digits (so "HE10,1" and
// "HE1,10" stay apart).
std::string orderLabel(int order, int radial);
// "TE01", "HE11", "EH21", "HE10,1" (family, nu, n).
std::string vectorModeName(const VectorMode &mode);

// The pole-free characteristic functions at U (0 < U < V), for tests and the
// solver: J_nu(U) times (left - right side) of the HE and EH equations (the EH
// one times W^2 as well) and J_0(U) times (left - right side) of the TM one.
double heCharacteristic(int nu, double u, double v, double nbar);
double ehCharacteristic(int nu, double u, double v, double nbar);
double tmCharacteristic(double u, double v, double nbar);

// Cutoff V of HE_nu,n for nu >= 2 (NaN when it cannot be bracketed).
double heCutoff(int nu, int n, double nbar);

// Every guided vector mode, grouped by LP mode in the order of `lpModes`
// (the list solveExactLpModes returned for the same fiber) and within a group
// by descending neff. `zeros` as for solveExactLpModes (null: built here).
std::vector<VectorMode> solveExactVectorModes(const StepIndexFiber &fiber,
                                              const std::vector<LpMode> &lpModes,
                                              const BesselZeroTable *zeros = nullptr);

#endif // VECTORMODES_H
