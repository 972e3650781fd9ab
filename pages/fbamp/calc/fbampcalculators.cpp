#include "fbampcalculators.h"

#include "amplifiercalculator.h"
#include "catalogue.h"

namespace velmora::calc {

void registerFbampCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<AmplifierCalculator>());
}

} // namespace velmora::calc
