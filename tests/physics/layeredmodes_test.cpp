// Layered, graded and leaky modes against an independent mpmath solve
// (layeredmodes_reference.py: global determinants, Frobenius series, complex
// Hankel root; output in data/), the step-index engine on every fiber of its
// own reference, and the step-index properties of modeproperties.h.

#include "layeredmodes.h"
#include "exactmodes.h"
#include "gradedmodes.h"
#include "layeredvector.h"
#include "leakymodes.h"
#include "modeproperties.h"
#include "profilemodes.h"
#include "vectormodes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

struct ReferenceValue {
    double re = 0.0;
    double im = 0.0;
};

// case -> kind ("LP", "VEC", "LEAKY") -> mode name -> neff
using Reference =
    std::map<std::string, std::map<std::string, std::map<std::string, ReferenceValue>>>;

Reference readReference()
{
    Reference ref;
    std::ifstream in(VELMORA_LAYERED_REFERENCE);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string id, kind, mode, re, im;
        if (words >> id >> kind >> mode >> re >> im)
            ref[id][kind][mode] = {std::stod(re), std::stod(im)};
    }
    return ref;
}

const Reference &reference()
{
    static const Reference ref = readReference();
    return ref;
}

LayeredFiber layered(std::vector<double> radiiUm, std::vector<double> indices, double nClad,
                     double lambdaUm)
{
    LayeredFiber f;
    for (double r : radiiUm)
        f.radii.push_back(r * 1e-6);
    f.indices = std::move(indices);
    f.nClad = nClad;
    f.lambda = lambdaUm * 1e-6;
    return f;
}

const std::map<std::string, LayeredFiber> &layeredCases()
{
    static const std::map<std::string, LayeredFiber> cases = {
        {"step", layered({2}, {1.47}, 1.45, 1.0)},
        {"w", layered({4, 8}, {1.4550, 1.4470}, 1.4500, 1.55)},
        {"pedestal", layered({10, 30}, {1.4520, 1.4510}, 1.4500, 1.064)},
        {"ring", layered({5, 8}, {1.4500, 1.4550}, 1.4500, 1.55)},
        {"trench", layered({4, 10, 14}, {1.4450, 1.4400, 1.4350}, 1.4400, 1.55)},
    };
    return cases;
}

std::string familyName(VectorFamily family)
{
    static const char *const names[] = {"TE", "TM", "HE", "EH"};
    return names[static_cast<int>(family)];
}

TEST(LayeredModes, EveryLpModeOfTheLayeredCasesMatchesTheReference)
{
    for (const auto &[id, fiber] : layeredCases()) {
        SCOPED_TRACE(id);
        const auto &expected = reference().at(id).at("LP");
        const std::vector<LayeredLpMode> modes = solveLayeredLpModes(fiber);
        ASSERT_EQ(modes.size(), expected.size());
        for (const LayeredLpMode &mode : modes) {
            const std::string name = lpModeName(mode.m, mode.n);
            ASSERT_EQ(expected.count(name), 1u) << name;
            EXPECT_NEAR(mode.neff, expected.at(name).re, 1e-12) << name;
        }
    }
}

TEST(LayeredModes, PublishedStepValuesAndPedestalCount)
{
    const std::vector<LayeredLpMode> step = solveLayeredLpModes(layeredCases().at("step"));
    ASSERT_FALSE(step.empty());
    EXPECT_NEAR(step[0].neff, 1.46317934760476, 1e-14);
    EXPECT_EQ(solveLayeredLpModes(layeredCases().at("pedestal")).size(), 15u);
}

TEST(LayeredModes, EveryVectorModeMatchesTheReference)
{
    for (const char *id : {"step", "w", "pedestal", "ring", "trench"}) {
        SCOPED_TRACE(id);
        const LayeredFiber &fiber = layeredCases().at(id);
        const auto &expected = reference().at(id).at("VEC");
        const LayeredVectorSet set = solveLayeredVectorModes(fiber, solveLayeredLpModes(fiber));
        EXPECT_EQ(set.modes.size(), expected.size());
        for (const LayeredVectorMode &mode : set.modes) {
            const std::string name = familyName(mode.family) + orderLabel(mode.nu, mode.n);
            ASSERT_EQ(expected.count(name), 1u) << name;
            EXPECT_NEAR(mode.neff, expected.at(name).re, 1e-12) << name;
        }
    }
}

TEST(LayeredModes, HybridModeOfTheStepFiberIsThePublishedValue)
{
    const LayeredFiber &step = layeredCases().at("step");
    const LayeredVectorSet set = solveLayeredVectorModes(step, solveLayeredLpModes(step));
    ASSERT_FALSE(set.modes.empty());
    EXPECT_EQ(familyName(set.modes[0].family) + orderLabel(set.modes[0].nu, set.modes[0].n),
              "HE11");
    EXPECT_NEAR(set.modes[0].neff, 1.46313716085693, 1e-14);
}

