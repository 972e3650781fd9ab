#ifndef NONLINEAR_H
#define NONLINEAR_H

// Nonlinear limits of fiber lasers and amplifiers: stimulated Brillouin and
// Raman scattering thresholds, the Stokes-shifted wavelengths, the nonlinear
// phase of a pulse and the phase mismatch of four-wave mixing.
//
// Every routine evaluates its expression in one fixed order (noted beside it)
// so that the displayed digits are reproducible; algebraically equivalent
// rearrangements change the last digit of some results. Inputs are SI unless
// stated; "log" is the natural logarithm and no input is converted from dB.
// Nothing is checked: a zero divisor or a logarithm of 0 yields inf or NaN,
// which the caller shows as it is.
//
// Background: G. P. Agrawal, Nonlinear Fiber Optics (5th ed.), ch. 8 (SRS,
// SBS) and ch. 10 (four-wave mixing); R. G. Smith, Appl. Opt. 11, 2489 (1972)
// for the critical-power estimates (factors 16 and 21).

namespace nonlinear {

// Speed of light as used throughout the program's formulas (not 299792458).
constexpr double kLightSpeed = 3e8;

// Peak Brillouin gain g_b [m/W] = 8π²γ_e²T_b / (n λ_p² ρ c v_a).
// Order: γ_e × (γ_e × 8π²) × T_b / n / λ_p / λ_p / ρ / c / v_a.
double brillouinPeakGain(double gammaE, double phononLifetime, double n, double lambdaP,
                         double density, double soundSpeed);

// SBS threshold of an amplifier [W] = 21π r_eff² K ln(G) / (L g_b).
// Order: ln(G) × (r_eff × (r_eff × 21π) × K) / L / g_b.
double sbsThreshold(double rEff, double polarisationFactor, double gain, double length,
                    double peakGain);

// Stokes wavelength [m] after a frequency shift Δ [Hz]: 1 / (1/λ_p − Δ/c).
// A negative shift moves it to the short-wavelength side; 1/λ_p = Δ/c gives inf.
double stokesWavelength(double lambdaP, double frequencyShift);

// SRS threshold of a passive delivery fiber [W], Smith's critical power
//     P_th_d = 16 A_eff / (g_R L_eff),  A_eff = π r_eff²,
//     L_eff = (1 − e^(−α_s L)) / α_s  (→ L for α_s = 0).
// (R. G. Smith, Appl. Opt. 11, 2489 (1972), eq. 11; Agrawal §8.1.2.) The
// factor 16 is the Raman gain exponent g_R P L_eff / A_eff at which the
// Stokes wave grown from spontaneous scattering equals the transmitted pump.
double srsDeliveryThreshold(double rEff, double alphaS, double length, double ramanGain);

// Effective length of a passive fiber, (1 − e^(−αL))/α evaluated without
// cancellation (−expm1(−αL)/α); α = 0 gives the lossless limit L.
double lossyEffectiveLength(double alpha, double length);

// SRS threshold of a signal amplifier [W], referenced to the INPUT signal
// power (the output power is G times it):
//     P_th_a = x · q_in,   q_in = A_eff ln G / (g_R L (G − 1)),
//     x = 20.3 + ln β + ln(G q_in / 1 W).
// Derivation (written out in the help page on the nonlinear tab): the signal
// grows as P(z) = P_in G^(z/L), so the Raman exponent is
// x = g_R/A_eff ∫P dz = g_R P_in L (G − 1)/(A_eff ln G) = P_in / q_in. Raman
// light grown from the spontaneous seed P_eq reaches P_eq e^x at the output;
// the threshold is where that equals β times the output signal G P_in, so
// x = ln β + ln(G P_in / P_eq) = ln β + ln(G q_in) + ln x − ln P_eq. The
// program's calibration absorbs ln x − ln(P_eq / 1 W) into the constant 20.3
// (for β = 1 and G → 1 this reproduces Smith's exponent 16 for q ≈ 0.02 W).
// The threshold therefore rises with the allowed Raman fraction β. G is the
// linear gain factor (not dB); G = 1 gives the passive lossless limit
// q_in = A_eff/(g_R L). β = 0 gives −inf, G <= 0 NaN.
double srsAmplifierThreshold(double rEff, double gain, double ramanGain, double length,
                             double ratio);

// SRS threshold of an oscillator [W]:
// α_p π r_eff² / g_R × (α_s L − ½ ln(R_1 R_2)) / (1 − e^(−α_p L)).
// Order: (α_s × L − 0.5 × ln(R_2 × R_1)) × (r_eff × (α_p × π × r_eff) / g_R)
//        / (1 − exp(−α_p × L)); α_p = 0 takes the limit α_p / (1 − e^(−α_p L)) → 1 / L.
double srsOscillatorThreshold(double rEff, double alphaS, double alphaP, double length,
                              double ramanGain, double r1, double r2);

// Core area A = π a² [m²], order a × π × a.
double coreArea(double coreRadius);

// Nonlinear parameter γ = 2π n_2 / (λ A) [1/(W m)], order n_2 × 2π / λ / A.
double nonlinearParameter(double n2, double lambda, double area);

// Effective length of a lossy transmission fiber: (1 − e^(−αL)) / α;
// α = 0 gives its limit L (a lossless fiber), not 0/0.
double effectiveLengthTransmission(double alpha, double length);

// Effective length of a gain fiber: (e^(gL) − 1) / g; g = 0 gives its limit L.
double effectiveLengthGain(double gain, double length);

// Nonlinear phase ψ = γ P_peak L_eff [rad], order γ × P_peak × L_eff.
double nonlinearPhase(double gamma, double peakPower, double effectiveLength);

// Phase mismatch of four-wave mixing [rad/m]:
// Δk = 2π (n_2/λ_2 + n_3/λ_3 − 2 n_1/λ_1),
// order (n_3/λ_3 + n_2/λ_2 − (n_1 + n_1)/λ_1) × 2π.
double fwmPhaseMismatch(double lambda1, double lambda2, double lambda3, double n1, double n2,
                        double n3);

} // namespace nonlinear

#endif // NONLINEAR_H
