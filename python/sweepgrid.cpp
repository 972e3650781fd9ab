#include "sweepgrid.h"

#include <algorithm>
#include <limits>

namespace velmora::python {

SweepRun::SweepRun(const calc::Calculator &calculator, const SweepJob &job)
    : m_calculator(calculator), m_job(job)
{
    for (const SweepAxis &axis : job.axes)
        m_points *= axis.texts.size();
    m_outcome.values.assign(
        job.outputs.size(),
        std::vector<double>(m_points, std::numeric_limits<double>::quiet_NaN()));
    m_refusedFlags.assign(m_points, 0);
    m_notices.resize(m_points);

    int threads = job.threads > 0
                      ? job.threads
                      : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threads = static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(threads), m_points));
    m_running = threads;
    for (int t = 0; t < threads; ++t)
        m_workers.emplace_back([this] { work(); });
}

SweepRun::~SweepRun()
{
    m_cancelled = true;
    for (std::thread &t : m_workers)
        if (t.joinable())
            t.join();
}

void SweepRun::evaluatePoint(std::size_t flat, calc::Inputs &inputs)
{
    std::size_t rest = flat;
    for (std::size_t d = m_job.axes.size(); d-- > 0;) {
        const SweepAxis &axis = m_job.axes[d];
        inputs[axis.key] = axis.texts[rest % axis.texts.size()];
        rest /= axis.texts.size();
    }
    calc::Result result = m_calculator.evaluate(inputs);
    if (result.refused) {
        m_refusedFlags[flat] = 1;
        if (!result.notices.empty())
            m_notices[flat] = std::move(result.notices.front());
        return;
    }
    for (std::size_t o = 0; o < m_job.outputs.size(); ++o) {
        const auto it = result.outputs.find(m_job.outputs[o]);
        if (it != result.outputs.end())
            m_outcome.values[o][flat] = it->second.value;
    }
}

void SweepRun::work()
{
    calc::Inputs inputs = m_job.fixed;
    try {
        for (std::size_t flat = m_next++; flat < m_points && !m_cancelled; flat = m_next++)
            evaluatePoint(flat, inputs);
    } catch (...) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_error)
            m_error = std::current_exception();
        m_cancelled = true;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    --m_running;
    m_finished.notify_all();
}

bool SweepRun::waitFor(std::chrono::milliseconds wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_finished.wait_for(lock, wait, [this] { return m_running == 0; });
}

SweepOutcome SweepRun::take()
{
    for (std::thread &t : m_workers)
        t.join();
    m_workers.clear();
    if (m_error)
        std::rethrow_exception(m_error);
    for (std::size_t i = 0; i < m_points; ++i)
        if (m_refusedFlags[i])
            m_outcome.refused.emplace_back(i, std::move(m_notices[i]));
    return std::move(m_outcome);
}

} // namespace velmora::python
