#ifndef PULSEAMPLIFIERCALCULATOR_H
#define PULSEAMPLIFIERCALCULATOR_H

// pulse.amplifier: a pulse train through an Yb-doped fiber amplifier
// (physics/pulsedamplifier.h): the pulse keys of pulse.propagate, the
// repetition rate, and the fiber, pump, ASE and table keys of
// amp.steady_state. The defaults: 1 ps (FWHM) sech at 1030 nm, 10 W, 40 MHz,
// 2 m of 6 µm core fiber (NA 0.11, 3.586e25 /m³, 0.945 ms), 1 W of 916 nm
// core pump forward.

#include "calculator.h"

#include <functional>

namespace velmora::calc {

class PulseAmplifierCalculator : public Calculator
{
public:
    PulseAmplifierCalculator();
    const CalculatorDescription &description() const override { return m_description; }
    Result evaluate(const Inputs &inputs) const override;
    Result evaluate(const Inputs &inputs, const std::function<bool(double)> &progress) const;

private:
    CalculatorDescription m_description;
};

} // namespace velmora::calc

#endif // PULSEAMPLIFIERCALCULATOR_H
