#ifndef VELMORA_LIMITSINPUTS_H
#define VELMORA_LIMITSINPUTS_H

// The inputs the two power-limit calculators share (limits.design and
// limits.map): the fiber, pump, signal, material constants with their
// sources and which limits count; the published parameter sets as presets;
// and reading the texts into powerlimits::Parameters.

#include "calculator.h"
#include "powerlimits.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::calc {

// The fields every power-limit tab has, in form order (inputs only).
std::vector<FieldDescription> limitsInputFields();

// The material constants, in the order of the page's constants table.
const std::vector<std::string> &limitsConstantKeys();

// The check-box key of each limit ("use_rupture", ...), in powerlimits order.
std::string limitUseKey(powerlimits::Limit limit);
// Its caption, e.g. {"热致断裂", "thermal rupture"}.
Text limitCaption(powerlimits::Limit limit);

// "custom" and the published sets: "dawson_broadband",
// "dawson_single_frequency", "zhu_tandem".
struct LimitsPreset {
    std::string id;
    Text title;
    Inputs values; // the inputs the preset sets
};
const std::vector<LimitsPreset> &limitsPresets();
const LimitsPreset *findLimitsPreset(const std::string &id);

// The texts with the chosen preset's values in place (a named preset sets
// every input it lists; "custom" leaves the texts as given): linkEdited of
// the "preset" field.
Inputs withPreset(const Inputs &inputs);

struct LimitsSetup {
    powerlimits::Parameters parameters;
    powerlimits::LimitSet include{};
};

// Reads and checks the shared inputs (empty, range, choices, cladding at
// least the core); nullopt with the refusal's notice in `refusalOut` otherwise.
std::optional<LimitsSetup> readLimitsInputs(const CalculatorDescription &description,
                                            const Inputs &inputs, Result &refusalOut);

} // namespace velmora::calc

#endif // VELMORA_LIMITSINPUTS_H
