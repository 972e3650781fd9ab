#ifndef VELMORA_SWEEPGRID_H
#define VELMORA_SWEEPGRID_H

// The grid evaluation behind velmora.sweep(), free of Python: every
// combination of the axes' texts (the last axis varies fastest, numpy's
// C order) evaluated by one calculator on worker threads, started on
// construction, awaited with waitFor() so the caller can look for an
// interrupt, and stopped early with cancel().

#include "calculator.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace velmora::python {

struct SweepAxis {
    std::string key;
    std::vector<std::string> texts;
};

struct SweepJob {
    calc::Inputs fixed; // every other input, defaults included
    std::vector<SweepAxis> axes;
    std::vector<std::string> outputs; // scalar output keys
    int threads = 0;                  // 0: every core
};

struct SweepOutcome {
    std::vector<std::vector<double>> values; // per output, one per grid point, NaN if refused
    std::vector<std::pair<std::size_t, calc::Notice>> refused; // flat index, first notice
};

class SweepRun
{
public:
    SweepRun(const calc::Calculator &calculator, const SweepJob &job);
    ~SweepRun(); // cancels and joins
    SweepRun(const SweepRun &) = delete;
    SweepRun &operator=(const SweepRun &) = delete;

    // True when every worker has finished (within `wait`).
    bool waitFor(std::chrono::milliseconds wait);
    void cancel() { m_cancelled = true; }
    // Joins, then hands over the values; rethrows what a worker threw.
    SweepOutcome take();

private:
    void work();
    void evaluatePoint(std::size_t flat, calc::Inputs &inputs);

    const calc::Calculator &m_calculator;
    const SweepJob &m_job;
    std::size_t m_points = 1;
    SweepOutcome m_outcome;
    std::vector<char> m_refusedFlags;
    std::vector<calc::Notice> m_notices;
    std::atomic<std::size_t> m_next{0};
    std::atomic<bool> m_cancelled{false};
    std::mutex m_mutex;
    std::condition_variable m_finished;
    int m_running = 0;
    std::exception_ptr m_error;
    std::vector<std::thread> m_workers;
};

} // namespace velmora::python

#endif // VELMORA_SWEEPGRID_H
