#ifndef LAYEREDVECTOR_H
#define LAYEREDVECTOR_H

// The exact (vector) modes TE_0n, TM_0n, HE_nu,n and EH_nu,n of a fiber of
// concentric homogeneous layers (layeredmodes.h), each grouped under the LP
// mode it becomes in the weak-guidance limit (as in vectormodes.h).
//
// Model: Maxwell's equations in each layer, fields ~ exp(i(omega t - beta z)),
//     E_z = e(r) cos(nu phi),  Z0 H_z = h(r) sin(nu phi),
// e and h cylinder functions of order nu (cylinderfunctions.h), and the
// tangential components (Okamoto, Fundamentals of Optical Waveguides, 2nd ed.,
// eq. 3.8; common factors dropped)
//     e_phi = (beta nu e / r + k0 h') / S,   h_phi = -(beta nu h / r + k0 n^2 e') / S,
//     S = k0^2 (n^2 - neff^2).
// e, h, e_phi and h_phi are continuous at every interface: the multi-layer
// formulation of Yeh & Lindgren, Appl. Opt. 16, 483 (1977), carried here as
// the physical 4-vector (e, h, e_phi, h_phi) rather than a 4x4 matrix: in each
// layer the 4-vector gives (e, e', h, h'), each pair propagates as a scalar
// cylinder function, and the result is turned back. The two solutions regular
// on the axis (E_z- and H_z-started) are carried to the last radius and kept
// normalised and orthogonal (which changes their determinant by a positive
// factor only). A guided mode is a combination with no I_nu in the cladding:
//     D(neff) = A_e1 A_h2 - A_e2 A_h1 = 0,
// A the I_nu coefficients. For nu >= 1 the two regular solutions become
// parallel as neff crosses the centre layer's index (their transverse parts
// both tend to r^(nu-1)), which makes D change sign there without a mode; D
// is multiplied by the sign of S in the centre layer to remove that. For
// nu = 0 the two decouple: TE (h only) and TM (e only) each have their own A.
//
// Root search: the vector modes of order nu lie next to the LP modes of
// orders nu - 1 (HE) and nu + 1 (EH) (TE, TM next to LP_1n). The range is cut
// at the midpoints between those LP levels; each piece is searched for a sign
// change of D, pieces whose sign changes disagree with the LP count are cut
// finer, and each root is refined with toms748. `expected` and `found` report
// the count check: a mode missing near its cutoff is one whose vector cutoff
// lies above the LP one (it is then not guided).

#include "layeredmodes.h"
#include "vectormodes.h"

#include <vector>

struct LayeredVectorMode {
    VectorFamily family = VectorFamily::HE;
    int nu = 1;
    int n = 1;
    int lpM = 0;
    int lpN = 1;
    double neff = 0.0;
};

struct LayeredVectorSet {
    std::vector<LayeredVectorMode> modes; // grouped by LP mode in the LP order
    int expected = 0;                     // vector modes the LP modes imply (1, 3 or 2 per LP mode)
    int found = 0;
};

// D of order nu at neff (nu >= 1), or the TE (te = true) / TM function at nu = 0.
double layeredVectorCharacteristic(const LayeredFiber &fiber, int nu, double neff, bool te = false);

LayeredVectorSet solveLayeredVectorModes(const LayeredFiber &fiber,
                                         const std::vector<LayeredLpMode> &lpModes);

#endif // LAYEREDVECTOR_H
