#ifndef EXACTMODESET_H
#define EXACTMODESET_H

// One exact calculation of a step-index fiber: every guided LP mode
// (exactmodes.h) with its properties (modeproperties.h), the difference to the
// fiber-mode page's grid value (modesolver.h), and optionally the vector modes
// grouped under their LP modes (vectormodes.h) with their group index and
// dispersion (vectordispersion.h) and core power fraction (vectorpower.h). The
// properties of the modes are computed on two threads; progress and
// cancellation are polled between modes.

#include "exactmodes.h"
#include "modeproperties.h"
#include "vectormodes.h"

#include <atomic>
#include <vector>

struct ExactModeRequest {
    StepIndexFiber fiber;
    ModePropertyOptions options;
    bool vectorModes = false;
};

struct ExactModeSet {
    StepIndexFiber fiber;
    double v = 0.0;
    std::vector<LpMode> lp;                   // table order
    std::vector<LpModeProperties> properties; // one per LP mode
    // neff(exact) - neff(grid) of the page's 10000-sample search (NaN where the
    // grid search, which stops at its first order without a root and at m = 30,
    // has no such mode).
    std::vector<double> gridDifference;
    std::vector<VectorMode> vector; // grouped by LP mode (empty unless asked)
    bool cancelled = false;         // true: the lists above are incomplete
};

// Shared with a caller on another thread: `done` counts the modes finished
// (of `total`, set once the LP modes are known); setting `cancel` ends the
// calculation after the modes in progress.
struct ExactModeProgress {
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::atomic<bool> cancel{false};
};

ExactModeSet computeExactModeSet(const ExactModeRequest &request,
                                 ExactModeProgress *progress = nullptr);

#endif // EXACTMODESET_H
