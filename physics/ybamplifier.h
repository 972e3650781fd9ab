#ifndef YBAMPLIFIER_H
#define YBAMPLIFIER_H

// Steady-state, spectrally resolved two-level model of an Yb-doped fiber
// amplifier or laser (C. R. Giles and E. Desurvire, J. Lightwave Technol. 9,
// 271 (1991); H. M. Pask et al., IEEE J. Sel. Top. Quantum Electron. 1, 2
// (1995)).
//
// Light is a set of channels k (pumps, signal, laser line, ASE bins), each at
// one frequency ν_k travelling forward (u_k = +1, towards +z) or backward
// (u_k = −1). With the ions' upper-level fraction n = N2/Nt,
//     n(z) = Σ_k a_k P_k / (1/τ + Σ_k b_k P_k),
//     a_k = Γ_k σa_k / (h ν_k A_d),  b_k = Γ_k (σa_k + σe_k) / (h ν_k A_d),
// (A_d: doped area, τ: upper-level lifetime) and, for every channel,
//     dP_k/dz = u_k { [Γ_k Nt ((σa_k + σe_k) n − σa_k) − α_k] P_k
//                     + 2 Γ_k σe_k Nt n h ν_k Δν_k },
// the last term being spontaneous emission into the guided mode (two
// polarisations, bin width Δν_k; zero for pumps and signal).
//
// Assumptions: homogeneously broadened two-level system (Yb³⁺ at 1 µm; no
// excited-state absorption, no quenching or clustering), uniform doping over
// the radius b, overlaps independent of z, steady state. Reflectors (laser
// mode) act on the laser line only.
//
// Heat: q(z) is the optical power the guided light loses to the ions per
// length, Σ_k [Γ_k Nt (σa_k − (σa_k + σe_k) n) P_k − s_k]. It is the sum of
//  * the spontaneous emission that is not guided and leaves the core
//    sideways, q_F = Nt n A_d h ν̄_F / τ − Σ_k s_k (all spontaneous decays at
//    the mean fluorescence photon energy, less the part the ASE bins guide),
//    light that heats the fiber only where the coating absorbs it, and
//  * the quantum-defect heat q_QD = q − q_F: the net power the ions take from
//    the guided light by absorption and stimulated emission, less the power
//    they emit spontaneously, N2 A_d h ν̄_F / τ
// (M. K. Davis, M. J. F. Digonnet and R. H. Pantell, J. Lightwave Technol.
// 16, 1013 (1998)). In the unpumped tail, or at low power, q_F dominates q;
// far above saturation q_QD does.

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace yb {

constexpr double kPlanck = 6.62607015e-34;  // J s
constexpr double kLightSpeed = 299792458.0; // m/s

enum class ChannelRole { Pump, Signal, Ase, Laser };

struct Channel {
    ChannelRole role = ChannelRole::Signal;
    double wavelength = 0; // m (vacuum)
    int direction = +1;    // +1 forward (launched at z = 0), −1 backward (at z = L)
    double inputPower = 0; // W launched (ignored for the laser line)
    double overlap = 0;    // Γ
    double sigmaA = 0;     // m²
    double sigmaE = 0;     // m²
    double loss = 0;       // background loss, 1/m (power)
    double bandwidth = 0;  // Δν, Hz: > 0 gives the spontaneous term (ASE bins)
};

struct AmplifierProblem {
    double length = 0;     // L, m
    double dopedArea = 0;  // A_d = π b², m²
    double ionDensity = 0; // Nt, m⁻³
    double lifetime = 0;   // τ, s
    std::vector<Channel> channels;

    // Laser mode: the two channels (one forward, one backward) of the laser
    // line between reflectors R1 at z = 0 and R2 at z = L:
    //     P+(0) = R1 P−(0),  P−(L) = R2 P+(L).
    int laserForward = -1;
    int laserBackward = -1;
    double r1 = 0;
    double r2 = 0;

    // h ν̄_F, the mean energy of a spontaneously emitted photon (J): splits the
    // heat into quantum-defect heat and escaping fluorescence; 0: no split.
    double fluorescencePhotonEnergy = 0;

    // When finite, n is held at this value everywhere instead of following
    // the powers (small-signal checks).
    double fixedUpperFraction = std::numeric_limits<double>::quiet_NaN();

    bool isLaser() const { return laserForward >= 0 && laserBackward >= 0; }
};

struct SolverSettings {
    int steps = 400;         // z intervals to start with (even, Simpson)
    int maxSteps = 51200;    // refinement limit (intervals of the finest grid)
    double tolerance = 1e-6; // relative, every output power
    int maxIterations = 300; // forward/backward sweep pairs per grid
    // Called after each sweep pair with the iteration number and the largest
    // relative change of an output power; returning false cancels.
    std::function<bool(int, double)> progress;
};

enum class SolveStatus { Converged, NotConverged, Cancelled, Invalid };

struct AmplifierSolution {
    SolveStatus status = SolveStatus::Invalid;
    std::string message;   // Chinese, empty when converged
    std::string messageEn; // the same in English
    int iterations = 0;
    double lastChange = 0; // relative change of the last iteration
    int steps = 0;         // z intervals of the grid returned
    double gridError = 0;  // Richardson estimate of the grid error, relative

    std::vector<double> z;                  // nodes, m
    std::vector<std::vector<double>> power; // [channel][node], W
    std::vector<double> upperFraction;      // n = N2/Nt at the nodes
    std::vector<double> heat;               // q(z), W/m
    std::vector<double> quantumDefectHeat;  // q_QD(z), W/m (empty without ν̄_F)
    std::vector<double> fluorescenceLoss;   // q_F(z), W/m, escaping spontaneous emission
    std::vector<double> outputPower;        // per channel, W, leaving the fiber
                                            // (laser line: through its reflector)
    double launchedPower = 0;               // Σ inputs (pumps, signal), W
    double leavingPower = 0;                // Σ outputPower, W
    double heatPower = 0;                   // ∫ q dz, W
    double backgroundLossPower = 0;         // ∫ Σ α_k P_k dz, W
    // (launched − leaving − heat − background) / launched.
    double energyResidual = 0;
    bool belowThreshold = false; // laser mode: no oscillation
};

// Solves the boundary-value problem; see amplifierbvp.h for the method.
AmplifierSolution solveAmplifier(const AmplifierProblem &problem,
                                 const SolverSettings &settings = SolverSettings());

// The last guard before a solution counts as one: every output and profile
// finite, no negative output power, |energy residual| ≤ tolerance. Otherwise
// sets status NotConverged with a message saying which, and returns false.
bool acceptSolution(AmplifierSolution &solution, double tolerance);

} // namespace yb

#endif // YBAMPLIFIER_H
