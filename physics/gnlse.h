#ifndef GNLSE_H
#define GNLSE_H

// Pulse propagation in a single-mode fiber, one polarisation: the
// generalized nonlinear Schrödinger equation in the frequency domain
// (J. M. Dudley, G. Genty and S. Coen, Rev. Mod. Phys. 78, 1135 (2006),
// eq. (4); G. P. Agrawal, Nonlinear Fiber Optics, ch. 2.3):
//
//   ∂Ã/∂z = L(ω, z) Ã + i γ (1 + ω/ω0) F{ A(t) ∫ R(t') |A(t − t')|² dt' },
//   L(ω, z) = i Σ_{n≥2} β_n ωⁿ/n! − α/2 + g(ω, z)/2,
//
// A(t, z) the envelope in the frame moving at the group velocity at ω0
// (|A|² in W, t in ps), Ã(ω) = ∫ A e^{iωt} dt its spectrum at the offset ω
// from the carrier ω0 (so ω > 0 is the blue side), β_n in psⁿ/m (Taylor
// series about ω0), α the power loss, g(ω, z) an optional distributed power
// gain (a doped fiber: see pulsedamplifier.h), γ in 1/(W m),
// R = (1 − f_R) δ + f_R h_R (ramanresponse.h) and the factor (1 + ω/ω0) the
// self-steepening (shock) term; without it the factor is 1.
//
// Assumptions: slowly varying envelope (pulses of a few optical cycles and
// longer), one polarisation mode, γ independent of frequency, dispersion as a
// Taylor series, loss independent of frequency, no noise (no spontaneous
// Raman or quantum noise seed). The grid is periodic in time and frequency:
// energy that reaches a window's edge wraps around, so the result reports
// the share of energy at the edges and callers refuse an unresolved grid.
//
// Integrator: fourth-order Runge–Kutta in the interaction picture (RK4IP,
// J. Hult, J. Lightwave Technol. 25, 3770 (2007)) with its embedded
// third-order solution for local-error control (ERK4(3)-IP: S. Balac and
// F. Mahé, Comput. Phys. Commun. 184, 1211 (2013)). The third-order result
// reuses the nonlinear term at the end of the step, which is also the first
// one of the next (first same as last), so a step costs four nonlinear
// evaluations of three FFTs each. The relative local error
//   δ = ‖Ã₄ − Ã₃‖ / ‖Ã₄‖ = (h/10)‖k₄ − k₅‖ / ‖Ã₄‖
// is held below the tolerance; the step grows or shrinks by
// 0.9 (tol/δ)^{1/4}, by at most 2× up and 5× down. The linear operator is
// applied exactly (it is diagonal, so its z dependence through the gain is
// integrated exactly too: exp ∫ L dz over each half step).

#include "fftwplans.h"
#include "ramanresponse.h"

#include <complex>
#include <functional>
#include <string>
#include <vector>

namespace gnlse {

using Complex = std::complex<double>;

constexpr double kLightSpeedNmPerPs = 299792.458; // c in nm/ps
constexpr double kHbar = 1.054571817e-34;         // J s

// The periodic time grid and its frequency grid.
struct Grid {
    int points = 0;
    double windowPs = 0;
    double dtPs = 0;
    double omega0 = 0;          // carrier, rad/ps
    std::vector<double> timePs; // t_j = (j − N/2) Δt, j = 0 … N − 1
    std::vector<double> omega;  // offsets in FFT order: k Δω, then (k − N) Δω
};

// Refuses (returns a Chinese message) a grid that cannot work: fewer than 64
// or an odd number of points, a non-positive window or wavelength, or a
// frequency window reaching zero absolute frequency (too many points for the
// window at this wavelength).
std::string makeGrid(int points, double windowPs, double centreWavelengthNm, Grid &grid);

// Gain of a doped fiber that depends on z only through the ions' upper-level
// fraction n(z): g(ω, z) = perInversion(ω) n(z) + offset(ω) (power, 1/m),
// vectors on the grid's omega (FFT order); inversionIntegral(z) = ∫_0^z n dz.
struct DistributedGain {
    std::vector<double> perInversion;
    std::vector<double> offset;
    std::function<double(double)> inversionIntegral;
};

struct Fiber {
    double lengthM = 0;
    std::vector<double> betas; // β2, β3, … in psⁿ/m
    double lossDbPerM = 0;     // background loss, all frequencies
    double gamma = 0;          // 1/(W m)
    bool selfSteepening = false;
    RamanModel raman = RamanModel::None;
    const DistributedGain *gain = nullptr; // not owned; null: passive fiber
};

// What the step-size control holds below the tolerance per step.
//  * LocalError: the embedded ERK4(3) estimate above (any fiber).
//  * PhotonNumber: the relative change of the photon number Σ|Ã|²/(ω0 + ω)
//    over the step beyond the loss (the conservation-quantity error method,
//    A. M. Heidt, J. Lightwave Technol. 27, 3984 (2009)). The GNLSE with
//    Raman and self-steepening conserves it exactly, also on the discrete
//    grid, so its change measures the integration error alone; it takes far
//    fewer steps for the same accuracy in supercontinuum cases. A fiber with
//    gain falls back to LocalError (gain changes the photon number).
enum class ErrorMeasure { LocalError, PhotonNumber };

struct Settings {
    double tolerance = 1e-6; // relative error per step (see ErrorMeasure)
    ErrorMeasure error = ErrorMeasure::LocalError;
    int snapshots = 0;      // z positions kept, evenly spaced, ends included (0 or ≥ 2)
    long maxSteps = 400000; // accepted + rejected steps before giving up
    // Called after each accepted step with z/L; returning false cancels.
    std::function<bool(double)> progress;
};

struct Snapshot {
    double zM = 0;
    std::vector<double> powerW;   // |A(t_j)|², time order
    std::vector<double> spectrum; // |Ã(ω_k)|² in FFT order, W ps² (energy per dω/2π)
};

enum class Status { Done, Cancelled, Invalid, Failed };

struct Result {
    Status status = Status::Invalid;
    std::string message;        // Chinese; empty when done
    std::vector<Complex> field; // A(t_j, L), W^½, time order
    long acceptedSteps = 0;
    long rejectedSteps = 0;
    double bIntegralRad = 0;      // ∫ γ max_t |A|² dz
    double timeEdgeShare = 0;     // energy share in the outer 5 % of the time window
    double spectrumEdgeShare = 0; // and of the frequency window
    std::vector<Snapshot> snapshots;
};

Result propagate(const Grid &grid, const Fiber &fiber, const std::vector<Complex> &input,
                 const Settings &settings = Settings());

// The spectrum Ã(ω_k) (FFT order, W^½ ps) of a field on the grid and back.
std::vector<Complex> toSpectrum(const Grid &grid, const std::vector<Complex> &field);
std::vector<Complex> toField(const Grid &grid, const std::vector<Complex> &spectrum);

} // namespace gnlse

#endif // GNLSE_H
