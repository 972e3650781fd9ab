#include "heatgreensamples.h"

#include "cancellation.h"

#include "complexbessel.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <future>
#include <list>
#include <map>
#include <mutex>

namespace {

constexpr double kPi = 3.141592653589793;

// Configurations kept: a sweep needs one; a page recalculated between sweep
// points, or two sweeps side by side, a second.
constexpr size_t kKeptSetups = 3;
// Offsets kept per configuration: the widest scan has 1001; beyond this bound
// (never reached by the model) the configuration starts afresh.
constexpr size_t kMaxOffsetsPerSetup = 4096;

using SamplesPtr = std::shared_ptr<const HeatGreenSamples>;
using PendingSamples = std::shared_future<SamplesPtr>;

// Doubles compared by their bits, the identity that matters here (NaN never
// equals itself as a double).
uint64_t bitsOf(double x)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

using SetupKey = std::vector<uint64_t>;

SetupKey keyOf(const HeatGreenSetup &s)
{
    return {bitsOf(s.claddingRadius), bitsOf(s.outerStep),    bitsOf(s.dopedRadius),
            bitsOf(s.innerStep),      bitsOf(s.conductivity), bitsOf(s.heatCapacity),
            bitsOf(s.heatTransfer)};
}

struct KeptSetup {
    SetupKey key;
    std::map<uint64_t, PendingSamples> byOffset; // ready, or being computed by a thread
};

std::mutex keptMutex;
std::list<KeptSetup> kept; // most recently used first

// The kept setup of `key`, made the most recent (created when missing, the
// least recent one dropped). Callers hold keptMutex. Threads waiting on a
// dropped setup's samples keep their shared futures.
KeptSetup &keptSetup(const SetupKey &key)
{
    for (auto it = kept.begin(); it != kept.end(); ++it)
        if (it->key == key) {
            kept.splice(kept.begin(), kept, it);
            return kept.front();
        }
    kept.push_front(KeptSetup{key, {}});
    if (kept.size() > kKeptSetups)
        kept.pop_back();
    return kept.front();
}

// The Green's-function factors at every radius of one grid; r = 0 is left
// zero (never used: terms at r = 0 are zero).
void sampleGrid(const std::vector<double> &radii, const HeatGreenOffset &o, std::vector<double> *i1,
                std::vector<double> *outer)
{
    i1->assign(2 * radii.size(), 0.0);
    outer->assign(2 * radii.size(), 0.0);
    for (size_t k = 0; k < radii.size(); ++k) {
        if (radii[k] == 0)
            continue;
        Complex i, k1;
        complexBesselI1K1(o.q * radii[k], &i, &k1);
        const Complex e = k1 + o.d * i;
        (*i1)[2 * k] = i.re();
        (*i1)[2 * k + 1] = i.im();
        (*outer)[2 * k] = e.re();
        (*outer)[2 * k + 1] = e.im();
    }
}

SamplesPtr computeSamples(const HeatGreenSetup &setup, const std::vector<double> &outerRadii,
                          const std::vector<double> &innerRadii, double offsetKHz)
{
    auto samples = std::make_shared<HeatGreenSamples>();
    samples->offset = heatGreenOffset(setup, offsetKHz);
    sampleGrid(outerRadii, samples->offset, &samples->outerI1, &samples->outerE);
    sampleGrid(innerRadii, samples->offset, &samples->innerI1, &samples->innerE);
    return samples;
}

} // namespace

// The operand order of every expression is the model's (the published
// digits of the mode-instability page depend on it).
HeatGreenOffset heatGreenOffset(const HeatGreenSetup &c, double f)
{
    const Complex s(0.0, 2 * f * kPi * 1000 * c.heatCapacity / c.conductivity);
    const Complex q = complexSqrt(s);
    const Complex h = Complex(2 * c.heatTransfer, 0.0) / (q * c.conductivity);
    const Complex qb = q * c.claddingRadius;
    const Complex d = (complexBesselK(0, qb) + complexBesselK(2, qb) - h * complexBesselK(1, qb)) /
                      (complexBesselI(0, qb) + complexBesselI(2, qb) + h * complexBesselI(1, qb));
    return {q, d};
}

std::vector<SamplesPtr> heatGreenSamples(const HeatGreenSetup &setup,
                                         const std::vector<double> &outerRadii,
                                         const std::vector<double> &innerRadii,
                                         const std::vector<double> &offsetsKHz)
{
    const SetupKey key = keyOf(setup);
    std::vector<PendingSamples> pending(offsetsKHz.size());
    // One offset at a time: claim it if nobody has, and compute what was
    // claimed at once, never waiting while holding a claim (so no thread can
    // wait on another that waits on it).
    for (size_t k = 0; k < offsetsKHz.size(); ++k) {
        const uint64_t offset = bitsOf(offsetsKHz[k]);
        std::promise<SamplesPtr> mine;
        {
            std::lock_guard<std::mutex> lock(keptMutex);
            KeptSetup &kept = keptSetup(key);
            const auto found = kept.byOffset.find(offset);
            if (found != kept.byOffset.end()) {
                pending[k] = found->second;
                continue;
            }
            if (kept.byOffset.size() >= kMaxOffsetsPerSetup)
                kept.byOffset.clear();
            pending[k] = mine.get_future().share();
            kept.byOffset.emplace(offset, pending[k]);
        }
        try {
            cancellation::throwIfRequested(); // one offset's samples at most after Ctrl-C
            mine.set_value(computeSamples(setup, outerRadii, innerRadii, offsetsKHz[k]));
        } catch (...) {
            {
                std::lock_guard<std::mutex> lock(keptMutex);
                keptSetup(key).byOffset.erase(offset); // a failure is not kept
            }
            mine.set_exception(std::current_exception());
            throw;
        }
    }
    std::vector<SamplesPtr> samples(pending.size());
    for (size_t k = 0; k < pending.size(); ++k)
        samples[k] = pending[k].get(); // rethrows another thread's failure
    return samples;
}

void forgetHeatGreenSamples()
{
    std::lock_guard<std::mutex> lock(keptMutex);
    kept.clear();
}
