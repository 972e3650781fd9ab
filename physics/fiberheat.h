#ifndef FIBERHEAT_H
#define FIBERHEAT_H

// Steady-state heat in a double-clad fiber whose core carries the heat load:
// the core temperature, the surface (coating) temperature and the thermal lens.
//
// Model: heat q [W/m] deposited uniformly over the core radius a, conducted
// through glass of conductivity k out to the radius b, where a coolant at T_c
// takes it by convection with the coefficient h (the coating is thin and
// thermally part of the surface film). Radial conduction only (∂T/∂z
// neglected: the heat varies over metres, the fiber is a fraction of a
// millimetre wide). Closed forms (W. A. Brown and H. J. Hoffman, IEEE J.
// Quantum Electron. 37, 207 (2001), eqs. 3-5):
//     T(r) = T_c + q/(2π b h) + q/(4πk) [1 − r²/a² + 2 ln(b/a)],   r <= a,
//     T(r) = T_c + q/(2π b h) + q/(2πk) ln(b/r),                     a <= r <= b,
// so the core centre sits ΔT = (q/4πk)[1 + 2 ln(b/a) + 2k/(b h)] above the
// coolant and the surface q/(2π b h) above it.
//
// Thermal lens: inside the core the index falls parabolically,
// n(r) = n(0) − (dn/dT) q r²/(4πk a²). That graded-index duct on its own guides
// a Gaussian mode of radius w_th with w_th⁴ = 2 k λ² a² / (π n (dn/dT) q)
// (harmonic-oscillator solution of the scalar wave equation), and over a
// length L acts as a thin lens of focal length f = 2π k a² / ((dn/dT) q L)
// (W. Koechner, Solid-State Laser Engineering, §7.1, without the stress
// terms). When w_th comes down to the size of the fiber's own mode the
// thermal guide takes over and the mode shrinks with growing power: the
// collapse J. W. Dawson et al., Opt. Express 16, 13240 (2008), §2.3, place at
// q = π k λ² / (2 (dn/dT) a²) (powerlimits.h), where w_th = (4/(π² n))^¼ a.
//
// Inputs SI. Nothing is checked here (the callers check ranges): a <= 0,
// b < a, k <= 0 or h <= 0 give inf or NaN.

#include <vector>

namespace fiberheat {

struct HeatGeometry {
    double coreRadius = 0;         // a, m
    double outerRadius = 0;        // b, m: the convectively cooled surface
    double conductivity = 0;       // k, W/(m K)
    double heatTransfer = 0;       // h, W/(m² K)
    double coolantTemperature = 0; // T_c, K
};

// Core-centre temperature rise over the coolant, (q/4πk)[1 + 2 ln(b/a) + 2k/(b h)] [K].
double coreTemperatureRise(const HeatGeometry &g, double heatPerLength);

// The temperature T(r) [K] of the closed form above, 0 <= r <= b.
double temperatureAt(const HeatGeometry &g, double heatPerLength, double r);

// Surface (coating) temperature T_c + q/(2π b h) [K].
double surfaceTemperature(const HeatGeometry &g, double heatPerLength);

// The heat per length [W/m] at which the core centre reaches T_max.
double heatForCoreTemperature(const HeatGeometry &g, double maxTemperature);

// Radius [m] of the mode the thermal index duct alone guides, see above.
double thermalGuideModeRadius(double coreRadius, double conductivity, double thermoOptic,
                              double index, double wavelength, double heatPerLength);

// Thin-lens focal length [m] of the heated core over the length L, see above.
double thermalLensFocalLength(double coreRadius, double conductivity, double thermoOptic,
                              double heatPerLength, double length);

// Core-centre temperature [K] at each sample of a heat profile q(z) [W/m]
// (from the amplifier's z-resolved heat load): the radial closed form at every
// z, valid while q changes little over a few fiber diameters.
std::vector<double> coreTemperatureProfile(const HeatGeometry &g,
                                           const std::vector<double> &heatPerLength);

} // namespace fiberheat

#endif // FIBERHEAT_H
