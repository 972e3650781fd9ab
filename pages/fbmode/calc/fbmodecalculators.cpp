#include "fbmodecalculators.h"

#include "catalogue.h"
#include "fiberinputs.h"

#include <memory>

namespace velmora::calc {
void registerfbmodeCalculators(Catalogue &catalogue)
{
    catalogue.add(modes::makeSolveCalculator());
    catalogue.add(modes::makeFieldMapCalculator());
    catalogue.add(modes::makeBeamQualityCalculator());
    catalogue.add(modes::makeBendLossCalculator());
}

} // namespace velmora::calc
