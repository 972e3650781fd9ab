#ifndef VELMORA_LIMITSCALCULATORS_H
#define VELMORA_LIMITSCALCULATORS_H

// The power-limit page's calculators (physics/powerlimits.h):
//   limits.design  one design: every limit's P_max, the binding one, the heat
//                  and temperatures at P_max, the thermal lens;
//   limits.map     the scan over core diameter × length: P_max and the binding
//                  limit's index on the grid, the best design in the ranges
//                  (p_max_w, core_diameter_um_at_max, length_m_at_max,
//                  binding_limit as an ASCII id) and each limit against the
//                  core diameter at the best length.
// `preset=dawson_broadband|dawson_single_frequency|zhu_tandem` takes a
// published parameter set for every input it lists (limitsinputs.h).

#include "catalogue.h"

#include <atomic>
#include <functional>
#include <optional>

namespace velmora::calc {

class LimitsDesignCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override;
};

class LimitsMapCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override;
    // The same with progress (columns done, columns) and a cancel flag, for the
    // page's worker thread; a cancelled scan is refused with a notice.
    Result evaluate(const Inputs &inputs, const std::function<void(int, int)> &progress,
                    const std::atomic<bool> *cancel) const;
    // The refusal evaluate() would give for these inputs, found without
    // scanning (the page checks on its GUI thread before it starts a worker);
    // nullopt when the inputs are accepted.
    std::optional<Result> refusalOf(const Inputs &inputs) const;
};

void registerfblimitsCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_LIMITSCALCULATORS_H