// Every fiber of the step-index engine's reference, solved as one layer:
// the same LP and vector modes to 1e-13.
TEST(LayeredModes, OneLayerEqualsTheStepIndexEngine)
{
    std::ifstream in(VELMORA_EXACT_REFERENCE);
    std::string line;
    int fibers = 0;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string head, id;
        StepIndexFiber step;
        words >> head;
        if (head != "fiber")
            continue;
        words >> id >> step.a >> step.lambda >> step.n1 >> step.n2;
        SCOPED_TRACE(id);
        ++fibers;
        const LayeredFiber fiber{{step.a}, {step.n1}, step.n2, step.lambda};
        const std::vector<LpMode> lp = solveExactLpModes(step);
        const std::vector<LayeredLpMode> layeredLp = solveLayeredLpModes(fiber);
        ASSERT_EQ(layeredLp.size(), lp.size());
        for (std::size_t i = 0; i < lp.size(); ++i) {
            EXPECT_EQ(layeredLp[i].m, lp[i].m);
            EXPECT_EQ(layeredLp[i].n, lp[i].n);
            EXPECT_NEAR(layeredLp[i].neff, lp[i].neff, 1e-13);
        }
        const std::vector<VectorMode> vector = solveExactVectorModes(step, lp);
        const LayeredVectorSet layeredVector = solveLayeredVectorModes(fiber, layeredLp);
        ASSERT_EQ(layeredVector.modes.size(), vector.size());
        for (std::size_t i = 0; i < vector.size(); ++i) {
            EXPECT_EQ(familyName(layeredVector.modes[i].family) +
                          orderLabel(layeredVector.modes[i].nu, layeredVector.modes[i].n),
                      vectorModeName(vector[i]));
            EXPECT_NEAR(layeredVector.modes[i].neff, vector[i].neff, 1e-13);
        }
    }
    EXPECT_GE(fibers, 6);
}

TEST(LayeredModes, StepPropertiesEqualTheStepIndexFormulas)
{
    ProfileRequest request;
    request.layers = {{10e-6}, {1.4512}, 1.45, 1080e-9};
    request.dopedRadius = 8e-6;
    const ProfileModeSet set = computeProfileModes(request);
    const StepIndexFiber step{10e-6, 1080e-9, 1.4512, 1.45};
    const std::vector<LpMode> lp = solveExactLpModes(step);
    ASSERT_EQ(set.rows.size(), lp.size());
    ModePropertyOptions options;
    options.dopedRadius = 8e-6;
    for (std::size_t i = 0; i < lp.size(); ++i) {
        SCOPED_TRACE(set.rows[i].name);
        const LpModeProperties p = lpModeProperties(step, lp[i], options);
        EXPECT_NEAR(set.rows[i].effectiveArea / p.effectiveArea, 1.0, 1e-9);
        EXPECT_NEAR(set.rows[i].mfd / p.mfd, 1.0, 1e-9);
        EXPECT_NEAR(set.rows[i].coreFraction, p.corePowerFraction, 1e-9);
        EXPECT_NEAR(set.rows[i].dopedOverlap, p.dopedOverlap, 1e-9);
        EXPECT_NEAR(set.rows[i].groupIndex, p.groupIndex, 1e-11);
        EXPECT_NEAR(set.rows[i].dispersion, p.waveguideDispersion,
                    1e-4 * std::abs(p.waveguideDispersion) + 1e-4);
        double layers = 0;
        for (double fraction : set.rows[i].layerPower)
            layers += fraction;
        EXPECT_NEAR(layers, 1.0, 1e-12);
    }
}

TEST(LeakyModes, TrenchBoundedModesMatchTheComplexReference)
{
    const LayeredFiber fiber = layered({4, 20}, {1.44, 1.41}, 1.43, 1.6);
    const auto &expected = reference().at("leaky").at("LEAKY");
    const std::vector<LeakyLpMode> modes = solveLeakyLpModes(fiber);
    ASSERT_EQ(modes.size(), expected.size());
    for (const LeakyLpMode &mode : modes) {
        const std::string name = lpModeName(mode.m, mode.n);
        SCOPED_TRACE(name);
        ASSERT_EQ(expected.count(name), 1u);
        EXPECT_TRUE(mode.converged);
        EXPECT_NEAR(mode.neff, expected.at(name).re, 1e-10);
        EXPECT_NEAR(mode.neffImag / expected.at(name).im, 1.0, 5e-3);
    }
    // The guided LP01 of the whole fiber is the layered engine's.
    const auto &guided = reference().at("leaky").at("LP");
    const std::vector<LayeredLpMode> lp = solveLayeredLpModes(fiber);
    ASSERT_EQ(lp.size(), guided.size());
    EXPECT_NEAR(lp[0].neff, guided.at("LP01").re, 1e-12);
}

