#ifndef POWERLIMITS_H
#define POWERLIMITS_H

// How much diffraction-limited power a fiber laser or amplifier can deliver,
// and which effect stops it first: each limit written as the largest output
// power P_max(a, L, ...) of a core of radius a and a fiber of length L, after
// J. W. Dawson et al., "Analysis of the scalability of diffraction-limited
// fiber lasers and amplifiers to high average power", Opt. Express 16, 13240
// (2008), §2 (thermal), §3 (nonlinear, damage, pump), and its tandem-pumped
// extension by J. Zhu et al., Opt. Express 19, 18645 (2011).
//
// Heat: a fraction η_heat of the pump (the quantum defect 1 − λ_p/λ_s plus any
// parasitic absorption) becomes heat, spread uniformly over the length; an
// output P therefore leaves q = P η_heat / (η_laser L) watts per metre in the
// core (η_laser: optical-to-optical efficiency).
//
//   rupture        P = (η_laser/η_heat) 4π R_m L / (1 − a²/(2b²))
//                  (surface stress reaches the modulus of rupture R_m [W/m];
//                  Brown & Hoffman, IEEE JQE 37, 207 (2001), eq. 11)
//   melting        P = (η_laser/η_heat) 4π k L (T_m − T_c) / [1 + 2 ln(b/a) + 2k/(b h)]
//                  (core centre reaches T_m; fiberheat.h)
//   thermal lens   P = (η_laser/η_heat) π k λ² L / (2 (dn/dT) a²)
//                  (the thermal index duct collapses the mode; Dawson §2.3)
//   SRS            P = C_R A_eff / (g_R L_eff),  C_R = 16 (Smith's critical
//                  power; R. G. Smith, Appl. Opt. 11, 2489 (1972)); the same
//                  expression as nonlinear::srsDeliveryThreshold
//   SBS            P = C_B K A_eff / (g_eff L_eff),  g_eff = g_B Δν_B/(Δν_B + Δν_L)
//                  (a Lorentzian gain line seen by a signal of linewidth Δν_L;
//                  Agrawal, Nonlinear Fiber Optics, §9.2), C_B = 21 being the
//                  nonlinear page's nonlinear::sbsThreshold; Dawson takes 17
//                  for fibers of a few metres
//   damage         P = I_d A_eff  (bulk damage intensity I_d)
//   pump brightness P = η_laser B π² NA_p² b²  (diode radiance B [W/(m² sr)]
//                  filling the pump cladding of radius b and aperture NA_p)
//   mode instability  the threshold of the mode-instability model
//                  (modeinstability.h) for this core, NA, doped radius and
//                  the fixed cladding radius b_MI; independent of L
//
// A_eff = π (Γ a)², Γ the ratio of mode-field to core radius. L_eff = L for a
// gain fiber pumped along its length (Dawson); an amplifier of gain G has the
// shorter effective lengths below (ramanEffectiveLength,
// brillouinEffectiveLength), the "improved" SRS threshold of an amplifier
// that Zhu et al. use. The pump cladding follows Dawson:
// the core absorbs α_core, the cladding α_core a²/b², and the fiber is as
// long as the pump needs to be absorbed by A (nepers): b = a √(α_core L / A).
// With a fixed cladding radius instead, b is that radius.
//
// Validity: steady state, uniform heat along z, single transverse mode
// assumed (the mode-field-diameter limit of single-mode guidance is the
// user's Γ and core NA). Limits are independent of each other: P_max is the
// least of those included, and the binding limit is the one that sets it.

#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace powerlimits {

enum class Limit {
    Rupture,
    Melting,
    ThermalLens,
    Srs,
    Sbs,
    Damage,
    PumpBrightness,
    ModeInstability
};
constexpr int kLimitCount = 8;

// "rupture", "melting", "thermal_lens", "srs", "sbs", "damage",
// "pump_brightness", "mi": stable ASCII ids.
const char *limitId(Limit limit);
Limit limitAt(int index);

// Every input, SI units.
struct Parameters {
    // Design.
    double coreRadius = 0;       // a
    double length = 0;           // L
    double signalWavelength = 0; // λ_s (thermal lens, MI)
    double pumpWavelength = 0;   // λ_p (MI only; the heat fraction is its own input)
    double claddingRadius = 0;   // b when !claddingFromAbsorption, and b_MI always
    bool claddingFromAbsorption = true;
    double coreNA = 0;      // MI (V number)
    double dopedRadius = 0; // MI; 0: the whole core; never more than a
    double coreIndex = 1.45;
    // Efficiencies.
    double laserEfficiency = 0; // η_laser
    double heatFraction = 0;    // η_heat
    // Thermal constants.
    double conductivity = 0;       // k, W/(m K)
    double heatTransfer = 0;       // h, W/(m² K)
    double coolantTemperature = 0; // T_c, K
    double meltingTemperature = 0; // T_m, K
    double ruptureModulus = 0;     // R_m, W/m
    double thermoOptic = 0;        // dn/dT, 1/K
    // Nonlinear.
    double modeFieldRatio = 1;     // Γ
    double ramanGain = 0;          // g_R, m/W
    double srsExponent = 16;       // C_R
    double brillouinGain = 0;      // g_B, m/W
    double sbsExponent = 21;       // C_B
    double brillouinBandwidth = 0; // Δν_B, Hz
    double signalLinewidth = 0;    // Δν_L, Hz
    double polarisationFactor = 1; // K
    double amplifierGain = 1;      // G (linear); <= e: L_eff = L
    // Damage and pump.
    double damageIntensity = 0; // I_d, W/m²
    double pumpRadiance = 0;    // B, W/(m² sr)
    double pumpNA = 0;          // NA_p
    double coreAbsorption = 0;  // α_core, 1/m
    double pumpAbsorption = 0;  // A, nepers
    // Mode instability (the MI page's model constants).
    double heatCapacity = 1.67e6; // ρC, J/(m³ K)
    double initialFraction = 0.01;
    double intensityNoise = 1e-13;
    double initialPower = 10; // W
};

