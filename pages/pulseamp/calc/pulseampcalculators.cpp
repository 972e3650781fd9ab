// The calculators of the pulse-amplifier page.
#include "catalogue.h"
#include "pulsepropagatecalculator.h"

namespace velmora::calc {

void registerPulseampCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<PulsePropagateCalculator>());
}

} // namespace velmora::calc
