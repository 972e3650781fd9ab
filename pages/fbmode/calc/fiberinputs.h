#ifndef FBMODE_FIBERINPUTS_H
#define FBMODE_FIBERINPUTS_H

// What the three fiber-mode calculators share: the five fiber fields of a tab
// (core and cladding index, core radius, wavelength, NA), the page's notices
// and small readers of the input texts.

#include "calculator.h"
#include "catalogue.h"
#include "inputreader.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace velmora::calc::modes {

// Object names and defaults of the fiber fields of one tab.
struct FiberFieldNames {
    const char *n1;
    const char *n2;
    const char *a;
    const char *lambda;
    const char *na;
    const char *aDefault; // core radius default text (μm)
};

// n1, n2, a_um, lambda_nm (inputs) and na (linked to n1), in that order. n1
// and na are optional one at a time: either of them defines the core index.
// Their ranges are the shared ones (physics/inputranges.h), checked before
// anything else; the tabs' own tighter limits (core radius, NA at most 0.5)
// are rules of evaluate() with the page's own notices, so a value the range
// table accepts still gets the page's text.
std::vector<FieldDescription> fiberFields(const FiberFieldNames &names);

// The n1 <-> NA link of a tab, as the page's editingFinished() slots apply
// it: after n1 is edited, NA = sqrt(n1² - n2²) ("%f"; an emptied n1 is first
// refilled from NA and n2, g6); after NA is edited, n1 = sqrt(NA² + n2²)
// ("%f"; an emptied NA is first refilled from n1 and n2, g6), unless NA
// exceeds the tab's limit of 0.5, which leaves n1 alone (the page says so).
Inputs linkFiberIndices(const Inputs &inputs, const std::string &key);

// Output fields.
FieldDescription outputField(const std::string &key, const char *objectName, Text caption,
                             const std::string &unit, const std::string &format);
FieldDescription curveField(const std::string &key, const char *objectName, Text caption,
                            const std::string &unit, const std::string &format);

// The largest NA the tabs accept ("数值孔径不超过0.5").
constexpr double kMaxNa = 0.5;

// True when the NA text exceeds 0.5 and disagrees with sqrt(n1² - n2²) (by
// 0.01 or more): the link left n1 alone, so the calculation would silently
// use another NA than the one given. Tabs that do not refuse NA above 0.5
// outright refuse this case (kNaAboveHalf, "na").
bool naAboveLimitIgnored(const Inputs &inputs);

// The mode solver's cost for the fiber of a tab's inputs (a_um, lambda_nm,
// n1, n2; physics/modesolver.h: modeSolverSecondsEstimate).
CostEstimate modeSolveCost(const Inputs &inputs);

// The page's notices.
extern const Text kCoreBelowClad;        // "纤芯折射率应大于包层折射率"
extern const Text kNaAboveHalf;          // "数值孔径不超过0.5"
extern const Text kNoGuidedMode;         // "没有传导模，请重新输入"
extern const Text kModeOutOfList;        // a mode position past the end of the list
Text coreRadiusLimit(double aMaxMicron); // "纤芯半径不超过50微米"

// The text of `key` (empty when absent).
const std::string &textOf(const Inputs &inputs, const std::string &key);
// The first of `keys` whose text is empty, or "" when none is.
std::string firstEmpty(const Inputs &inputs, std::initializer_list<const char *> keys);
// The number a text holds as the page reads it (empty or non-numeric: 0).
double numberOf(const Inputs &inputs, const std::string &key);

// One output value: the number and its page text.
OutputValue scalar(double value, std::string text, const std::string &unit);
// A curve of values (numbers only: a list has no single display text).
OutputValue curve(std::vector<double> values, const std::string &unit);

// The four calculators (registered by registerfbmodeCalculators).
std::unique_ptr<Calculator> makeSolveCalculator();
std::unique_ptr<Calculator> makeFieldMapCalculator();
std::unique_ptr<Calculator> makeBeamQualityCalculator();
std::unique_ptr<Calculator> makeBendLossCalculator();

} // namespace velmora::calc::modes

#endif // FBMODE_FIBERINPUTS_H
