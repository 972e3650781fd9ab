#ifndef YBAMPLIFIERDESIGN_H
#define YBAMPLIFIERDESIGN_H

// From an engineer's description of a Yb fiber amplifier or laser (fiber
// geometry, pumps, signal, ASE band, reflectors) to the channels of the
// two-level model (ybamplifier.h), and from the solution back to the figures
// an engineer reads: output powers, gain, pump absorption, ASE, efficiency,
// heat load.
//
// Channels built here: the pump at one wavelength launched forward and/or
// backward, core- or cladding-guided (overlap from fiberoverlap.h); the signal
// (forward) or, in laser mode, the laser line at the signal wavelength in both
// directions; `aseBins` ASE bins of equal width Δλ over [λ1, λ2] in each
// direction, centred at λ1 + (i + ½) Δλ, with Δν = c Δλ / λ². Cross-sections
// are interpolated in the table (ybcrosssections.h). One background loss
// (dB/m) applies to every channel.

#include "ybamplifier.h"
#include "ybcrosssections.h"

#include <string>
#include <vector>

namespace yb {

struct AmplifierDesign {
    double coreRadius = 3e-6;     // a, m
    double dopedRadius = 3e-6;    // b, m
    double claddingRadius = 6e-5; // R, inner (pump) cladding, m
    double numericalAperture = 0.12;
    double length = 2.5;            // m
    double ionDensity = 2e25;       // Nt, m⁻³
    double lossDbPerM = 0;          // background loss, dB/m
    double lifetime = 1e-3;         // τ, s
    double pumpWavelength = 976e-9; // m
    double pumpForward = 0.3;       // W
    double pumpBackward = 0;        // W
    bool claddingPumped = false;
    double signalWavelength = 1035e-9; // m
    double signalPower = 2e-3;         // W
    double aseStart = 1000e-9;         // m
    double aseEnd = 1080e-9;           // m
    int aseBins = 80;
    bool laser = false;
    double r1 = 0.99; // reflector at the pump end (z = 0)
    double r2 = 0.04; // output reflector (z = L)
};

// Where each kind of channel sits in AmplifierProblem::channels (−1: none).
struct ChannelMap {
    int pumpForward = -1, pumpBackward = -1;
    int signal = -1; // amplifier; in laser mode the forward laser line
    int laserBackward = -1;
    int aseForward = -1, aseBackward = -1; // first bin of each direction
    int aseBins = 0;
    std::vector<double> aseWavelengths; // bin centres, m
};

// Fills `problem` and `map`. Returns an empty string, or a Chinese message
// naming the input that cannot be used (a wavelength outside the table, a
// doped radius larger than the pump cladding, ...).
std::string buildAmplifierProblem(const AmplifierDesign &design,
                                  const CrossSectionSpectrum &crossSections,
                                  AmplifierProblem &problem, ChannelMap &map);

// The two reference designs: a core-pumped amplifier and a backward-pumped
// double-clad amplifier.
AmplifierDesign corePumpedReference();
AmplifierDesign doubleCladReference();

struct AmplifierSummary {
    double signalOutput = 0;      // W (laser: output through R2)
    double signalGainDb = 0;      // amplifier: 10 lg(P_out / P_in)
    double pumpLaunched = 0;      // W
    double pumpLeft = 0;          // W, unabsorbed pump leaving both ends
    double pumpAbsorptionDb = 0;  // 10 lg(launched / left)
    double aseForward = 0;        // W at z = L
    double aseBackward = 0;       // W at z = 0
    double efficiency = 0;        // (signal out − signal in) / pump launched
    double heatPeak = 0;          // W/m
    double heatPeakPosition = 0;  // m
    double quantumDefectPeak = 0; // W/m, of q_QD (ybamplifier.h)
    double quantumDefectPeakPosition = 0;
    double fluorescencePeak = 0; // W/m, of the escaping spontaneous emission q_F
    double fluorescencePeakPosition = 0;
    std::vector<double> aseForwardDbm;  // per bin, dBm
    std::vector<double> aseBackwardDbm; // per bin, dBm
};

AmplifierSummary summarize(const AmplifierDesign &design, const ChannelMap &map,
                           const AmplifierSolution &solution);

} // namespace yb

#endif // YBAMPLIFIERDESIGN_H
