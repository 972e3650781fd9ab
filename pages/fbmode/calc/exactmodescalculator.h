#ifndef VELMORA_EXACTMODESCALCULATOR_H
#define VELMORA_EXACTMODESCALCULATOR_H

// modes.exact: the "精确模式特性" tab of the fiber-mode page. Every guided LP
// mode of the step-index fiber solved exactly, with the properties of
// modeproperties.h, and optionally the vector modes (physics/exactmodeset.h).
// Outputs: V and the mode count as numbers, and one curve per table column
// (exactmodecolumns.h) over the table rows.

#include "calculator.h"
#include "exactmodeset.h"

#include <optional>

namespace velmora::calc {

// The checked request of the tab's inputs, or the refusal (its notice names
// the input). The page's Calculate runs the same check before it starts the
// worker thread, so both refuse alike.
struct ExactModeCheck {
    std::optional<ExactModeRequest> request;
    Result refusal;
};

class ExactModesCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override;

    ExactModeCheck check(const Inputs &inputs) const;
    // The outputs of a finished calculation.
    Result results(const ExactModeSet &set) const;
};

// Largest V the tab accepts: the engine is verified up to V = 100 (about 2500
// LP modes), which a 50 μm core of NA 0.22 at 1064 nm needs only two thirds of.
constexpr double kExactModesMaxV = 100.0;

} // namespace velmora::calc

#endif // VELMORA_EXACTMODESCALCULATOR_H
