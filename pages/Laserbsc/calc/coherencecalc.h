#ifndef VELMORA_COHERENCECALC_H
#define VELMORA_COHERENCECALC_H

// cw.coherence — the "频率与相干性" tab: optical frequency, coherence time
// and coherence length of a continuous-wave laser (physics/laserformulas.h).
// The spectral width is a linked pair (Hz and nm); the calculation reads Hz.

#include "catalogue.h"

namespace velmora::calc {

class CoherenceCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override;
};

void registerLaserbscCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_COHERENCECALC_H
