// The calculator infrastructure: input checks before evaluate(), linked
// fields, the sweep grid and its order, and the three simple tabs' default
// results. Expected texts are the page's displayed values as documented for
// users, not values read back from the code under test.
#include "catalogue.h"
#include "inputreader.h"
#include "sweep.h"
#include "textformat.h"
#include "validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

using namespace velmora::calc;

namespace {

const Calculator &calc(const char *id)
{
    const Calculator *c = catalogue().find(id);
    if (!c)
        throw std::runtime_error(std::string("no calculator ") + id);
    return *c;
}

std::string text(const Result &r, const char *key)
{
    const auto it = r.outputs.find(key);
    return it == r.outputs.end() ? "<absent>" : it->second.text;
}

} // namespace

TEST(InputChecks, AcceptAPlainNumberInRange)
{
    EXPECT_FALSE(checkAssignment(calc("optics.refraction").description(), {"n1", " 1.5 "}));
}

TEST(InputChecks, NameTheKeyAndTheRule)
{
    const CalculatorDescription &description = calc("optics.refraction").description();
    const auto unknown = checkAssignment(description, {"n3", "1"});
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->key, "n3");
    EXPECT_EQ(unknown->text.en, "n3: is not an input of optics.refraction");

    const auto letters = checkAssignment(description, {"n1", "1.4x"});
    ASSERT_TRUE(letters);
    EXPECT_EQ(letters->text.en, "n1: \"1.4x\" is not a number");

    EXPECT_EQ(checkAssignment(description, {"n1", "inf"})->text.en, "n1: must be finite");
    EXPECT_EQ(checkAssignment(description, {"n1", "nan"})->text.en, "n1: must be finite");
    EXPECT_EQ(checkAssignment(description, {"n1", ""})->text.en, "n1: must not be empty");
    EXPECT_EQ(checkAssignment(description, {"theta2_deg", "1"})->text.en,
              "theta2_deg: is an output and cannot be set");
}

TEST(InputChecks, RangeEndsAreInclusive)
{
    const CalculatorDescription &description = calc("optics.refraction").description();
    EXPECT_FALSE(checkAssignment(description, {"theta1_deg", "90"}));
    EXPECT_FALSE(checkAssignment(description, {"theta1_deg", "0"}));
    const auto beyond = checkAssignment(description, {"theta1_deg", "90.001"});
    ASSERT_TRUE(beyond);
    EXPECT_EQ(beyond->text.en,
              "theta1_deg: 90.001: angle of incidence θ₁ must lie between 0 and 90 °");
    EXPECT_TRUE(checkAssignment(description, {"theta1_deg", "-1e-9"}));
}

TEST(LinkedFields, DegreesTypedLastRewriteTheRadiansTheCalculationReads)
{
    const Calculator &c = calc("optics.refraction");
    const Inputs in = applyAssignments(c, {{"theta1_rad", "1"}, {"theta1_deg", "30"}});
    EXPECT_EQ(in.at("theta1_rad"), "0.523599");
    const Inputs back = applyAssignments(c, {{"theta1_deg", "30"}, {"theta1_rad", "1"}});
    EXPECT_EQ(back.at("theta1_deg"), "57.2958");
}

TEST(LinkedFields, SpectralWidthInNmRewritesHzToTwoDigits)
{
    const Inputs in = applyAssignments(calc("cw.coherence"), {{"delta_lambda_nm", "0.0189"}});
    EXPECT_EQ(in.at("delta_nu_hz"), "5e+09");
}

TEST(Defaults, GiveThePagesDisplayedTexts)
{
    const Result optics = calc("optics.refraction").evaluate({});
    EXPECT_EQ(text(optics, "theta2_rad"), "0.8110");
    EXPECT_EQ(text(optics, "theta2_deg"), "46.4690");
    EXPECT_EQ(text(optics, "brewster_rad"), "0.6037");
    EXPECT_EQ(text(optics, "brewster_deg"), "34.5923");
    EXPECT_EQ(text(optics, "critical_rad"), "0.7610");
    EXPECT_EQ(text(optics, "critical_deg"), "43.6028");
    EXPECT_TRUE(optics.notices.empty());

    const Result cw = calc("cw.coherence").evaluate({});
    EXPECT_EQ(text(cw, "nu_hz"), "2.82e+14");
    EXPECT_EQ(text(cw, "tau_c_s"), "2e-10");
    EXPECT_EQ(text(cw, "l_c_m"), "0.06");

    const Result pulse = calc("pulse.gaussian").evaluate({});
    EXPECT_EQ(text(pulse, "energy_j"), "0.0002");
    EXPECT_EQ(text(pulse, "p_peak_w"), "2000");
}

