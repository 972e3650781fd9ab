#ifndef FIBERPARAMS_H
#define FIBERPARAMS_H

// Small fiber quantities: doping concentration from small-signal absorption,
// intrinsic loss from a cut-back style power measurement, the cladding fill
// factor, and the numerical aperture / core index pair of a step-index fiber.
// Each expression is evaluated in the order noted beside it so the displayed
// digits are reproducible. Nothing is checked; zero divisors give inf/NaN.

namespace fiberparams {

// Ion concentration N [1/m³] of a gain fiber from its small-signal cladding
// absorption α [dB/m] at the pump wavelength and the absorption cross-section
// σ [m²]: α_np = α / 4.343 (dB to nepers) is the core absorption σN diluted by
// the core-to-cladding area ratio, so N = α b² / (4.343 σ a²).
// Core and cladding are passed as radii in μm; they enter as diameters in m,
// order α × D_b × D_b / 4.343 / σ / D_a / D_a with D = r × 2 × 1e-6.
double dopingConcentration(double coreRadiusUm, double claddingRadiusUm, double absorptionDbPerM,
                           double crossSection);

// Total loss [dB] of a fiber that turns P_in into P_out: log10(P_out / P_in) × (−10).
// Not positive when P_out >= P_in; −inf when P_in = 0.
double totalLossDb(double powerIn, double powerOut);

// Loss per metre [dB/m]: total / L.
double averageLossDbPerM(double totalLossDb, double length);

// True when the total loss is below 1e-16 dB, i.e. the output power is not
// below the input power (−inf for P_in = 0 included). NaN (0/0) compares false
// and is shown as computed.
bool isNoLoss(double totalLossDb);

// Cladding fill factor (a / b)² (any common length unit).
double fillFactor(double coreRadius, double claddingRadius);

// NA = sqrt(n1² − n2²); NaN when n1 < n2.
double numericalAperture(double n1, double n2);

// Core index from NA and cladding index: sqrt(NA² + n2²).
double coreIndexFromNA(double na, double n2);

// End-face angle in radians, order degrees / 180 × π.
double degreesToRadians(double degrees);

// The largest NA the end-face tab accepts when it rebuilds n1 from NA.
constexpr double kMaxNumericalAperture = 0.5;

} // namespace fiberparams

#endif // FIBERPARAMS_H
