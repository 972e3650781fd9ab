#ifndef VECTORPOWER_H
#define VECTORPOWER_H

// Power flow of an exact vector mode (vectormodes.h) of a step-index fiber:
// the fraction of its power carried in the core and inside a doped radius r_d
// (what gain models need), the effective area of its transverse electric
// field, (as a check of the fields) its energy velocity, and its transverse
// intensity map.
//
// Fields (Okamoto, Fundamentals of Optical Waveguides, 2nd ed., ch. 3; Snyder
// & Love, Optical Waveguide Theory (1983), ch. 12), lengths in units of the
// core radius a, epsilon0 = mu0 = c = 1 (so omega = k, epsilon = n^2):
//     E_z = A R(rho) cos(nu phi),   H_z = B R(rho) sin(nu phi),
//     R = J_nu(U rho) in the core, J_nu(U) K_nu(W rho)/K_nu(W) in the cladding,
// and the transverse fields from them (q^2 = U^2 in the core, -W^2 outside):
//     E_r   = -i/q^2 (beta dE_z/drho + k/rho dH_z/dphi),
//     E_phi = -i/q^2 (beta/rho dE_z/dphi - k dH_z/drho),
//     H_r   = -i/q^2 (beta dH_z/drho - k n^2/rho dE_z/dphi),
//     H_phi = -i/q^2 (beta/rho dH_z/dphi + k n^2 dE_z/drho).
// Continuity of E_phi at rho = 1 fixes, for HE and EH (nu >= 1),
//     B/A = -(beta/k) nu (1/U^2 + 1/W^2) / (a1 + b1),
//     a1 = J_nu'(U)/(U J_nu(U)),  b1 = K_nu'(W)/(W K_nu(W))
// (written with J_nu(U) multiplied through, so a zero of J_nu is no pole);
// TM_0n has B = 0 and TE_0n A = 0 (there nu = 0 and the fields do not depend
// on phi). The power P = (1/2) int Re(E x H*).z dA over core and cladding
// (radial integrals by adaptive Gauss-Kronrod quadrature, the angular ones pi or
// 2 pi) gives the core fraction; the stored energy per length
// W = (1/4) int (n^2 |E|^2 + |H|^2) dA gives the energy velocity P/W, which in
// a lossless waveguide of non-dispersive media equals the group velocity
// (Snyder & Love, ch. 31): n_g = W/P here is an independent check of the
// fields against vectordispersion.h.
//
// A mode at cutoff (W = 0), or whose K_nu(W) overflows (nu of order 100
// within about 1e-4 of its cutoff), gives NaN.

#include "vectormodes.h"

#include <vector>

struct VectorPower {
    double coreFraction = 0.0;  // P_core / P
    double dopedOverlap = 0.0;  // P(r < r_d) / P
    double groupIndex = 0.0;    // W / P (constant indices), for checks
    double effectiveArea = 0.0; // (int |E_t|^2 dA)^2 / int |E_t|^4 dA, m^2
};

// dopedRadius: r_d in metres (<= 0: overlap 0).
VectorPower vectorModePower(const StepIndexFiber &fiber, const VectorMode &mode,
                            double dopedRadius = 0.0);

// |E_t|^2 = |E_r|^2 + |E_phi|^2 of the mode in the orientation above (E_z ~
// cos(nu phi)) on the grid of the fiber-mode page's maps (fieldmaps.h: 501 x
// 501 points over +-2a, cell (i, j) at x = c_j, y = c_i), divided by its
// maximum; all NaN where the fields are (see above).
std::vector<double> vectorIntensityMap(const StepIndexFiber &fiber, const VectorMode &mode);

#endif // VECTORPOWER_H
