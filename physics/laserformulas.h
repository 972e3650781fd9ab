#ifndef LASERFORMULAS_H
#define LASERFORMULAS_H

// Closed-form laser quantities shown on the continuous-wave, pulsed and
// laser-parameter pages. Every routine takes SI values (wavelengths in metres
// unless a parameter name says nm) and is evaluated in a fixed operation
// order: the pages print these results with few digits, and reordering a
// product or quotient can move the last displayed digit.
//
// The speed of light is the rounded c = 3e8 m/s throughout, not 299792458:
// the displayed defaults (for example ν = 2.82e+14 Hz at 1064 nm) are the
// rounded-constant values users compare against.
//
// Nothing here checks its inputs: a zero divisor gives inf or NaN, which the
// pages format and show like any other number.

namespace laser {

constexpr double kSpeedOfLight = 300000000.0; // m/s

// ---- Continuous-wave laser -------------------------------------------------

// Optical frequency ν = c/λ in Hz, λ in metres.
double opticalFrequency(double wavelength);

// Coherence time τ_c = 1/Δν in s, Δν in Hz.
double coherenceTime(double linewidthHz);

// Coherence length L_C = c·τ_c in m.
double coherenceLength(double coherenceTimeS);

// Spectral width in frequency from its wavelength form, Δν = c·Δλ/λ²:
// (Δλ × c) / (λ × λ × 1e9), Δλ in nm, λ in m, result in Hz.
double linewidthHzFromNm(double linewidthNm, double wavelength);

// The inverse, Δλ = Δν·λ²/c: Δν × λ × λ / c × 1e9, result in nm.
double linewidthNmFromHz(double linewidthHz, double wavelength);

// ---- Pulsed laser ----------------------------------------------------------

// Pulse energy E = P_ave/f in J.
double pulseEnergy(double averagePower, double repetitionRate);

// Peak power P_peak = E/τ in W. No pulse-shape factor: the pulse is treated
// as a rectangle of width τ (for a Gaussian of FWHM τ the true peak is
// 0.94·E/τ).
double peakPower(double pulseEnergyJ, double pulseWidth);

// ---- Laser parameters ------------------------------------------------------

// Longitudinal mode spacing of a linear cavity, Δν = c/(2nL) in Hz, evaluated
// as (c/2)/n/L.
double longitudinalModeSpacing(double refractiveIndex, double cavityLength);

struct OpticalEfficiencies {
    double laser;     // η_o = P_out/(P_pump − P_res)
    double amplifier; // η_a = (P_out − P_in)/(P_pump − P_res)
};

// Optical-to-optical efficiencies against the absorbed pump power.
OpticalEfficiencies opticalEfficiencies(double pumpPower, double residualPump, double outputPower,
                                        double inputPower);

// What makes an efficiency input impossible, checked in this order:
//   NoAbsorbedPump     P_pump <= P_res (nothing absorbed, or NaN)
//   NoGain             P_out <= P_in (an amplifier must add power)
//   MoreThanAbsorbed   P_out - P_in > P_pump - P_res (energy conservation:
//                      η_a above 1, allowing 1e-16 for rounding)
// η_o = P_out/(P_pump − P_res) is a laser's efficiency: with a strong seed
// (P_in > 0) the output may exceed the absorbed pump and η_o above 1 is no
// fault, so it is not checked; laserEfficiencyApplies() says whether η_o is a
// meaningful efficiency (at most 1) for showing.
enum class EfficiencyProblem { None, NoAbsorbedPump, NoGain, MoreThanAbsorbed };
EfficiencyProblem efficiencyProblem(double pumpPower, double residualPump, double outputPower,
                                    double inputPower);
bool laserEfficiencyApplies(const OpticalEfficiencies &eta);

// True when the amplifier efficiency lies in (0, 1] (1e-16 allowance) and the
// laser efficiency is positive; NaN fails. Equivalent to efficiencyProblem()
// returning None for finite powers.
bool efficienciesPlausible(const OpticalEfficiencies &eta);

// Quantum defect QD = (λ2 − λ1)/λ2 between pump λ1 and signal λ2 (any common
// unit), and the Stokes efficiency QR = 1 − QD.
double quantumDefect(double pumpWavelength, double signalWavelength);
double stokesEfficiency(double quantumDefectValue);

// The defect is meaningful only for a signal longer than the pump: false when
// QD < 1e-16 (λ2 ≤ λ1 up to rounding).
bool quantumDefectPlausible(double quantumDefectValue);

} // namespace laser

#endif // LASERFORMULAS_H
