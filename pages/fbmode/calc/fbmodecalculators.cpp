#include "fbmodecalculators.h"

#include "catalogue.h"
#include "fiberinputs.h"

#include <memory>

namespace velmora::calc {
void registerfbmodeCalculators(Catalogue &catalogue)
{
    catalogue.add(fbmode::makeSolveCalculator());
    catalogue.add(fbmode::makeFieldMapCalculator());
    catalogue.add(fbmode::makeBeamQualityCalculator());
    catalogue.add(fbmode::makeBendLossCalculator());
}

} // namespace velmora::calc