// The quantum defect 1 − λ_p/λ_s.
double quantumDefect(double pumpWavelength, double signalWavelength);

double effectiveArea(const Parameters &p); // π (Γ a)²
// L_eff of the SRS limit: L(1 − 1/G)/ln G for an amplifier of gain G > 1
// (the Raman exponent ∫P dz of a signal growing as G^(z/L), divided by the
// output power, as the nonlinear page's amplifier threshold defines it), L
// for G <= 1 (Dawson's laser).
double ramanEffectiveLength(const Parameters &p);
// L_eff of the SBS limit: the nonlinear page's L/ln G for G > e, else L.
double brillouinEffectiveLength(const Parameters &p);
double effectiveBrillouinGain(const Parameters &p);            // g_B Δν_B/(Δν_B + Δν_L)
double pumpCladdingRadius(const Parameters &p);                // b of the thermal and pump limits
double heatPerLength(const Parameters &p, double outputPower); // q [W/m]

// One limit's P_max [W] (every limit but ModeInstability, which
// modeInstabilityLimit computes).
double limitPower(Limit limit, const Parameters &p);

// The mode-instability threshold for the design (the MI page's model with
// this core, NA, doped radius, b_MI, wavelengths and thermal constants).
struct MiLimit {
    bool applicable = false; // false: single-mode core (V <= 2.405) or not computable
    bool capped = false;     // the model's power scan ended below the threshold
    double power = 0;        // W (the MI page's P_th)
    double vNumber = 0;
};
MiLimit modeInstabilityLimit(const Parameters &p);

using LimitSet = std::array<bool, kLimitCount>; // which limits count
LimitSet allLimits();

struct DesignResult {
    std::array<double, kLimitCount> power{}; // +inf where not counted
    std::array<bool, kLimitCount> counted{};
    double maxPower = 0; // the least counted limit
    Limit binding = Limit::Rupture;
    // At maxPower:
    double heatPerLength = 0;      // W/m
    double claddingRadius = 0;     // the b used, m
    double coreTemperature = 0;    // K
    double surfaceTemperature = 0; // K (coating)
    double lensFocalLength = 0;    // m, thin-lens value over L (fiberheat.h)
    double thermalIndexDrop = 0;   // (dn/dT) q / (4πk): centre to core edge
    double thermalModeRadius = 0;  // w_th, m
    MiLimit mi;
};

// Every included limit for one design. `mi` is the design's MI limit when
// the caller already has it (a map reuses one per core); otherwise computed
// here when MI is included. Throws ComplexDivisionError from the MI model
// (k = 0 or ρC = 0).
DesignResult evaluateDesign(const Parameters &p, const LimitSet &include,
                            const MiLimit *mi = nullptr);

// The scan over core diameter × length.
struct MapGrid {
    double diameterMin = 0, diameterMax = 0; // m
    int diameterCount = 0;
    double lengthMin = 0, lengthMax = 0; // m, spaced geometrically
    int lengthCount = 0;
};

struct MapResult {
    std::vector<double> diameters; // m
    std::vector<double> lengths;   // m
    // Row-major, one row per length: P_max [W] and the binding limit's index.
    std::vector<double> maxPower;
    std::vector<int> binding;
    // The best design within the ranges: at each core diameter the best
    // length is found by bisection (the limits rising with L against those
    // falling), then the best diameter; without MI the diameter is refined
    // between grid points and the smallest diameter that reaches the maximum
    // (to 1e-7) is reported, since past it the maximum is often a plateau.
    double bestPower = 0;
    double bestDiameter = 0;
    double bestLength = 0;
    Limit bestBinding = Limit::Rupture;
    // Each limit over the grid's diameters at bestLength ([limit][diameter];
    // +inf where not counted).
    std::array<std::vector<double>, kLimitCount> curvesAtBest;
    // MI per diameter (applicable or not), for the caller's notices.
    std::vector<MiLimit> mi;
    bool cancelled = false;
};

// `progress(done, total)` is called from the calling thread; `cancel` (may be
// null) stops the scan, which returns with cancelled set.
MapResult scanMap(const Parameters &p, const LimitSet &include, const MapGrid &grid,
                  const std::function<void(int, int)> &progress = {},
                  const std::atomic<bool> *cancel = nullptr);

// The best length [m] in [lengthMin, lengthMax] for the core of `p`, and the
// power there; `mi` as in evaluateDesign.
struct BestLength {
    double length = 0;
    double power = 0;
};
BestLength bestLength(const Parameters &p, const LimitSet &include, double lengthMin,
                      double lengthMax, const MiLimit *mi);

} // namespace powerlimits

#endif // POWERLIMITS_H
