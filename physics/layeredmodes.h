#ifndef LAYEREDMODES_H
#define LAYEREDMODES_H

// Every guided LP mode of a fiber of any number of concentric homogeneous
// layers (W, pedestal, ring, trench-assisted fibers; one layer is the
// step-index fiber of exactmodes.h), each eigenvalue to full double precision.
//
// Model: scalar (weakly guiding) modes psi(r) cos(m phi) of the profile
//     n(r) = n_i  for R_{i-1} <= r < R_i  (R_0 = 0, i = 1 .. N),  n_clad for r >= R_N,
// at free-space wavelength lambda. In each layer psi is a cylinder function of
// order m (cylinderfunctions.h); psi and dpsi/dr are continuous at every R_i
// (the transfer-matrix method; e.g. Snyder & Love, Optical Waveguide Theory
// (1983), ch. 14; Yeh & Lindgren, Appl. Opt. 16, 483 (1977) for the vector
// form). The solution regular at r = 0 (J_m or I_m) is carried out to R_N, where
// it is written as A I_m + B K_m of the cladding; a guided mode is A = 0. The
// characteristic function is
//     F(neff) = [psi'(R_N) + psi(R_N) (gamma K_{m-1}(W)/K_m(W) + m/R_N)] / |(psi, psi'/gamma)|,
// W = gamma R_N, gamma = k0 sqrt(neff^2 - n_clad^2): A up to a positive factor,
// finite for every neff (no poles) and zero exactly at the modes.
//
// Root search that cannot miss a mode (Sturm oscillation theorem for the
// radial equation, a Sturm-Liouville problem in -beta^2; e.g. Courant &
// Hilbert, vol. 1, ch. VI): the number of modes of order m with neff above a
// level equals the number of zeros on (0, inf) of the regular solution at that
// level, which is counted exactly (zeros in the layers, cylinderfunctions.h,
// plus one in the cladding when psi(R_N) and A differ in sign). Intervals are
// halved until each holds one mode, whose root F changes sign across and is
// refined with Boost.Math toms748_solve (Alefeld, Potra & Shi, ACM TOMS 21,
// 327 (1995)). LP_mn is the mode with n - 1 radial zeros. A mode within a part
// in 1e14 of the cladding index (b < ~1e-14) is not reported, as in
// exactmodes.h.
//
// Validity: weak guidance (index differences small against the indices);
// vector modes in layeredvector.h. Indices constant in wavelength (no material
// dispersion): the group index and dispersion are the waveguide parts.

#include <string>
#include <vector>

struct LayeredFiber {
    std::vector<double> radii;   // outer radius of each layer, m, ascending, > 0
    std::vector<double> indices; // index of each layer, > 0
    double nClad = 0.0;          // index for r >= radii.back()
    double lambda = 0.0;         // free-space wavelength, m
};

// An empty string when the fiber can be solved, else the reason (naming the
// layer): radii ascending and positive, finite indices, some layer above the
// cladding.
std::string layeredFiberProblem(const LayeredFiber &fiber);

// The field of a mode: per layer its basis and coefficients, then the
// cladding's K_m coefficient; psi is continuous and of unit peak |psi|.
struct LayeredModeField {
    int m = 0;
    double neff = 0.0;
    std::vector<double> radii;
    std::vector<int> kinds;       // cylinder::Kind per layer
    std::vector<double> k;        // radial wavenumber (or reference radius) per layer
    std::vector<double> a, b;     // coefficients per layer
    double gammaClad = 0.0;       // 1/m
    double cladCoefficient = 0.0; // psi = c K_m(gamma r) for r >= R_N
    // psi and dpsi/dr at r >= 0.
    double psi(double r) const;
    double dpsi(double r) const;
};

struct LayeredLpMode {
    int m = 0;
    int n = 1;
    double neff = 0.0;
    LayeredModeField field;
};

// Characteristic function F(neff) of order m (above), and through `zeros` the
// number of zeros of the regular solution on (0, inf) when not null. NaN when
// a Bessel value over- or underflows.
double layeredCharacteristic(const LayeredFiber &fiber, int m, double neff, int *zeros = nullptr);

// Every guided LP mode in table order (m ascending, n ascending). Empty when
// layeredFiberProblem is not empty. `complete` (when not null) is false when
// some order could not be solved because a Bessel value over- or underflowed
// (very high orders at tiny arguments); those modes are missing from the list.
std::vector<LayeredLpMode> solveLayeredLpModes(const LayeredFiber &fiber, bool *complete = nullptr);

// The mode of order m whose root lies in (lo, hi), where F changes sign
// (NaN when it does not): for re-solving at a nearby wavelength.
double refineLayeredRoot(const LayeredFiber &fiber, int m, double lo, double hi);

// The field of the mode of order m at effective index neff.
LayeredModeField layeredModeField(const LayeredFiber &fiber, int m, double neff);

// psi and dpsi/dr at the last radius of the solution regular on the axis
// (J_m or I_m in the centre layer with unit coefficient), not normalised: an
// analytic function of neff wherever no layer's index equals neff (for the
// leaky-mode continuation of leakymodes.h).
struct LayeredEdge {
    double psi, dpsi;
};
LayeredEdge layeredEdge(const LayeredFiber &fiber, int m, double neff);

// Name of an LP mode, "LP01", "LP10,1" (orderLabel of vectormodes.h).
std::string lpModeName(int m, int n);

#endif // LAYEREDMODES_H
