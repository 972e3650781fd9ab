#ifndef AMPLIFIERINPUTS_H
#define AMPLIFIERINPUTS_H

// Reading and checking the inputs of amp.steady_state: every number must be
// present, a number, and inside its field's range; then the checks that
// involve several fields. The first failure is returned as a notice naming
// the field, and nothing is computed.

#include "calculator.h"
#include "ybamplifierdesign.h"

#include <optional>
#include <string>

namespace velmora::calc {

// "请确保输入参数不为空", the pages' notice for an empty input.
extern const char *const kAmplifierEmptyInput;

// On success fills `design` and the cross-section table path `tablePath`
// (the `xs_file` input, or the shipped table) and returns nothing.
std::optional<Notice> readAmplifierInputs(const CalculatorDescription &description,
                                          const Inputs &inputs, yb::AmplifierDesign &design,
                                          std::string &tablePath);

// Power reflectivity of a cleaved silica end face at normal incidence,
// ((n − 1)/(n + 1))² with n = 1.45 (fused silica near 1 µm), through the
// fiber-parameters page's end-face model at 0°.
double fiberEndFaceReflectivity(double coreRadius, double numericalAperture, double wavelength);

} // namespace velmora::calc

#endif // AMPLIFIERINPUTS_H
