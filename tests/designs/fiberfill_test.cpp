// What "使用当前光纤" writes, tab by tab: a table of every calculator of the
// catalogue and the fields each fiber quantity fills. A key spelled alike on
// two tabs (`b_um`: pump-cladding radius on the fiber-parameter tabs, doped
// radius on the amplifier) is filled by what the field holds. A calculator
// missing from the table must take nothing from the fiber.
#include "catalogue.h"
#include "fiberdesign.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace velmora;
using Q = calc::FiberQuantity;

namespace {

using Fills = std::map<std::string, Q>; // key -> quantity

const std::map<std::string, Fills> &expectedFills()
{
    static const std::map<std::string, Fills> table = {
        {"laser.mode_spacing", {{"length_m", Q::FiberLength}}}, // the cavity is the fiber
        {"laser.yb_gain", {{"n_m3", Q::YbConcentration}, {"length_m", Q::FiberLength}}},
        {"fiber.end_reflectivity",
         {{"lambda_nm", Q::SignalWavelength},
          {"a_um", Q::CoreRadius},
          {"n1", Q::CoreIndex},
          {"n2", Q::CladdingIndex},
          {"na", Q::NumericalAperture}}},
        {"fiber.doping", {{"a_um", Q::CoreRadius}, {"b_um", Q::PumpCladdingRadius}}},
        {"fiber.loss", {{"length_m", Q::FiberLength}}},
        {"fiber.fill_factor", {{"a_um", Q::CoreRadius}, {"b_um", Q::PumpCladdingRadius}}},
        {"nonlinear.sbs",
         {{"length_m", Q::FiberLength},
          {"n", Q::CoreIndex},
          {"r_eff_m", Q::ModeFieldRadius},
          {"lambda_p_nm", Q::SignalWavelength}}}, // the light driving SBS is the signal
        {"nonlinear.srs",
         {{"length_m", Q::FiberLength},
          {"r_eff_m", Q::ModeFieldRadius},
          {"lambda_p_nm", Q::SignalWavelength}}},
        {"nonlinear.spm",
         {{"lambda_nm", Q::SignalWavelength},
          {"length_m", Q::FiberLength},
          {"a_um", Q::CoreRadius}}},
        {"modes.solve",
         {{"n1", Q::CoreIndex},
          {"n2", Q::CladdingIndex},
          {"a_um", Q::CoreRadius},
          {"lambda_nm", Q::SignalWavelength},
          {"na", Q::NumericalAperture}}},
        {"modes.field_map",
         {{"n1", Q::CoreIndex},
          {"n2", Q::CladdingIndex},
          {"a_um", Q::CoreRadius},
          {"lambda_nm", Q::SignalWavelength},
          {"na", Q::NumericalAperture}}},
        {"modes.bend_loss",
         {{"n1", Q::CoreIndex},
          {"n2", Q::CladdingIndex},
          {"a_um", Q::CoreRadius},
          {"lambda_nm", Q::SignalWavelength},
          {"na", Q::NumericalAperture}}},
        {"modes.exact",
         {{"a_um", Q::CoreRadius},
          {"lambda_nm", Q::SignalWavelength},
          {"n1", Q::CoreIndex},
          {"n2", Q::CladdingIndex},
          {"na", Q::NumericalAperture},
          {"rd_um", Q::DopedRadius}}},
        {"tmi.threshold",
         {{"a_um", Q::CoreRadius},
          {"lambda_s_nm", Q::SignalWavelength},
          {"lambda_p_nm", Q::PumpWavelength},
          {"b_um", Q::PumpCladdingRadius},
          {"doped_um", Q::DopedRadius},
          {"na", Q::NumericalAperture},
          {"n1", Q::CoreIndex}}},
        {"amp.steady_state",
         {{"a_um", Q::CoreRadius},
          {"b_um", Q::DopedRadius},
          {"clad_um", Q::PumpCladdingRadius},
          {"na", Q::NumericalAperture},
          {"length_m", Q::FiberLength},
          {"nt_m3", Q::YbConcentration},
          {"loss_db_m", Q::BackgroundLoss},
          {"pump_nm", Q::PumpWavelength},
          {"signal_nm", Q::SignalWavelength}}},
        // The pulsed amplifier takes the steady-state amplifier's fiber and
        // pump fields; its centre wavelength belongs to the pulse.
        {"pulse.amplifier",
         {{"a_um", Q::CoreRadius},
          {"b_um", Q::DopedRadius},
          {"clad_um", Q::PumpCladdingRadius},
          {"na", Q::NumericalAperture},
          {"length_m", Q::FiberLength},
          {"nt_m3", Q::YbConcentration},
          {"loss_db_m", Q::BackgroundLoss},
          {"pump_nm", Q::PumpWavelength}}},
    };
    return table;
}

// A fiber whose quantities all differ, so a value in the wrong field shows.
designs::FiberDesign distinctFiber()
{
    designs::FiberDesign f;
    f.name = "test";
    f.coreRadiusUm = 12.5;
    f.dopedRadiusUm = 11;
    f.claddingRadiusUm = 200;
    f.na = 0.065;
    f.n2 = 1.45;
    f.lengthM = 7;
    f.signalNm = 1070;
    f.pumpNm = 976;
    f.ybConcentration = 4.4e25;
    f.backgroundLossDbPerM = 0.015;
    return f;
}

} // namespace

