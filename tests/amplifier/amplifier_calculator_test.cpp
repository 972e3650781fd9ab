// amp.steady_state: the catalogue entry, the presets, the refusals and the
// figures it returns.

#include "catalogue.h"
#include "fbamp/calc/amplifiercalculator.h"
#include "fbamp/calc/amplifierfields.h"
#include "fbamp/calc/amplifierinputs.h"
#include "sweep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using velmora::calc::Inputs;
using velmora::calc::Result;

const velmora::calc::Calculator &amplifier()
{
    const velmora::calc::Calculator *c = velmora::calc::catalogue().find("amp.steady_state");
    EXPECT_NE(c, nullptr);
    return *c;
}

void expectRefused(const Inputs &inputs, const std::string &key)
{
    const Result r = amplifier().evaluate(inputs);
    EXPECT_TRUE(r.refused) << key;
    ASSERT_FALSE(r.notices.empty()) << key;
    EXPECT_EQ(r.notices.front().key, key);
    EXPECT_TRUE(r.outputs.empty());
}

TEST(AmplifierCalculator, ReferencePresetsGiveConvergedBalancedResults)
{
    const auto presets = velmora::calc::amplifierPresets();
    ASSERT_EQ(presets.size(), 2u);
    for (const auto &preset : presets) {
        const Result r = amplifier().evaluate(preset.inputs);
        ASSERT_FALSE(r.refused) << (r.notices.empty() ? "" : r.notices.front().text.zh);
        EXPECT_LT(std::abs(r.outputs.at("energy_residual").value), 1e-6);
        const auto &z = r.outputs.at("z_m");
        EXPECT_EQ(r.outputs.at("heat_w_m_z").data.size(), z.data.size());
        EXPECT_EQ(r.outputs.at("ase_fwd_dbm").data.size(), 80u);
        EXPECT_FALSE(r.outputs.at("signal_out_w").text.empty());
    }
    // The double-clad preset's signal: 0.4 W in, about 20 W out.
    const Result clad = amplifier().evaluate(presets[1].inputs);
    EXPECT_NEAR(clad.outputs.at("signal_out_w").value, 19.84, 0.01);
}

TEST(AmplifierCalculator, RefusesEmptyNegativeAndImpossibleInputs)
{
    Inputs in;
    in["length_m"] = "";
    expectRefused(in, "length_m");
    in = {{"nt_m3", "-2e25"}};
    expectRefused(in, "nt_m3");
    in = {{"na", "abc"}};
    expectRefused(in, "na");
    in = {{"ase_bins", "2.5"}};
    expectRefused(in, "ase_bins");
    in = {{"ase_end_nm", "990"}};
    expectRefused(in, "ase_end_nm");
    in = {{"pump_guide", "包层泵浦"}, {"b_um", "70"}, {"clad_um", "60"}};
    expectRefused(in, "b_um");
    in = {{"pump_fwd_w", "0"}};
    expectRefused(in, "pump_fwd_w");
    in = {{"xs_file", "/nonexistent/table.csv"}};
    expectRefused(in, "xs_file");
    in = {{"pump_nm", "800"}}; // inside the shared wavelength range, outside the table
    expectRefused(in, "pump_nm");
    in = {{"mode", "激光器"}, {"r1", "0"}};
    expectRefused(in, "r1");
}

TEST(AmplifierCalculator, OutOfRangeUsesTheSharedRangeNotice)
{
    // 2000 km is beyond the shared 1000 km limit of a length.
    const Result r = amplifier().evaluate({{"length_m", "2e6"}});
    ASSERT_TRUE(r.refused);
    EXPECT_EQ(r.notices.front().key, "length_m");
    EXPECT_EQ(r.notices.front().text.zh, "光纤长度应在1e-06到1e+06 m之间");
}

TEST(AmplifierCalculator, LaserModeWithAnEndFaceOutputCoupler)
{
    const Inputs in = {{"mode", "激光器"}, {"r2_source", "光纤端面"}};
    const Result r = amplifier().evaluate(in);
    ASSERT_FALSE(r.refused);
    EXPECT_EQ(r.outputs.at("gain_db").text, "");
    EXPECT_GT(r.outputs.at("signal_out_w").value, 0.0);
    // ((1.45 − 1) / (1.45 + 1))² = 0.033732
    EXPECT_NEAR(velmora::calc::fiberEndFaceReflectivity(3e-6, 0.12, 1035e-9), 0.033732, 1e-5);
}

