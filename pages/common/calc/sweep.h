#ifndef VELMORA_SWEEP_H
#define VELMORA_SWEEP_H

// A parameter sweep over one calculator: every combination of the swept
// inputs' grid values, the first swept key outermost (the row order of a
// nested loop), evaluated on a pool of threads.
//
// Each point is evaluated from its own input texts, and its result is stored
// at its own index, so the rows are the same bytes whatever the thread count.
// Calculators are const and share no mutable state, so points run in
// parallel without locks; only the progress report is serialised.
//
// A sweep may cover a slice of the grid (rows first..end-1 of the whole
// sweep, for one shard of a job spread over machines, or the rest of an
// interrupted one), and may hand its points over one by one in grid order
// instead of keeping them, so a long sweep streams to its file in bounded
// memory.

#include "calculator.h"
#include "validation.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace velmora::calc {

struct SweepAxis {
    std::string key;
    double start = 0;
    double stop = 0;
    std::size_t count = 1;
    bool logarithmic = false; // geometric spacing; start and stop must be > 0
    // Given grid values (any order, e.g. a numpy array from Python); when not
    // empty they are the axis and start, stop, count and logarithmic are unused.
    std::vector<double> list = {};

    // The grid values: the list when given, else start, ..., stop (exactly
    // stop at the end); one value is start alone.
    std::vector<double> values() const;
};

// "START:STOP:COUNT" into an axis for `key`; a notice naming the key when
// the text does not have that form.
std::optional<Notice> parseSweepAxis(const std::string &key, const std::string &range,
                                     SweepAxis *axis);

struct SweepPoint {
    std::vector<double> sweptValues; // one per axis, in axis order
    Result result;
};

struct SweepOptions {
    unsigned threads = 0;                      // 0: std::thread::hardware_concurrency()
    const std::atomic<bool> *cancel = nullptr; // set to stop early
    // Called after each finished point with (done, total), from a worker
    // thread but never from two at once.
    std::function<void(std::size_t, std::size_t)> progress;
    // The slice of the grid to evaluate: grid indices first .. end-1 (clamped
    // to the grid). progress then counts the slice's points.
    std::size_t first = 0;
    std::size_t end = std::numeric_limits<std::size_t>::max();
    // When set, every point is handed over in grid order (its grid index and
    // the point) as soon as all points before it are done, from a worker
    // thread but never from two at once, and is not kept in the result.
    // Returning false stops the sweep (as a cancel does). The workers run at
    // most a bounded number of points ahead of the last one handed over, so
    // memory stays bounded whatever the grid's size.
    std::function<bool(std::size_t, SweepPoint &&)> onPoint;
};

struct SweepResult {
    std::vector<SweepPoint> points; // grid order; empty when cancelled or streamed
    bool cancelled = false;         // by the cancel flag or by onPoint returning false
    std::size_t delivered = 0;      // points handed to onPoint (a prefix of the slice)
};

// Points in the whole grid: the product of the axes' lengths.
std::size_t sweepPointCount(const std::vector<SweepAxis> &axes);

// Largest grid a sweep accepts (all axes multiplied), so a typo in a count
// cannot ask for memory the machine does not have (a point with its texts
// takes about 1.6 kB).
constexpr std::size_t kMaxSweepPoints = 1'000'000;

// Checks the axes and the fixed assignments against the description (unknown key,
// a swept key that is not a number input, count 0, log spacing through 0,
// grid ends outside the accepted range, too many points); the first problem
// as a notice.
std::optional<Notice> checkSweep(const CalculatorDescription &description,
                                 const std::vector<SweepAxis> &axes, const Assignments &fixed);

// The sweep's cost against the limit of costlimit.h, before it starts: the
// dearest corner of the grid by the calculator's own estimate times the
// points (over `threads`, 0 for every core), and the memory of the results
// held, measured on the first point. The refusal names the first swept key.
std::optional<Notice> checkSweepCost(const Calculator &calculator,
                                     const std::vector<SweepAxis> &axes, const Assignments &fixed,
                                     unsigned threads);

// Runs the sweep. `fixed` are applied first at every point, then the swept
// values (as exact texts), so a swept linked field rewrites its partner.
SweepResult runSweep(const Calculator &calculator, const std::vector<SweepAxis> &axes,
                     const Assignments &fixed, const SweepOptions &options = {});

} // namespace velmora::calc

#endif // VELMORA_SWEEP_H
