#ifndef VELMORA_RANGECHECK_H
#define VELMORA_RANGECHECK_H

// The range check every calculator runs before it computes: each numeric
// input must be finite and within its FieldDescription's [min, max], which come from
// the one table of physics/inputranges.h. A value outside is refused with a
// notice naming the field (its caption and unit) and the range.

#include "calculator.h"
#include "inputranges.h"

#include <initializer_list>

namespace velmora::calc {

// The field with min/max set from the range, in the field's page unit;
// zeroPasses: exactly 0 goes on to the tab's own rule for it.
FieldDescription withRange(FieldDescription field, const inputranges::InputRange &range,
                           bool zeroPasses = false);

// The field, letting exactly 0 through to the tab's own rule for it.
FieldDescription zeroPasses(FieldDescription field);

// The notice for a field's value outside its range.
Notice outOfRangeNotice(const FieldDescription &field);

// True when the text is empty or reads as a finite number within the field's
// range. Empty text is left to the calculator's own empty-input rule,
// and a non-numeric text reads as 0, as on the pages.
bool textInRange(const FieldDescription &field, const std::string &text);

// Checks every numeric input of the description that has a finite bound (or only the
// given keys, in their order): the first one outside its range sets
// result.refused, adds its notice and returns true. A field with
// zeroPassesRangeCheck lets a text that reads as 0 through.
bool refuseOutOfRange(const CalculatorDescription &description, const Inputs &inputs,
                      Result &result);
bool refuseOutOfRange(const CalculatorDescription &description, const Inputs &inputs,
                      Result &result, std::initializer_list<const char *> keys);

} // namespace velmora::calc

#endif // VELMORA_RANGECHECK_H
