// The amplifier model's building blocks: cross-section interpolation and its
// table checks, overlaps, the channels built from a design, the summary.

#include "amplifiertestcases.h"
#include "fiberoverlap.h"

#include <cmath>

namespace {

constexpr double kExact = 1e-15; // relative; pure arithmetic on table values

yb::CrossSectionTable twoLines()
{
    yb::CrossSectionTable t;
    t.wavelengths = {1000, 1010};
    t.absorption = {1e-25, 3e-25};
    t.emission = {2e-25, 6e-25};
    return t;
}

TEST(CrossSectionSpectrum, InterpolatesLinearlyBetweenSamples)
{
    yb::CrossSectionSpectrum s;
    ASSERT_EQ(s.assign(twoLines()), "");
    const yb::CrossSections mid = s.at(1002.5);
    EXPECT_NEAR(mid.absorption, 1.5e-25, kExact * 1.5e-25);
    EXPECT_NEAR(mid.emission, 3e-25, kExact * 3e-25);
    EXPECT_TRUE(s.covers(1000));
    EXPECT_TRUE(s.covers(1010));
    EXPECT_FALSE(s.covers(999.999));
    EXPECT_FALSE(s.covers(1010.001));
}

TEST(CrossSectionSpectrum, ShippedTableGivesItsOwnSamplesAndDocumentedValues)
{
    const yb::CrossSectionSpectrum &s = shippedCrossSections();
    // Data/README.md: the 976 nm line is 976,2.475932e-24,2.483476e-24.
    const yb::CrossSections at976 = s.at(976);
    EXPECT_DOUBLE_EQ(at976.absorption, 2.475932e-24);
    EXPECT_DOUBLE_EQ(at976.emission, 2.483476e-24);
    EXPECT_EQ(s.shortestNm(), 850);
    EXPECT_EQ(s.longestNm(), 1200);
}

TEST(CrossSectionSpectrum, RefusesTablesItCannotInterpolate)
{
    yb::CrossSectionSpectrum s;
    yb::CrossSectionTable unsorted = twoLines();
    std::swap(unsorted.wavelengths[0], unsorted.wavelengths[1]);
    EXPECT_NE(s.assign(unsorted), "");
    EXPECT_TRUE(s.empty());

    yb::CrossSectionTable negative = twoLines();
    negative.emission[1] = -1e-25;
    EXPECT_NE(s.assign(negative), "");

    yb::CrossSectionTable withHeader = twoLines(); // "nm,abs,emi" reads as zeros
    withHeader.wavelengths.insert(withHeader.wavelengths.begin(), 0);
    withHeader.absorption.insert(withHeader.absorption.begin(), 0);
    withHeader.emission.insert(withHeader.emission.begin(), 0);
    EXPECT_EQ(s.assign(withHeader), "");

    yb::CrossSectionTable single;
    single.wavelengths = {1000};
    single.absorption = {1e-25};
    single.emission = {1e-25};
    EXPECT_NE(s.assign(single), "");
}

TEST(FiberOverlap, CladdingPumpSeesTheDopedAreaFraction)
{
    EXPECT_DOUBLE_EQ(yb::claddingPumpOverlap(5e-6, 50e-6), 0.01);
    EXPECT_EQ(yb::claddingPumpOverlap(60e-6, 50e-6), 1.0);
}

TEST(FiberOverlap, MarcuseRadiusAtTheSingleModeCutoff)
{
    // At V = 2.405 Marcuse's fit gives w/a = 1.099 (his Table / Fig. 2).
    const double a = 3e-6, na = 0.12;
    const double wavelength = 2 * M_PI * a * na / 2.404825557695773;
    EXPECT_NEAR(yb::marcuseModeFieldRadius(a, na, wavelength) / a, 1.099, 1e-3);
    EXPECT_TRUE(std::isnan(yb::marcuseModeFieldRadius(0, na, wavelength)));
}

TEST(AmplifierDesign, DoubleCladReferenceBuildsPumpSignalAndBothAseDirections)
{
    const yb::AmplifierDesign d = yb::doubleCladReference();
    const BuiltCase c = build(d);
    ASSERT_EQ(c.problem.channels.size(), 2u + 2 * 80);
    EXPECT_EQ(c.map.pumpForward, -1);
    const yb::Channel &pump = c.problem.channels[c.map.pumpBackward];
    EXPECT_EQ(pump.direction, -1);
    EXPECT_DOUBLE_EQ(pump.overlap, 0.01);
    // ASE bins tile the band: their widths sum to about c (1/λ1 − 1/λ2)
    // (midpoint rule in 1/λ, second order in the bin width).
    double bandwidth = 0;
    for (int i = 0; i < c.map.aseBins; ++i)
        bandwidth += c.problem.channels[c.map.aseForward + i].bandwidth;
    const double exact = yb::kLightSpeed * (1 / d.aseStart - 1 / d.aseEnd);
    EXPECT_NEAR(bandwidth, exact, 1e-4 * exact);
    EXPECT_NEAR(c.map.aseWavelengths.front(), 1000.625e-9, 1e-15);
}

TEST(AmplifierDesign, NamesTheInputThatCannotBeUsed)
{
    yb::AmplifierProblem p;
    yb::ChannelMap m;
    yb::AmplifierDesign d = yb::corePumpedReference();
    d.pumpWavelength = 800e-9; // the table starts at 850 nm
    EXPECT_NE(yb::buildAmplifierProblem(d, shippedCrossSections(), p, m).find("泵浦波长"),
              std::string::npos);
    d = yb::doubleCladReference();
    d.dopedRadius = 60e-6;
    EXPECT_NE(yb::buildAmplifierProblem(d, shippedCrossSections(), p, m).find("掺杂半径"),
              std::string::npos);
    d = yb::corePumpedReference();
    d.aseEnd = d.aseStart;
    EXPECT_NE(yb::buildAmplifierProblem(d, shippedCrossSections(), p, m).find("ASE"),
              std::string::npos);
}

TEST(AmplifierSolver, RefusesAProblemWithoutLaunchedPower)
{
    yb::AmplifierDesign d = yb::corePumpedReference();
    d.pumpForward = 0;
    d.signalPower = 0;
    const BuiltCase c = build(d);
    const yb::AmplifierSolution s = yb::solveAmplifier(c.problem);
    EXPECT_EQ(s.status, yb::SolveStatus::Invalid);
    EXPECT_NE(s.message, "");
}

TEST(AmplifierSummary, GainAbsorptionAndEfficiencyFollowFromTheOutputs)
{
    const yb::AmplifierDesign d = yb::doubleCladReference();
    const BuiltCase c = build(d);
    const yb::AmplifierSolution s = yb::solveAmplifier(c.problem);
    const yb::AmplifierSummary r = yb::summarize(d, c.map, s);
    const double out = s.outputPower[c.map.signal];
    EXPECT_DOUBLE_EQ(r.signalGainDb, 10 * std::log10(out / 0.4));
    EXPECT_DOUBLE_EQ(r.efficiency, (out - 0.4) / 47.2);
    EXPECT_DOUBLE_EQ(r.pumpAbsorptionDb, 10 * std::log10(47.2 / s.outputPower[c.map.pumpBackward]));
    ASSERT_EQ(r.aseForwardDbm.size(), 80u);
    EXPECT_DOUBLE_EQ(r.aseForwardDbm[0], 10 * std::log10(s.outputPower[c.map.aseForward] / 1e-3));
    // Backward pump: the heat peaks where the pump enters.
    EXPECT_DOUBLE_EQ(r.heatPeakPosition, d.length);
}

} // namespace
