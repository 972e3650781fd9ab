#ifndef FBMODECALCULATORS_H
#define FBMODECALCULATORS_H

// The four tabs of the fiber-mode page as widget-free calculators:
//   modes.solve         "模式分布": V, the number of guided LP modes and the
//                       mode list (m, n, β, neff) of a step-index fiber;
//   modes.field_map     the 501×501 intensity, amplitude or phase map of one
//                       mode of that list in its E or O orientation;
//   modes.beam_quality  "光束质量因子": M² of a weighted LP-mode mixture and
//                       its intensity map;
//   modes.bend_loss     "弯曲损耗": β and the bend-loss coefficient of one
//                       mode of the list;
//   modes.exact         "精确模式特性": every guided mode solved exactly with
//                       its properties (exactmodescalculator.h).
// The physics (mode solver, field maps, M² tables, Marcuse's bend loss) lives
// in physics/; these hold the page's checks, its notices and its number texts.

#include "calculator.h"

namespace velmora::calc {

class Catalogue;

void registerfbmodeCalculators(Catalogue &catalogue);

namespace modes {

// The "数值孔径NA" rule of "模式分布": a typed NA within 0.01 of
// sqrt(n1² - n2²) is kept (rewritten with six significant digits), any other
// is replaced by the computed one with four decimals. Returns the new text;
// *value (when not null) receives the NA the calculation uses.
std::string reconcileNaText(double n1, double n2, const std::string &naText, double *value);

} // namespace modes
} // namespace velmora::calc

#endif // FBMODECALCULATORS_H
