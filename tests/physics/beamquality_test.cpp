// Beam quality factors and the mixture map.
#include "beamquality.h"
#include "fieldmaps.h"
#include "modesolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string g4(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", v);
    return text;
}

} // namespace

TEST(BeamQuality, DefaultWeightsGiveTheMeanOfLp01AndLp02)
{
    ModeWeights w;
    w.e[beamQualityIndex(0, 1)] = 1.0;
    w.e[beamQualityIndex(0, 2)] = 1.0;
    const BeamQuality q = computeBeamQuality(w);
    EXPECT_NEAR(q.m2x, (1.123 + 3.081) / 2, 1e-12);
    EXPECT_NEAR(q.m2y, (1.123 + 3.081) / 2, 1e-12);
    EXPECT_EQ(g4(q.m2x), "2.102");
    EXPECT_EQ(g4(q.m2y), "2.102");
    EXPECT_NEAR(q.normalized.e[0], 0.5, 1e-15);
}

TEST(BeamQuality, Lp11OrientationsSwapTheAxes)
{
    ModeWeights even;
    even.e[beamQualityIndex(1, 1)] = 1.0;
    const BeamQuality e = computeBeamQuality(even);
    EXPECT_EQ(g4(e.m2x), "3.318");
    EXPECT_EQ(g4(e.m2y), "1.106");
    ModeWeights odd;
    odd.o[beamQualityIndex(1, 1)] = 1.0;
    const BeamQuality o = computeBeamQuality(odd);
    EXPECT_EQ(g4(o.m2x), "1.106");
    EXPECT_EQ(g4(o.m2y), "3.318");
}

TEST(BeamQuality, AllZeroWeightsGiveZeroAndAZeroMap)
{
    const BeamQuality q = computeBeamQuality(ModeWeights{});
    EXPECT_EQ(q.m2x, 0.0);
    EXPECT_EQ(q.m2y, 0.0);
    std::vector<double> grid(3, 7.0);
    computeMixtureGrid(q.normalized, grid);
    ASSERT_EQ(grid.size(), kFieldGridCells);
    for (double v : grid)
        ASSERT_EQ(v, 0.0);
}

TEST(BeamQuality, TablesPairTheRowsAsDocumented)
{
    for (int k = 0; k < kBeamQualityModes; ++k) {
        EXPECT_EQ(kM2XForE[k], kM2YForO[k]);
        EXPECT_EQ(kM2XForO[k], kM2YForE[k]);
        if (k / 4 != 1) {
            EXPECT_EQ(kM2XForE[k], kM2XForO[k]) << k;
        }
    }
    EXPECT_EQ(kM2XForE[beamQualityIndex(4, 4)], 10.651);
    EXPECT_EQ(kM2XForO[beamQualityIndex(1, 4)], 3.846);
}

TEST(BeamQuality, ReferenceIndicesAreTheThousandSampleModesOfTheReferenceFiber)
{
    const ModeSet set =
        solveModes(kReferenceCoreRadius, kReferenceWavelength, kReferenceN1, kReferenceN2, 1000);
    for (int m = 0; m <= 4; ++m)
        for (int n = 1; n <= 4; ++n) {
            ASSERT_GE(static_cast<int>(set.neffLists[m].size()), n);
            EXPECT_NEAR(kReferenceNeff[beamQualityIndex(m, n)], set.neffLists[m][n - 1], 1e-14)
                << m << n;
        }
}

TEST(MixtureGrid, FastPathMatchesTheLiteralSumWithAllTwentyWeights)
{
    ModeWeights w;
    for (int k = 0; k < kBeamQualityModes; ++k) {
        w.e[k] = 1.0 + k % 3;
        w.o[k] = k < 4 ? 0.0 : 0.5 + k % 2;
    }
    const BeamQuality q = computeBeamQuality(w);
    std::vector<double> fast;
    std::vector<double> literal;
    computeMixtureGrid(q.normalized, fast);
    computeMixtureGridLiteral(q.normalized, literal);
    ASSERT_EQ(fast.size(), kFieldGridCells);
    double worst = 0.0;
    double best = 0.0;
    for (std::size_t k = 0; k < literal.size(); ++k) {
        worst = std::max(worst, std::fabs(fast[k] - literal[k]) / std::fabs(literal[k]));
        best = std::max(best, literal[k]);
    }
    EXPECT_LE(worst, 1e-12);
    EXPECT_NEAR(best, 1.0, 1e-15);
}

TEST(MixtureGrid, SingleLp01IsRotationallySymmetric)
{
    ModeWeights w;
    w.e[0] = 1.0;
    std::vector<double> grid;
    computeMixtureGrid(computeBeamQuality(w).normalized, grid);
    EXPECT_NEAR(grid[fieldGridIndex(250, 250)], 1.0, 1e-15);
    EXPECT_NEAR(grid[fieldGridIndex(250, 400)], grid[fieldGridIndex(400, 250)], 1e-15);
    EXPECT_NEAR(grid[fieldGridIndex(250, 400)], grid[fieldGridIndex(100, 250)], 1e-12);
    EXPECT_LT(grid[fieldGridIndex(0, 0)], 1e-3);
}
