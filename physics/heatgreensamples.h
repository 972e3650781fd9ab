#ifndef HEATGREENSAMPLES_H
#define HEATGREENSAMPLES_H

// Samples of the azimuthal-order-1 Green's function of the heat equation in a
// fiber whose pump-cladding surface r = b is cooled by convection, the kernel
// of the moving temperature grating in the mode-instability model
// (modeinstability.h):
//     g(r, r') = I_1(q r<) [K_1(q r>) + D I_1(q r>)],  q = sqrt(i 2 pi f rhoC / kappa),
//     D = -(K_0 + K_2 - H K_1)(q b) / (I_0 + I_2 + H I_1)(q b),  H = 2h / (q kappa)
// (Smith & Smith, Opt. Express 19, 10180 (2011); Hansen et al., Opt. Express
// 21, 1944 (2013)).
//
// The factors I_1(q r) and K_1(q r) + D I_1(q r) on the model's two radial
// grids depend on the cladding and doped radii, the thermal constants and the
// frequency offset f, and on nothing else: not on the core, its aperture or
// index, the wavelengths or the powers. They are also where the model spends
// most of its time (two complex Bessel functions at about 350 radii for each
// of 101 or more offsets). A sweep over core radius, aperture, wavelength or
// power therefore meets the same samples at every point, so the samples of the
// most recent thermal configurations are kept and handed out again. A sample
// handed out again is the very array computed before, so results do not depend
// on whether it was cached.

#include "complexnumber.h"

#include <memory>
#include <vector>

// The thermal configuration: grids and constants (SI units).
struct HeatGreenSetup {
    double claddingRadius = 0; // b, the outer grid's end
    double outerStep = 0;      // outer grid step
    double dopedRadius = 0;    // r_d, the inner grid's end
    double innerStep = 0;      // inner grid step
    double conductivity = 0;   // kappa, W/(m K)
    double heatCapacity = 0;   // rho*C, J/(m^3 K)
    double heatTransfer = 0;   // h, W/(m^2 K)
};

// q and D at one offset (kHz). Throws ComplexDivisionError when a complex
// divisor vanishes (kappa = 0 or rhoC = 0).
struct HeatGreenOffset {
    Complex q, d;
};
HeatGreenOffset heatGreenOffset(const HeatGreenSetup &setup, double offsetKHz);

// I_1(q r) and K_1(q r) + D I_1(q r) at every radius of the outer and inner
// grids, interleaved (re, im); zero at r = 0, where the model's terms vanish.
struct HeatGreenSamples {
    HeatGreenOffset offset;
    std::vector<double> outerI1, outerE, innerI1, innerE;
};

// The samples at each of `offsetsKHz` on the grids `outerRadii` and
// `innerRadii`, which must be the grids the setup's radii and steps define.
// Each is computed on first request, then shared. Thread-safe, and built for
// threads asking at once: each takes the offsets nobody has begun and then
// waits for the rest, so two threads starting on the same configuration split
// the work instead of doing it twice. The samples of the last few
// configurations are kept (a few megabytes at most). Rethrows what computing
// a sample threw (ComplexDivisionError); nothing failed is kept.
std::vector<std::shared_ptr<const HeatGreenSamples>> heatGreenSamples(
    const HeatGreenSetup &setup, const std::vector<double> &outerRadii,
    const std::vector<double> &innerRadii, const std::vector<double> &offsetsKHz);

// Forgets every kept sample (tests: the next request computes afresh).
void forgetHeatGreenSamples();

#endif // HEATGREENSAMPLES_H
