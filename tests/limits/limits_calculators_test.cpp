// limits.design and limits.map through the catalogue, as the command line and
// Python run them: presets, refusals, and the limits against the nonlinear and
// mode-instability pages' own calculators for the same inputs.
#include "catalogue.h"
#include "validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace velmora::calc;

const Calculator &calc(const char *id)
{
    const Calculator *c = catalogue().find(id);
    EXPECT_NE(c, nullptr) << id;
    return *c;
}

Result run(const char *id, const Assignments &assignments)
{
    const Calculator &c = calc(id);
    return c.evaluate(applyAssignments(c, assignments));
}

double value(const Result &r, const char *key)
{
    return r.outputs.at(key).value;
}

TEST(LimitsCalculators, PresetsReproduceThePublishedMaxima)
{
    const Result broad = run("limits.map", {{"preset", "dawson_broadband"}});
    ASSERT_FALSE(broad.refused);
    EXPECT_NEAR(value(broad, "p_max_w"), 36e3, 0.05 * 36e3);
    const std::string binding = broad.outputs.at("binding_limit").text;
    EXPECT_TRUE(binding == "thermal_lens" || binding == "srs" || binding == "pump_brightness")
        << binding;
    const Result zhu = run("limits.map", {{"preset", "zhu_tandem"}});
    EXPECT_NEAR(value(zhu, "p_max_w"), 70.7e3, 0.05 * 70.7e3);
    EXPECT_NEAR(value(zhu, "core_diameter_um_at_max"), 63.4, 0.05 * 63.4);
    EXPECT_EQ(zhu.outputs.at("binding_limit").text, "damage");
    const Result single = run("limits.map", {{"preset", "dawson_single_frequency"}});
    EXPECT_LT(value(single, "p_max_w"), value(broad, "p_max_w") / 20);
    // The map and its axes.
    EXPECT_EQ(broad.outputs.at("p_max_map_w").shape, (std::vector<std::size_t>{100, 100}));
    EXPECT_EQ(broad.outputs.at("diameters_um").shape, (std::vector<std::size_t>{100}));
    EXPECT_EQ(broad.outputs.at("curve_srs_w").data.size(), 100u);
}

TEST(LimitsCalculators, InputsGivenAfterAPresetWin)
{
    const Inputs in = applyAssignments(calc("limits.design"),
                                       {{"preset", "dawson_broadband"}, {"mode_field_ratio", "1"}});
    EXPECT_EQ(in.at("mode_field_ratio"), "1");
    EXPECT_EQ(in.at("use_mi"), "0");
    const Inputs before = applyAssignments(
        calc("limits.design"), {{"mode_field_ratio", "1"}, {"preset", "dawson_broadband"}});
    EXPECT_EQ(before.at("mode_field_ratio"), "1.2");
}

TEST(LimitsCalculators, RamanAndBrillouinLimitsEqualTheNonlinearPage)
{
    const Result srs =
        run("nonlinear.srs",
            {{"length_m", "12"}, {"alpha_s_m", "0"}, {"r_eff_m", "2.4e-5"}, {"g_r_m_w", "1e-13"}});
    const Result sbs = run(
        "nonlinear.sbs", {{"length_m", "12"}, {"k", "1.5"}, {"gain", "20"}, {"r_eff_m", "2.4e-5"}});
    const double gb = value(sbs, "gb_m_w");
    char gbText[64];
    std::snprintf(gbText, sizeof gbText, "%.17g", gb);
    const Result lim = run("limits.design", {{"core_diameter_um", "40"},
                                             {"mode_field_ratio", "1.2"},
                                             {"length_m", "12"},
                                             {"gr_m_w", "1e-13"},
                                             {"srs_exponent", "16"},
                                             {"gb_m_w", gbText},
                                             {"sbs_exponent", "21"},
                                             {"pol_factor", "1.5"},
                                             {"linewidth_mhz", "0"},
                                             {"amp_gain_db", "13.010299956639813"},
                                             {"use_mi", "0"}});
    ASSERT_FALSE(lim.refused);
    EXPECT_NEAR(value(lim, "p_sbs_w"), value(sbs, "p_th_w"), 1e-9 * value(sbs, "p_th_w"));
    // The SRS limit of the amplifier is shorter by L(1 − 1/G)/ln G; at 0 dB it is
    // the delivery-fiber threshold.
    const Result plain = run("limits.design", {{"core_diameter_um", "40"},
                                               {"mode_field_ratio", "1.2"},
                                               {"length_m", "12"},
                                               {"gr_m_w", "1e-13"},
                                               {"use_mi", "0"}});
    EXPECT_NEAR(value(plain, "p_srs_w"), value(srs, "p_th_delivery_w"),
                1e-12 * value(srs, "p_th_delivery_w"));
}

