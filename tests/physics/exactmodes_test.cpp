// Exact LP and vector modes against an independent 32-digit mpmath solve
// (exactmodes_reference.py, output in data/), the analytic mode count, and
// the closed-form limits of the step-index fiber.

#include "exactmodes.h"
#include "vectormodes.h"

#include <gtest/gtest.h>
#include <boost/math/special_functions/bessel.hpp>

#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace {

// The engine's roots are a few ulps wide in U; 1e-12 in neff leaves room for
// the Bessel routines' last digits (the mpmath values carry 25).
constexpr double kNeffTolerance = 1e-12;

constexpr double kTwoPi = 6.283185307179586;

struct ReferenceFiber {
    std::string id;
    StepIndexFiber fiber;
    std::map<std::tuple<std::string, int, int>, double> neff; // (family, order, n)
};

std::vector<ReferenceFiber> readReference()
{
    std::ifstream in(VELMORA_EXACT_REFERENCE);
    std::vector<ReferenceFiber> fibers;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string head;
        words >> head;
        if (head == "fiber") {
            ReferenceFiber f;
            words >> f.id >> f.fiber.a >> f.fiber.lambda >> f.fiber.n1 >> f.fiber.n2;
            fibers.push_back(f);
        } else if (!head.empty() && !fibers.empty()) {
            int order = 0, n = 0;
            std::string value;
            words >> order >> n >> value;
            fibers.back().neff[{head, order, n}] = std::stod(value);
        }
    }
    return fibers;
}

std::string familyName(VectorFamily family)
{
    switch (family) {
    case VectorFamily::TE: return "TE";
    case VectorFamily::TM: return "TM";
    case VectorFamily::HE: return "HE";
    case VectorFamily::EH: return "EH";
    }
    return "";
}

// The fiber of normalized frequency v with the default indices (a adjusted).
StepIndexFiber fiberAtV(double v, double n1 = 1.4512, double n2 = 1.45)
{
    StepIndexFiber f{0.0, 1080e-9, n1, n2};
    f.a = v / (kTwoPi / f.lambda * std::sqrt((n1 - n2) * (n1 + n2)));
    return f;
}

} // namespace

TEST(ExactModes, EffectiveIndicesMatchTheIndependentHighPrecisionSolve)
{
    const std::vector<ReferenceFiber> fibers = readReference();
    ASSERT_EQ(fibers.size(), 6u) << "reference file " << VELMORA_EXACT_REFERENCE;
    for (const ReferenceFiber &ref : fibers) {
        SCOPED_TRACE(ref.id);
        const std::vector<LpMode> lp = solveExactLpModes(ref.fiber);
        int lpCompared = 0, lpInReference = 0;
        for (const auto &entry : ref.neff)
            lpInReference += std::get<0>(entry.first) == "LP";
        std::set<int> orders;
        for (const auto &entry : ref.neff)
            orders.insert(std::get<1>(entry.first));
        for (const LpMode &mode : lp) {
            const auto it = ref.neff.find({"LP", mode.m, mode.n});
            if (it == ref.neff.end()) {
                // The reference lists some orders only; a listed order must be complete.
                EXPECT_FALSE(orders.count(mode.m))
                    << "LP" << mode.m << mode.n << " not in reference";
                continue;
            }
            EXPECT_NEAR(mode.neff, it->second, kNeffTolerance) << "LP" << mode.m << mode.n;
            ++lpCompared;
        }
        EXPECT_EQ(lpCompared, lpInReference);

        bool hasVector = false;
        for (const auto &entry : ref.neff)
            hasVector |= std::get<0>(entry.first) != "LP";
        if (!hasVector)
            continue;
        const std::vector<VectorMode> vector = solveExactVectorModes(ref.fiber, lp);
        int vectorInReference = 0;
        for (const auto &entry : ref.neff)
            vectorInReference += std::get<0>(entry.first) != "LP";
        EXPECT_EQ(static_cast<int>(vector.size()), vectorInReference);
        for (const VectorMode &mode : vector) {
            const auto it = ref.neff.find({familyName(mode.family), mode.nu, mode.n});
            ASSERT_NE(it, ref.neff.end()) << vectorModeName(mode);
            EXPECT_NEAR(mode.neff, it->second, kNeffTolerance) << vectorModeName(mode);
        }
    }
}

