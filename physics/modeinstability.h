#ifndef MODEINSTABILITY_H
#define MODEINSTABILITY_H

// Threshold of transverse mode instability in a uniformly doped double-clad
// fiber amplifier.
//
// LP01 and LP11 beat; the quantum-defect heat of the beat pattern, spread by
// conduction and removed by convection at the pump-cladding surface, writes a
// moving temperature (index) grating that couples the two modes. The coupling
// coefficient chi(f) as a function of the frequency offset f between the modes
// comes from the azimuthal-order-1 Green's function of the heat equation,
//     g(r, r') = I_1(q r<) [K_1(q r>) + D I_1(q r>)],  q = sqrt(i 2 pi f rhoC / kappa),
// with D fixed by the convective boundary at r = b (Smith & Smith,
// Opt. Express 19, 10180 (2011); Hansen et al., Opt. Express 21, 1944 (2013)).
// The higher-order-mode fraction then grows from the initial mode content and
// the signal's intensity noise as
//     xi(P) = eta0 (P0/P)^(1 - G11/G01)
//             * (1 + RIN/4 sqrt(2 pi G01 / |P c*|) exp((P - P0) chi_max / G01)),
// c* being the curvature of chi at its peak and G01, G11 the overlaps of the
// modes with the doped region. The threshold is the first P (1 W steps from
// 50 W) at which xi reaches 0.05.
//
// The offsets run from -5 to +5 kHz in 0.1 kHz steps. When the largest chi
// lies at either end the scan is no longer bracketing the peak (larger cores
// and claddings move it to lower offsets), so that side is widened by 5 kHz at
// a time, with the same step, until the peak is interior (at most +-50 kHz).
//
// The published figures of the page are defined by this discretisation (500,
// 250 and 100 radial steps, 101 offsets, the sums formed in a fixed order,
// even the offset step entering the curvature as 0.1 x 100 x 2 pi), so the
// arithmetic below is kept exactly as it is; see modeinstability.cpp.

#include <vector>

// Inputs in SI units.
struct ModeInstabilityInput {
    double coreRadius = 0;        // a, m
    double dopedRadius = 0;       // r_d, m
    double claddingRadius = 0;    // b (pump cladding), m
    double coreIndex = 0;         // n
    double numericalAperture = 0; // NA
    double signalWavelength = 0;  // lambda_s, m
    double pumpWavelength = 0;    // lambda_p, m
    double heatTransfer = 0;      // h, W/(m^2 K), convection at r = b
    double thermoOptic = 0;       // dn/dT, 1/K
    double conductivity = 0;      // kappa, W/(m K)
    double heatCapacity = 0;      // rho*C, J/(m^3 K)
    double initialFraction = 0;   // eta_0, initial power fraction of LP11
    double intensityNoise = 0;    // RIN
    double initialPower = 0;      // P_0, W
};

// The page defaults (15/15/200 um, n 1.45, NA 0.06, 1064/975 nm, h 1000,
// dn/dT 1.21e-5, kappa 1.4, rhoC 1.67e6, eta_0 0.01, RIN 1e-13, P_0 10 W).
ModeInstabilityInput defaultModeInstabilityInput();

enum class ModeInstabilityStatus {
    Ok,
    NotMultimode, // V <= 2.405 (or not a number), or no LP01/LP11 mode found
    NotFinite,    // an input is not finite, or the heat-diffusion wavenumber times
                  // the cladding radius overflows (kappa or rhoC absurd): nothing
                  // computed. Callers check the ranges of physics/inputranges.h first.
};

struct ModeInstabilityResult {
    ModeInstabilityStatus status = ModeInstabilityStatus::NotMultimode;
    double vNumber = 0; // filled even when not multimode

    // Everything below is filled only when status == Ok.
    std::vector<double> shifts; // F_k = (k-1)*0.1 + F_1 kHz; F_1 = -5.0, 101 values unless widened
    std::vector<double> coupling;    // chi_k, 1/W
    double chiMax = 0;               // largest chi_k
    int peakIndex = 1;               // k* (1-based; first of equal maxima)
    double peakShift = 0;            // f* = -F_1 - |F_2 - F_1| (k* - 1), kHz
    bool peakInterior = false;       // false: chi_max still at an end of the widest scan
    std::vector<double> powers;      // 50, 51, ..., thresholdPower (W)
    std::vector<double> modeContent; // xi(P) for each entry of powers
    double thresholdPower = 0;       // P_th, W; the scan's end when !thresholdFound
    // False when xi stays below 5 % up to the end of the scan (5000 W): there
    // is no threshold below it, and thresholdPower is only where it stopped.
    bool thresholdFound = false;

    // Intermediate values, for checking the model against hand calculations.
    double claddingIndex = 0; // n_cl = sqrt(n^2 - NA^2)
    double neff01 = 0, neff11 = 0;
    double u01 = 0, w01 = 0, u11 = 0, w11 = 0;
    double power01 = 0, power11 = 0; // P01, P11 (mode powers)
    double couplingConstant = 0;     // K_c
    double gamma01 = 0, gamma11 = 0; // overlaps with the doped region
    double peakCurvature = 0;        // c* (halved second difference at k*)
};

// The model with the Green's-function values computed once per grid radius
// and offset and kept for later calls with the same cladding, doped region
// and thermal data (heatgreensamples.h: a sweep over the core, aperture,
// wavelengths or powers computes them once), and the offsets spread over up
// to two threads. Bit for bit the same result as
// computeModeInstabilityLiteral().
// Throws ComplexDivisionError ("除数为0") when a complex divisor vanishes
// (kappa = 0 or rhoC = 0 with the page's inputs). Every loop is bounded: any
// input, finite or not, returns.
ModeInstabilityResult computeModeInstability(const ModeInstabilityInput &in);

// The same model evaluated term by term: three complex Bessel functions and
// two real ones inside the double sum (about 2.5 million terms). The
// reference for the optimised form; seconds per run.
ModeInstabilityResult computeModeInstabilityLiteral(const ModeInstabilityInput &in);

#endif // MODEINSTABILITY_H
