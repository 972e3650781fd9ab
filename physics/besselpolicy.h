#ifndef BESSELPOLICY_H
#define BESSELPOLICY_H

// Boost.Math Bessel functions and zeros as the exact mode engine calls them:
// in double throughout. Boost's default policy promotes double arguments to
// long double internally, which costs a factor of two to three in time for
// no digit the engine keeps (its roots are refined in double and the
// references in tests/physics agree to ~1e-15 either way).

#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/bessel.hpp>

namespace besselpolicy {

using Policy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;

inline double besselJ(int n, double x)
{
    // J_{-n} = (-1)^n J_n.
    if (n < 0)
        return ((-n) % 2 ? -1.0 : 1.0) * boost::math::cyl_bessel_j(-n, x, Policy());
    return boost::math::cyl_bessel_j(n, x, Policy());
}

inline double besselK(int n, double x)
{
    // K_{-n} = K_n.
    return boost::math::cyl_bessel_k(n < 0 ? -n : n, x, Policy());
}

inline double besselJZero(int order, int k)
{
    return boost::math::cyl_bessel_j_zero(static_cast<double>(order), k, Policy());
}

} // namespace besselpolicy

#endif // BESSELPOLICY_H
