#ifndef VELMORA_FINITEGUARD_H
#define VELMORA_FINITEGUARD_H

// The last line of defence between a calculator and whoever shows its
// result: a number that is not finite (inf, NaN) is never reported as a
// result. Calculators refuse the inputs they know to be out of their models
// with a notice of their own; an output that still comes out non-finite
// turns the whole result into a refusal that names the output and the
// inputs that differ from the page defaults, so a model's blind spot is
// reported instead of printed as "nan".
//
// Outputs the page clears (no text, no value) and the entries of a curve
// whose field allows gaps (FieldDescription::gapsAllowed: a table column) are
// not results and pass.

#include "calculator.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora::calc {

// `result` unchanged when it is refused already or every reported number is
// finite; otherwise a refusal naming the first non-finite output.
Result finiteOrRefused(const CalculatorDescription &description, const Inputs &inputs,
                       Result result);

// The input keys whose text differs from the field's default, in field
// order: what the user chose, the likely cause of a refusal that no single
// input explains.
std::vector<std::string> changedInputs(const CalculatorDescription &description,
                                       const Inputs &inputs);

// The first of `candidates` the user changed, else the first candidate: the
// key a refusal names when several inputs together cause it.
std::string blamedInput(const CalculatorDescription &description, const Inputs &inputs,
                        const std::vector<std::string> &candidates);

// Wraps a calculator so that evaluate() passes its result through
// finiteOrRefused(). The catalogue holds every calculator this way.
std::unique_ptr<Calculator> finiteGuarded(std::unique_ptr<Calculator> calculator);

} // namespace velmora::calc

#endif // VELMORA_FINITEGUARD_H