TEST(FiberFill, EveryCalculatorFillsTheFieldsHoldingEachQuantity)
{
    for (const auto &c : calc::catalogue().all()) {
        const calc::CalculatorDescription &d = c->description();
        Fills filled;
        for (const designs::FiberFill &fill : designs::fiberFillsFor(d, distinctFiber()))
            filled[fill.key] = fill.quantity;
        const auto expected = expectedFills().find(d.id);
        EXPECT_EQ(filled, expected == expectedFills().end() ? Fills{} : expected->second) << d.id;
    }
    // Every table entry names a calculator that exists (a renamed id or key
    // would otherwise pass unseen).
    for (const auto &[id, fills] : expectedFills())
        EXPECT_NE(calc::catalogue().find(id), nullptr) << id;
}

TEST(FiberFill, EachQuantityIsFilledSomewhereWithItsValueInTheFieldsUnit)
{
    const designs::FiberDesign fiber = distinctFiber();
    std::set<Q> seen;
    for (const auto &c : calc::catalogue().all()) {
        const calc::CalculatorDescription &d = c->description();
        for (const designs::FiberFill &fill : designs::fiberFillsFor(d, fiber)) {
            seen.insert(fill.quantity);
            const double si = std::stod(fill.text) * d.field(fill.key)->toSI;
            const double want = designs::fiberQuantitySI(fiber, fill.quantity);
            EXPECT_NEAR(si, want, 1e-6 * want) << d.id << " " << fill.key;
        }
    }
    for (Q q : {Q::CoreRadius, Q::DopedRadius, Q::PumpCladdingRadius, Q::NumericalAperture,
                Q::CoreIndex, Q::CladdingIndex, Q::FiberLength, Q::SignalWavelength,
                Q::PumpWavelength, Q::YbConcentration, Q::BackgroundLoss, Q::ModeFieldRadius}) {
        EXPECT_EQ(seen.count(q), 1u) << static_cast<int>(q);
        EXPECT_FALSE(designs::fiberQuantityName(q).zh.empty());
    }
}

TEST(FiberFill, TheAmplifierTakesTheDopedRadiusAndThePumpCladdingWhereTheyBelong)
{
    const calc::Calculator *amp = calc::catalogue().find("amp.steady_state");
    ASSERT_NE(amp, nullptr);
    std::map<std::string, std::string> texts;
    for (const designs::FiberFill &fill :
         designs::fiberFillsFor(amp->description(), distinctFiber()))
        texts[fill.key] = fill.text;
    EXPECT_EQ(texts["b_um"], "11");     // doped radius
    EXPECT_EQ(texts["clad_um"], "200"); // pump-cladding radius
    EXPECT_EQ(texts["nt_m3"], "4.4e+25");
    EXPECT_EQ(texts["loss_db_m"], "0.015");
    // The filled inputs are accepted: the amplifier computes.
    calc::Inputs inputs = calc::withDefaults(amp->description(), {});
    for (const auto &[key, text] : texts)
        inputs[key] = text;
    inputs["pump_guide"] = "包层泵浦";
    inputs["pump_fwd_w"] = "5";
    EXPECT_FALSE(amp->evaluate(inputs).refused);
}