TEST(ExactModes, ModeCountIsTheNumberOfBesselZerosBelowVUpTo100)
{
    for (double v = 0.3; v <= 100.0; v += 0.731) {
        SCOPED_TRACE(v);
        // Analytic count: LP01 plus, for each order, the cutoffs below V
        // (j_{1,n-1} for m = 0, j_{m-1,n} for m >= 1).
        int expected = 1;
        for (int m = 0;; ++m) {
            const double order = m == 0 ? 1.0 : m - 1.0;
            int below = 0;
            while (boost::math::cyl_bessel_j_zero(order, below + 1) < v)
                ++below;
            if (below == 0 && m > 0)
                break;
            expected += below;
        }
        const std::vector<LpMode> modes = solveExactLpModes(fiberAtV(v));
        ASSERT_EQ(static_cast<int>(modes.size()), expected);
        std::set<std::pair<int, int>> seen;
        for (const LpMode &mode : modes) {
            EXPECT_TRUE(seen.insert({mode.m, mode.n}).second) << "duplicate LP" << mode.m << mode.n;
            // Strictly inside its own bracket: above the cutoff, below J_m's n-th zero.
            EXPECT_GT(mode.u, mode.cutoffV);
            EXPECT_LE(mode.u, boost::math::cyl_bessel_j_zero(double(mode.m), mode.n));
            EXPECT_GT(mode.b, 0.0);
        }
    }
}

TEST(ExactModes, TeEqualsLp1nExactlyAndHe11TendsToLp01AsTheIndexStepVanishes)
{
    const StepIndexFiber f = fiberAtV(12.0, 1.55, 1.45);
    const std::vector<LpMode> lp = solveExactLpModes(f);
    for (const VectorMode &mode : solveExactVectorModes(f, lp)) {
        if (mode.family != VectorFamily::TE)
            continue;
        for (const LpMode &l : lp)
            if (l.m == 1 && l.n == mode.n) {
                EXPECT_EQ(mode.neff, l.neff) << vectorModeName(mode);
            }
    }
    // At fixed V the vector correction to b is of order Delta (Snyder & Love
    // ch. 13): it must shrink tenfold per decade of the index step.
    double previous = 0.0;
    for (double step : {1e-2, 1e-3, 1e-4, 1e-5}) {
        const StepIndexFiber fiber = fiberAtV(2.0, 1.45 + step, 1.45);
        const std::vector<LpMode> modes = solveExactLpModes(fiber);
        const std::vector<VectorMode> vector = solveExactVectorModes(fiber, modes);
        ASSERT_FALSE(vector.empty());
        ASSERT_EQ(vectorModeName(vector.front()), "HE11");
        const double difference = std::abs(vector.front().b - modes.front().b);
        if (previous > 0) {
            EXPECT_LT(difference, 0.2 * previous) << step;
        }
        EXPECT_LT(difference, step) << step;
        previous = difference;
    }
}

TEST(ExactModes, Lp11IsCutOffAtTheFirstZeroOfJ0)
{
    constexpr double kJ01 = 2.404825557695773; // A&S table 9.5
    EXPECT_EQ(solveExactLpModes(fiberAtV(kJ01 * (1 - 1e-9))).size(), 1u);
    const std::vector<LpMode> above = solveExactLpModes(fiberAtV(kJ01 * (1 + 1e-9)));
    ASSERT_EQ(above.size(), 2u);
    EXPECT_EQ(above[1].m, 1);
    EXPECT_NEAR(above[1].cutoffV, kJ01, 1e-14);
}

namespace {

// W of a mode at the edge of cutoff: a = 10 µm, n1 = 1.451456, n2 = 1.45,
// 1064 nm (V = 3.8381940015116, just above j_{1,1} = 3.8317). LP02's
// W from U J1(U)/J0(U) = W K1(W)/K0(W), U = sqrt(V² − W²), solved with
// mpmath at 60 digits (findroot in ln W): 3.9438646959186e-18. Formed as
// sqrt(V² − U²) in double precision it came out 8.26e-8, the rounding floor.
TEST(ExactModes, WNearCutoffComesFromTheEigenvalueRelationNotFromVSquaredMinusUSquared)
{
    const StepIndexFiber fiber{10e-6, 1064e-9, 1.451456, 1.45};
    const std::vector<LpMode> modes = solveExactLpModes(fiber);
    ASSERT_GE(modes.size(), 2u);
    ASSERT_EQ(modes[1].m, 0);
    ASSERT_EQ(modes[1].n, 2);
    // V itself carries its double rounding (1.6e-15 relative here), which W,
    // exponentially sensitive to V − j_{1,1}, amplifies about 1e6 times.
    EXPECT_NEAR(modes[1].w, 3.9438646959186e-18, 1e-8 * 3.9438646959186e-18);
    // A mode well inside its range keeps the ordinary path.
    EXPECT_GT(modes[0].w, 3.3);
}

} // namespace
