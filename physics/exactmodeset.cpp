#include "exactmodeset.h"

#include "modesolver.h"
#include "parallelrows.h"
#include "vectordispersion.h"
#include "vectorpower.h"

#include <cmath>
#include <limits>

namespace {

std::vector<double> gridDifferences(const StepIndexFiber &fiber, const std::vector<LpMode> &lp)
{
    const ModeSet grid = solveModes(fiber.a, fiber.lambda, fiber.n1, fiber.n2);
    std::vector<double> out;
    out.reserve(lp.size());
    for (const LpMode &mode : lp) {
        double difference = std::numeric_limits<double>::quiet_NaN();
        if (mode.m <= grid.maxOrder) {
            const std::vector<double> &list = grid.neffLists[static_cast<std::size_t>(mode.m)];
            if (static_cast<std::size_t>(mode.n) <= list.size())
                difference = mode.neff - list[static_cast<std::size_t>(mode.n) - 1];
        }
        out.push_back(difference);
    }
    return out;
}

bool cancelled(const ExactModeProgress *progress)
{
    return progress && progress->cancel.load(std::memory_order_relaxed);
}

} // namespace

ExactModeSet computeExactModeSet(const ExactModeRequest &request, ExactModeProgress *progress)
{
    ExactModeSet set;
    const StepIndexFiber &fiber = request.fiber;
    set.fiber = fiber;
    set.v = fiberV(fiber);
    const std::shared_ptr<const BesselZeroTable> zeros =
        sharedBesselZeroTable(highestGuidedOrderBound(set.v) + 1, set.v);
    set.lp = solveExactLpModes(fiber, zeros.get());
    const int count = static_cast<int>(set.lp.size());
    if (progress)
        progress->total.store(count);

    set.properties.resize(set.lp.size());
    parallelRows(count, [&](int row) {
        if (cancelled(progress))
            return;
        set.properties[static_cast<std::size_t>(row)] =
            lpModeProperties(fiber, set.lp[static_cast<std::size_t>(row)], request.options);
        if (progress)
            progress->done.fetch_add(1, std::memory_order_relaxed);
    });
    if (cancelled(progress)) {
        set.cancelled = true;
        return set;
    }
    set.gridDifference = gridDifferences(fiber, set.lp);
    if (request.vectorModes && !cancelled(progress)) {
        set.vector = solveExactVectorModes(fiber, set.lp, zeros.get());
        const int vectorCount = static_cast<int>(set.vector.size());
        if (progress)
            progress->total.fetch_add(vectorCount);
        parallelRows(vectorCount, [&](int row) {
            if (cancelled(progress))
                return;
            VectorMode &mode = set.vector[static_cast<std::size_t>(row)];
            const VectorDispersion d =
                vectorDispersion(fiber, mode, request.options.materialDispersion);
            mode.groupIndex = d.groupIndex;
            mode.beta2 = d.beta2;
            mode.dispersion = d.dispersion;
            mode.waveguideDispersion = d.waveguideDispersion;
            const VectorPower power = vectorModePower(fiber, mode, request.options.dopedRadius);
            mode.corePowerFraction = power.coreFraction;
            mode.dopedOverlap = power.dopedOverlap;
            mode.effectiveArea = power.effectiveArea;
            if (progress)
                progress->done.fetch_add(1, std::memory_order_relaxed);
        });
    }
    set.cancelled = cancelled(progress);
    return set;
}
