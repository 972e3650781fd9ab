// The accepted input ranges: every default a page starts with lies inside its
// quantity's range, the bounds are inclusive across unit conversions, and
// non-finite or absurd values (the ones that used to hang the program) lie
// outside.

#include "inputranges.h"

#include "catalogue.h"
#include "rangecheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace inputranges;

namespace {

struct PageDefault {
    const char *field;
    double value; // in the page unit
    double toSI;
    const InputRange &range;
};

constexpr double kNm = 1e-9;
constexpr double kUm = 1e-6;
constexpr double kDeg = 3.141592653589793 / 180;

// The start texts of the numeric inputs of every page, with the quantity each
// one is (caption units: nm, μm, m, W, Hz, s, ...).
const PageDefault kPageDefaults[] = {
    {"geometric optics n1", 1.45, 1, kRefractiveIndex},
    {"geometric optics n2", 1, 1, kRefractiveIndex},
    {"incidence angle", 30, kDeg, kAngle},
    {"laser wavelength", 1064, kNm, kWavelength},
    {"spectral width", 5e9, 1, kFrequency},
    {"spectral width nm", 0.0189, kNm, kWavelengthWidth},
    {"pulse width", 1e-7, 1, kDuration},
    {"repetition rate", 1e5, 1, kFrequency},
    {"average power", 20, 1, kPower},
    {"medium index", 1.45, 1, kRefractiveIndex},
    {"cavity length", 10, 1, kLength},
    {"pump power", 100, 1, kPower},
    {"residual pump", 5, 1, kPower},
    {"laser output", 75, 1, kPower},
    {"seed power", 3, 1, kPower},
    {"pump wavelength", 976, kNm, kWavelength},
    {"signal wavelength", 1064, kNm, kWavelength},
    {"doping", 4.3e25, 1, kConcentration},
    {"overlap", 0.8, 1, kFraction},
    {"inverted fraction", 0.1, 1, kFraction},
    {"gain fiber length", 6, 1, kLength},
    {"core radius", 10, kUm, kFiberRadius},
    {"cladding radius", 125, kUm, kFiberRadius},
    {"absorption dB/m", 4, 1, kAttenuation},
    {"absorption cross-section", 2.42e-24, 1, kCrossSection},
    {"end-face angle", 5, kDeg, kAngle},
    {"core index", 1.4512, 1, kRefractiveIndex},
    {"NA", 0.059, 1, kNumericalAperture},
    {"bend radius", 0.05, 1, kBendRadius},
    {"mode tab core radius", 20, kUm, kFiberRadius},
    {"SBS polarisation factor", 1.5, 1, kMaterialFactor},
    {"SBS gain factor", 20, 1, kGain},
    {"mode-field radius", 5e-6, 1, kFiberRadius},
    {"phonon lifetime", 1e-8, 1, kDuration},
    {"speed of sound", 5960, 1, kSoundSpeed},
    {"silica density", 2210, 1, kDensity},
    {"Brillouin shift", 1.63e10, 1, kFrequency},
    {"electrostriction", 0.902, 1, kMaterialFactor},
    {"Stokes loss", 0.003, 1, kAttenuation},
    {"reflectivity R1", 0.99, 1, kFraction},
    {"Raman gain", 5e-14, 1, kGainCoefficient},
    {"Raman ratio", 0.01, 1, kFraction},
    {"Raman shift", 1.32e13, 1, kFrequency},
    {"nonlinear index", 2.7e-20, 1, kNonlinearIndex},
    {"peak power", 1e5, 1, kPower},
    {"gain coefficient", 2, 1, kAttenuation},
    {"pump-cladding radius", 200, kUm, kFiberRadius},
    {"doped radius", 15, kUm, kFiberRadius},
    {"instability NA", 0.06, 1, kNumericalAperture},
    {"initial mode content", 0.01, 1, kFraction},
    {"relative intensity noise", 1e-13, 1, kFraction},
    {"heat transfer", 1000, 1, kHeatTransferCoefficient},
    {"thermo-optic", 1.21e-5, 1, kThermoOptic},
    {"conductivity", 1.4, 1, kThermalConductivity},
    {"density x heat capacity", 1.67e6, 1, kVolumetricHeatCapacity},
    {"pump wavelength 975", 975, kNm, kWavelength},
};

} // namespace

TEST(InputRanges, EveryPageDefaultIsAccepted)
{
    for (const PageDefault &d : kPageDefaults)
        EXPECT_TRUE(contains(d.range, d.value, d.toSI)) << d.field;
}

