// Hostile input through the catalogue, as the command line and Python hand
// it over: every calculator and every number input with values a fuzzing
// pass found troublesome (zeros of either sign, subnormals, negatives, empty
// and very long texts). Each is refused with one notice naming an input, or
// gives finite numbers only. Plus the guard itself, repeated keys, and the
// cases whose refusal should say something specific.
#include "catalogue.h"
#include "finiteguard.h"
#include "inputreader.h"
#include "sweep.h"
#include "textformat.h"
#include "validation.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

using namespace velmora::calc;

namespace {

const Calculator &calc(const std::string &id)
{
    const Calculator *c = catalogue().find(id);
    if (!c)
        throw std::runtime_error("no calculator " + id);
    return *c;
}

// What the command line does with key=value arguments.
Result runChecked(const Calculator &c, const Assignments &assignments)
{
    if (auto notice = checkAssignments(c.description(), assignments)) {
        Result r;
        r.refused = true;
        r.notices.push_back(*notice);
        return r;
    }
    return c.evaluate(applyAssignments(c, assignments));
}

// "" when the result is acceptable: refused with a short notice naming an
// input, or every reported number finite.
std::string problemWith(const CalculatorDescription &d, const Result &r)
{
    if (r.refused) {
        if (r.notices.empty())
            return "refused without a notice";
        const Notice &n = r.notices.front();
        if (n.text.en.size() > 400)
            return "notice of " + std::to_string(n.text.en.size()) + " bytes";
        if (!n.key.empty() && !d.field(n.key))
            return "notice names \"" + n.key + "\", not a key of the calculator";
        return {};
    }
    for (const auto &[key, out] : r.outputs) {
        const FieldDescription *f = d.field(key);
        const bool gaps = f && f->gapsAllowed;
        if (!out.text.empty() && !std::isfinite(out.value))
            return key + " = " + out.text;
        for (double v : out.data)
            if (!std::isfinite(v) && !gaps)
                return key + " holds a non-finite entry";
    }
    return {};
}

TEST(HostileInputs, EveryNumberInputWithHostileValuesIsRefusedOrFinite)
{
    const std::string longText(100000, '7');
    for (const auto &c : catalogue().all()) {
        const CalculatorDescription &d = c->description();
        // A calculator whose one evaluation takes a noticeable time (a 501 ×
        // 501 map) is probed on every third number input only, one that takes
        // a long time (a grid of designs) on its first: the loop stays quick
        // under the sanitizers too.
        const auto start = std::chrono::steady_clock::now();
        c->evaluate(withDefaults(d, {}));
        const auto once = std::chrono::steady_clock::now() - start;
        const int stride = once > std::chrono::milliseconds(300)  ? 1000
                           : once > std::chrono::milliseconds(20) ? 3
                                                                  : 1;
        int numberInput = 0;
        for (const FieldDescription &f : d.fields) {
            if (f.role == FieldRole::Output || f.kind != ValueKind::Number)
                continue;
            if (numberInput++ % stride != 0)
                continue;
            for (const std::string &value :
                 {std::string("0"), std::string("-0"), std::string("1e-320"), std::string("-1"),
                  std::string(""), longText}) {
                const Result r = runChecked(*c, {{f.key, value}});
                EXPECT_EQ(problemWith(d, r), "")
                    << d.id << " " << f.key << "=" << quotedInput(value, 12);
            }
        }
    }
}

TEST(HostileInputs, EveryNumberInputHasAFiniteRange)
{
    std::vector<std::string> unbounded;
    for (const auto &c : catalogue().all())
        for (const FieldDescription &f : c->description().fields)
            // "mode" (a row of the mode list) has its own rule: a whole
            // number within the list the fiber gives.
            if (f.role != FieldRole::Output && f.kind == ValueKind::Number && f.key != "mode" &&
                !(std::isfinite(f.min) && std::isfinite(f.max)))
                unbounded.push_back(c->description().id + " " + f.key);
    EXPECT_EQ(unbounded, std::vector<std::string>{});
}

// A calculator that reports what it is told to: a planted non-finite output.
class Planted : public Calculator
{
public:
    Planted()
    {
        m_d.id = "test.planted";
        FieldDescription in;
        in.key = "x";
        in.defaultText = "1";
        FieldDescription out;
        out.key = "y";
        out.role = FieldRole::Output;
        FieldDescription curve = out;
        curve.key = "gaps";
        curve.kind = ValueKind::Curve;
        curve.gapsAllowed = true;
        m_d.fields = {in, out, curve};
    }
    const CalculatorDescription &description() const override { return m_d; }
    Result evaluate(const Inputs &inputs) const override
    {
        const double x = readNumber(inputs.at("x"));
        ResultBuilder b(m_d);
        b.number("y", 1 / x, formatNumber(1 / x, 'g', 6));
        b.array("gaps", {1.0, std::nan("")}, {2});
        return b.take();
    }

private:
    CalculatorDescription m_d;
};

TEST(FiniteGuard, APlantedInfinityBecomesARefusalNamingTheOutputAndTheChangedInput)
{
    Catalogue catalogue;
    catalogue.add(std::make_unique<Planted>());
    const Calculator &c = *catalogue.find("test.planted");
    const Result fine = c.evaluate({{"x", "1"}});
    EXPECT_FALSE(fine.refused); // a gap in a table column is not a result
    const Result r = c.evaluate({{"x", "0"}});
    ASSERT_TRUE(r.refused);
    ASSERT_EQ(r.notices.size(), 1u);
    EXPECT_EQ(r.notices[0].key, "x");
    EXPECT_NE(r.notices[0].text.en.find("y is not finite"), std::string::npos);
    EXPECT_NE(r.notices[0].text.en.find("inputs changed: x"), std::string::npos);
}

TEST(RepeatedKeys, AreRefusedInRunsAndSweeps)
{
    const CalculatorDescription &d = calc("optics.refraction").description();
    const auto twice = checkAssignments(d, {{"n1", "1.5"}, {"n2", "1"}, {"n1", "1.6"}});
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->key, "n1");
    SweepAxis axis;
    ASSERT_FALSE(parseSweepAxis("n1", "1:2:3", &axis));
    EXPECT_TRUE(checkSweep(d, {axis, axis}, {}));         // swept twice
    EXPECT_TRUE(checkSweep(d, {axis}, {{"n1", "1.7"}}));  // swept and fixed
    EXPECT_FALSE(checkSweep(d, {axis}, {{"n2", "1.2"}})); // distinct keys pass
}

