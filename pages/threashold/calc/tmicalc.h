#ifndef VELMORA_TMICALC_H
#define VELMORA_TMICALC_H

// tmi.threshold — the mode-instability page's "均匀双包层光纤" tab: the
// thermally induced LP01–LP11 coupling χ(f), its peak χ_max, the growth of the
// higher-order-mode fraction ξ(P) and the threshold power P_th at which ξ
// reaches 0.05 (physics/modeinstability.h; Smith & Smith 2011, Hansen et al.
// 2013). One evaluation takes a few hundred milliseconds: the page runs it
// behind its busy indicator, sweeps spread points over threads.

#include "catalogue.h"

namespace velmora::calc {

// Curves: "shift_khz" and "chi_per_w" (the coupling spectrum), "power_w" and
// "xi" (the higher-order-mode fraction from 50 W to P_th); scalars
// "chi_max_per_w", "p_th_w" and "peak_shift_khz" (the offset f* that sets
// the page's frequency axis).
class TmiThresholdCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override;
    Result evaluate(const Inputs &inputs) const override;
    // Dominated by the mode solver (the LP01 and LP11 indices come from the
    // full mode list): its estimate for V = 2π a NA / λ_s.
    CostEstimate estimateCost(const Inputs &inputs) const override;
};

void registerthreasholdCalculators(Catalogue &catalogue);

} // namespace velmora::calc

#endif // VELMORA_TMICALC_H
