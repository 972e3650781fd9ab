#ifndef BESSELZEROS_H
#define BESSELZEROS_H

// Positive zeros j_{nu,k} of the Bessel functions J_nu of integer order, as
// the brackets of the exact mode solvers: between two consecutive zeros of
// J_nu the ratios J_{nu+-1}/J_nu have no pole, so each interval holds at most
// one root of an LP or vector eigenvalue equation (Snyder & Love, Optical
// Waveguide Theory, 1983, chapters 12 and 14).
//
// The zeros come from Boost.Math cyl_bessel_j_zero (McMahon / Olver initial
// guesses refined by Newton iteration to full double precision).

#include <memory>
#include <vector>

class BesselZeroTable
{
public:
    // Zeros of J_0 ... J_maxOrder, each list holding every zero <= limit and
    // the first zero above it (so each list is non-empty and ends above limit).
    BesselZeroTable(int maxOrder, double limit);

    // Zeros of J_order (order >= 0 and <= maxOrder), ascending; entry k-1 is j_{order,k}.
    const std::vector<double> &zeros(int order) const { return m_zeros[order]; }
    int maxOrder() const { return static_cast<int>(m_zeros.size()) - 1; }
    double limit() const { return m_limit; }
    // True when the table holds what BesselZeroTable(maxOrder, limit) would.
    bool covers(int maxOrder, double limit) const
    {
        return maxOrder <= this->maxOrder() && limit <= m_limit;
    }

private:
    std::vector<std::vector<double>> m_zeros;
    double m_limit = 0.0;
};

// The zeros are constants: one table per process, grown (never shrunk) to the
// largest request so far and shared read-only. Thread-safe.
std::shared_ptr<const BesselZeroTable> sharedBesselZeroTable(int maxOrder, double limit);

// Highest LP azimuthal order guided at V (j_{m-1,1} < V, with j_{-1,1} taken
// as 0 so that LP01 is always guided), from the bound j_{m,1} > m.
int highestGuidedOrderBound(double v);

#endif // BESSELZEROS_H
