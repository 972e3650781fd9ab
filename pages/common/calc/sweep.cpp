#include "sweep.h"

#include "innerthreads.h"
#include "inputreader.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>
#include <exception>
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

SweepResult runSweep(const Calculator &calculator, const std::vector<SweepAxis> &axes,
                     const Assignments &fixed, const SweepOptions &options)
{
    std::vector<std::vector<double>> grids;
    std::size_t total = 1;
    for (const SweepAxis &axis : axes) {
        grids.push_back(axis.values());
        total *= grids.back().size();
    }

    SweepResult out;
    out.points.resize(total);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};
    std::size_t done = 0;
    std::mutex progressMutex;

    const auto cancelled = [&] {
        return options.cancel && options.cancel->load(std::memory_order_relaxed);
    };
    const auto evaluatePoint = [&](std::size_t index) {
        SweepPoint &point = out.points[index];
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
    };
    const auto work = [&] {
        // The sweep's workers own the cores: no calculation splits itself.
        const innerthreads::SerialScope serial;
        for (;;) {
            if (cancelled()) {
                stopped = true;
                return;
            }
            const std::size_t index = next.fetch_add(1);
            if (index >= total)
                return;
            evaluatePoint(index);
            if (options.progress) {
                std::lock_guard<std::mutex> lock(progressMutex);
                options.progress(++done, total);
            }
        }
    };

    unsigned threads = options.threads ? options.threads : std::thread::hardware_concurrency();
    threads =
        std::max(1u, std::min<unsigned>(threads, unsigned(std::min<std::size_t>(total, 1024))));
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread &thread : pool)
        thread.join();

    if (stopped || cancelled()) {
        out.points.clear();
        out.cancelled = true;
    }
    return out;
}

} // namespace velmora::calc
