#include "besselzeros.h"

#include "besselpolicy.h"

#include <algorithm>
#include <cmath>
#include <mutex>

BesselZeroTable::BesselZeroTable(int maxOrder, double limit)
    : m_zeros(maxOrder < 0 ? 0 : maxOrder + 1)
{
    for (int order = 0; order <= maxOrder; ++order) {
        std::vector<double> &list = m_zeros[order];
        for (int k = 1;; ++k) {
            const double z = besselpolicy::besselJZero(order, k);
            list.push_back(z);
            if (!(z <= limit)) // also stops on a NaN
                break;
        }
    }
}

int highestGuidedOrderBound(double v)
{
    // j_{m-1,1} > m - 1, so an order m with m - 1 >= V is never guided.
    if (!(v > 0))
        return 0;
    return static_cast<int>(std::ceil(v)) + 1;
}

std::shared_ptr<const BesselZeroTable> sharedBesselZeroTable(int maxOrder, double limit)
{
    static std::mutex mutex;
    static std::shared_ptr<const BesselZeroTable> table;
    std::lock_guard<std::mutex> lock(mutex);
    if (!table || !table->covers(maxOrder, limit)) {
        const int order = table ? std::max(maxOrder, table->maxOrder()) : maxOrder;
        const double upTo = table ? std::max(limit, table->limit()) : limit;
        table = std::make_shared<const BesselZeroTable>(order, upTo);
    }
    return table;
}
