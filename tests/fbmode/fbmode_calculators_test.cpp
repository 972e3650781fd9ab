// The fiber-mode calculators against independent references: the number of
// guided LP modes from the cutoffs (zeros of J_{m-1}, Boost.Math), the
// weakly-guiding core field J_m(U r/a) cos/sin mθ (Boost.Math), Marcuse's
// bend-loss closed form evaluated here, and the page's checks and notices.

#include "catalogue.h"
#include "textformat.h"

#include <gtest/gtest.h>
#include <boost/math/special_functions/bessel.hpp>

#include <cmath>

using namespace velmora::calc;

namespace {

constexpr double kTwoPi = 6.283185307179586;
// Relative agreement of two evaluations of the same closed form (double
// rounding of a few dozen operations, and Bessel routines good to ~1e-14).
constexpr double kFormulaRel = 1e-9;
// Relative spread of the field-map fast path against the plain formula.
constexpr double kFieldRel = 1e-9;

Result run(const char *id, const Inputs &inputs)
{
    const Calculator *calculator = catalogue().find(id);
    EXPECT_NE(calculator, nullptr) << id;
    return calculator ? calculator->evaluate(inputs) : Result{};
}

std::string noticeOf(const Result &r)
{
    return r.notices.empty() ? std::string()
                             : r.notices.front().text.zh + "@" + r.notices.front().key;
}

// Number of LP modes guided at V: LP_0n has cutoff j_{1,n-1} (LP01: none),
// LP_mn (m >= 1) has cutoff j_{m-1,n}.
int modesBelowCutoff(double v)
{
    int count = 0;
    for (int m = 0; m < 60; ++m)
        for (int n = 1; n < 60; ++n) {
            double cutoff = 0;
            if (m == 0)
                cutoff = n == 1 ? 0.0 : boost::math::cyl_bessel_j_zero(1.0, n - 1);
            else
                cutoff = boost::math::cyl_bessel_j_zero(double(m - 1), n);
            if (cutoff >= v)
                break;
            ++count;
        }
    return count;
}

} // namespace

TEST(FbmodeCalculators, CatalogueListsTheFourTabsInPageOrder)
{
    const char *ids[] = {"modes.solve", "modes.field_map", "modes.beam_quality", "modes.bend_loss"};
    const int tabs[] = {0, 0, 1, 2};
    for (int i = 0; i < 4; ++i) {
        const Calculator *c = catalogue().find(ids[i]);
        ASSERT_NE(c, nullptr) << ids[i];
        EXPECT_EQ(c->description().page, "fbmode");
        EXPECT_EQ(c->description().tab, tabs[i]);
    }
    EXPECT_EQ(catalogue().find("modes.solve")->description().field("a_um")->objectName,
              "m_ALineEdit_2");
    EXPECT_EQ(catalogue().find("modes.bend_loss")->description().field("a_um")->defaultText, "10");
}

TEST(FbmodeCalculators, DefaultFiberGuidesSevenModes)
{
    const Result r = run("modes.solve", {});
    ASSERT_FALSE(r.refused);
    EXPECT_TRUE(r.notices.empty());
    // V = k0 a NA with the typed NA 0.059 (it agrees with n1, n2 within 0.01).
    const double v = kTwoPi / 1080e-9 * 20e-6 * 0.059;
    EXPECT_EQ(r.outputs.at("v").text, formatNumber(v, 'f', 4));
    EXPECT_EQ(r.outputs.at("v").text, "6.8650");
    EXPECT_EQ(r.outputs.at("mode_count").text, std::to_string(modesBelowCutoff(v)));
    EXPECT_EQ(r.outputs.at("na").text, "0.059");
    // Table order: m ascending, then n.
    EXPECT_EQ(r.outputs.at("m").data, (std::vector<double>{0, 0, 1, 1, 2, 3, 4}));
    EXPECT_EQ(r.outputs.at("n").data, (std::vector<double>{1, 2, 1, 2, 1, 1, 1}));
    const OutputValue &neff = r.outputs.at("neff");
    const OutputValue &beta = r.outputs.at("beta");
    ASSERT_EQ(neff.shape, std::vector<std::size_t>{7});
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_GT(neff.data[k], 1.45);
        EXPECT_LT(neff.data[k], 1.4512);
        EXPECT_NEAR(beta.data[k] / (neff.data[k] * kTwoPi / 1080e-9), 1.0, kFormulaRel);
    }
}

