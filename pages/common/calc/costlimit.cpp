#include "costlimit.h"

#include "textformat.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace velmora::calc {

namespace {

std::mutex g_mutex;

double environmentValue(const char *name, double fallback)
{
    const char *text = std::getenv(name);
    double value = 0;
    if (text && parseNumber(text, &value) && value > 0)
        return value;
    return fallback;
}

CostLimit &limitInForce()
{
    static CostLimit limit{environmentValue("VELMORA_MAX_SECONDS", 60),
                           environmentValue("VELMORA_MAX_MEMORY_GB", 2) * 1e9};
    return limit;
}

// "4.7", "125", "2000": three digits, whole numbers without an exponent.
std::string rounded(double value)
{
    return value >= 100 && value < 1e15 ? formatNumber(value, 'f', 0) : formatNumber(value, 'g', 3);
}

} // namespace

CostLimit costLimit()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return limitInForce();
}

void setCostLimit(const CostLimit &limit)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    limitInForce() = limit;
}

std::optional<Notice> costRefusal(const CostEstimate &estimate, const std::string &key)
{
    const CostLimit limit = costLimit();
    const std::string basis = estimate.basis.empty() ? "" : " (" + estimate.basis + ")";
    const std::string how =
        "; raise the limit with --max-seconds / --max-memory-gb (velmora-cli), "
        "velmora.set_cost_limit() (Python) or VELMORA_MAX_SECONDS / "
        "VELMORA_MAX_MEMORY_GB";
    const std::string prefix; // the front ends put the key before the text
    if (estimate.seconds > limit.seconds)
        return Notice{{prefix + "估计耗时约 " + rounded(estimate.seconds) + " 秒" + basis +
                           "，超过上限 " + rounded(limit.seconds) + " 秒" + how,
                       prefix + "this would take about " + rounded(estimate.seconds) + " s" +
                           basis + ", above the limit of " + rounded(limit.seconds) + " s" + how},
                      key};
    if (estimate.bytes > limit.bytes)
        return Notice{
            {prefix + "估计需要约 " + rounded(estimate.bytes / 1e9) + " GB 内存" + basis +
                 "，超过上限 " + rounded(limit.bytes / 1e9) + " GB" + how,
             prefix + "this would need about " + rounded(estimate.bytes / 1e9) + " GB of memory" +
                 basis + ", above the limit of " + rounded(limit.bytes / 1e9) + " GB" + how},
            key};
    return std::nullopt;
}

CostEstimate sweepCost(const CostEstimate &perPoint, double points, unsigned threads,
                       double resultBytes)
{
    const double cores =
        std::max(1u, threads ? threads : std::max(1u, std::thread::hardware_concurrency()));
    CostEstimate total;
    total.seconds = perPoint.seconds * points / std::min(cores, std::max(1.0, points));
    total.bytes = (perPoint.bytes + resultBytes) * points;
    total.basis = formatNumber(points, 'g', 6) + " points" +
                  (perPoint.basis.empty() ? "" : ", the dearest with " + perPoint.basis);
    return total;
}

double resultBytes(const Result &result)
{
    double bytes = sizeof(Result);
    for (const auto &[key, out] : result.outputs)
        bytes += sizeof(OutputValue) + 64 + key.size() + out.text.size() +
                 out.data.size() * sizeof(double);
    for (const Notice &n : result.notices)
        bytes += sizeof(Notice) + n.text.zh.size() + n.text.en.size();
    return bytes;
}

} // namespace velmora::calc