TEST(LimitsCalculators, ModeInstabilityLimitEqualsTheMiPage)
{
    const Result tmi = run("tmi.threshold", {{"a_um", "20"},
                                             {"doped_um", "20"},
                                             {"b_um", "200"},
                                             {"na", "0.06"},
                                             {"lambda_s_nm", "1064"}});
    const Result lim = run("limits.design", {{"core_diameter_um", "40"},
                                             {"clad_mode", "fixed"},
                                             {"clad_diameter_um", "400"},
                                             {"core_na", "0.06"},
                                             {"signal_nm", "1064"},
                                             {"h_w_m2k", "1000"},
                                             {"dndt_k", "1.21e-5"},
                                             {"k_w_mk", "1.4"}});
    ASSERT_FALSE(lim.refused);
    EXPECT_EQ(value(lim, "p_mi_w"), value(tmi, "p_th_w"));
    EXPECT_EQ(lim.outputs.at("binding_limit").text, "mi");
}

TEST(LimitsCalculators, BadInputIsRefusedNamingTheField)
{
    const Result clad = run("limits.design", {{"clad_mode", "fixed"}, {"clad_diameter_um", "20"}});
    ASSERT_TRUE(clad.refused);
    EXPECT_EQ(clad.notices.at(0).key, "clad_diameter_um");
    const Result heat = run("limits.design", {{"heat_fraction", "0"}});
    ASSERT_TRUE(heat.refused);
    EXPECT_EQ(heat.notices.at(0).key, "heat_fraction");
    const Result none = run("limits.design", {{"use_rupture", "0"},
                                              {"use_melting", "0"},
                                              {"use_thermal_lens", "0"},
                                              {"use_srs", "0"},
                                              {"use_sbs", "0"},
                                              {"use_damage", "0"},
                                              {"use_pump_brightness", "0"},
                                              {"use_mi", "0"}});
    EXPECT_TRUE(none.refused);
    const Result grid = run("limits.map", {{"d_min_um", "50"}, {"d_max_um", "40"}});
    ASSERT_TRUE(grid.refused);
    EXPECT_EQ(grid.notices.at(0).key, "d_max_um");
    const Result count = run("limits.map", {{"d_count", "10.5"}});
    EXPECT_TRUE(count.refused);
}

TEST(LimitsCalculators, EveryOutputIsFiniteOrCleared)
{
    const Result r = run("limits.design", {{"preset", "dawson_single_frequency"}});
    ASSERT_FALSE(r.refused);
    for (const auto &[key, out] : r.outputs) {
        if (!out.shape.empty())
            continue;
        EXPECT_TRUE(std::isfinite(out.value) || out.text.empty()) << key;
    }
    EXPECT_TRUE(r.outputs.at("p_mi_w").text.empty()); // MI not counted in the preset
}

TEST(LimitsCalculators, HeatProfileGivesTheCoreTemperatureAlongTheFiber)
{
    const Assignments base = {{"core_diameter_um", "20"},
                              {"clad_mode", "fixed"},
                              {"clad_diameter_um", "400"},
                              {"use_mi", "0"}};
    Assignments with = base;
    with.push_back({"heat_profile_w_m", "0, 10,40"});
    const Result r = run("limits.design", with);
    ASSERT_FALSE(r.refused);
    const std::vector<double> &t = r.outputs.at("core_temp_z_k").data;
    ASSERT_EQ(t.size(), 3u);
    // Linear in q: ΔT(40) = 4 ΔT(10), and q = 0 sits at the coolant.
    EXPECT_DOUBLE_EQ(t[0], 300);
    EXPECT_NEAR(t[2] - 300, 4 * (t[1] - 300), 1e-9);
    EXPECT_DOUBLE_EQ(value(r, "core_temp_peak_k"), t[2]);
    // ΔT = (q/4πk)[1 + 2 ln(b/a) + 2k/(b h)] with a = 10 μm, b = 200 μm.
    const double k = 1.38, h = 1e4, a = 10e-6, b = 200e-6;
    const double rise =
        10 / (4 * 3.14159265358979323846 * k) * (1 + 2 * std::log(b / a) + 2 * k / (b * h));
    EXPECT_NEAR(t[1] - 300, rise, 1e-9 * rise);
    Assignments bad = base;
    bad.push_back({"heat_profile_w_m", "1,,2"});
    const Result refused = run("limits.design", bad);
    ASSERT_TRUE(refused.refused);
    EXPECT_EQ(refused.notices.at(0).key, "heat_profile_w_m");
    bad.back().second = "1,-2";
    EXPECT_TRUE(run("limits.design", bad).refused);
}

} // namespace
