// The laser-parameter, fiber-parameter, nonlinear and mode-instability
// calculators without any widget: what the command line gets. Expected texts
// are hand calculations or the page's documented default results; the gain
// spectrum is checked against the textbook two-level formula over a table
// read here independently.
#include "catalogue.h"
#include "textformat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

using namespace velmora::calc;

namespace {

const Calculator &calc(const std::string &id)
{
    const Calculator *c = catalogue().find(id);
    if (!c)
        throw std::runtime_error("no calculator " + id);
    return *c;
}

std::string text(const Result &r, const std::string &key)
{
    const auto it = r.outputs.find(key);
    return it == r.outputs.end() ? "<absent>" : it->second.text;
}

std::string notice(const Result &r)
{
    return r.notices.empty() ? "" : r.notices.front().text.zh + " @" + r.notices.front().key;
}

struct DefaultText {
    const char *id;
    const char *key;
    const char *text;
};

// Hand calculations: c/(2·1.45·10 m) = 1.0345e7 Hz; 75/95 and 72/95;
// (1064 − 976)/1064 = 0.08271; 4·250²/(4.343·2.42e-24·20²) = 5.947e25 m⁻³;
// 10·lg 2 = 3.0103 dB; (10/125)² = 0.0064; the others are the page's
// documented defaults (nonlinear page, mode-instability page).
const DefaultText kDefaults[] = {
    {"laser.mode_spacing", "spacing_hz", "1.03e+07"},
    {"laser.efficiency", "eta_laser", "0.7895"},
    {"laser.efficiency", "eta_amplifier", "0.7579"},
    {"laser.quantum_defect", "qd", "0.0827"},
    {"laser.quantum_defect", "qr", "0.9173"},
    {"fiber.doping", "n_m3", "5.95e+25"},
    {"fiber.loss", "total_db", "3.01"},
    {"fiber.loss", "average_db_m", "0.301"},
    {"fiber.fill_factor", "fill_factor", "0.0064"},
    {"fiber.end_reflectivity", "neff", "1.4509"},
    {"nonlinear.sbs", "gb_m_w", "9.904e-11"},
    {"nonlinear.sbs", "lambda_s_nm", "1064.0615"},
    {"nonlinear.spm", "area_m2", "7.854e-11"},
    {"nonlinear.spm", "l_eff_m", "4.758"},
    {"nonlinear.fwm", "delta_k_m", "-2.35e+05"},
    {"tmi.threshold", "chi_max_per_w", "0.1433"},
    {"tmi.threshold", "p_th_w", "179"},
};

} // namespace

TEST(FiberLaserCalculators, DefaultsGiveThePageTexts)
{
    for (const DefaultText &d : kDefaults) {
        const Result r = calc(d.id).evaluate({});
        EXPECT_FALSE(r.refused) << d.id;
        EXPECT_EQ(text(r, d.key), d.text) << d.id << " " << d.key;
    }
}

TEST(FiberLaserCalculators, EveryFieldNamesAPageWidgetAndEveryInputHasARange)
{
    for (const char *id :
         {"laser.mode_spacing", "laser.efficiency", "laser.quantum_defect", "laser.yb_gain",
          "fiber.doping", "fiber.loss", "fiber.fill_factor", "fiber.end_reflectivity",
          "nonlinear.sbs", "nonlinear.srs", "nonlinear.spm", "nonlinear.fwm", "tmi.threshold"}) {
        for (const FieldDescription &f : calc(id).description().fields) {
            if (f.role == FieldRole::Output || f.kind != ValueKind::Number)
                continue;
            EXPECT_FALSE(f.objectName.empty()) << id << " " << f.key;
            EXPECT_TRUE(std::isfinite(f.min) && std::isfinite(f.max)) << id << " " << f.key;
            double value = 0;
            ASSERT_TRUE(parseNumber(f.defaultText, &value)) << id << " " << f.key;
            EXPECT_TRUE(value >= f.min && value <= f.max) << id << " " << f.key;
        }
    }
}

TEST(FiberLaserCalculators, RefusalsNameTheirInputAndEmptyTheResults)
{
    const Result qd = calc("laser.quantum_defect").evaluate({{"lambda2_nm", "976"}});
    EXPECT_TRUE(qd.refused);
    EXPECT_EQ(notice(qd), "λ2应大于λ1 @lambda2_nm");
    EXPECT_EQ(text(qd, "qd"), ""); // the page empties the old result

    const Result loss = calc("fiber.loss").evaluate({{"p_out_w", "10"}});
    EXPECT_EQ(notice(loss), "输出功率必须小于输入功率 @p_out_w");
    EXPECT_EQ(text(loss, "total_db"), "");

    const Result doping = calc("fiber.doping").evaluate({{"sigma_abs_m2", ""}});
    EXPECT_EQ(notice(doping), "请确保输入参数不为空 @sigma_abs_m2");
    EXPECT_EQ(text(doping, "n_m3"), "<absent>"); // the page keeps the old one

    const Result spm = calc("nonlinear.spm").evaluate({{"gain_fiber", "2"}});
    EXPECT_TRUE(spm.refused);
    EXPECT_EQ(spm.notices.at(0).key, "gain_fiber");
}

// A wavelength of 10.8 nm would drive the mode scan to a V of thousands: the
// range refuses it before anything is computed.
TEST(FiberLaserCalculators, OutOfRangeInputIsRefusedNamingTheField)
{
    const Result r = calc("fiber.end_reflectivity").evaluate({{"lambda_nm", "1.08e-08"}});
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.notices.at(0).key, "lambda_nm");
    EXPECT_NE(r.notices.at(0).text.zh.find("中心波长λ"), std::string::npos);
    EXPECT_TRUE(r.outputs.empty());
}

