#ifndef STURMROOTS_H
#define STURMROOTS_H

// Root isolation that cannot miss an eigenvalue of a radial Sturm-Liouville
// problem (layeredmodes.h, gradedmodes.h): `evaluate(neff, &count)` returns
// the sign-carrying characteristic function F (finite, zero only at a mode)
// and the number of modes above neff (zeros of the regular solution). The
// interval (bottom, top) is halved until each piece holds one mode, where F
// changes sign and Boost.Math toms748_solve refines the root to a few ulps.
// Modes are returned as (radial order n, neff), n = modes above + 1.

#include <boost/math/tools/roots.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <utility>
#include <vector>

template <typename Evaluate>
std::vector<std::pair<int, double>> isolateSturmRoots(Evaluate evaluate, double bottom, double top,
                                                      int total, double fBottom)
{
    struct Interval {
        double lo, hi;
        int countLo, countHi;
        double fLo, fHi; // NaN at the top end, never evaluated
    };
    std::vector<std::pair<int, double>> roots;
    std::vector<Interval> stack{
        {bottom, top, total, 0, fBottom, std::numeric_limits<double>::quiet_NaN()}};
    auto f = [&](double x) { return evaluate(x, nullptr); };
    while (!stack.empty()) {
        const Interval iv = stack.back();
        stack.pop_back();
        const int inside = iv.countLo - iv.countHi;
        if (inside <= 0)
            continue;
        if (inside == 1 && std::isfinite(iv.fHi) && std::isfinite(iv.fLo) &&
            (iv.fLo > 0) != (iv.fHi > 0)) {
            std::uintmax_t iterations = 200;
            try {
                const auto bracket =
                    boost::math::tools::toms748_solve(f, iv.lo, iv.hi, iv.fLo, iv.fHi,
                                                      boost::math::tools::eps_tolerance<double>(
                                                          std::numeric_limits<double>::digits - 1),
                                                      iterations);
                roots.emplace_back(iv.countHi + 1, 0.5 * (bracket.first + bracket.second));
            } catch (const std::exception &) {
                // F failed inside the bracket (a Bessel value out of range):
                // the mode is reported as NaN for the caller to refuse.
                roots.emplace_back(iv.countHi + 1, std::numeric_limits<double>::quiet_NaN());
            }
            continue;
        }
        const double mid = 0.5 * (iv.lo + iv.hi);
        if (!(mid > iv.lo && mid < iv.hi)) {
            // Roots closer than the resolution of neff: report each there.
            for (int k = 0; k < inside; ++k)
                roots.emplace_back(iv.countHi + 1 + k, mid);
            continue;
        }
        int countMid = 0;
        const double fMid = evaluate(mid, &countMid);
        countMid = std::clamp(countMid, iv.countHi, iv.countLo);
        stack.push_back({iv.lo, mid, iv.countLo, countMid, iv.fLo, fMid});
        stack.push_back({mid, iv.hi, countMid, iv.countHi, fMid, iv.fHi});
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

#endif // STURMROOTS_H
