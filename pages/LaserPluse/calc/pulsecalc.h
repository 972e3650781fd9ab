#ifndef VELMORA_PULSECALC_H
#define VELMORA_PULSECALC_H

// pulse.gaussian — the "高斯脉冲" tab: pulse energy and peak power from pulse
// width, repetition rate and average power (physics/laserformulas.h; the
// peak power has no pulse-shape factor).

#include "catalogue.h"

namespace velmora::calc {

class PulseCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

void registerLaserPluseCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_PULSECALC_H
