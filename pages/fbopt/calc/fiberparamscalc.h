#ifndef VELMORA_FIBERPARAMSCALC_H
#define VELMORA_FIBERPARAMSCALC_H

// The fiber-parameters page's tabs as calculators (physics/fiberparams.h,
// physics/modesolver.h, physics/reflectivity.h):
//   fiber.doping           "掺杂浓度"       N = α b² / (4.343 σ_abs a²)
//   fiber.loss             "本征损耗"       total and per-metre loss from P_in, P_out
//   fiber.fill_factor      "填充因子"       (a/b)²
//   fiber.end_reflectivity "光纤端面反射率" the guided LP modes and the end-face
//                                            feedback r(θ), R(θ) of one of them

#include "catalogue.h"

namespace velmora::calc {

class DopingCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

class LossCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

class FillFactorCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
};

// The mode search (1000 index samples per azimuthal order) lists every
// guided mode in table order (m ascending, then descending neff): output
// "mode_labels" has their count as value and their labels ("01 11 02") as
// text, curve "neff_list" their effective indices and curve "order_list"
// their azimuthal orders m. Input "mode" picks the mode whose neff, r and R
// are shown; empty means the first (LP01). A fiber without a guided mode gives
// an empty list and empty outputs, without a notice; a list that misses modes
// the cutoffs allow carries the "模式列表不完整" notice.
class EndFaceCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
    // n1 and NA are linked through n2: editing one rewrites the other; an
    // emptied field is first refilled from its partner.
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override;
    // The mode list's cost, as on the fiber-mode page.
    CostEstimate estimateCost(const Inputs &inputs) const override;

    // neff, r and R of a mode already listed by evaluate(), with the fiber
    // as the inputs give it now (the page's mode box keeps its list until
    // the next Calculate). neff is shown with four decimals; the reflectivity
    // uses the full index and the mode's azimuthal order. An input outside
    // its range is refused, as in evaluate().
    Result listedMode(const Inputs &inputs, double neff, int order) const;
};

void registerfboptCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_FIBERPARAMSCALC_H
