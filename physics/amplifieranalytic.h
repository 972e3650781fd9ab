#ifndef AMPLIFIERANALYTIC_H
#define AMPLIFIERANALYTIC_H

// Closed-form outputs of the two-level model of ybamplifier.h without
// spontaneous emission and without background loss (A. A. M. Saleh et al.,
// IEEE Photon. Technol. Lett. 2, 714 (1990); for Yb amplifiers and lasers
// I. Kelson and A. A. Hardy, IEEE J. Quantum Electron. 34, 1570 (1998), and
// C. Barnard et al., IEEE J. Quantum Electron. 30, 1817 (1994)).
//
// Dividing each channel equation by P_k shows that every channel's net gain
// is fixed by one number, X = ∫₀ᴸ n dz:
//     G_k = ln(P_k,out / P_k,in) = Γ_k Nt (σa_k + σe_k) X − (Γ_k Nt σa_k + α_k) L.
// Summing the photon fluxes with the rate equation gives the photon balance
//     Σ_k P_k,in (e^{G_k} − 1) / (h ν_k) + A_d Nt X / τ = 0,
// one transcendental equation in X, increasing in X, with its root in
// [0, L]; it is solved here by safeguarded Newton to rounding accuracy.
//
// Laser: the round trip R1 R2 e^{2 G_l} = 1 fixes X; the photon balance then
// gives the laser's total output, split between the ends by P+(z) P−(z) = const.
// Exact for α = 0 and no spontaneous terms; with α > 0 or ASE channels it is
// only an estimate (the solver uses it as its starting point).

#include "ybamplifier.h"

namespace yb {

struct ClosedFormOutputs {
    bool valid = false;
    double integratedUpperFraction = 0; // X = ∫ n dz, m
    std::vector<double> netGain;        // G_k, nepers (laser line: one pass)
    std::vector<double> outputPower;    // W leaving the fiber, per channel
    bool lasing = false;
    double laserForwardAtEnd = 0; // P+(L), W (inside the reflector)
};

ClosedFormOutputs closedFormOutputs(const AmplifierProblem &problem);

} // namespace yb

#endif // AMPLIFIERANALYTIC_H
