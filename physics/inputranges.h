#ifndef INPUTRANGES_H
#define INPUTRANGES_H

// The accepted range of every input quantity, in one place, shared by the
// pages, the calculators, the command line and the Python module.
//
// Why ranges at all: every formula here is written for glass fibers at
// optical wavelengths. Far outside that, the numbers stop meaning anything
// and some algorithms stop terminating in useful time (a mode scan whose
// normalised frequency V reaches 1e15 steps in units smaller than one ulp; a
// conductivity of 1e-308 makes a square root overflow to an infinite Bessel
// argument). A typed "1e309" also reads as +inf. So each input is checked to
// be finite and within the range below before anything is computed.
//
// The bounds are deliberately generous (a fiber engineer could mean any value
// inside), inclusive, and in SI units; a field's page unit is converted with
// its toSI factor (μm: 1e-6, nm: 1e-9). Each bound says why it is where it is.
// Zero is inside a range only where a zero input has a meaning (a power, an
// angle, a fraction). Where a page answers a zero with a rule of its own (an
// empty or non-numeric text reads as 0; a zero divisor has its notice), the
// field lets exactly 0 through to that rule instead of widening the range.
//
// No Qt here: the messages are UTF-8 std::string.

#include <string>

namespace inputranges {

struct InputRange {
    double min; // SI, inclusive
    double max; // SI, inclusive
    const char *siUnit;
    const char *zh; // quantity name, for documentation and generic messages
    const char *en;
};

// Wavelength: 100 nm (vacuum UV, below which silica is opaque) to 100 μm (far
// infrared, beyond any fiber laser). Also excludes the absurd 1e-16 m that
// would drive V to 1e15.
inline constexpr InputRange kWavelength{100e-9, 100e-6, "m", "波长", "wavelength"};

// Spectral width in wavelength (Δλ): 0 (single frequency) to 100 μm.
inline constexpr InputRange kWavelengthWidth{0.0, 100e-6, "m", "波长间隔", "spectral width"};

// Core, doped-region and cladding radius, mode-field radius: 10 nm (far below
// any guiding core at optical wavelengths) to 10 mm (thicker than any rod or
// preform the formulas could describe).
inline constexpr InputRange kFiberRadius{10e-9, 10e-3, "m", "半径", "radius"};

// Bend radius: 1 mm (glass breaks long before) to 1 km (straight in practice).
inline constexpr InputRange kBendRadius{1e-3, 1e3, "m", "弯曲半径", "bend radius"};

// Refractive index: 1 (vacuum) to 5 (above germanium, 4.0, the highest index
// of an infrared glass or crystal).
inline constexpr InputRange kRefractiveIndex{1.0, 5.0, "", "折射率", "refractive index"};

// Numerical aperture: 0 (no index step) to 1.5 (beyond an air-clad fiber).
inline constexpr InputRange kNumericalAperture{0.0, 1.5, "", "数值孔径", "numerical aperture"};

// Fiber or cavity length: 1 μm (a thin chip) to 1000 km (a transmission span).
inline constexpr InputRange kLength{1e-6, 1e6, "m", "长度", "length"};

// Optical power (average, peak, seed, pump): 0 to 1e12 W (above the peak power
// of any fiber-delivered ultrafast pulse).
inline constexpr InputRange kPower{0.0, 1e12, "W", "功率", "power"};

// Thermal conductivity: 1e-3 W/(m·K) (below still air, 0.026) to 1e4 (above
// diamond, 2200).
inline constexpr InputRange kThermalConductivity{1e-3, 1e4, "W/(m·K)", "热导率",
                                                 "thermal conductivity"};

// Volumetric heat capacity ρC: 1 J/(m³·K) (a rarefied gas) to 1e8 (twenty times
// any solid; silica 1.67e6).
inline constexpr InputRange kVolumetricHeatCapacity{1.0, 1e8, "J/(m³·K)", "密度与热容乘积",
                                                    "density times heat capacity"};

// Convective heat-transfer coefficient: 0 (insulated) to 1e7 W/(m²·K) (above
// boiling and jet impingement, about 1e5).
inline constexpr InputRange kHeatTransferCoefficient{0.0, 1e7, "W/(m²·K)", "对流换热系数",
                                                     "heat-transfer coefficient"};

// Thermo-optic coefficient dn/dT: 0 to 1e-3 1/K (polymers reach 3e-4; silica
// 1.2e-5).
inline constexpr InputRange kThermoOptic{0.0, 1e-3, "1/K", "热光系数", "thermo-optic coefficient"};

// Temperature: 0 K to 1e4 K (above any melt).
inline constexpr InputRange kTemperature{0.0, 1e4, "K", "温度", "temperature"};

// Lifetime or duration (pulse width, phonon or upper-level lifetime): 1 as
// (1e-18 s) to 1000 s.
inline constexpr InputRange kDuration{1e-18, 1e3, "s", "时间", "duration"};

// Frequency (repetition rate, spectral width, Brillouin and Raman shifts):
// 0 to 1e16 Hz (above the frequency of 100 nm light, 3e15).
inline constexpr InputRange kFrequency{0.0, 1e16, "Hz", "频率", "frequency"};

// Ion or doping concentration: 0 to 1e29 1/m³ (above the number density of
// atoms in silica, 6.6e28).
inline constexpr InputRange kConcentration{0.0, 1e29, "1/m³", "浓度", "concentration"};

// A fraction of one: reflectivity, overlap factor, inverted fraction, mode
// content, relative intensity noise.
inline constexpr InputRange kFraction{0.0, 1.0, "", "比例", "fraction"};

// Relative power weight of a mode in a mixture: 0 to 1e12. The weights are
// normalised to their sum, so only ratios matter; twelve decades between a
// unit weight and the strongest is beyond any measured mode content.
inline constexpr InputRange kModeWeight{0.0, 1e12, "", "功率占比", "power weight"};

// Angle of incidence or of an end face: 0 to 90° (normal to grazing). In
// degrees for fields that hold degrees with toSI = 1, and the same range in
// radians (fields in degrees then convert with toSI = π/180).
inline constexpr InputRange kAngleDegrees{0.0, 90.0, "°", "角度", "angle"};
inline constexpr InputRange kAngle{kAngleDegrees.min * 3.141592653589793 / 180,
                                   kAngleDegrees.max * 3.141592653589793 / 180, "rad", "角度",
                                   "angle"};

// Attenuation or gain coefficient (dB/m or 1/m): 0 to 1e6 (a micrometre of
// strongly absorbing glass).
inline constexpr InputRange kAttenuation{0.0, 1e6, "1/m", "损耗系数", "attenuation coefficient"};

// Amplifier gain as a factor or in dB: 0 to 1e12.
inline constexpr InputRange kGain{0.0, 1e12, "", "增益", "gain"};

// Absorption or emission cross-section: 0 to 1e-18 m² (above any rare-earth
// transition, about 3e-24).
inline constexpr InputRange kCrossSection{0.0, 1e-18, "m²", "截面", "cross-section"};

// Nonlinear refractive index n2: 0 to 1e-14 m²/W (chalcogenides reach 1e-17;
// silica 2.7e-20). Raman and Brillouin gain coefficients: 0 to 1e-6 m/W.
inline constexpr InputRange kNonlinearIndex{0.0, 1e-14, "m²/W", "非线性折射率",
                                            "nonlinear refractive index"};
inline constexpr InputRange kGainCoefficient{0.0, 1e-6, "m/W", "增益系数", "gain coefficient"};

// Material constants: density 1 to 1e5 kg/m³; speed of sound 1 to 1e5 m/s;
// a dimensionless material factor (electrostrictive constant, polarisation
// factor, a ratio) 0 to 1e3.
inline constexpr InputRange kDensity{1.0, 1e5, "kg/m³", "密度", "density"};
inline constexpr InputRange kSoundSpeed{1.0, 1e5, "m/s", "声速", "speed of sound"};
inline constexpr InputRange kMaterialFactor{0.0, 1e3, "", "系数", "factor"};

// Relative slack of the comparison: a page value converted to SI may land one
// ulp outside a bound it equals ("100" nm × 1e-9 against 100e-9).
inline constexpr double kBoundSlack = 1e-12;

// True when pageValue (in the field's unit; pageValue × toSI is SI) is finite
// and lies within the range.
bool contains(const InputRange &range, double pageValue, double toSI = 1.0);

// The range's bounds in the page unit (min / toSI, max / toSI).
double pageMin(const InputRange &range, double toSI = 1.0);
double pageMax(const InputRange &range, double toSI = 1.0);

// A bound as the messages show it: shortest form with six significant digits
// ("100", "0.001", "1e+12").
std::string formatBound(double value);

// The notice for a value outside [min, max] of a field, naming it by its
// caption and unit (page unit; "" for a dimensionless quantity):
//   zh: "热导率应在0.001到10000 W/(m·K)之间"
//   en: "thermal conductivity must lie between 0.001 and 10000 W/(m·K)"
std::string outOfRangeZh(const std::string &caption, double min, double max,
                         const std::string &unit);
std::string outOfRangeEn(const std::string &caption, double min, double max,
                         const std::string &unit);

} // namespace inputranges

#endif // INPUTRANGES_H
