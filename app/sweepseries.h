#ifndef SWEEPSERIES_H
#define SWEEPSERIES_H

// Turns the points of a sweep into what the sweep window draws and lists:
// curves (one per output, or one per value of the series input) and table
// rows. No widgets here, so the mapping is tested on its own.
//
// A refused point (or an output that is not finite there) is never drawn:
// it is absent from its curve and its row carries the notice instead.

#include "sweep.h"
#include "sweepsetup.h"

#include <limits>
#include <string>
#include <vector>

struct SweepSeries {
    std::string name; // legend text
    int axis = 1;     // 1: left value axis, 2: right value axis
    std::vector<double> x;
    std::vector<double> y;
};

struct SweepRow {
    double x = 0;
    int group = -1;      // series value, -1 without a series input
    std::string output1; // display texts ("" when refused)
    std::string output2;
    double value1 = std::numeric_limits<double>::quiet_NaN(); // the numbers behind them
    double value2 = std::numeric_limits<double>::quiet_NaN();
    std::string notice; // the refusal or notice text, "" when none
};

struct SweepTable {
    std::vector<SweepSeries> series;
    std::vector<SweepRow> rows;
};

// `english` picks the language of legend and notice texts. A series input
// that is a row of the calculator's guided-mode list (its curve outputs "m"
// and "n") names each curve by its mode (LP01, LP11, …) and leaves out the
// rows past the end of the list: only the modes that exist are drawn.
SweepTable tabulateSweep(const velmora::calc::CalculatorDescription &description,
                         const SweepSetup &setup, const velmora::calc::SweepResult &result,
                         bool english = false);

// The scalar an output contributes at one point: the value of a scalar
// output, or a curve output read at setup.sampleAt along the description's first
// curve (linear interpolation; NaN outside it). NaN when absent.
double sweepOutputValue(const velmora::calc::CalculatorDescription &description,
                        const std::string &key, double sampleAt,
                        const velmora::calc::Result &result);

#endif // SWEEPSERIES_H
