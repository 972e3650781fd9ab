// modes.profile through the catalogue, as the command line, Python and sweeps
// call it: the three profile kinds, the name columns, refusals naming the input.

#include "catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>

using namespace velmora::calc;

namespace {

const Calculator &profile()
{
    const Calculator *calculator = catalogue().find("modes.profile");
    EXPECT_NE(calculator, nullptr);
    return *calculator;
}

} // namespace

TEST(ProfileModesCalculator, DefaultPedestalFiberHasFifteenGuidedModesInEveryColumn)
{
    const Result r = profile().evaluate({});
    ASSERT_FALSE(r.refused);
    EXPECT_EQ(r.outputs.at("count").text, "15");
    EXPECT_EQ(r.outputs.at("leaky_count").text, "0");
    const std::vector<std::string> &names = r.outputs.at("mode").labels;
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names.front(), "LP01");
    EXPECT_EQ(r.outputs.at("kind").labels, std::vector<std::string>(15, "guided"));
    for (const char *key : {"neff", "neff_imag", "loss_db_km", "aeff", "core_fraction"})
        EXPECT_EQ(r.outputs.at(key).data.size(), 15u) << key;
    // Core 1.4520, pedestal 1.4510: LP01 lies above the pedestal index and
    // keeps most of its power in the core.
    EXPECT_GT(r.outputs.at("neff").data[0], 1.4510);
    EXPECT_GT(r.outputs.at("core_fraction").data[0], 0.8);
    EXPECT_EQ(r.outputs.at("loss_db_km").data[0], 0.0);
}

TEST(ProfileModesCalculator, TrenchBoundedFiberListsItsLeakyModesWithLoss)
{
    const Result r = profile().evaluate(
        {{"layers", "4:1.44,20:1.41"}, {"n_clad", "1.43"}, {"lambda_nm", "1600"}});
    ASSERT_FALSE(r.refused);
    const std::vector<std::string> &names = r.outputs.at("mode").labels;
    const std::vector<std::string> &kinds = r.outputs.at("kind").labels;
    bool found = false;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == "LP02") {
            found = true;
            EXPECT_EQ(kinds[i], "leaky");
            EXPECT_NEAR(r.outputs.at("loss_db_km").data[i], 368.4, 0.5);
            EXPECT_NEAR(r.outputs.at("loss_db_m").data[i], 0.3684, 5e-4);
            EXPECT_GT(r.outputs.at("neff_imag").data[i], 1e-8);
        }
    EXPECT_TRUE(found);
}

TEST(ProfileModesCalculator, VectorModesFollowTheirLpModes)
{
    const Result r = profile().evaluate(
        {{"layers", "2:1.47"}, {"n_clad", "1.45"}, {"lambda_nm", "1000"}, {"vector", "1"}});
    ASSERT_FALSE(r.refused);
    const std::vector<std::string> expected = {"LP01", "HE11", "LP11", "TE01", "TM01", "HE21"};
    EXPECT_EQ(r.outputs.at("mode").labels, expected);
    EXPECT_NEAR(r.outputs.at("neff").data[1], 1.46313716085693, 1e-13);
}

TEST(ProfileModesCalculator, PowerLawAndMeasuredTableAgree)
{
    const Inputs law = {{"profile", "power_law"}, {"a_um", "10"}, {"n1", "1.46"},
                        {"n2", "1.45"},           {"alpha", "2"}, {"lambda_nm", "1064"}};
    const Result a = profile().evaluate(law);
    ASSERT_FALSE(a.refused);
    EXPECT_LT(a.outputs.at("convergence").value, 1e-10);
    const std::string path = testing::TempDir() + "profile_table.csv";
    {
        std::ofstream out(path);
        out << "radius_um,index\n";
        for (int i = 0; i <= 200; ++i) {
            const double r = 10.0 * i / 200;
            const double n1 = 1.46, n2 = 1.45;
            out << r << "," << n1 * std::sqrt(1 - (1 - n2 * n2 / (n1 * n1)) * (r / 10) * (r / 10))
                << "\n";
        }
    }
    const Result b =
        profile().evaluate({{"profile", "table"}, {"table_file", path}, {"lambda_nm", "1064"}});
    std::remove(path.c_str());
    ASSERT_FALSE(b.refused);
    ASSERT_EQ(a.outputs.at("mode").labels, b.outputs.at("mode").labels);
    for (std::size_t i = 0; i < a.outputs.at("neff").data.size(); ++i)
        EXPECT_NEAR(a.outputs.at("neff").data[i], b.outputs.at("neff").data[i], 1e-6);
}

TEST(ProfileModesCalculator, RefusalsNameTheInput)
{
    const auto refusedKey = [](const Inputs &inputs) {
        const Result r = profile().evaluate(inputs);
        EXPECT_TRUE(r.refused);
        return r.notices.empty() ? std::string() : r.notices.front().key;
    };
    EXPECT_EQ(refusedKey({{"layers", "10-1.45"}}), "layers");
    EXPECT_EQ(refusedKey({{"layers", "10:1.452,5:1.451"}}), "layers");
    EXPECT_EQ(refusedKey({{"layers", "10:1.44"}, {"n_clad", "1.45"}}), "layers");
    EXPECT_EQ(refusedKey({{"profile", "table"}, {"table_file", "/nonexistent/profile.csv"}}),
              "table_file");
    EXPECT_EQ(refusedKey({{"profile", "table"}, {"table_file", "/dev/null"}}), "table_file");
    EXPECT_EQ(refusedKey({{"profile", "power_law"}, {"n1", "1.44"}, {"n2", "1.45"}}), "n1");
    EXPECT_EQ(refusedKey({{"profile", "power_law"}, {"vector", "1"}}), "vector");
}
