#include "sweep.h"

#include "cancellation.h"
#include "costlimit.h"
#include "innerthreads.h"
#include "inputreader.h"
#include "textformat.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

namespace velmora::calc {

std::vector<double> SweepAxis::values() const
{
    if (!list.empty())
        return list;
    std::vector<double> v(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = count > 1 ? double(i) / double(count - 1) : 0.0;
        v[i] = logarithmic ? start * std::pow(stop / start, t) : start + (stop - start) * t;
    }
    if (count > 1)
        v.back() = stop; // the rounded formula may miss the end by an ulp
    return v;
}

std::optional<Notice> parseSweepAxis(const std::string &key, const std::string &range,
                                     SweepAxis *axis)
{
    const std::size_t a = range.find(':');
    const std::size_t b = a == std::string::npos ? a : range.find(':', a + 1);
    double start = 0, stop = 0, count = 0;
    if (b == std::string::npos || !parseNumber(range.substr(0, a), &start) ||
        !parseNumber(range.substr(a + 1, b - a - 1), &stop) ||
        !parseNumber(range.substr(b + 1), &count) || count != std::floor(count) || count < 1 ||
        count > double(kMaxSweepPoints))
        return Notice{Text{key + "：扫描范围 “" + range + "” 应为 起点:终点:点数（点数为正整数）",
                           key + ": sweep range \"" + range +
                               "\" must be START:STOP:COUNT with a whole COUNT ≥ 1"},
                      key};
    *axis = SweepAxis{key, start, stop, std::size_t(count), false};
    return std::nullopt;
}

std::optional<Notice> checkSweep(const CalculatorDescription &description,
                                 const std::vector<SweepAxis> &axes, const Assignments &fixed)
{
    std::vector<std::string> keys;
    for (const SweepAxis &axis : axes)
        keys.push_back(axis.key);
    for (const Assignment &a : fixed)
        keys.push_back(a.first);
    if (auto notice = repeatedKey(keys)) // one key swept twice, or swept and fixed
        return notice;
    if (auto notice = checkAssignments(description, fixed))
        return notice;
    double points = 1;
    for (const SweepAxis &axis : axes) {
        const FieldDescription *field = description.field(axis.key);
        if (field && field->kind != ValueKind::Number)
            return Notice{Text{axis.key + "：只能扫描数值输入项",
                               axis.key + ": only number inputs can be swept"},
                          axis.key};
        // A listed axis has no ends to stand for the rest: check every value.
        const std::vector<double> checked =
            axis.list.empty() ? std::vector<double>{axis.start, axis.stop} : axis.list;
        for (double value : checked)
            if (auto notice = checkAssignment(description, {axis.key, exactText(value)}))
                return notice;
        if (axis.list.empty() && axis.logarithmic && !(axis.start > 0 && axis.stop > 0))
            return Notice{Text{axis.key + "：对数扫描的起点和终点必须大于 0",
                               axis.key + ": a logarithmic sweep needs START and STOP > 0"},
                          axis.key};
        points *= double(axis.list.empty() ? axis.count : axis.list.size());
    }
    if (points > double(kMaxSweepPoints))
        return Notice{
            Text{"扫描点数超过上限 " + std::to_string(kMaxSweepPoints),
                 "the sweep has more than " + std::to_string(kMaxSweepPoints) + " points"},
            ""};
    return std::nullopt;
}

std::size_t sweepPointCount(const std::vector<SweepAxis> &axes)
{
    std::size_t total = 1;
    for (const SweepAxis &axis : axes)
        total *= axis.list.empty() ? axis.count : axis.list.size();
    return total;
}

namespace {

// How many points a streaming sweep's workers may run ahead of the last one
// handed over, per thread: enough that a slow point does not idle the other
// workers, few enough that memory stays a few megabytes.
constexpr std::size_t kStreamWindowPerThread = 64;

// The hand-over of a streaming sweep: finished points wait here until every
// point before them is done, then go to onPoint in grid order.
class OrderedHandOver
{
public:
    OrderedHandOver(const SweepOptions &options, std::size_t first, std::size_t window)
        : m_onPoint(options.onPoint), m_next(first), m_window(window)
    {
    }

    // Blocks until `index` is within the window ahead of the last point
    // handed over. False when the sweep stops meanwhile (`stop` polled, or
    // onPoint refused a point).
    bool waitForRoom(std::size_t index, const std::function<bool()> &stop)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_refused && index >= m_next + m_window) {
            if (stop())
                return false;
            m_advanced.wait_for(lock, std::chrono::milliseconds(50));
        }
        return !m_refused;
    }

    // Stores a finished point and hands over every point now in order.
    // False when onPoint asked to stop.
    bool finish(std::size_t index, SweepPoint &&point)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_waiting.emplace(index, std::move(point));
        while (!m_refused && !m_waiting.empty() && m_waiting.begin()->first == m_next) {
            auto node = m_waiting.extract(m_waiting.begin());
            if (!m_onPoint(m_next, std::move(node.mapped())))
                m_refused = true;
            else
                ++m_next;
        }
        m_advanced.notify_all();
        return !m_refused;
    }

    std::size_t next() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_next;
    }

private:
    const std::function<bool(std::size_t, SweepPoint &&)> &m_onPoint;
    mutable std::mutex m_mutex;
    std::condition_variable m_advanced;
    std::map<std::size_t, SweepPoint> m_waiting;
    std::size_t m_next;
    const std::size_t m_window;
    bool m_refused = false;
};

} // namespace