TEST(InputRanges, BoundsAreInclusiveInThePageUnit)
{
    // 100 nm and 100 μm typed in nm land on the SI bounds only up to the last
    // bit of the conversion; both are accepted, one step beyond is not.
    EXPECT_TRUE(contains(kWavelength, 100, kNm));
    EXPECT_TRUE(contains(kWavelength, 100000, kNm));
    EXPECT_FALSE(contains(kWavelength, 99.99, kNm));
    EXPECT_FALSE(contains(kWavelength, 100000.1, kNm));
    EXPECT_TRUE(contains(kAngle, 90, kDeg));
    EXPECT_EQ(formatBound(pageMax(kAngle, kDeg)), "90");
    EXPECT_EQ(formatBound(pageMin(kFiberRadius, kUm)), "0.01");
    EXPECT_EQ(formatBound(pageMax(kWavelength, kNm)), "100000");
}

TEST(InputRanges, NonFiniteAndTheHangingValuesAreRefused)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(contains(kFiberRadius, inf, kUm));                                 // "1e309" μm
    EXPECT_FALSE(contains(kPower, std::nan(""), 1));                                // NaN
    EXPECT_FALSE(contains(kThermalConductivity, 1e-308));                           // κ
    EXPECT_FALSE(contains(kVolumetricHeatCapacity, 6e146));                         // ρC
    EXPECT_FALSE(contains(kWavelength, 1.064e-07, kNm));                            // λs
    EXPECT_FALSE(contains(kWavelength, 1.08e-08, kNm));                             // end-face λ
    EXPECT_FALSE(contains(kRefractiveIndex, 1.4512e8));                             // n1
    EXPECT_FALSE(contains(kFiberRadius, 1e300, kUm));                               // ~300 digits
    EXPECT_FALSE(contains(kFiberRadius, std::numeric_limits<double>::max(), 1e10)); // × overflows
}

TEST(InputRanges, NoticeNamesTheFieldAndTheRange)
{
    EXPECT_EQ(outOfRangeZh("热导率", 0.001, 10000, "W/(m·K)"),
              "热导率应在0.001到10000 W/(m·K)之间");
    EXPECT_EQ(outOfRangeEn("NA", 0, 1.5, ""), "NA must lie between 0 and 1.5");
}

TEST(CalculatorRangeCheck, RefusesTheFirstFieldOutsideAndNamesIt)
{
    using namespace velmora::calc;
    FieldDescription lambda;
    lambda.key = "lambda_nm";
    lambda.caption = {"信号光波长", "signal wavelength"};
    lambda.unit = "nm";
    lambda.toSI = 1e-9;
    lambda.defaultText = "1064";
    CalculatorDescription description;
    description.fields = {withRange(lambda, kWavelength)};

    Result ok;
    EXPECT_FALSE(refuseOutOfRange(description, {}, ok));                   // default
    EXPECT_FALSE(refuseOutOfRange(description, {{"lambda_nm", " "}}, ok)); // empty: its own rule
    EXPECT_FALSE(ok.refused);

    Result refused;
    EXPECT_TRUE(refuseOutOfRange(description, {{"lambda_nm", "1e309"}}, refused));
    EXPECT_TRUE(refused.refused);
    ASSERT_EQ(refused.notices.size(), 1u);
    EXPECT_EQ(refused.notices[0].key, "lambda_nm");
    EXPECT_EQ(refused.notices[0].text.zh, "信号光波长应在100到100000 nm之间");
    EXPECT_EQ(refused.notices[0].text.en, "signal wavelength must lie between 100 and 100000 nm");
}

TEST(CalculatorRangeCheck, EveryRangedInputOfTheCatalogueRefusesInfinity)
{
    // Every calculator that gives an input a range checks it in evaluate():
    // "1e309" (read as +inf) is refused with a notice naming that input, and
    // the input's default lies in its range.
    using namespace velmora::calc;
    int checked = 0;
    for (const auto &calculator : catalogue().all()) {
        const CalculatorDescription &description = calculator->description();
        for (const FieldDescription &field : description.fields) {
            if (field.role == FieldRole::Output || field.kind != ValueKind::Number ||
                !(std::isfinite(field.min) || std::isfinite(field.max)))
                continue;
            SCOPED_TRACE(description.id + " " + field.key);
            EXPECT_TRUE(textInRange(field, field.defaultText));
            const Result result = calculator->evaluate({{field.key, "1e309"}});
            EXPECT_TRUE(result.refused);
            ASSERT_FALSE(result.notices.empty());
            EXPECT_EQ(result.notices[0].key, field.key);
            EXPECT_EQ(result.notices[0].text.zh, outOfRangeNotice(field).text.zh);
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}
