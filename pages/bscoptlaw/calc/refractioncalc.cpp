#include "refractioncalc.h"

#include "catalogue.h"
#include "fielddescriptions.h"
#include "geometricoptics.h"
#include "inputranges.h"
#include "inputreader.h"
#include "rangecheck.h"
#include "textformat.h"

#include <memory>

namespace velmora::calc {

using namespace geometricoptics;

namespace {

constexpr double kDegree = kPi / kHalfTurnDegrees; // degree -> rad

using inputranges::kAngleDegrees;
using inputranges::kRefractiveIndex;

CalculatorDescription makeDescription()
{
    CalculatorDescription s;
    s.id = "optics.refraction";
    s.title = {"反射折射", "Reflection and refraction"};
    s.page = "bscoptlaw";
    s.tab = 0;
    s.fields = {
        // A zero index (an empty or non-numeric field) is computed as on
        // the page: the angles come out NaN.
        zeroPasses(numberInput("n1", "m_RfrlineEdit_1",
                               {"折射率n₁", "refractive index n₁ (incident side)"}, "", 1.0, "1.45",
                               kRefractiveIndex.min, kRefractiveIndex.max)),
        zeroPasses(numberInput("n2", "m_RfrlineEdit_2",
                               {"折射率n₂", "refractive index n₂ (refracting side)"}, "", 1.0, "1",
                               kRefractiveIndex.min, kRefractiveIndex.max)),
        numberInput("theta1_deg", "m_ThetalineEdit_3", {"入射角θ₁", "angle of incidence θ₁"}, "°",
                    kDegree, "30", kAngleDegrees.min, kAngleDegrees.max, FieldRole::Linked),
        // 恢复默认参数 writes the radians with the degrees: the angle shown and
        // the angle computed agree.
        numberInput("theta1_rad", "m_RadianlineEdit", {"入射角θ₁", "angle of incidence θ₁"}, "rad",
                    1.0, "0.5236", kAngleDegrees.min * kDegree, kAngleDegrees.max * kDegree,
                    FieldRole::Linked),
        numberOutput("theta2_deg", "m_RadlineEdit_8", {"折射角θ₂", "angle of refraction θ₂"}, "°",
                     kDegree, "f4"),
        numberOutput("theta2_rad", "m_ThetalineEdit_4", {"折射角θ₂", "angle of refraction θ₂"},
                     "rad", 1.0, "f4"),
        numberOutput("brewster_deg", "m_RadlineEdit_9", {"布儒斯特角θ_b", "Brewster angle θ_b"},
                     "°", kDegree, "g6"),
        numberOutput("brewster_rad", "m_ThetalineEdit_6", {"布儒斯特角θ_b", "Brewster angle θ_b"},
                     "rad", 1.0, "g4"),
        numberOutput("critical_deg", "m_RadlineEdit_10", {"全反射临界角θ_c", "critical angle θ_c"},
                     "°", kDegree, "f4"),
        numberOutput("critical_rad", "m_ThetalineEdit_5", {"全反射临界角θ_c", "critical angle θ_c"},
                     "rad", 1.0, "f4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"折射率N1", "n1"},
               {"折射率N2", "n2"},
               {"入射角θ1[rad]", "theta1_rad"},
               {"输出项"},
               {"折射角θ2[rad]", "theta2_rad"},
               {"布儒斯特角θb[rad]", "brewster_rad"},
               {"全反射临界角θc[rad]", "critical_rad"}};
    return s;
}

} // namespace

const CalculatorDescription &RefractionCalculator::description() const
{
    static const CalculatorDescription s = makeDescription();
    return s;
}

Result RefractionCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    // The angle comes from the radian field; the degree field only feeds it.
    const Interface angles =
        solveInterface(in.number("n1"), in.number("n2"), in.number("theta1_rad"));

    ResultBuilder out(description());
    out.number("brewster_rad", angles.brewster, formatNumber(angles.brewster, 'g', 4));
    const double brewsterDeg = radiansToDegrees(angles.brewster);
    out.number("brewster_deg", brewsterDeg, formatNumber(brewsterDeg, 'g', 6));

    const auto refraction = [&] {
        const double deg = radiansToDegrees(angles.refraction);
        out.number("theta2_rad", angles.refraction, formatNumber(angles.refraction, 'f', 4));
        out.number("theta2_deg", deg, formatNumber(deg, 'f', 4));
    };
    if (angles.hasCritical) {
        const double deg = radiansToDegrees(angles.critical);
        out.number("critical_rad", angles.critical, formatNumber(angles.critical, 'f', 4));
        out.number("critical_deg", deg, formatNumber(deg, 'f', 4));
        if (angles.totalReflection) {
            out.cleared("theta2_rad").cleared("theta2_deg");
            out.notice({"此时为全反射", "total internal reflection at this angle"}, "theta1_rad");
        } else {
            refraction();
        }
    } else {
        refraction();
        out.cleared("critical_rad").cleared("critical_deg");
        out.notice({"n1>n2时才能计算全反射角", "the critical angle exists only for n1 > n2"}, "n2");
    }
    return out.take();
}

Inputs RefractionCalculator::linkEdited(const Inputs &inputs, const std::string &key) const
{
    Inputs linked = withDefaults(description(), inputs);
    std::string &radText = linked["theta1_rad"];
    std::string &degText = linked["theta1_deg"];
    double radians = readNumber(radText);
    double degrees = readNumber(degText);
    if (key == "theta1_rad") {
        // An emptied radian field is first refilled from the degree field.
        if (radText.empty()) {
            radians = degreesToRadians(degrees);
            radText = formatNumber(radians, 'g', 6);
        }
        degText = formatNumber(radiansToDegrees(radians), 'g', 6);
    } else if (key == "theta1_deg") {
        if (degText.empty()) {
            degrees = radiansTimes180OverPi(radians);
            degText = formatNumber(degrees, 'g', 6);
        }
        radText = formatNumber(degreesToRadians(degrees), 'g', 6);
    }
    return linked;
}

void registerbscoptlawCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<RefractionCalculator>());
}

} // namespace velmora::calc
