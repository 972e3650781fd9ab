// The calculators of every page, in page order. Adding a page adds one line
// here; its register<Folder>Calculators(Catalogue &) lives in the page's
// calc/ folder.
#include "catalogue.h"

// Declares the page's registration function where it is called, so a page
// needs no header include here: one line per page.
#define VELMORA_REGISTER_PAGE(Folder)                \
    void register##Folder##Calculators(Catalogue &); \
    register##Folder##Calculators(catalogue)

namespace velmora::calc {

void registerAllCalculators(Catalogue &catalogue)
{
    VELMORA_REGISTER_PAGE(bscoptlaw);
    VELMORA_REGISTER_PAGE(LaserPluse);
    VELMORA_REGISTER_PAGE(Laserbsc);
    VELMORA_REGISTER_PAGE(LaserTrait);
    VELMORA_REGISTER_PAGE(fbopt);
    VELMORA_REGISTER_PAGE(nolinear);
    VELMORA_REGISTER_PAGE(threashold);
    VELMORA_REGISTER_PAGE(Fbamp);
    VELMORA_REGISTER_PAGE(fblimits);
    VELMORA_REGISTER_PAGE(fbmode);
    VELMORA_REGISTER_PAGE(Pulseamp);
}

} // namespace velmora::calc