TEST(LeakyModes, LossOfLp02IsThePeerFigure)
{
    // 369 dB/km (1.41372 + 1.08e-8 i) as an independent solver gives it.
    const std::vector<LeakyLpMode> modes =
        solveLeakyLpModes(layered({4, 20}, {1.44, 1.41}, 1.43, 1.6));
    bool found = false;
    for (const LeakyLpMode &mode : modes)
        if (mode.m == 0 && mode.n == 2) {
            found = true;
            EXPECT_NEAR(mode.lossDbPerM * 1e3, 369.0, 369.0 * 5e-3);
            EXPECT_NEAR(mode.neff, 1.41372, 5e-6);
        }
    EXPECT_TRUE(found);
}

TEST(GradedModes, PowerLawProfilesMatchTheFrobeniusReference)
{
    struct Case {
        const char *id;
        double a, n1, n2, alpha, lambda;
        std::size_t count;
    };
    const Case cases[] = {
        {"parabolic1550", 25e-6, 1.47, 1.45, 2, 1.55e-6, 42},
        {"alpha1", 10e-6, 1.46, 1.45, 1, 1.064e-6, 6},
        {"alpha10", 10e-6, 1.46, 1.45, 10, 1.064e-6, 13},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.id);
        GradedProfile p;
        p.a = c.a;
        p.n1 = c.n1;
        p.n2 = c.n2;
        p.alpha = c.alpha;
        p.lambda = c.lambda;
        const auto &expected = reference().at(c.id).at("LP");
        const GradedModeSet set = solveGradedLpModes(p);
        ASSERT_EQ(set.modes.size(), expected.size());
        EXPECT_EQ(set.modes.size(), c.count);
        EXPECT_LT(set.convergence, 1e-10);
        for (const GradedLpMode &mode : set.modes) {
            const std::string name = lpModeName(mode.m, mode.n);
            ASSERT_EQ(expected.count(name), 1u) << name;
            EXPECT_NEAR(mode.neff, expected.at(name).re, 1e-10) << name;
        }
    }
}

TEST(GradedModes, ParabolicCoreAtOneMicronHoldsNinetySixModes)
{
    // A 50 μm parabolic core, whose modes fall into nearly degenerate groups
    // (Gloge & Marcatili 1973): the count must still come out exact.
    GradedProfile p;
    p.a = 25e-6;
    p.n1 = 1.47;
    p.n2 = 1.45;
    p.alpha = 2;
    p.lambda = 1e-6;
    const GradedModeSet set = solveGradedLpModes(p);
    EXPECT_EQ(set.modes.size(), 96u);
    EXPECT_LT(set.convergence, 1e-9);
}

TEST(GradedModes, FinelySampledTableReproducesThePowerLaw)
{
    // A table sampling a parabolic profile finely is the power law itself to
    // within the interpolation error (a part in 1e8 of the index here).
    GradedProfile law;
    law.a = 10e-6;
    law.n1 = 1.46;
    law.n2 = 1.45;
    law.alpha = 2;
    law.lambda = 1.064e-6;
    GradedProfile table = law;
    table.kind = GradedProfile::Kind::Table;
    for (int i = 0; i <= 400; ++i) {
        const double r = law.a * i / 400;
        table.tableRadius.push_back(r);
        table.tableIndex.push_back(gradedIndexAt(law, r));
    }
    const GradedModeSet a = solveGradedLpModes(law);
    const GradedModeSet b = solveGradedLpModes(table);
    ASSERT_EQ(a.modes.size(), b.modes.size());
    for (std::size_t i = 0; i < a.modes.size(); ++i)
        EXPECT_NEAR(a.modes[i].neff, b.modes[i].neff, 1e-7);
}

TEST(GradedModes, RefusesProfilesThatGuideNothing)
{
    GradedProfile p;
    p.a = 10e-6;
    p.n1 = 1.45;
    p.n2 = 1.45;
    p.lambda = 1e-6;
    EXPECT_FALSE(gradedProfileProblem(p).empty());
    EXPECT_FALSE(solveGradedLpModes(p).ok);
    LayeredFiber flat = layered({5}, {1.44}, 1.45, 1.0);
    EXPECT_FALSE(layeredFiberProblem(flat).empty());
    EXPECT_TRUE(solveLayeredLpModes(flat).empty());
}

} // namespace
