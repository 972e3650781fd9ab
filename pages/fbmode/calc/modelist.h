#ifndef FBMODE_MODELIST_H
#define FBMODE_MODELIST_H

// The checked fiber of "模式分布" and its guided-mode list in table order
// (m ascending, then n), shared by modes.solve and modes.field_map.

#include "calculator.h"
#include "modesolver.h"

#include <string>
#include <vector>

namespace velmora::calc::modes {

// The five fiber fields of "模式分布".
std::vector<FieldDescription> modeTabFiberFields();

struct CheckedFiber {
    double a = 0, lambda = 0, n1 = 0, n2 = 0; // metres
    double na = 0;                            // the NA in use after the NA rule
    std::string naText;                       // the NA field's text after the rule
};

// The accepted range of each fiber input first (as every tab), then the
// page's checks in its order (empty fields, n1 < n2, a > 50 μm, and with
// checkNa the typed NA against 0.5), and the NA rule. False with *refused set
// when a check fails. The map of a listed mode skips the NA checks: n1 and n2 define the fiber, and
// the NA the list rewrote (it may exceed 0.5 when n1 and n2 say so) is only
// rewritten again.
bool checkModeTabFiber(const CalculatorDescription &description, const Inputs &inputs, bool checkNa,
                       CheckedFiber *fiber, Result *refused);

struct ModeRow {
    int m = 0;
    int n = 0;
    double neff = 0;
};

// The rows of the mode table in table order.
std::vector<ModeRow> modeRows(const ModeSet &modes);

} // namespace velmora::calc::modes

#endif // FBMODE_MODELIST_H
