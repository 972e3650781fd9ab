// The calculators of the pulse-amplifier page.
#include "catalogue.h"
#include "pulseamplifiercalculator.h"
#include "pulsepropagatecalculator.h"

namespace velmora::calc {

void registerPulseampCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<PulsePropagateCalculator>());
    catalogue.add(std::make_unique<PulseAmplifierCalculator>());
}

} // namespace velmora::calc
