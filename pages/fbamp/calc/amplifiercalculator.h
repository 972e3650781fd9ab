#ifndef AMPLIFIERCALCULATOR_H
#define AMPLIFIERCALCULATOR_H

// amp.steady_state: the Yb fiber amplifier / laser of the "光纤放大器" page as
// a calculator. Reads the page's inputs (texts), checks them, builds the
// channels (physics/ybamplifierdesign.h), solves the steady state
// (physics/ybamplifier.h) and returns the result fields and the curves the
// page plots: powers, inversion and heat load against z, and the ASE output
// spectra.

#include "calculator.h"

#include <functional>

namespace velmora::calc {

class AmplifierCalculator : public Calculator
{
public:
    AmplifierCalculator();
    const CalculatorDescription &description() const override { return m_description; }
    Result evaluate(const Inputs &inputs) const override;

    // As evaluate(); `progress(iteration, change)` is called after each
    // sweep pair and stops the solve when it returns false (the result is then
    // refused with the notice "计算已取消").
    Result evaluate(const Inputs &inputs, const std::function<bool(int, double)> &progress) const;

    // The shipped cross-section table, searched in the working directory and
    // beside the executable; the input `xs_file` replaces it.
    static const char *const kShippedTable;

private:
    CalculatorDescription m_description;
};

} // namespace velmora::calc

#endif // AMPLIFIERCALCULATOR_H