TEST(Messages, QuoteAtMostSixtyCharactersOfAnInput)
{
    EXPECT_EQ(quotedInput("short"), "short");
    EXPECT_EQ(quotedInput(std::string(61, 'a')), std::string(60, 'a') + "…");
    // Code points, not bytes: a Chinese text is never cut inside a character.
    std::string zh;
    for (int i = 0; i < 70; ++i)
        zh += "光";
    EXPECT_EQ(quotedInput(zh), zh.substr(0, 60 * 3) + "…");
    const auto n =
        checkAssignment(calc("optics.refraction").description(), {"n1", std::string(1000000, 'x')});
    ASSERT_TRUE(n);
    EXPECT_LT(n->text.en.size(), 200u);
}

std::string refusalOf(const std::string &id, const Assignments &assignments)
{
    const Result r = runChecked(calc(id), assignments);
    if (!r.refused || r.notices.empty())
        return "<not refused>";
    return r.notices.front().key + ": " + r.notices.front().text.en;
}

TEST(SpecificRefusals, SayWhatIsWrongAndNameTheInput)
{
    // No noise or no thermal coupling: no threshold at all, not P_th = 4838 W or 50 W.
    EXPECT_EQ(refusalOf("tmi.threshold", {{"rin", "0"}}).rfind("rin: no mode-instability", 0), 0u);
    EXPECT_EQ(refusalOf("tmi.threshold", {{"dndt_k", "0"}}).rfind("dndt_k: no mode-instability", 0),
              0u);
    EXPECT_EQ(refusalOf("modes.beam_quality", {{"p11_o", "-1"}}).rfind("p11_o:", 0), 0u);
    EXPECT_EQ(refusalOf("modes.beam_quality",
                        {{"p01", "0"}, {"p02", "0"}, {"p11_e", "0"}, {"p12_e", "0"}}),
              "p01: at least one mode's power weight must be above 0");
    // An NA above 0.5 that the link would leave unused is refused, not echoed.
    for (const char *id : {"modes.field_map", "modes.bend_loss", "fiber.end_reflectivity"})
        EXPECT_EQ(refusalOf(id, {{"na", "0.6"}}).rfind("na: ", 0), 0u) << id;
    EXPECT_EQ(refusalOf("fiber.end_reflectivity", {{"na", "0"}}).rfind("na: no guided mode", 0),
              0u);
}

TEST(SpecificLimits, ALosslessFiberCountsItsWholeLength)
{
    const Result spm = calc("nonlinear.spm")
                           .evaluate(withDefaults(calc("nonlinear.spm").description(),
                                                  {{"alpha_m", "0"}, {"length_m", "3"}}));
    ASSERT_FALSE(spm.refused);
    EXPECT_EQ(spm.outputs.at("l_eff_m").value, 3.0);
}

} // namespace
