#ifndef PULSEINPUTS_H
#define PULSEINPUTS_H

// Reading and checking the inputs of the pulse calculators, and the common
// run: grid, launched pulse, propagation, and the outputs every pulse
// calculation reports. The first failed check is returned as a notice naming
// the field; nothing is computed then.

#include "calculator.h"
#include "pulsefield.h"

#include <functional>
#include <map>
#include <optional>
#include <string>

namespace velmora::calc {

// Every input as read: numbers in SI (page value × toSI), texts trimmed.
struct ReadInputs {
    std::map<std::string, double> value;
    std::map<std::string, std::string> text;
};

// Numbers present, numeric, finite and in range; choices among their texts.
std::optional<Notice> readInputs(const CalculatorDescription &description, const Inputs &inputs,
                                 ReadInputs &read);

struct PulseSetup {
    gnlse::Grid grid;
    gnlse::PulseSpec pulse;
    gnlse::Fiber fiber; // length, dispersion, nonlinearity; no gain
    gnlse::Settings settings;
    std::vector<gnlse::Complex> input;
};

// Grid, pulse and passive fiber from the read inputs (keys of pulsefields.h
// plus length_m and loss_db_m); refuses a window too narrow for the pulse.
std::optional<Notice> makePulseSetup(const CalculatorDescription &description,
                                     const ReadInputs &read, PulseSetup &setup);

// Propagates and writes the shared outputs; a failed or cancelled run, or an
// unresolved grid (energy at a window's edge), is a refusal.
Result propagatePulse(PulseSetup &setup, gnlse::Result &run);
// The same outputs (and refusals) for a propagation already made.
Result describePropagation(const PulseSetup &setup, const gnlse::Result &run);

Result refusal(Text text, std::string key = std::string());

} // namespace velmora::calc

#endif // PULSEINPUTS_H
