// The calculators of every page, in page order. Adding a page adds one line
// here (its registration function lives in the page's calc/ folder).
#include "catalogue.h"

namespace velmora::calc {

void registerAllCalculators(Catalogue &catalogue)
{
    (void)catalogue;
}

} // namespace velmora::calc
