#ifndef RAMANRESPONSE_H
#define RAMANRESPONSE_H

// The delayed (Raman) part of the Kerr response of fused silica, h_R(t)
// (t ≥ 0, ∫ h_R dt = 1), and the fraction f_R of the nonlinearity it carries:
//     R(t) = (1 − f_R) δ(t) + f_R h_R(t).
//
// Models:
//  * Blow–Wood: one damped oscillator, h = (τ1² + τ2²)/(τ1 τ2²) e^{−t/τ2}
//    sin(t/τ1), τ1 = 12.2 fs, τ2 = 32 fs, f_R = 0.18 (K. J. Blow and D. Wood,
//    IEEE J. Quantum Electron. 25, 2665 (1989)). Good for pulses longer than
//    about 50 fs; it underestimates the gain below 5 THz and beyond 15 THz.
//  * Lin–Agrawal: adds the Boson-peak (low-frequency) part,
//    h = (1 − f_b) h_BW + f_b (2τb − t)/τb² e^{−t/τb}, f_b = 0.21, τb = 96 fs,
//    f_R = 0.245 (Q. Lin and G. P. Agrawal, Opt. Lett. 31, 3086 (2006)).
//  * Hollenbeck–Cantrell: intermediate-broadening fit of 13 vibrational modes,
//    h ∝ Σ (A'_i/ω_i) e^{−γ_i t} e^{−Γ_i² t²/4} sin(ω_i t), A'_i = A_i ω_i,
//    γ_i = π c (Lorentzian FWHM), Γ_i = π c (Gaussian FWHM), f_R = 0.2
//    (D. Hollenbeck and C. D. Cantrell, J. Opt. Soc. Am. B 19, 2886 (2002),
//    Table 1: positions, peak intensities, Gaussian and Lorentzian widths).
// Each model carries the fraction published with it.
//
// Sampling: the pulse solver convolves the sampled intensity with the
// response sampled on its own time grid, h_R(k Δt) for k = 0 … N/2 − 1
// (trapezoidal weight ½ at k = 0), the weights scaled to sum to one so that
// the discrete response passes a constant intensity unchanged exactly; this is
// the sampling of the reference codes of J. M. Dudley, G. Genty and S. Coen,
// Rev. Mod. Phys. 78, 1135 (2006).

#include <vector>

namespace gnlse {

enum class RamanModel { None, BlowWood, LinAgrawal, HollenbeckCantrell };

// f_R of the model (0 for None).
double ramanFraction(RamanModel model);

// h_R(t) in 1/ps at t in ps (0 for t < 0 and for None); normalised so that
// ∫_0^∞ h_R dt = 1 to within the model's closed form (Hollenbeck–Cantrell is
// normalised numerically).
double ramanResponse(RamanModel model, double tPs);

// The convolution weights on a grid of `points` samples spaced `dtPs`:
// w[k] for lag k Δt, k < points/2, zero for the other half (causal, and no
// wrap-around of the circular convolution into negative lags), Σ w = 1.
std::vector<double> ramanWeights(RamanModel model, int points, double dtPs);

} // namespace gnlse

#endif // RAMANRESPONSE_H
