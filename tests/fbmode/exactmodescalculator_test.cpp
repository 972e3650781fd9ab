// modes.exact through the catalogue, as the command line and sweeps call it.

#include "catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

using namespace velmora::calc;

namespace {

const Calculator &exact()
{
    const Calculator *calculator = catalogue().find("modes.exact");
    EXPECT_NE(calculator, nullptr);
    return *calculator;
}

} // namespace

TEST(ExactModesCalculator, DefaultsGiveTheSevenModesOfThe20MicronFiberInEveryColumn)
{
    const Result r = exact().evaluate({});
    ASSERT_FALSE(r.refused);
    EXPECT_EQ(r.outputs.at("v").text, "6.8654");
    EXPECT_EQ(r.outputs.at("count").text, "7");
    for (const FieldDescription &field : exact().description().fields)
        if (field.kind == ValueKind::Curve) {
            const OutputValue &column = r.outputs.at(field.key);
            // Name columns hold their rows as labels, number columns as data.
            EXPECT_EQ(std::max(column.data.size(), column.labels.size()), 7u) << field.key;
        }
    // The mode-distribution tab's grid (its upper sample, with the page's
    // short Bessel forms) sits above every exact root, by under 1e-7 (five
    // grid steps of (n1 - n2)/9999 here).
    for (double d : r.outputs.at("grid_difference").data) {
        EXPECT_LT(d, 0.0);
        EXPECT_GT(d, -1e-7);
    }
    // Vector modes add their rows under the LP modes: 7 LP + 14 vector. Every
    // row has a group index, dispersion and core fraction; TE01 (row 5, after
    // LP01 HE11 LP02 HE12 LP11) has those of LP11, its equation and radial
    // profile being the same.
    const Result v = exact().evaluate({{"vector", "1"}});
    EXPECT_EQ(v.outputs.at("m").data[5], 0.0);
    for (const char *key : {"group_index", "dispersion", "core_fraction"}) {
        const std::vector<double> &column = v.outputs.at(key).data;
        ASSERT_EQ(column.size(), 21u);
        for (double value : column)
            EXPECT_TRUE(std::isfinite(value)) << key;
        EXPECT_NEAR(column[5], column[4], 1e-7 * std::abs(column[4])) << key;
    }
}

TEST(ExactModesCalculator, RefusesWithANoticeNamingTheInput)
{
    const Result equal = exact().evaluate({{"n1", "1.45"}});
    ASSERT_TRUE(equal.refused);
    EXPECT_EQ(equal.notices.at(0).text.zh, "纤芯折射率应大于包层折射率");
    const Result wide = exact().evaluate({{"a_um", "500"}});
    ASSERT_TRUE(wide.refused);
    EXPECT_EQ(wide.notices.at(0).key, "a_um");
    EXPECT_TRUE(exact().evaluate({{"bend_m", ""}}).refused);
    EXPECT_TRUE(exact().evaluate({{"lambda_nm", "1e309"}}).refused);
}

TEST(ExactModesCalculator, NumericalApertureAndCoreIndexAreLinked)
{
    const Inputs fromNa = exact().linkEdited({{"na", "0.2"}}, "na");
    EXPECT_NEAR(std::stod(fromNa.at("n1")), std::sqrt(0.04 + 1.45 * 1.45), 1e-6);
    const Inputs fromN1 = exact().linkEdited({{"n1", "1.46"}}, "n1");
    EXPECT_NEAR(std::stod(fromN1.at("na")), std::sqrt(1.46 * 1.46 - 1.45 * 1.45), 1e-6);
}

TEST(ExactModesCalculator, RowsCarryTheirModeNameAndNearCutoffRowsAreMarked)
{
    // LP01, HE11, TE01, TM01 … are told apart by name, not by (m, n) alone.
    const Result v = exact().evaluate({{"vector", "1"}});
    ASSERT_FALSE(v.refused);
    const std::vector<std::string> &names = v.outputs.at("mode").labels;
    ASSERT_EQ(names.size(), v.outputs.at("m").data.size());
    EXPECT_EQ(names[0], "LP01");
    EXPECT_EQ(names[1], "HE11");
    int te01 = 0, tm01 = 0;
    for (const std::string &name : names) {
        te01 += name == "TE01";
        tm01 += name == "TM01";
    }
    EXPECT_EQ(te01, 1);
    EXPECT_EQ(tm01, 1);
    EXPECT_TRUE(v.outputs.at("count").integer);

    // LP02 of a 10 µm, NA 0.065 core at 1064 nm: W ≈ 3.9e-18.
    const Result edge = exact().evaluate(
        {{"a_um", "10"}, {"n1", "1.451456"}, {"n2", "1.45"}, {"lambda_nm", "1064"}});
    ASSERT_FALSE(edge.refused);
    const std::vector<std::string> &notes = edge.outputs.at("note").labels;
    ASSERT_EQ(edge.outputs.at("mode").labels.at(1), "LP02");
    EXPECT_EQ(notes.at(0), "");
    EXPECT_EQ(notes.at(1), "near cut-off");
    EXPECT_LT(edge.outputs.at("w").data.at(1), 1e-17);
}