std::optional<Notice> checkSweepCost(const Calculator &calculator,
                                     const std::vector<SweepAxis> &axes, const Assignments &fixed,
                                     unsigned threads)
{
    if (axes.empty())
        return std::nullopt;
    double points = 1;
    std::vector<std::vector<double>> ends;
    for (const SweepAxis &axis : axes) {
        const std::vector<double> values = axis.values();
        points *= double(values.size());
        const auto [low, high] = std::minmax_element(values.begin(), values.end());
        ends.push_back({*low, *high});
    }
    // Every corner of the grid (at most 2^6 of them; beyond, the two
    // extreme ones): the cost models grow monotonically in each input.
    const std::size_t corners = axes.size() <= 6 ? std::size_t(1) << axes.size() : 2;
    CostEstimate dearest;
    Inputs first;
    for (std::size_t c = 0; c < corners; ++c) {
        Assignments assignments = fixed;
        for (std::size_t k = 0; k < axes.size(); ++k) {
            const bool high = axes.size() <= 6 ? ((c >> k) & 1) != 0 : c == 1;
            assignments.emplace_back(axes[k].key, exactText(ends[k][high ? 1 : 0]));
        }
        const Inputs inputs = applyAssignments(calculator, assignments);
        if (c == 0)
            first = inputs;
        const CostEstimate cost = calculator.estimateCost(inputs);
        if (cost.seconds > dearest.seconds)
            dearest = cost;
    }
    const std::string key = axes.front().key;
    if (auto notice = costRefusal(sweepCost(dearest, points, threads, 0), key))
        return notice;
    // The memory the results take, measured on one quick point (a dear one
    // is counted as a scalar result of about 2 kB).
    constexpr double kQuickPointSeconds = 1.0;
    const double bytes =
        dearest.seconds < kQuickPointSeconds ? resultBytes(calculator.evaluate(first)) : 2048.0;
    return costRefusal(sweepCost(dearest, points, threads, bytes), key);
}

SweepResult runSweep(const Calculator &calculator, const std::vector<SweepAxis> &axes,
                     const Assignments &fixed, const SweepOptions &options)
{
    std::vector<std::vector<double>> grids;
    for (const SweepAxis &axis : axes)
        grids.push_back(axis.values());
    const std::size_t total = sweepPointCount(axes);
    const std::size_t end = std::min(options.end, total);
    const std::size_t first = std::min(options.first, end);
    const std::size_t count = end - first;

    unsigned threads = options.threads ? options.threads : std::thread::hardware_concurrency();
    threads = std::max(
        1u, std::min<unsigned>(
                threads, unsigned(std::min<std::size_t>(std::max<std::size_t>(count, 1), 1024))));

    SweepResult out;
    const bool streaming = bool(options.onPoint);
    if (!streaming)
        out.points.resize(count);
    OrderedHandOver handOver(options, first, kStreamWindowPerThread * threads);
    std::atomic<std::size_t> next{first};
    std::atomic<bool> stopped{false};
    std::size_t done = 0;
    std::mutex progressMutex;

    const auto cancelled = [&] {
        return options.cancel && options.cancel->load(std::memory_order_relaxed);
    };
    const auto evaluatePoint = [&](std::size_t index) {
        SweepPoint point;
        point.sweptValues.resize(axes.size());
        Assignments assignments = fixed;
        // Mixed radix, last axis fastest: the first swept key is outermost.
        std::size_t rest = index;
        for (std::size_t k = axes.size(); k-- > 0;) {
            const std::size_t n = grids[k].size();
            point.sweptValues[k] = grids[k][rest % n];
            rest /= n;
        }
        for (std::size_t k = 0; k < axes.size(); ++k)
            assignments.emplace_back(axes[k].key, exactText(point.sweptValues[k]));
        try {
            point.result = calculator.evaluate(applyAssignments(calculator, assignments));
        } catch (const std::exception &e) {
            // A fault in one point must not take the other rows (or the
            // process, from a worker thread) down with it.
            point.result = refusal(Text{std::string("内部错误：") + e.what(),
                                        std::string("internal error: ") + e.what()});
        }
        return point;
    };
    const auto work = [&] {
        // The sweep's workers own the cores: no calculation splits itself.
        const innerthreads::SerialScope serial;
        // A long point ends early too when the sweep is cancelled.
        const cancellation::Scope cancellable(options.cancel);
        for (;;) {
            if (cancelled() || stopped) {
                stopped = true;
                return;
            }
            const std::size_t index = next.fetch_add(1);
            if (index >= end)
                return;
            if (streaming &&
                !handOver.waitForRoom(index, [&] { return cancelled() || stopped.load(); })) {
                stopped = true;
                return;
            }
            SweepPoint point = evaluatePoint(index);
            // A point cut short by the cancel flag (cancellation.h) is no
            // result: it is never handed over, and a resumed sweep computes it.
            if (cancelled()) {
                stopped = true;
                return;
            }
            if (streaming) {
                if (!handOver.finish(index, std::move(point))) {
                    stopped = true;
                    return;
                }
            } else {
                out.points[index - first] = std::move(point);
            }
            if (options.progress) {
                std::lock_guard<std::mutex> lock(progressMutex);
                options.progress(++done, count);
            }
        }
    };

    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread &thread : pool)
        thread.join();

    out.delivered = handOver.next() - first;
    if (stopped || cancelled()) {
        out.points.clear();
        out.cancelled = true;
    }
    return out;
}

} // namespace velmora::calc