TEST(FbmodeCalculators, ModeCountFollowsTheBesselCutoffs)
{
    // V well away from every cutoff (the solver's grid resolves neff - n2 to
    // (n1 - n2)/10^4, which near a cutoff can drop a barely guided mode).
    for (double a : {2.0, 4.5, 9.0, 13.0, 27.0, 41.0}) {
        const Inputs in = {{"a_um", formatNumber(a, 'g', 6)}, {"na", "0.0590"}};
        const Result r = run("modes.solve", in);
        ASSERT_FALSE(r.refused);
        const double v = r.outputs.at("v").value;
        EXPECT_EQ(r.outputs.at("mode_count").text, std::to_string(modesBelowCutoff(v)))
            << "a = " << a << " um, V = " << v;
    }
}

TEST(FbmodeCalculators, RefusalsNameTheInputInThePageOrder)
{
    EXPECT_EQ(noticeOf(run("modes.solve", {{"lambda_nm", ""}})), "请确保输入参数不为空@lambda_nm");
    EXPECT_EQ(noticeOf(run("modes.solve", {{"n1", ""}, {"na", ""}})), "请确保输入参数不为空@n1");
    EXPECT_EQ(noticeOf(run("modes.solve", {{"n1", "1.44"}})), "纤芯折射率应大于包层折射率@n1");
    EXPECT_EQ(noticeOf(run("modes.solve", {{"a_um", "50.0001"}})), "纤芯半径不超过50微米@a_um");
    EXPECT_FALSE(run("modes.solve", {{"a_um", "50"}}).refused);
    // Beyond the page's own checks, each input's accepted range.
    EXPECT_EQ(run("modes.solve", {{"lambda_nm", "50"}}).notices.at(0).key, "lambda_nm");
    EXPECT_EQ(noticeOf(run("modes.solve", {{"na", "0.6"}})), "数值孔径不超过0.5@na");
    // No guided mode is a result (V and N = 0 are shown) with a notice.
    const Result none = run("modes.solve", {{"n1", "1.45"}, {"na", "0"}});
    EXPECT_FALSE(none.refused);
    EXPECT_EQ(none.outputs.at("mode_count").text, "0");
    EXPECT_EQ(noticeOf(none), "没有传导模，请重新输入@");
    EXPECT_EQ(noticeOf(run("modes.bend_loss", {{"a_um", "250.0001"}})),
              "纤芯半径不超过250微米@a_um");
    EXPECT_EQ(noticeOf(run("modes.bend_loss", {{"bend_radius_m", "0"}})),
              "弯曲半径R应在0.001到1000 m之间@bend_radius_m");
    EXPECT_EQ(noticeOf(run("modes.bend_loss", {{"mode", "2"}})), "所选模式不在导模列表中@mode");
    EXPECT_EQ(noticeOf(run("modes.beam_quality", {{"p33_o", ""}})), "请确保输入参数不为空@p33_o");
    EXPECT_EQ(noticeOf(run("modes.field_map", {{"orientation", "O"}})).substr(0, 4), "LP0n");
}

TEST(FbmodeCalculators, NaRuleKeepsANearbyNaAndReplacesADistantOne)
{
    // The rule applies once for the list and once more for the mode shown.
    EXPECT_EQ(run("modes.solve", {{"na", "0.0612"}}).outputs.at("na").text, "0.0612");
    EXPECT_EQ(run("modes.solve", {{"na", "0.2"}}).outputs.at("na").text, "0.059");
    // Without a mode to show it stays at the computed NA with four decimals.
    EXPECT_EQ(run("modes.solve", {{"na", "0.2"}, {"a_um", "0.1"}}).outputs.at("na").text, "0.0590");
}

