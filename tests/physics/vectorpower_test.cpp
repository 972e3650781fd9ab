// Power fraction of the exact vector modes: the energy velocity of the
// fields against the group index of the eigenvalue relation (independent
// routes to one number, so the fields and B/A are right), TE_0n against
// LP_1n (the same radial profile), and HE11 against LP01 as the index step
// vanishes.

#include "vectorpower.h"
#include "fieldmaps.h"
#include "modeproperties.h"
#include "vectordispersion.h"

#include <gtest/gtest.h>

namespace {

// Quadrature to 1e-12 and the implicit derivative to ~1e-12 (largest
// differences measured: 6.9e-14 and 1.3e-15).
constexpr double kEnergyVelocity = 1e-12;
constexpr double kSameProfile = 1e-13;
// Vector and scalar fields differ at first order in Delta = 1.4e-5 here
// (measured 3.0e-6).
constexpr double kWeakGuidance = 1e-5;
// ... and 2.8e-5 in A_eff (3e-6 at a tenth of Delta: first order in Delta).
constexpr double kWeakGuidanceArea = 5e-5;
// The maps interpolate a 4096-sample radial table linearly; the rings sit on
// grid points mirrored about the diagonal up to the grid's rounding.
constexpr double kRingSymmetry = 1e-6;
constexpr double kWeakGuidanceMap = 1e-4;

const LpMode *lpMode(const std::vector<LpMode> &lp, int m, int n)
{
    for (const LpMode &mode : lp)
        if (mode.m == m && mode.n == n)
            return &mode;
    return nullptr;
}

} // namespace

TEST(VectorPower, EnergyVelocityIsTheGroupVelocityOfEveryMode)
{
    // NA 0.35, V = 9.4: the vector fields differ visibly from the scalar ones.
    const StepIndexFiber f{4.5e-6, 1064e-9, 1.4916, 1.45};
    const std::vector<VectorMode> modes = solveExactVectorModes(f, solveExactLpModes(f));
    ASSERT_GT(modes.size(), 10u);
    for (const VectorMode &mode : modes) {
        SCOPED_TRACE(vectorModeName(mode));
        const VectorPower p = vectorModePower(f, mode);
        EXPECT_NEAR(p.groupIndex, vectorGroupIndex(f, mode, 0.0), kEnergyVelocity);
        EXPECT_GT(p.coreFraction, 0.0);
        EXPECT_LT(p.coreFraction, 1.0);
    }
}

TEST(VectorPower, TeHasTheCoreFractionAndOverlapOfItsLpMode)
{
    const StepIndexFiber f{20e-6, 1080e-9, 1.4512, 1.45};
    const std::vector<LpMode> lp = solveExactLpModes(f);
    int checked = 0;
    for (const VectorMode &mode : solveExactVectorModes(f, lp))
        if (mode.family == VectorFamily::TE) {
            const LpMode *parent = lpMode(lp, 1, mode.n);
            ASSERT_TRUE(parent);
            ModePropertyOptions options;
            options.dopedRadius = 15e-6;
            const LpModeProperties lpProps = lpModeProperties(f, *parent, options);
            const VectorPower p = vectorModePower(f, mode, options.dopedRadius);
            EXPECT_NEAR(p.coreFraction, lpProps.corePowerFraction, kSameProfile);
            EXPECT_NEAR(p.dopedOverlap, lpProps.dopedOverlap, kSameProfile);
            // Beyond the core the overlap takes cladding power too.
            options.dopedRadius = 25e-6;
            EXPECT_NEAR(vectorModePower(f, mode, options.dopedRadius).dopedOverlap,
                        lpModeProperties(f, *parent, options).dopedOverlap, kSameProfile);
            EXPECT_EQ(vectorModePower(f, mode, f.a).dopedOverlap, p.coreFraction);
            // The same radial profile, uniform in phi where LP1n has cos^2:
            // 2 pi against 4 pi/3 in A_eff.
            EXPECT_NEAR(p.effectiveArea, 1.5 * lpProps.effectiveArea,
                        kSameProfile * p.effectiveArea);
            ++checked;
        }
    EXPECT_EQ(checked, 2);
}

TEST(VectorPower, He11TendsToLp01AsTheIndexStepVanishes)
{
    // Delta = 1.4e-5 at V = 2.1 (HE11 only) and V = 14 (HE11 ... HE14).
    const StepIndexFiber single{45e-6, 1064e-9, 1.45002, 1.45};
    const StepIndexFiber multi{300e-6, 1064e-9, 1.45002, 1.45};
    for (const StepIndexFiber &fiber : {single, multi}) {
        const std::vector<LpMode> lp = solveExactLpModes(fiber);
        for (const VectorMode &mode : solveExactVectorModes(fiber, lp)) {
            if (mode.family != VectorFamily::HE || mode.nu != 1)
                continue;
            const LpMode *parent = lpMode(lp, 0, mode.n);
            ASSERT_TRUE(parent);
            const VectorPower p = vectorModePower(fiber, mode);
            const LpModeProperties lpProps = lpModeProperties(fiber, *parent, {});
            EXPECT_NEAR(p.coreFraction, lpProps.corePowerFraction, kWeakGuidance)
                << vectorModeName(mode);
            EXPECT_NEAR(p.effectiveArea / lpProps.effectiveArea, 1.0, kWeakGuidanceArea)
                << vectorModeName(mode);
        }
    }
}

TEST(VectorPower, IntensityMapsHaveTheShapeOfTheirFields)
{
    const StepIndexFiber f{4.5e-6, 1064e-9, 1.4916, 1.45};
    const std::vector<LpMode> lp = solveExactLpModes(f);
    const int mid = kFieldGridSize / 2; // x = y = 0 up to rounding
    for (const VectorMode &mode : solveExactVectorModes(f, lp)) {
        if (mode.n != 1)
            continue;
        SCOPED_TRACE(vectorModeName(mode));
        const std::vector<double> map = vectorIntensityMap(f, mode);
        // TE01, TM01 and HE21 are rings: dark at the centre, the same on
        // both axes. HE11 is brightest at the centre.
        const double onX = map[fieldGridIndex(mid, mid + 60)];
        const double onY = map[fieldGridIndex(mid + 60, mid)];
        if (mode.family == VectorFamily::HE && mode.nu == 1) {
            EXPECT_NEAR(map[fieldGridIndex(mid, mid)], 1.0, 1e-3);
        } else if (mode.nu == 0 || (mode.family == VectorFamily::HE && mode.nu == 2)) {
            EXPECT_LT(map[fieldGridIndex(mid, mid)], 1e-3);
            EXPECT_NEAR(onX, onY, kRingSymmetry * onX);
        }
    }
    // In weak guidance HE11 is LP01: |E_t|^2 = J_0^2 in the core.
    const StepIndexFiber weak{45e-6, 1064e-9, 1.45002, 1.45};
    const std::vector<LpMode> weakLp = solveExactLpModes(weak);
    const VectorMode he11 = solveExactVectorModes(weak, weakLp).front();
    ModeFieldMaps scalar;
    computeFieldMaps(weak.a, weak.lambda, weak.n1, weak.n2, weakLp.front().neff, 0, scalar);
    const std::vector<double> map = vectorIntensityMap(weak, he11);
    for (int k = 0; k < kFieldGridSize; k += 25)
        EXPECT_NEAR(map[fieldGridIndex(mid, k)], scalar.intensityE[fieldGridIndex(mid, k)],
                    kWeakGuidanceMap);
}
