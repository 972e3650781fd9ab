#ifndef SWEEPSETUP_H
#define SWEEPSETUP_H

// What a sweep in the sweep window is: a calculator, one swept input with its
// grid, the fixed inputs and one or two outputs. The presets are the
// questions engineers ask most; the last setup is kept in the settings store.

#include "validation.h"

#include <QString>

#include <string>
#include <vector>

struct SweepSetup {
    std::string calculatorId;
    std::string sweptKey;
    double start = 0;
    double stop = 0;
    int count = 21;
    bool logarithmic = false;
    velmora::calc::Assignments fixed; // every other input, as texts
    std::string output1;
    std::string output2; // "" for none
    // Optional series input: one curve per value 0, 1, ..., groupCount-1
    // (for example the mode index of the bend-loss tab).
    std::string groupKey;
    int groupCount = 0;
    // For a curve output (a spectrum): the value read at this abscissa of
    // the calculator's first curve (the wavelength axis); 0 when unused.
    double sampleAt = 0;
};

struct SweepPreset {
    const char *titleZh;
    const char *titleEn;
    SweepSetup setup;
};

// The presets whose calculator and keys exist in the catalogue.
std::vector<SweepPreset> availableSweepPresets();

// The last setup used (empty calculatorId when none was saved), and saving it.
SweepSetup loadLastSweepSetup();
void saveLastSweepSetup(const SweepSetup &setup);

#endif // SWEEPSETUP_H