// The default fiber guides LP01 and LP11; the reflectivities are those of a
// separate model of the search and the radial sums (see the page test).
TEST(FiberLaserCalculators, EndFaceListsTheModesAndShowsTheChosenOne)
{
    const Calculator &c = calc("fiber.end_reflectivity");
    const Result first = c.evaluate({});
    EXPECT_EQ(text(first, "mode_labels"), "01 11");
    EXPECT_EQ(first.outputs.at("neff_list").data.size(), 2u);
    // Full-precision indices and each mode's own order (mpmath model).
    EXPECT_EQ(text(first, "r"), "5.79e-05");
    EXPECT_EQ(text(first, "reflectivity"), "3.36e-09");

    const Result second = c.evaluate({{"mode", "11"}});
    EXPECT_EQ(text(second, "neff"), "1.4504");
    EXPECT_EQ(text(second, "r"), "0.000197");
    EXPECT_EQ(text(second, "reflectivity"), "3.88e-08");

    EXPECT_EQ(c.evaluate({{"mode", "21"}}).notices.at(0).key, "mode");
    EXPECT_EQ(notice(c.evaluate({{"a_um", "300"}})), "纤芯半径不超过250微米 @a_um");

    const Result none = c.evaluate({{"n1", "1.45"}}); // no index step: no guided mode
    EXPECT_TRUE(none.refused);
    EXPECT_EQ(notice(none), "没有传导模，请重新输入 @n1");
    EXPECT_EQ(text(none, "neff"), "");
}

TEST(FiberLaserCalculators, CoreIndexAndNumericalApertureFollowEachOther)
{
    const Calculator &c = calc("fiber.end_reflectivity");
    // sqrt(0.1² + 1.45²) = 1.4534441...
    EXPECT_EQ(c.linkEdited({{"na", "0.1"}}, "na").at("n1"), "1.453444");
    // sqrt(1.4512² − 1.45²) = 0.0590037...
    EXPECT_EQ(c.linkEdited({{"n1", "1.4512"}}, "n1").at("na"), "0.059004");
    // Beyond NA 0.5 the core index is left alone.
    EXPECT_EQ(c.linkEdited({{"na", "0.6"}}, "na").at("n1"), "1.4512");
}

TEST(FiberLaserCalculators, GainFiberUsesTheGainForTheEffectiveLength)
{
    // (e^(2·5) − 1)/2 = 11012.7 m.
    const Result r = calc("nonlinear.spm").evaluate({{"gain_fiber", "1"}});
    EXPECT_EQ(text(r, "l_eff_m"), "1.101e+04");
}

// G(λ) = 4.343·N·Γ·L·(n·σ_e − (1 − n)·σ_a) per table line, g = 10^(G/10).
TEST(FiberLaserCalculators, GainSpectrumFollowsTheTwoLevelFormulaLineByLine)
{
    constexpr double kGainRel = 1e-12; // rearranged evaluation order, a few ulps
    std::ifstream table("Data/YDF吸收发射参数.csv");
    ASSERT_TRUE(table) << "tests run in bin/ beside Data/";
    std::vector<double> lambda, sa, se;
    std::string line;
    while (std::getline(table, line)) {
        std::replace(line.begin(), line.end(), ',', ' ');
        std::istringstream fields(line);
        double l, a, e;
        if (fields >> l >> a >> e) {
            lambda.push_back(l);
            sa.push_back(a);
            se.push_back(e);
        }
    }
    ASSERT_GT(lambda.size(), 100u);

    const Result r = calc("laser.yb_gain").evaluate({});
    ASSERT_FALSE(r.refused);
    const std::vector<double> &wl = r.outputs.at("wavelength_nm").data;
    const std::vector<double> &db = r.outputs.at("gain_db").data;
    const std::vector<double> &linear = r.outputs.at("gain_linear").data;
    ASSERT_EQ(wl.size(), lambda.size());
    ASSERT_EQ(r.outputs.at("gain_db").shape, std::vector<std::size_t>{lambda.size()});
    for (std::size_t i = 0; i < lambda.size(); ++i) {
        const double expected = 4.343 * 4.3e25 * 0.8 * 6 * (0.1 * se[i] - 0.9 * sa[i]);
        EXPECT_EQ(wl[i], lambda[i]);
        EXPECT_NEAR(db[i], expected, kGainRel * std::fabs(expected)) << lambda[i];
        EXPECT_NEAR(linear[i], std::pow(10.0, db[i] / 10), 1e-12 * linear[i]) << lambda[i];
    }
}

TEST(FiberLaserCalculators, ModeInstabilityCurvesAndItsOwnNotices)
{
    const Calculator &c = calc("tmi.threshold");
    const Result r = c.evaluate({});
    EXPECT_EQ(r.outputs.at("shift_khz").data.size(), 101u);
    EXPECT_EQ(r.outputs.at("chi_per_w").data.size(), 101u);
    const std::vector<double> &power = r.outputs.at("power_w").data;
    ASSERT_FALSE(power.empty());
    EXPECT_EQ(power.front(), 50.0);
    EXPECT_EQ(power.back(), 179.0);
    // The division by zero keeps its own notice; a near-zero κ is a range.
    EXPECT_EQ(notice(c.evaluate({{"kappa_w_mk", "0"}})), "除数为0 @kappa_w_mk");
    EXPECT_EQ(c.evaluate({{"kappa_w_mk", "1e-308"}}).notices.at(0).key, "kappa_w_mk");
    EXPECT_EQ(notice(c.evaluate({{"a_um", "3"}})), "模式不稳定计算对象应是多模光纤 @a_um");
}
