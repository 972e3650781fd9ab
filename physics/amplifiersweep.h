#ifndef AMPLIFIERSWEEP_H
#define AMPLIFIERSWEEP_H

// One grid of the relaxation solver of amplifierbvp.h: the channel powers on
// the nodes 0 = z_0 < z_1 < … < z_M = L (M even, not necessarily uniform), the sweeps that
// integrate one direction with the other direction's share of n held, and the figures derived from
// a converged grid (n, q, outputs, energy balance).

#include "amplifieranalytic.h"
#include "ybamplifier.h"

#include <vector>

namespace yb {

// Per-channel coefficients in the solver's order: forward channels first,
// and within each direction the ln P channels before the linear ones, so that
// the inner loops run without branches.
struct Coefficients {
    std::vector<int> source; // solver index -> problem index
    int forward = 0;
    int logEnd[2] = {0, 0};      // end of the ln P block of each direction
    std::vector<double> a, b;    // a_k, b_k of n = Σ a P / (1/τ + Σ b P)
    std::vector<double> cg, dg;  // net gain per length = cg n − dg
    std::vector<double> sp;      // spontaneous power per length = sp n
    std::vector<double> alpha;   // background loss
    std::vector<char> logarithm; // integrated as ln P
};

// The two sums one direction contributes to n, and their z-derivatives, at
// every node.
struct ShareProfile {
    std::vector<double> a, b, da, db;
    void resize(std::size_t n);
};

struct Share {
    double a = 0, b = 0;
    double n = 0; // upper-level fraction at this state (set by rates())
};

class RelaxationGrid
{
public:
    RelaxationGrid(const AmplifierProblem &problem, std::vector<double> nodes);

    int steps() const { return m_steps; }
    const std::vector<double> &nodes() const { return m_z; }
    // Start from the closed form: backward channels as exponentials with its
    // net gains, the laser line at its closed-form power.
    void initialGuess(const ClosedFormOutputs &closed);
    // Start from a converged grid on other nodes (Hermite-interpolated
    // backward share, its laser start).
    void warmStart(const RelaxationGrid &coarse);
    // direction 0: forward channels from z = 0; 1: backward from z = L. The
    // handed-over share is relaxation·new + (1 − relaxation)·old.
    void sweep(int direction, double relaxation);
    // The state the backward sweep hands to the forward sweep: the backward
    // share profile at every node as ln a, ln b, (da/dz)/a, (db/dz)/b, for the
    // fixed-point acceleration of amplifierbvp.cpp (logarithms: the shares
    // vary exponentially along z and with the gain, and stay positive under
    // any combination); setBackwardShare() takes such a vector back.
    std::vector<double> backwardShare() const;
    void setBackwardShare(const std::vector<double> &state);
    // Weights of that state's components: how much n moves per unit change of
    // each (so that a norm of weighted changes measures changes of n, and a
    // pump share absorbed to nothing does not dominate it).
    std::vector<double> shareWeights() const;
    // n(z) at the nodes from the shares of both directions.
    std::vector<double> inversion() const;
    // Laser: ln(R1 P−(0) / P+(0)), zero on the round-trip condition.
    double laserResidual() const;
    double laserStart() const { return m_laserStart; }
    // Laser: max(1, (P+(L) + P−(0)) / launched power), how many times the
    // launched power circulates in the cavity.
    double circulation() const;
    void setLaserStart(double value) { m_laserStart = value; }
    // Per problem channel: max(1, |ln(P(L)/P(0))|) for the ln P channels (the
    // net gain in nepers whose relative accuracy the tolerance is), 1 else.
    std::vector<double> gainScales() const;
    // For a grid `fine` that bisects every interval of this one: per interval
    // of this grid, the largest difference between the two grids' increments
    // over it (ln P over the gain scale for pumps, signal and laser line; relative to the local
    // power for ASE bins). Runge–Kutta's local error on this grid is 16/15 of
    // it, on the fine grid 1/15.
    std::vector<double> intervalDifferences(const RelaxationGrid &fine) const;
    // Power leaving the fiber per problem channel (laser line: through its
    // reflector).
    std::vector<double> outputs() const;
    // Fills z, powers, n, q, outputs and the energy balance.
    void finish(AmplifierSolution &solution) const;

private:
    double &power(int node, int k) { return m_power[static_cast<std::size_t>(node) * m_k + k]; }
    double power(int node, int k) const
    {
        return m_power[static_cast<std::size_t>(node) * m_k + k];
    }
    double upperFraction(double a, double b) const;
    // Rates dY/ds of channels [begin, end) for state y. ln P channels: the
    // net gain. Linear (ASE) channels: the part beyond the frozen gain
    // cg (n0) − dg of the integrating factor, cg (n − n0) P + sp n; with n0
    // NaN, n0 = n. dPds (optional) receives the full dP/ds. Returns the
    // direction's share and n.
    Share rates(int begin, int end, const double *y, Share other, double n0, double *rate,
                double *dPds) const;
    double launch(int k) const;

    const AmplifierProblem &m_p;
    Coefficients m_c;
    int m_k;
    int m_steps;
    std::vector<double> m_z;
    double m_invTau;
    std::vector<double> m_power; // [node][solver channel]
    ShareProfile m_share[2];     // 0: forward channels, 1: backward channels
    std::vector<int> m_solverIndex;
    double m_laserStart = 0;
    mutable std::vector<double> m_pTmp;
    std::vector<double> m_y, m_stage, m_rate[4], m_halfStepFactor, m_dPds;
};

} // namespace yb

#endif // AMPLIFIERSWEEP_H
