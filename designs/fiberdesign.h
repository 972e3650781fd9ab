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

// The Yb concentration [m⁻³] behind a quoted small-signal pump absorption
// [dB/m] at 976 nm of a pump filling a cladding of radius b around a doped
// region of radius a_d (b = a_d for core pumping); see fiberlibrary.cpp.
double concentrationFromAbsorption(double dbPerM, double dopedRadiusUm, double claddingRadiusUm);

// The default is the library's 20/400 (1.2 dB/m cladding absorption), so the
// start-up fiber and the library entry of that name are one fiber.
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
    double ybConcentration = concentrationFromAbsorption(1.2, 10, 200); // m⁻³
    double backgroundLossDbPerM = 0.015;

    // n1 = sqrt(NA² + n2²): the core index the NA and n2 imply.
    double n1() const;
};

// The fiber quantities a tab input can hold; each field of a description
// says which it holds (FieldDescription::fiberQuantity).
using FiberQuantity = calc::FiberQuantity;

// The value of a quantity in SI units (m, m⁻³, or dimensionless), the
// background loss in dB/m.
double fiberQuantitySI(const FiberDesign &fiber, FiberQuantity quantity);

// The quantity's name as the status bar names a filled field.
calc::Text fiberQuantityName(FiberQuantity quantity);

struct FiberFill {
    std::string key;
    std::string text; // the field text in the tab's unit
    FiberQuantity quantity = FiberQuantity::None;
};

// What "使用当前光纤" writes into a tab: one text per number input that
// holds a fiber quantity (its description says which), in the field's unit,
// in description order. A prism's index or a pulse's wavelength holds none
// and is never overwritten. Empty when nothing overlaps.
std::vector<FiberFill> fiberFillsFor(const calc::CalculatorDescription &description,
                                     const FiberDesign &fiber);

// The first value outside its accepted range (a notice naming it), if any.
std::optional<calc::Text> checkFiber(const FiberDesign &fiber);

// Generic fiber types with typical data (see fiberlibrary.cpp for sources).
const std::vector<FiberDesign> &genericFibers();

} // namespace velmora::designs

#endif // VELMORA_FIBERDESIGN_H
