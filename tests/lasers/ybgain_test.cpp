#include "ybgain.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace yb;

namespace {

constexpr double kRel = 1e-13; // a handful of roundings in a product of five terms
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// A file under the system's temporary folder, removed at the end of the test.
class TempFile
{
public:
    explicit TempFile(const std::string &contents)
    {
        char name[] = "/tmp/ybgain_test_XXXXXX";
        const int fd = mkstemp(name);
        EXPECT_GE(fd, 0);
        close(fd);
        path_ = name;
        std::ofstream(path_, std::ios::binary) << contents;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const std::string &path() const { return path_; }

private:
    std::string path_;
};

// The gain written the textbook way, to check the rearranged evaluation.
double textbookGain(const FiberGainParameters &f, double sa, double se)
{
    return 4.343 * f.dopantDensity * f.overlap * f.length *
           (f.upperFraction * se - (1 - f.upperFraction) * sa);
}

const FiberGainParameters kDefaults{4.3e25, 0.8, 0.1, 6};

} // namespace

// ---- Field conversion ---------------------------------------------------------

TEST(NumberField, SkipsLeadingSpaceAndStopsAtTheFirstNonNumber)
{
    EXPECT_DOUBLE_EQ(12.5, parseNumberField("  12.5abc"));
    EXPECT_DOUBLE_EQ(-3, parseNumberField("\t-3"));
    EXPECT_DOUBLE_EQ(2.4e-24, parseNumberField("2.4e-24\r\n"));
    EXPECT_DOUBLE_EQ(1030, parseNumberField("1030 nm"));
}

TEST(NumberField, TextWithoutANumberIsZero)
{
    EXPECT_EQ(0.0, parseNumberField(""));
    EXPECT_EQ(0.0, parseNumberField("wavelength"));
    EXPECT_EQ(0.0, parseNumberField("\n"));
}

TEST(NumberField, DecimalPointIsAlwaysAPoint)
{
    const char *german[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE"};
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool switched = false;
    for (const char *name : german)
        if (std::setlocale(LC_NUMERIC, name)) {
            switched = true;
            break;
        }
    if (!switched)
        GTEST_SKIP() << "no German locale installed";
    const double value = parseNumberField("1030.5");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_DOUBLE_EQ(1030.5, value);
}

// ---- Line splitting -------------------------------------------------------------

TEST(CrossSectionLine, ThreeFieldsAtTheFirstTwoCommas)
{
    double w = -1, a = -1, e = -1;
    ASSERT_TRUE(parseCrossSectionLine("976,2.475932e-24,2.483476e-24\n", w, a, e));
    EXPECT_DOUBLE_EQ(976, w);
    EXPECT_DOUBLE_EQ(2.475932e-24, a);
    EXPECT_DOUBLE_EQ(2.483476e-24, e);
}

TEST(CrossSectionLine, ThirdFieldIsEverythingAfterTheSecondComma)
{
    double w = 0, a = 0, e = 0;
    ASSERT_TRUE(parseCrossSectionLine("1000,1e-25,3e-25,extra,7\r\n", w, a, e));
    EXPECT_DOUBLE_EQ(3e-25, e);
}

TEST(CrossSectionLine, FewerThanTwoCommasIsSkippedAndOutputsUntouched)
{
    double w = 7, a = 8, e = 9;
    EXPECT_FALSE(parseCrossSectionLine("", w, a, e));
    EXPECT_FALSE(parseCrossSectionLine("\n", w, a, e));
    EXPECT_FALSE(parseCrossSectionLine("1000", w, a, e));
    EXPECT_FALSE(parseCrossSectionLine("1000,1e-25\n", w, a, e));
    EXPECT_EQ(7, w);
    EXPECT_EQ(8, a);
    EXPECT_EQ(9, e);
}

TEST(CrossSectionLine, HeaderWithTwoCommasGivesAZeroSample)
{
    double w = 1, a = 1, e = 1;
    ASSERT_TRUE(parseCrossSectionLine("wavelength,sigma_a,sigma_e\n", w, a, e));
    EXPECT_EQ(0.0, w);
    EXPECT_EQ(0.0, a);
    EXPECT_EQ(0.0, e);
}

TEST(CrossSectionLine, EmptyFieldsAreZero)
{
    double w = 1, a = 1, e = 1;
    ASSERT_TRUE(parseCrossSectionLine(",,", w, a, e));
    EXPECT_EQ(0.0, w + a + e);
}

// ---- File reading ---------------------------------------------------------------

TEST(CrossSectionFile, HandMadeFileWithHeaderShortLinesBlanksAndCrlf)
{
    const TempFile file(
        "lambda,sa,se\r\n"
        "1000,1e-25,3e-25\r\n"
        "\r\n"
        "short line\n"
        "1010,2e-25\n"
        "\n"
        "  1020 , 4e-26 ,5e-25\n"
        "1030,5e-26,6e-25"); // no line end at the end of the file
    CrossSectionTable table;
    ASSERT_TRUE(readCrossSections(file.path(), table));
    ASSERT_EQ(4u, table.wavelengths.size());
    ASSERT_EQ(4u, table.absorption.size());
    ASSERT_EQ(4u, table.emission.size());
    EXPECT_EQ(0.0, table.wavelengths[0]); // the header
    EXPECT_EQ(0.0, table.absorption[0]);
    EXPECT_EQ(0.0, table.emission[0]);
    EXPECT_DOUBLE_EQ(1000, table.wavelengths[1]);
    EXPECT_DOUBLE_EQ(1e-25, table.absorption[1]);
    EXPECT_DOUBLE_EQ(3e-25, table.emission[1]);
    EXPECT_DOUBLE_EQ(1020, table.wavelengths[2]);
    EXPECT_DOUBLE_EQ(4e-26, table.absorption[2]);
    EXPECT_DOUBLE_EQ(5e-25, table.emission[2]);
    EXPECT_DOUBLE_EQ(1030, table.wavelengths[3]);
    EXPECT_DOUBLE_EQ(6e-25, table.emission[3]);
}

TEST(CrossSectionFile, SamplesAreAppendedInFileOrder)
{
    const TempFile file("1100,1,2\n900,3,4\n");
    CrossSectionTable table;
    table.wavelengths = {1};
    table.absorption = {2};
    table.emission = {3};
    ASSERT_TRUE(readCrossSections(file.path(), table));
    ASSERT_EQ(3u, table.wavelengths.size());
    EXPECT_EQ(1100, table.wavelengths[1]);
    EXPECT_EQ(900, table.wavelengths[2]);
}

TEST(CrossSectionFile, OverlongLineIsContinuedAsTheNextLine)
{
    // 9999 characters are read at a time; the rest of the line has no comma
    // and is skipped, so no stray sample appears.
    const std::string line = "1000,1e-25,2e-25" + std::string(12000, 'x') + "\n1010,3e-25,4e-25\n";
    const TempFile file(line);
    CrossSectionTable table;
    ASSERT_TRUE(readCrossSections(file.path(), table));
    ASSERT_EQ(2u, table.wavelengths.size());
    EXPECT_DOUBLE_EQ(2e-25, table.emission[0]);
    EXPECT_DOUBLE_EQ(1010, table.wavelengths[1]);
}

TEST(CrossSectionFile, EmptyFileGivesNoSamples)
{
    const TempFile file("");
    CrossSectionTable table;
    EXPECT_TRUE(readCrossSections(file.path(), table));
    EXPECT_TRUE(table.wavelengths.empty());
}

TEST(CrossSectionFile, MissingFileFailsAndReadsNothing)
{
    CrossSectionTable table;
    EXPECT_FALSE(readCrossSections("/nonexistent/folder/YDF吸收发射参数.csv", table));
    EXPECT_TRUE(table.wavelengths.empty());
}

TEST(CrossSectionFile, DirectoryInsteadOfFileFails)
{
    CrossSectionTable table;
    EXPECT_FALSE(readCrossSections("/tmp", table));
    EXPECT_TRUE(table.wavelengths.empty());
}

TEST(CrossSectionFile, ShippedTableCoversTheYbBandWithoutHeader)
{
    // Tests run in the build's bin folder, where Data/ is copied.
    CrossSectionTable table;
    ASSERT_TRUE(readCrossSections("Data/YDF吸收发射参数.csv", table));
    ASSERT_EQ(351u, table.wavelengths.size());
    EXPECT_EQ(850, table.wavelengths.front());
    EXPECT_EQ(1200, table.wavelengths.back());
    for (std::size_t i = 0; i < table.wavelengths.size(); ++i) {
        EXPECT_GT(table.absorption[i], 0) << table.wavelengths[i];
        EXPECT_GT(table.emission[i], 0) << table.wavelengths[i];
    }
}

// ---- Gain -------------------------------------------------------------------

TEST(Gain, MatchesTheTextbookFormOfTheTwoLevelGain)
{
    for (double n : {0.0, 0.05, 0.1, 0.5, 0.9, 1.0})
        for (double sa : {1e-27, 5e-26, 2.5e-24})
            for (double se : {3e-27, 6e-25, 2.5e-24}) {
                FiberGainParameters f = kDefaults;
                f.upperFraction = n;
                const double expected = textbookGain(f, sa, se);
                EXPECT_NEAR(expected, smallSignalGainDb(f, sa, se),
                            std::abs(expected) * kRel + 1e-12)
                    << "n=" << n << " sa=" << sa << " se=" << se;
            }
}

TEST(Gain, NoInversionIsPureAbsorption)
{
    FiberGainParameters f = kDefaults;
    f.upperFraction = 0;
    const double sa = 2.475932e-24, se = 2.483476e-24;
    const double expected = -4.343 * 4.3e25 * 0.8 * 6 * sa;
    EXPECT_NEAR(expected, smallSignalGainDb(f, sa, se), std::abs(expected) * kRel);
}

TEST(Gain, FullInversionIsPureEmission)
{
    FiberGainParameters f = kDefaults;
    f.upperFraction = 1;
    const double sa = 4.8756e-26, se = 6.26e-25;
    const double expected = 4.343 * 4.3e25 * 0.8 * 6 * se;
    EXPECT_NEAR(expected, smallSignalGainDb(f, sa, se), std::abs(expected) * kRel);
}

TEST(Gain, ZeroSampleGivesNaN)
{
    EXPECT_TRUE(std::isnan(smallSignalGainDb(kDefaults, 0, 0)));
}

TEST(Gain, LinearGainIsTenToTheTenthOfTheDbValue)
{
    EXPECT_DOUBLE_EQ(1, linearGain(0));
    EXPECT_DOUBLE_EQ(10, linearGain(10));
    EXPECT_DOUBLE_EQ(0.1, linearGain(-10));
    EXPECT_DOUBLE_EQ(100, linearGain(20));
    EXPECT_NEAR(1.9952623149688795, linearGain(3), 1e-15);
}

TEST(Gain, SpectrumHasOneValuePerSample)
{
    CrossSectionTable table;
    table.wavelengths = {1000, 1030, 1064};
    table.absorption = {1e-25, 4.8756e-26, 1.2689e-26};
    table.emission = {4e-25, 6.26e-25, 3.0336e-25};
    const GainSpectrum spectrum = computeGainSpectrum(table, kDefaults);
    ASSERT_EQ(3u, spectrum.gainDb.size());
    ASSERT_EQ(3u, spectrum.linear.size());
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(smallSignalGainDb(kDefaults, table.absorption[i], table.emission[i]),
                         spectrum.gainDb[i]);
        EXPECT_DOUBLE_EQ(std::pow(10.0, spectrum.gainDb[i] / 10), spectrum.linear[i]);
    }
}

TEST(Gain, ShippedTableAbsorbsAt976AndPeaksNear1036nm)
{
    // Spot values from the table's generator (independent Python/numpy code):
    // G(976 nm) = -1774.85 dB, G(1030 nm) = 16.78 dB, and in 1000-1150 nm the
    // gain peaks at 18.7 dB at 1036 nm.
    CrossSectionTable table;
    ASSERT_TRUE(readCrossSections("Data/YDF吸收发射参数.csv", table));
    const GainSpectrum spectrum = computeGainSpectrum(table, kDefaults);
    double peak = -kInf, peakAt = 0, deepest = kInf, deepestAt = 0;
    for (std::size_t i = 0; i < table.wavelengths.size(); ++i) {
        const double w = table.wavelengths[i], g = spectrum.gainDb[i];
        if (w == 976) {
            EXPECT_NEAR(-1774.85, g, 0.01);
        }
        if (w == 1030) {
            EXPECT_NEAR(16.78, g, 0.01);
        }
        if (g < deepest) {
            deepest = g;
            deepestAt = w;
        }
        if (w >= 1000 && w <= 1150 && g > peak) {
            peak = g;
            peakAt = w;
        }
    }
    EXPECT_NEAR(975.5, deepestAt, 1.0);
    EXPECT_NEAR(1036, peakAt, 1.0);
    EXPECT_NEAR(18.7, peak, 0.05);
}

// ---- Axis range -------------------------------------------------------------

TEST(ValueRange, SmallestAndLargestValue)
{
    double lo = 0, hi = 0;
    ASSERT_TRUE(finiteValueRange({3, -2, 7, 7, -2, 0}, lo, hi));
    EXPECT_EQ(-2, lo);
    EXPECT_EQ(7, hi);
}

TEST(ValueRange, SkipsNaNAndInfinity)
{
    double lo = 0, hi = 0;
    ASSERT_TRUE(finiteValueRange({kNaN, 5, -kInf, 1, kInf, kNaN}, lo, hi));
    EXPECT_EQ(1, lo);
    EXPECT_EQ(5, hi);
}

TEST(ValueRange, OnlyTheShownWavelengthsScaleTheAxis)
{
    // The -2000 dB of the 976 nm absorption peak lies outside 1000-1150 nm.
    double lo = 0, hi = 0;
    ASSERT_TRUE(finiteValueRangeWithin({976, 1000, 1064, 1150, 1200}, {-2000, 1, 5, 3, 99}, 1000,
                                       1150, lo, hi));
    EXPECT_EQ(1, lo);
    EXPECT_EQ(5, hi);
    EXPECT_FALSE(finiteValueRangeWithin({976}, {-2000}, 1000, 1150, lo, hi));
}

TEST(ValueRange, NothingFiniteLeavesTheRangeAlone)
{
    double lo = 11, hi = 12;
    EXPECT_FALSE(finiteValueRange({}, lo, hi));
    EXPECT_FALSE(finiteValueRange({kNaN, kInf}, lo, hi));
    EXPECT_EQ(11, lo);
    EXPECT_EQ(12, hi);
}
