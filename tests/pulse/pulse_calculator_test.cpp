// pulse.propagate through the catalogue, as the command line and Python call
// it: the published case by its keys, refusals naming the input.

#include "catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velmora::calc;

namespace {

Result run(const Inputs &inputs)
{
    const Calculator *c = catalogue().find("pulse.propagate");
    EXPECT_TRUE(c);
    return c ? c->evaluate(inputs) : Result();
}

std::string refusedKey(const Inputs &inputs)
{
    const Result r = run(inputs);
    EXPECT_TRUE(r.refused);
    return r.notices.empty() ? std::string() : r.notices.front().key;
}

} // namespace

TEST(PulsePropagate, DefaultsGiveFiniteArraysOfTheGridSize)
{
    const Result r = run({});
    ASSERT_FALSE(r.refused) << r.notices.front().text.en;
    for (const char *key : {"t_ps", "intensity_w", "lambda_nm", "spectrum_db_pj_nm"}) {
        const OutputValue &o = r.outputs.at(key);
        ASSERT_EQ(o.shape, std::vector<std::size_t>{2048}) << key;
        for (double v : o.data)
            ASSERT_TRUE(std::isfinite(v)) << key;
    }
    const std::vector<double> &nm = r.outputs.at("lambda_nm").data;
    EXPECT_TRUE(std::is_sorted(nm.begin(), nm.end()));
    // Sech: E = 2 P0 T0 = 2 × 2 kW × 200 fs.
    EXPECT_NEAR(r.outputs.at("energy_in_j").value, 8e-10, 1e-15);
    // Photons: E/(ħω0) at 1030 nm within the spectral width.
    const double photons = 8e-10 / (6.62607015e-34 * 299792458.0 / 1030e-9);
    EXPECT_NEAR(r.outputs.at("photon_number_in").value, photons, 1e-3 * photons);
    EXPECT_NEAR(r.outputs.at("photon_number_out").value / r.outputs.at("photon_number_in").value,
                1.0, 1e-5);
    // γ P0 L = 10 rad would be the B-integral without dispersion; normal
    // dispersion spreads the pulse and lowers it.
    const double b = r.outputs.at("b_integral_rad").value;
    EXPECT_GT(b, 5.0);
    EXPECT_LT(b, 10.0);
}

TEST(PulsePropagate, FwhmReplacesT0AndLossTakesItsShare)
{
    // A 1 ps Gaussian in 1 m of 3 dB/m fiber without dispersion or Kerr.
    const Result r = run({{"shape", "gaussian"},
                          {"fwhm_fs", "1000"},
                          {"gamma_w_m", "0"},
                          {"betas", ""},
                          {"raman", "none"},
                          {"loss_db_m", "3"},
                          {"p_peak_w", "1"}});
    ASSERT_FALSE(r.refused) << r.notices.front().text.en;
    EXPECT_NEAR(r.outputs.at("fwhm_out_ps").value, 1.0, 1e-3);
    EXPECT_NEAR(r.outputs.at("energy_out_j").value / r.outputs.at("energy_in_j").value,
                std::pow(10.0, -0.3), 1e-9);
}

TEST(PulsePropagate, RefusalsNameTheInput)
{
    EXPECT_EQ(refusedKey({{"points", "1001"}}), "points");
    EXPECT_EQ(refusedKey({{"points", "1e9"}}), "points");
    EXPECT_EQ(refusedKey({{"betas", "0.02,abc"}}), "betas");
    EXPECT_EQ(refusedKey({{"shape", "square"}}), "shape");
    EXPECT_EQ(refusedKey({{"window_ps", "1"}, {"points", "256"}}), "window_ps"); // pulse too long
    EXPECT_EQ(refusedKey({{"t0_fs", "1"}}), "t0_fs"); // shorter than the grid step
    EXPECT_EQ(refusedKey({{"p_peak_w", "0"}}), "p_peak_w");
    // Dispersion alone spreads a 100 fs pulse to about 10 ps, twice the window.
    EXPECT_EQ(refusedKey({{"betas", "1"},
                          {"t0_fs", "100"},
                          {"window_ps", "5"},
                          {"points", "512"},
                          {"gamma_w_m", "0"},
                          {"raman", "none"}}),
              "window_ps");
}
