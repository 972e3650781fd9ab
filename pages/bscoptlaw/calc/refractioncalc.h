#ifndef VELMORA_REFRACTIONCALC_H
#define VELMORA_REFRACTIONCALC_H

// optics.refraction — the "反射折射" tab: angle of refraction, Brewster
// angle and critical angle for light going from index n1 into n2
// (physics/geometricoptics.h). The calculation reads the radian field; the
// degree field is its linked partner.

#include "catalogue.h"

namespace velmora::calc {

class RefractionCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override;
};

void registerbscoptlawCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_REFRACTIONCALC_H