TEST(FbmodeCalculators, FieldMapCoreFieldIsTheBesselProfile)
{
    // LP11 (row 2 of the default list) in both orientations: inside the core
    // the intensity is (J1(U r/a) cos θ)^2 and (J1(U r/a) sin θ)^2 with
    // θ = atan2(x, y) (fieldmaps.h), normalised to the grid maximum.
    const double a = 20e-6, lambda = 1080e-9, n1 = 1.4512;
    Result e = run("modes.field_map", {{"mode", "2"}, {"orientation", "E"}});
    Result o = run("modes.field_map", {{"mode", "2"}, {"orientation", "O"}});
    ASSERT_FALSE(e.refused);
    ASSERT_FALSE(o.refused);
    EXPECT_EQ(e.outputs.at("m").text, "1");
    EXPECT_EQ(e.outputs.at("n").text, "1");
    const std::vector<double> &ie = e.outputs.at("map").data;
    const std::vector<double> &io = o.outputs.at("map").data;
    ASSERT_EQ(e.outputs.at("map").shape, (std::vector<std::size_t>{501, 501}));
    const double neff = e.outputs.at("neff").value;
    const double u = kTwoPi / lambda * a * std::sqrt(n1 * n1 - neff * neff);
    auto expected = [&](int i, int j, bool odd) {
        const double x = e.outputs.at("x_um").data[i] * 1e-6;
        const double y = e.outputs.at("x_um").data[j] * 1e-6;
        const double theta = std::atan2(x, y);
        const double f = boost::math::cyl_bessel_j(1, u * std::hypot(x, y) / a) *
                         (odd ? std::sin(theta) : std::cos(theta));
        return f * f;
    };
    // Ratios of core cells cancel the normalisation (and its 1e-16 offset is
    // far below kFieldRel for cells of order 0.1).
    const int ref[2] = {250 + 20, 250 + 40};
    const int cells[][2] = {{250 + 35, 250 + 50}, {250 - 60, 250 + 10}, {250 + 5, 250 - 70}};
    for (const auto &c : cells) {
        const double gotE = ie[c[0] * 501 + c[1]] / ie[ref[0] * 501 + ref[1]];
        const double wantE = expected(c[0], c[1], false) / expected(ref[0], ref[1], false);
        EXPECT_NEAR(gotE / wantE, 1.0, kFieldRel);
        const double gotO = io[c[0] * 501 + c[1]] / io[ref[0] * 501 + ref[1]];
        const double wantO = expected(c[0], c[1], true) / expected(ref[0], ref[1], true);
        EXPECT_NEAR(gotO / wantO, 1.0, kFieldRel);
    }
    // Phase maps hold only 0 and π.
    const Result phase = run("modes.field_map", {{"mode", "2"}, {"kind", "phase"}});
    for (double cell : phase.outputs.at("map").data)
        ASSERT_TRUE(cell == 0.0 || cell == 3.141592653589793);
}

TEST(FbmodeCalculators, BendLossIsMarcusesClosedForm)
{
    const Result r = run("modes.bend_loss", {});
    ASSERT_FALSE(r.refused);
    // Default fiber (a = 10 um): LP01 and LP11; LP01 is the first entry.
    EXPECT_EQ(r.outputs.at("m").data, (std::vector<double>{0, 1}));
    const Result list = run("modes.solve", {{"a_um", "10"}});
    const double a = 10e-6, lambda = 1080e-9, n1 = 1.4512, n2 = 1.45, radius = 0.05;
    const double k0 = kTwoPi / lambda;
    const double beta = list.outputs.at("neff").data[0] * k0;
    const double kappa2 = k0 * k0 * n1 * n1 - beta * beta;
    const double gamma = std::sqrt(beta * beta - k0 * k0 * n2 * n2);
    const double v2 = k0 * k0 * a * a * (n1 * n1 - n2 * n2);
    const double alpha =
        a * kappa2 *
        std::exp(2 * a * gamma - 2.0 / 3.0 * std::pow(gamma, 3) * radius / (beta * beta)) / v2 /
        std::sqrt(3.141592653589793 * gamma * radius);
    EXPECT_NEAR(r.outputs.at("alpha").value / alpha, 1.0, kFormulaRel);
    EXPECT_EQ(r.outputs.at("beta").text, formatNumber(beta, 'g', 4));
}

TEST(FbmodeCalculators, BeamQualityOfTheDefaultAndOfOneOrientedLp11)
{
    // Tabulated second-moment M² of LP01 + LP02 (equal power) and of LP11.
    const Result r = run("modes.beam_quality", {});
    EXPECT_EQ(r.outputs.at("m2x").text, "2.102");
    EXPECT_EQ(r.outputs.at("m2y").text, "2.102");
    EXPECT_EQ(r.outputs.at("mixture_map").shape, (std::vector<std::size_t>{501, 501}));
    const Result lp11 = run("modes.beam_quality", {{"p01", "0"}, {"p02", "0"}, {"p11_o", "1"}});
    EXPECT_EQ(lp11.outputs.at("m2x").text, "1.106");
    EXPECT_EQ(lp11.outputs.at("m2y").text, "3.318");
}
