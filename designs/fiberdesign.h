#ifndef VELMORA_FIBERDESIGN_H
#define VELMORA_FIBERDESIGN_H

// One fiber design: the quantities several pages ask for, held once, in the
// units engineers quote them in (radii in μm, wavelengths in nm). A tab
// takes from it what its inputs need ("使用当前光纤"), converted to the
// tab's own units.

#include "calculator.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::designs {

struct FiberDesign {
    std::string name = "20/400";
    double coreRadiusUm = 10;      // a
    double claddingRadiusUm = 200; // pump-cladding radius b
    double dopedRadiusUm = 10;     // Yb-doped region radius
    double na = 0.065;             // core NA
    double n2 = 1.45;              // cladding index (silica near 1 μm)
    double lengthM = 10;
    double signalNm = 1064;
    double pumpNm = 976;
    double ybConcentration = 4.2e25; // m⁻³
    double backgroundLossDbPerM = 0.005;

    // n1 = sqrt(NA² + n2²): the core index the NA and n2 imply.
    double n1() const;
};

// The fiber quantities a tab input can take, by the input's key. Keys follow
// one scheme across the catalogue (snake_case, page unit as suffix), so the
// key names the quantity; the value is converted with the field's toSI.
enum class FiberQuantity {
    CoreRadius,
    CladdingRadius,
    DopedRadius,
    NumericalAperture,
    CoreIndex,
    CladdingIndex,
    Length,
    SignalWavelength,
    PumpWavelength,
    YbConcentration,
    CoreArea,
    ModeFieldRadius, // LP01 at the signal wavelength (Marcuse's fit)
};

// The quantity input `key` of calculator `id` stands for, if any. The
// nonlinear tabs call the light that drives SBS/SRS the pump (λ_p): for them
// it is the fiber's signal wavelength.
std::optional<FiberQuantity> fiberQuantityOfKey(const std::string &id, const std::string &key);

// The value of a quantity in SI units (m, m², m⁻³, or dimensionless).
double fiberQuantitySI(const FiberDesign &fiber, FiberQuantity quantity);

struct FiberFill {
    std::string key;
    std::string text; // the field text in the tab's unit
};

// What "使用当前光纤" writes into a tab: one text per input the fiber
// covers, in the field's unit, in description order. Only tabs about a fiber take
// it (at least one input is a radius, the NA, the Yb concentration or the
// mode-field radius), so a laser-cavity length or a prism's index is never
// overwritten by the fiber's. Empty when nothing overlaps.
std::vector<FiberFill> fiberFillsFor(const calc::CalculatorDescription &description,
                                     const FiberDesign &fiber);

// The first value outside its accepted range (a notice naming it), if any.
std::optional<calc::Text> checkFiber(const FiberDesign &fiber);

// Generic fiber types with typical data (see fiberlibrary.cpp for sources).
const std::vector<FiberDesign> &genericFibers();

} // namespace velmora::designs

#endif // VELMORA_FIBERDESIGN_H
