#ifndef VELMORA_COSTLIMIT_H
#define VELMORA_COSTLIMIT_H

// Bounded cost: a calculation (or a sweep of them) whose estimated time or
// memory is above a limit is refused before it starts, with the estimate and
// how to raise the limit, instead of running for minutes or exhausting
// memory. Calculators state their cost model in Calculator::estimateCost();
// sweeps multiply the per-point figures by the number of points.
//
// The limit is one per process: 60 s and 2 GB unless the environment says
// otherwise (VELMORA_MAX_SECONDS, VELMORA_MAX_MEMORY_GB) or a front end sets
// it (velmora-cli --max-seconds / --max-memory-gb, velmora.set_cost_limit()).

#include "calculator.h"

#include <cstddef>
#include <optional>

namespace velmora::calc {

struct CostLimit {
    double seconds = 60;
    double bytes = 2e9;
};

// The limit in force (thread-safe).
CostLimit costLimit();
void setCostLimit(const CostLimit &limit);

// The refusal for an estimate above the limit, naming `key`; nothing when
// the estimate is within it.
std::optional<Notice> costRefusal(const CostEstimate &estimate, const std::string &key);

// The estimate of a sweep: `points` evaluations whose dearest costs
// `perPoint`, spread over `threads` (0: every core), each result holding
// about `resultBytes`.
CostEstimate sweepCost(const CostEstimate &perPoint, double points, unsigned threads,
                       double resultBytes);

// Bytes a result holds (outputs, texts and data), for the memory estimate.
double resultBytes(const Result &result);

} // namespace velmora::calc

#endif // VELMORA_COSTLIMIT_H