TEST(AmplifierCalculator, TheCrossSectionTablesLastRowIsAccepted)
{
    // 1200 nm typed is 1200e-9 · 1e9 = 1200.0000000000002 nm inside.
    for (const char *key : {"signal_nm", "ase_end_nm"}) {
        const Result r = amplifier().evaluate({{key, "1200"}});
        EXPECT_FALSE(r.refused) << key << ": "
                                << (r.notices.empty() ? "" : r.notices.front().text.zh);
    }
    const Result beyond = amplifier().evaluate({{"signal_nm", "1200.001"}});
    ASSERT_TRUE(beyond.refused);
    EXPECT_EQ(beyond.notices.front().key, "signal_nm");
    EXPECT_NE(beyond.notices.front().text.en.find("1200 nm)"), std::string::npos)
        << beyond.notices.front().text.en;
}

TEST(AmplifierCalculator, ClosedCavityIsSolvedWithLossAndRefusedWithout)
{
    const Result lossless = amplifier().evaluate({{"mode", "激光器"}, {"r1", "1"}, {"r2", "1"}});
    ASSERT_TRUE(lossless.refused);
    EXPECT_EQ(lossless.notices.front().key, "r2");
    EXPECT_NE(lossless.notices.front().text.en.find("R1 = R2 = 1"), std::string::npos);
    EXPECT_FALSE(lossless.solverFailure);

    const Result lossy =
        amplifier().evaluate({{"mode", "激光器"}, {"r1", "1"}, {"r2", "1"}, {"loss_db_m", "0.01"}});
    ASSERT_FALSE(lossy.refused) << lossy.notices.front().text.zh;
    std::string nonFinite;
    for (const auto &[key, out] : lossy.outputs)
        if (out.data.empty() && key != "gain_db" && !std::isfinite(out.value))
            nonFinite += key + " ";
    EXPECT_EQ(nonFinite, "");
    EXPECT_EQ(lossy.outputs.at("signal_out_w").value, 0.0);
}

TEST(AmplifierCalculator, MultimodeCoreIsNoticedSingleModeIsNot)
{
    auto multimode = [](const Result &r) {
        for (const auto &n : r.notices)
            if (n.text.en.find("multimode") != std::string::npos)
                return true;
        return false;
    };
    const Result single = amplifier().evaluate({}); // V = 2.19 at 1035 nm
    ASSERT_FALSE(single.refused);
    EXPECT_FALSE(multimode(single));
    for (const Inputs &in : {Inputs{{"a_um", "30"}}, Inputs{{"na", "0.5"}}}) {
        const Result r = amplifier().evaluate(in);
        ASSERT_FALSE(r.refused);
        EXPECT_TRUE(multimode(r));
    }
}

TEST(AmplifierCalculator, NonConvergenceIsASolverFailureAndCountsAreIntegers)
{
    const Result r = amplifier().evaluate({});
    ASSERT_FALSE(r.refused);
    EXPECT_TRUE(r.outputs.at("iterations").integer);
    EXPECT_TRUE(r.outputs.at("grid_steps").integer);
    EXPECT_FALSE(r.outputs.at("signal_out_w").integer);

    // Cancelled after the first pass: no result, and not an input's fault.
    const velmora::calc::AmplifierCalculator calc;
    const Result stopped = calc.evaluate({}, [](int, double) { return false; });
    EXPECT_TRUE(stopped.refused);
    EXPECT_TRUE(stopped.outputs.empty());
}

TEST(AmplifierCalculator, AnAseDominatedDesignSweepHasNoRefusedPoint)
{
    // Signal 1 µW…0.1 W (log), 1…9 m, pump 0.3…2.1 W at 1064 nm with the ASE
    // band to 1100 nm: many points are ASE-dominated, where plain relaxation
    // needed thousands of passes.
    using velmora::calc::SweepAxis;
    const std::vector<SweepAxis> axes = {
        {"signal_w", 1e-6, 1e-1, 6, true}, {"length_m", 1, 9, 5}, {"pump_fwd_w", 0.3, 2.1, 3}};
    const velmora::calc::Assignments fixed = {{"signal_nm", "1064"}, {"ase_end_nm", "1100"}};
    ASSERT_FALSE(velmora::calc::checkSweep(amplifier().description(), axes, fixed));
    const velmora::calc::SweepResult run = velmora::calc::runSweep(amplifier(), axes, fixed);
    ASSERT_EQ(run.points.size(), 90u);
    int refused = 0;
    for (const auto &p : run.points)
        refused += p.result.refused ? 1 : 0;
    EXPECT_EQ(refused, 0);
}

} // namespace
