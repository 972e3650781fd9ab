#ifndef FBMODE_MODELIST_H
#define FBMODE_MODELIST_H

// The checked fiber of "模式分布" and its guided-mode list in table order
// (m ascending, then n), shared by modes.solve and modes.field_map.

#include "calculator.h"
#include "modesolver.h"

#include <string>
#include <vector>

namespace velmora::calc::fbmode {

// The five fiber fields of "模式分布".
std::vector<FieldSpec> modeTabFiberFields();

struct CheckedFiber {
    double a = 0, lambda = 0, n1 = 0, n2 = 0; // metres
    double na = 0;                            // the NA in use after the NA rule
    std::string naText;                       // the NA field's text after the rule
};

// The page's checks in its order (empty fields, n1 < n2, a > 50 μm, NA > 0.5),
// then the accepted range of each fiber input, and the NA rule. False with
// *refused set when a check fails.
bool checkModeTabFiber(const CalculatorSpec &spec, const Inputs &inputs, CheckedFiber *fiber,
                       Result *refused);

struct ModeRow {
    int m = 0;
    int n = 0;
    double neff = 0;
};

// The rows of the mode table in table order.
std::vector<ModeRow> modeRows(const ModeSet &modes);

} // namespace velmora::calc::fbmode

#endif // FBMODE_MODELIST_H
