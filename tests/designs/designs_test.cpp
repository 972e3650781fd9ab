// The design file and the current fiber: a design survives a save and an
// open byte for byte; a file that is not a design, is newer, or holds a value
// a tab refuses is refused whole; the fiber reaches a tab in the tab's units.
#include "designfile.h"
#include "fiberdesign.h"
#include "fielddescriptions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmora;
using namespace velmora::designs;

namespace {

// A stand-in tab with the keys of a fiber tab, in page units.
class FiberTab : public calc::Calculator
{
public:
    FiberTab()
    {
        m_description.id = "test.fiber";
        m_description.title = {"光纤", "fiber"};
        m_description.fields = {
            calc::numberInput("a_um", "", {"纤芯半径", "core radius"}, "μm", 1e-6, "10", 1e-2, 1e4),
            calc::numberInput("r_eff_m", "", {"模场半径", "mode radius"}, "m", 1.0, "1e-5", 1e-8,
                              1e-2),
            calc::numberInput("lambda_p_nm", "", {"泵浦波长", "pump"}, "nm", 1e-9, "976", 100, 1e5),
            calc::numberInput("na", "", {"数值孔径", "NA"}, "", 1.0, "0.06", 0, 1.5),
            calc::numberInput("lambda_nm", "", {"波长", "wavelength"}, "nm", 1e-9, "1064", 100,
                              1e5),
            calc::numberOutput("v", "", {"V", "V"}, "", 1.0, "g4")};
        // lambda_nm holds no fiber quantity here: its spelling does not count.
        calc::holdingFiber(m_description, {{"a_um", FiberQuantity::CoreRadius},
                                           {"r_eff_m", FiberQuantity::ModeFieldRadius},
                                           {"lambda_p_nm", FiberQuantity::PumpWavelength},
                                           {"na", FiberQuantity::NumericalAperture}});
    }
    const calc::CalculatorDescription &description() const override { return m_description; }
    calc::Result evaluate(const calc::Inputs &) const override { return {}; }

private:
    calc::CalculatorDescription m_description;
};

calc::Catalogue testCatalogue()
{
    calc::Catalogue c;
    c.add(std::make_unique<FiberTab>());
    return c;
}

Design sampleDesign()
{
    Design d;
    d.fiber = genericFibers()[3]; // 20/400
    d.page = "fbmode";
    d.tab = 2;
    d.tabs["test.fiber"] = {{"a_um", "12.5"}, {"na", "0.07"}, {"lambda_p_nm", "915"}};
    return d;
}

} // namespace

TEST(DesignFile, RoundTripIsByteIdentical)
{
    const calc::Catalogue catalogue = testCatalogue();
    const std::string first = writeDesign(sampleDesign());
    const DesignReading read = readDesign(first, catalogue);
    ASSERT_TRUE(read.ok) << read.error.en;
    EXPECT_EQ(read.design.tabs.at("test.fiber").at("a_um"), "12.5");
    EXPECT_EQ(read.design.tabs.at("test.fiber").at("na"), "0.07");
    EXPECT_EQ(read.design.page, "fbmode");
    EXPECT_EQ(read.design.tab, 2);
    EXPECT_EQ(writeDesign(read.design), first);
}

TEST(DesignFile, RefusesWhatIsNotAUsableDesign)
{
    const calc::Catalogue catalogue = testCatalogue();
    const std::string good = writeDesign(sampleDesign());
    auto replaced = [&](const std::string &from, const std::string &to) {
        std::string s = good;
        s.replace(s.find(from), from.size(), to);
        return readDesign(s, catalogue);
    };
    EXPECT_FALSE(readDesign("{\"format\": \"other\"}", catalogue).ok);
    EXPECT_FALSE(readDesign("not json at all", catalogue).ok);
    const DesignReading newer = replaced("\"version\": 1", "\"version\": 2");
    EXPECT_FALSE(newer.ok);
    EXPECT_NE(newer.error.en.find("newer"), std::string::npos);
    // A value the tab would refuse names the key.
    const DesignReading bad = replaced("\"12.5\"", "\"1e309\"");
    EXPECT_FALSE(bad.ok);
    EXPECT_NE(bad.error.en.find("a_um"), std::string::npos) << bad.error.en;
    EXPECT_FALSE(replaced("\"12.5\"", "12.5").ok);           // a number where text belongs
    EXPECT_FALSE(replaced("\"na\": 0.065", "\"na\": 3").ok); // fiber NA out of range
}

TEST(DesignFile, UnknownTabsAndKeysAreReportedAndSkipped)
{
    const calc::Catalogue catalogue = testCatalogue();
    Design d = sampleDesign();
    d.tabs["future.tab"] = {{"x", "1"}};
    d.tabs["test.fiber"]["future_key"] = "3";
    const DesignReading read = readDesign(writeDesign(d), catalogue);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.skipped, (std::vector<std::string>{"future.tab", "test.fiber.future_key"}));
    EXPECT_EQ(read.design.tabs.count("future.tab"), 0u);
}

TEST(CurrentFiber, FillsATabInItsOwnUnits)
{
    FiberDesign f;
    f.coreRadiusUm = 10;
    f.na = 0.065;
    f.signalNm = 1064;
    f.pumpNm = 976;
    const auto fills = fiberFillsFor(FiberTab().description(), f);
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(fills[0].text, "10");  // μm stays μm
    EXPECT_EQ(fills[2].text, "976"); // a pump wavelength outside the nonlinear tabs
    EXPECT_EQ(fills[3].text, "0.065");
    // Marcuse's fit by hand: V = 2π/1.064 μm · 10 μm · 0.065 = 3.8384;
    // V^1.5 = 7.5200, V^6 = 3198: w = 10 μm · (0.65 + 0.21529 + 0.00090) = 8.6619 μm.
    EXPECT_NEAR(std::stod(fills[1].text), 8.6619e-6, 1e-9);
    EXPECT_EQ(fills[1].quantity, FiberQuantity::ModeFieldRadius);
}

TEST(CurrentFiber, GenericTypesAreValidAndTheirConcentrationTracesTheirAbsorption)
{
    for (const FiberDesign &f : genericFibers())
        EXPECT_FALSE(checkFiber(f).has_value()) << f.name;
    // 20/400 at 1.2 dB/m cladding absorption: N = 1.2/4.3429/(2.48e-24·(10/200)²).
    const FiberDesign &f = genericFibers()[3];
    EXPECT_NEAR(f.ybConcentration, 1.2 / 4.342945 / (2.48e-24 * 0.0025), 1e21);
    // The start-up fiber is that library entry: one name, one fiber.
    const FiberDesign startup;
    EXPECT_EQ(startup.name, f.name);
    for (double FiberDesign::*member :
         {&FiberDesign::coreRadiusUm, &FiberDesign::claddingRadiusUm, &FiberDesign::dopedRadiusUm,
          &FiberDesign::na, &FiberDesign::n2, &FiberDesign::lengthM, &FiberDesign::signalNm,
          &FiberDesign::pumpNm, &FiberDesign::ybConcentration, &FiberDesign::backgroundLossDbPerM})
        EXPECT_EQ(startup.*member, f.*member);
    // Library names are unique.
    for (std::size_t i = 0; i < genericFibers().size(); ++i)
        for (std::size_t j = i + 1; j < genericFibers().size(); ++j)
            EXPECT_NE(genericFibers()[i].name, genericFibers()[j].name);
}
