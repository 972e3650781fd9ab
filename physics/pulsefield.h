#ifndef PULSEFIELD_H
#define PULSEFIELD_H

// Input pulses on the grid of gnlse.h and the figures read off a field:
// energy, photon number, peak power, durations and spectral widths, the
// spectral energy density per wavelength, and a spectral filter.
//
// Shapes (intensity FWHM in terms of T0, Agrawal, Nonlinear Fiber Optics,
// ch. 3): sech, A = √P0 sech(t/T0), FWHM = 2 arccosh(√2) T0 ≈ 1.7627 T0,
// E = 2 P0 T0; Gaussian, A = √P0 exp(−t²/2T0²), FWHM = 2 √(ln 2) T0,
// E = √π P0 T0; super-Gaussian of order m, A = √P0 exp(−(t/T0)^{2m}/2),
// FWHM = 2 (ln 2)^{1/2m} T0, E = 2 Γ(1 + 1/2m) P0 T0. A linear chirp C
// multiplies A by exp(−i C t²/2T0²) (C > 0: frequency rising along the pulse).

#include "gnlse.h"

#include <string>
#include <vector>

namespace gnlse {

enum class PulseShape { Sech, Gaussian, SuperGaussian };

struct PulseSpec {
    PulseShape shape = PulseShape::Sech;
    double t0Ps = 0.1;     // T0
    double peakPowerW = 1; // P0
    double chirp = 0;      // C
    int order = 3;         // m of the super-Gaussian
};

// T0 of a shape for an intensity FWHM, and the energy (pJ) of P0 = 1 W, T0 = 1 ps.
double t0FromFwhm(const PulseSpec &spec, double fwhmPs);
double unitEnergyPj(const PulseSpec &spec);

std::vector<Complex> makePulse(const Grid &grid, const PulseSpec &spec);

double energyPj(const Grid &grid, const std::vector<Complex> &field); // Σ |A|² Δt
double peakPowerW(const std::vector<Complex> &field);
// Number of photons, Σ_k dE_k / ħ(ω0 + ω_k), from the spectrum of the field.
double photonNumber(const Grid &grid, const std::vector<Complex> &field);

// Full width at half maximum of sampled values along an axis: the
// outermost half-maximum crossings, linearly interpolated. 0 if fewer than
// two samples lie above half the maximum. The axis ascends; it need not be
// equidistant.
double fullWidthHalfMaximum(const std::vector<double> &axis, const std::vector<double> &values);
double durationFwhmPs(const Grid &grid, const std::vector<Complex> &field);

// Spectral energy density on the wavelength axis, ascending in wavelength:
// dE/dλ = (|Ã|²/2π) (2πc/λ²) in pJ/nm.
struct WavelengthSpectrum {
    std::vector<double> wavelengthNm;
    std::vector<double> pjPerNm;
};
WavelengthSpectrum wavelengthSpectrum(const Grid &grid, const std::vector<Complex> &field);
// 10 lg of the density in pJ/nm, floored 200 dB below its maximum (so a
// spectrum with empty bins stays finite).
std::vector<double> decibels(const std::vector<double> &pjPerNm);
// FWHM of dE/dλ, nm (on the non-uniform wavelength axis).
double spectralFwhmNm(const Grid &grid, const std::vector<Complex> &field);

// Keeps only the spectral components with wavelength ≥ edgeNm (an ideal
// long-pass filter) and returns the filtered field.
std::vector<Complex> longPass(const Grid &grid, const std::vector<Complex> &field, double edgeNm);
// Time of the highest sample of |A|² (ps) and wavelength of the highest
// sample of dE/dλ (nm).
double peakTimePs(const Grid &grid, const std::vector<Complex> &field);
double peakWavelengthNm(const Grid &grid, const std::vector<Complex> &field);

} // namespace gnlse

#endif // PULSEFIELD_H
