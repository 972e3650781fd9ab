#ifndef PULSEPROPAGATECALCULATOR_H
#define PULSEPROPAGATECALCULATOR_H

// pulse.propagate: a pulse through a passive single-mode fiber (dispersion
// β2 … as a Taylor series, loss, Kerr, self-steepening, Raman), by the GNLSE
// engine of physics/gnlse.h. The defaults are the supercontinuum case of
// Dudley, Genty & Coen, Rev. Mod. Phys. 78, 1135 (2006), Fig. 3.

#include "calculator.h"

#include <functional>

namespace velmora::calc {

class PulsePropagateCalculator : public Calculator
{
public:
    PulsePropagateCalculator();
    const CalculatorDescription &description() const override { return m_description; }
    Result evaluate(const Inputs &inputs) const override;
    // With progress (z/L after each step; returning false cancels).
    Result evaluate(const Inputs &inputs, const std::function<bool(double)> &progress) const;

private:
    CalculatorDescription m_description;
};

} // namespace velmora::calc

#endif // PULSEPROPAGATECALCULATOR_H
