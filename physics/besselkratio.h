#ifndef BESSELKRATIO_H
#define BESSELKRATIO_H

// Ratios of modified Bessel functions of the second kind, q_n(W) = K_{n-1}(W)/K_n(W),
// n = 1 .. maxN, by forward recurrence from K_0 and K_1:
//     K_{n+1} = K_{n-1} + (2n/W) K_n   =>   q_{n+1} = 1 / (q_n + 2n/W).
// Forward recurrence is the stable direction for K (K_n grows with n), and the
// ratios never overflow where K_n itself would (K_60(0.5) ~ 1e100). W > 0.
// Abramowitz & Stegun 9.6.26.

#include "besselpolicy.h"

#include <vector>

inline void besselKRatios(double w, int maxN, std::vector<double> &q)
{
    q.assign(static_cast<std::size_t>(maxN < 1 ? 2 : maxN + 1), 0.0);
    q[1] = besselpolicy::besselK(0, w) / besselpolicy::besselK(1, w);
    for (int n = 1; n < maxN; ++n)
        q[static_cast<std::size_t>(n) + 1] = 1.0 / (q[static_cast<std::size_t>(n)] + 2.0 * n / w);
}

// q_n(W) alone (n >= 1).
inline double besselKRatio(double w, int n)
{
    double q = besselpolicy::besselK(0, w) / besselpolicy::besselK(1, w);
    for (int k = 1; k < n; ++k)
        q = 1.0 / (q + 2.0 * k / w);
    return q;
}

#endif // BESSELKRATIO_H
