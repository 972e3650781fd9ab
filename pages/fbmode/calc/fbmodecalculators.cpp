#include "fbmodecalculators.h"

#include "catalogue.h"
#include "exactmodescalculator.h"
#include "fiberinputs.h"
#include "profilemodescalculator.h"

#include <memory>

namespace velmora::calc {
void registerfbmodeCalculators(Catalogue &catalogue)
{
    catalogue.add(modes::makeSolveCalculator());
    catalogue.add(modes::makeFieldMapCalculator());
    catalogue.add(modes::makeBeamQualityCalculator());
    catalogue.add(modes::makeBendLossCalculator());
    catalogue.add(std::make_unique<ExactModesCalculator>());   // "精确模式特性", tab 3
    catalogue.add(std::make_unique<ProfileModesCalculator>()); // its profile choice, tab 3
}

} // namespace velmora::calc
