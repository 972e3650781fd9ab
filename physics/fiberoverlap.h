#ifndef FIBEROVERLAP_H
#define FIBEROVERLAP_H

// Overlap factors Γ of light with the Yb-doped region of a step-index fiber.
//
// Core-guided light (signal, ASE, core pump): the LP01 mode is approximated
// by a Gaussian of 1/e² intensity radius w given by Marcuse's fit
//     w / a = 0.65 + 1.619 V^(-3/2) + 2.879 V^(-6),  V = 2π a NA / λ
// (D. Marcuse, Bell Syst. Tech. J. 56, 703 (1977); within about 1 % of the
// exact mode-field radius for 1.2 < V < 2.4, and usable up to V ≈ 3.5 for the
// fundamental mode). The power inside the doped radius b is then
//     Γ = 1 − exp(−2 b² / w²).
//
// Cladding-guided pump: the pump fills the inner cladding of radius R
// uniformly (many modes, mode scrambling assumed), so Γ = b² / R².

namespace yb {

// Mode-field radius w (m) of LP01 by Marcuse's fit; a in m. V ≤ 0 gives NaN.
double marcuseModeFieldRadius(double coreRadius, double numericalAperture, double wavelength);

// Γ = 1 − exp(−2 b²/w²) with w from marcuseModeFieldRadius. Lengths in m.
double coreModeOverlap(double coreRadius, double dopedRadius, double numericalAperture,
                       double wavelength);

// Γ = min(1, b²/R²). Lengths in m.
double claddingPumpOverlap(double dopedRadius, double claddingRadius);

} // namespace yb

#endif // FIBEROVERLAP_H
