#ifndef VELMORA_NONLINEARCALC_H
#define VELMORA_NONLINEARCALC_H

// The nonlinear-effects page's tabs as calculators (physics/nonlinear.h):
//   nonlinear.sbs "受激布里渊散射" Brillouin gain, SBS threshold, Stokes line
//   nonlinear.srs "受激拉曼散射"   SRS thresholds of the three fiber types
//                                   (delivery fiber, amplifier, oscillator)
//                                   side by side, and the Raman Stokes line
//   nonlinear.spm "非线性相移"     nonlinear phase in a transmission or gain
//                                   fiber (input "gain_fiber")
//   nonlinear.fwm "四波混频"       four-wave-mixing phase mismatch
// None of the tabs refuses input: like the page, empty or zero inputs give
// inf or NaN, shown as they come.

#include "catalogue.h"

namespace velmora::calc {

class SbsCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

class SrsCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

// gain_fiber is "0" for a transmission fiber (L_eff from the loss α, the
// page's first radio button) and "1" for a gain fiber (L_eff from the gain
// g, the second radio button, whose state it is); the unused one of α and g
// is ignored.
class SpmCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

class FwmCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

void registernolinearCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_NONLINEARCALC_H