TEST(Refraction, TotalReflectionClearsTheRefractionAngleAndSaysSo)
{
    const Result r = calc("optics.refraction").evaluate({{"theta1_rad", "1"}});
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(text(r, "theta2_rad"), "");
    EXPECT_EQ(text(r, "critical_deg"), "43.6028");
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].text.zh, "此时为全反射");
}

TEST(SweepGrid, LinearAndLogarithmicValuesEndExactlyAtStop)
{
    const std::vector<double> lin = SweepAxis{"k", 1, 2, 5, false}.values();
    EXPECT_EQ(lin, (std::vector<double>{1, 1.25, 1.5, 1.75, 2}));
    const std::vector<double> log = SweepAxis{"k", 1, 1000, 4, true}.values();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_NEAR(log[1], 10, 1e-12);
    EXPECT_NEAR(log[2], 100, 1e-10);
    EXPECT_EQ(log[3], 1000);
    EXPECT_EQ(SweepAxis({"k", 3, 7, 1, false}).values(), std::vector<double>{3});
}

TEST(SweepGrid, ParsesStartStopCountAndRefusesOtherForms)
{
    SweepAxis axis;
    EXPECT_FALSE(parseSweepAxis("n1", "1.4:1.5:11", &axis));
    EXPECT_EQ(axis.count, 11u);
    EXPECT_EQ(axis.stop, 1.5);
    for (const char *bad : {"1:2", "1:2:0", "1:2:2.5", "a:2:3", "1:2:3:4", "1::3"})
        EXPECT_TRUE(parseSweepAxis("n1", bad, &axis)) << bad;
}

TEST(SweepGrid, ChecksTheEndsAgainstTheFieldRange)
{
    const CalculatorDescription &description = calc("optics.refraction").description();
    EXPECT_FALSE(checkSweep(description, {{"n1", 1.2, 2.0, 3, false}}, {}));
    EXPECT_TRUE(checkSweep(description, {{"n1", 0.5, 2.0, 3, false}}, {}));
    EXPECT_TRUE(checkSweep(description, {{"theta1_deg", 0, 60, 3, true}}, {}));
    EXPECT_TRUE(
        checkSweep(description, {{"n1", 1.2, 2, 4000, false}, {"n2", 1, 2, 4000, false}}, {}));
}

TEST(Sweep, FirstKeyIsOutermostAndThreadCountDoesNotChangeRows)
{
    const Calculator &c = calc("optics.refraction");
    const std::vector<SweepAxis> axes{{"n1", 1.3, 1.6, 4, false}, {"theta1_deg", 0, 80, 9, false}};
    SweepOptions one;
    one.threads = 1;
    SweepOptions four;
    four.threads = 4;
    std::size_t reported = 0;
    four.progress = [&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, 36u);
        reported = done;
    };
    const SweepResult a = runSweep(c, axes, {{"n2", "1.2"}}, one);
    const SweepResult b = runSweep(c, axes, {{"n2", "1.2"}}, four);
    ASSERT_EQ(a.points.size(), 36u);
    EXPECT_EQ(reported, 36u);
    EXPECT_EQ(a.points[1].sweptValues, (std::vector<double>{1.3, 10}));
    EXPECT_DOUBLE_EQ(a.points[9].sweptValues[0], 1.4); // 1.3 + 0.3/3, rounded
    EXPECT_EQ(a.points[9].sweptValues[1], 0.0);
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        EXPECT_EQ(a.points[i].sweptValues, b.points[i].sweptValues);
        for (const auto &[key, out] : a.points[i].result.outputs)
            EXPECT_EQ(out.text, b.points[i].result.outputs.at(key).text) << i << key;
    }
    // The swept degrees reach the calculation through the linked radians.
    const Result direct = c.evaluate({{"n1", "1.3"}, {"n2", "1.2"}, {"theta1_rad", "0.174533"}});
    EXPECT_EQ(text(a.points[1].result, "theta2_deg"), text(direct, "theta2_deg"));
}

TEST(Sweep, CancelledBeforeStartReturnsNoRows)
{
    std::atomic<bool> cancel{true};
    SweepOptions options;
    options.cancel = &cancel;
    const SweepResult r =
        runSweep(calc("pulse.gaussian"), {{"f_hz", 1, 10, 100, true}}, {}, options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.points.empty());
}

