#ifndef AMPLIFIERFIELDS_H
#define AMPLIFIERFIELDS_H

// The fields of amp.steady_state (keys, page object names, captions, units,
// defaults, accepted ranges) and the page's two example presets.

#include "calculator.h"

#include <vector>

namespace velmora::calc {

// Choice texts.
extern const char *const kCorePumped;     // "纤芯泵浦"
extern const char *const kCladdingPumped; // "包层泵浦"
extern const char *const kAmplifierMode;  // "放大器"
extern const char *const kLaserMode;      // "激光器"
extern const char *const kR2Grating;      // "光栅"
extern const char *const kR2EndFace;      // "光纤端面"

std::vector<FieldDescription> amplifierFields();

struct AmplifierPreset {
    Text name;
    Inputs inputs; // every input key
};

// (1) core-pumped, (2) double-clad backward-pumped reference amplifiers.
std::vector<AmplifierPreset> amplifierPresets();

} // namespace velmora::calc

#endif // AMPLIFIERFIELDS_H
