#ifndef FBLIMITSPLOTS_H
#define FBLIMITSPLOTS_H

// The power-limit page's plots from a limits.map result: the P_max map (kW,
// colour scale), the regions of the binding limit (one colour per limit, with
// a legend), each limit against the core diameter at the best length; the best
// design marked on the maps.

#include "calculator.h"

struct FblimitsForm;

void drawLimitsPlots(FblimitsForm &ui, const velmora::calc::Result &map);
void clearLimitsPlots(FblimitsForm &ui);

#endif // FBLIMITSPLOTS_H