// A streamed sweep hands every point over once, in grid order, with the
// values a kept sweep stores, however the threads finish; a slice is the
// same rows as that part of the whole sweep.
TEST(Sweep, StreamedSlicesAreThePointsOfTheWholeSweepInOrder)
{
    const Calculator &c = calc("optics.refraction");
    const std::vector<SweepAxis> axes{{"n1", 1.3, 1.6, 7}, {"theta1_deg", 0, 80, 11}};
    SweepOptions kept;
    kept.threads = 1;
    const SweepResult whole = runSweep(c, axes, {}, kept);
    ASSERT_EQ(whole.points.size(), 77u);

    SweepOptions streamed;
    streamed.threads = 4;
    streamed.first = 20;
    streamed.end = 61;
    std::vector<std::size_t> order;
    streamed.onPoint = [&](std::size_t index, SweepPoint &&point) {
        EXPECT_EQ(point.sweptValues, whole.points[index].sweptValues) << index;
        EXPECT_EQ(text(point.result, "theta2_deg"), text(whole.points[index].result, "theta2_deg"))
            << index;
        order.push_back(index);
        return true;
    };
    const SweepResult slice = runSweep(c, axes, {}, streamed);
    EXPECT_FALSE(slice.cancelled);
    EXPECT_TRUE(slice.points.empty()); // handed over, not kept
    EXPECT_EQ(slice.delivered, 41u);
    std::vector<std::size_t> expected(41);
    std::iota(expected.begin(), expected.end(), std::size_t(20));
    EXPECT_EQ(order, expected);

    SweepOptions keptSlice = kept;
    keptSlice.first = 70;
    keptSlice.end = 1000; // clamped to the grid
    const SweepResult tail = runSweep(c, axes, {}, keptSlice);
    ASSERT_EQ(tail.points.size(), 7u);
    EXPECT_EQ(tail.points[0].sweptValues, whole.points[70].sweptValues);
}

// A sink that refuses a point (a full disk) stops the sweep after the points
// it took, as a cancel does.
TEST(Sweep, ARefusingSinkStopsTheSweep)
{
    SweepOptions options;
    options.threads = 3;
    std::size_t taken = 0;
    options.onPoint = [&](std::size_t, SweepPoint &&) { return ++taken < 5; };
    const SweepResult r =
        runSweep(calc("pulse.gaussian"), {{"f_hz", 1, 10, 2000, true}}, {}, options);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(taken, 5u);
    EXPECT_EQ(r.delivered, 4u);
}

TEST(ExactText, ReadsBackToTheSameDouble)
{
    for (double v : {0.1, 1e-7, 1.0 / 3.0, 2.82e14, 0.0})
        EXPECT_EQ(readNumber(exactText(v)), v);
    EXPECT_EQ(exactText(0.1), "0.1");
}

// Every tab in the catalogue (including those added later): a short sweep
// over its first number input, inside the accepted range, gives the same rows
// on one thread and on three. Catches shared mutable state in a calculator or
// in the physics it calls.
TEST(Sweep, EveryCalculatorGivesTheSameRowsOnOneAndThreeThreads)
{
    for (const auto &calculator : catalogue().all()) {
        const CalculatorDescription &description = calculator->description();
        const auto field = std::find_if(
            description.fields.begin(), description.fields.end(), [](const FieldDescription &f) {
                return f.role == FieldRole::Input && f.kind == ValueKind::Number &&
                       std::isfinite(f.min) && std::isfinite(f.max);
            });
        if (field == description.fields.end())
            continue;
        double value = 0;
        ASSERT_TRUE(parseNumber(field->defaultText, &value)) << description.id;
        // Three points around the default, clamped into the range.
        const double low = std::max(field->min, value * 0.9);
        const double high = std::min(field->max, value * 1.1 + (value == 0 ? 1e-3 : 0));
        const std::vector<SweepAxis> axes{{field->key, low, high, 3, false}};
        // Pulse propagation on a coarse grid: thread safety shows on 512 points
        // as on 2048, at a sixteenth of the cost (the suite also runs under
        // the sanitizers).
        Assignments fixed;
        if (description.id.rfind("pulse.", 0) == 0 && field->key != "points")
            fixed.push_back({"points", "512"});
        SweepOptions one, three;
        one.threads = 1;
        three.threads = 3;
        const SweepResult a = runSweep(*calculator, axes, fixed, one);
        const SweepResult b = runSweep(*calculator, axes, fixed, three);
        ASSERT_EQ(a.points.size(), b.points.size()) << description.id;
        for (std::size_t i = 0; i < a.points.size(); ++i) {
            const Result &ra = a.points[i].result;
            const Result &rb = b.points[i].result;
            EXPECT_EQ(ra.refused, rb.refused) << description.id;
            ASSERT_EQ(ra.outputs.size(), rb.outputs.size()) << description.id;
            for (const auto &[key, out] : ra.outputs) {
                EXPECT_EQ(out.text, rb.outputs.at(key).text) << description.id << " " << key;
                // Bitwise, so NaN samples compare equal to themselves.
                const std::vector<double> &da = out.data, &db = rb.outputs.at(key).data;
                // Empty vectors may hold null data pointers, which memcmp must not see.
                EXPECT_TRUE(da.size() == db.size() &&
                            (da.empty() ||
                             std::memcmp(da.data(), db.data(), da.size() * sizeof(double)) == 0))
                    << description.id << " " << key;
            }
        }
    }
}
