// modes.bend_loss: "弯曲损耗", the propagation constant and the bend-loss
// coefficient of one guided mode of a fiber bent to radius R.

#include "fbmodecalculators.h"
#include "fiberinputs.h"
#include "modelist.h"

#include "bendloss.h"
#include "inputranges.h"
#include "modenotice.h"
#include "modesolver.h"
#include "rangecheck.h"
#include "textformat.h"

#include <cmath>
#include <memory>

namespace velmora::calc::modes {
namespace {

constexpr double kBendTabMaxRadiusMicron = 250;

CalculatorDescription bendDescription()
{
    CalculatorDescription s;
    s.id = "modes.bend_loss";
    s.title = {"弯曲损耗", "bend loss of a guided mode"};
    s.page = "fbmode";
    s.tab = 2;
    s.fields = fiberFields({"m_N1lineEdit_2", "m_N2lineEdit_2", "m_AlineEdit_2",
                            "m_LambdalineEdit_2", "m_NALineEdit_3", "10"});
    FieldDescription radius;
    radius.key = "bend_radius_m";
    radius.objectName = "m_RlineEdit_2";
    radius.caption = {"弯曲半径R", "bend radius R"};
    radius.unit = "m";
    radius.defaultText = "0.05";
    radius = withRange(radius, inputranges::kBendRadius);
    // Shown between the core radius and the wavelength, as on the page.
    s.fields.insert(s.fields.begin() + 3, radius);

    FieldDescription mode;
    mode.key = "mode";
    mode.objectName = "mdcomboBox_2";
    // The combo box lists the modes in this order; its index is the position.
    mode.caption = {"模式LP（导模列表中的序号，0为LP01）",
                    "mode: position in the guided-mode list (as modes.solve lists it), 0 = LP01"};
    mode.defaultText = "0"; // its own rule: a whole number from 0, within the list
    mode.format = "d";
    s.fields.push_back(mode);

    s.fields.push_back(outputField("beta", "m_BetalineEdit_2",
                                   {"传播常数β", "propagation constant β"}, "1/m", "g4"));
    s.fields.push_back(outputField("alpha", "m_AlphalineEdit_2",
                                   {"弯曲损耗系数α", "bend-loss power coefficient α"}, "1/m",
                                   "g4"));
    s.fields.push_back(curveField("m", "", {"m", "azimuthal order m"}, "", "d"));
    s.fields.push_back(curveField("n", "", {"n", "radial order n"}, "", "d"));
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"纤芯半径a[μm]", "a_um"},
               {"弯曲半径R[m]", "bend_radius_m"},
               {"激光波长λ[nm]", "lambda_nm"},
               {"数值孔径NA", "na"},
               {"纤芯折射率n1", "n1"},
               {"包层折射率n2", "n2"},
               {"模式LP", "mode", SheetCell::ComboText},
               {"输出项"},
               {"传播常数β[1/m]", "beta"},
               {"弯曲损耗系数α[1/m]", "alpha"}};
    return s;
}

class BendLossCalculator : public Calculator
{
public:
    const CalculatorDescription &description() const override { return m_description; }
    CostEstimate estimateCost(const Inputs &inputs) const override
    {
        return modeSolveCost(withDefaults(m_description, inputs));
    }
    Inputs linkEdited(const Inputs &inputs, const std::string &key) const override
    {
        return linkFiberIndices(inputs, key);
    }

    Result evaluate(const Inputs &given) const override
    {
        const Inputs inputs = withDefaults(m_description, given);
        // The shared ranges first, as on every tab.
        Result outOfRange;
        if (refuseOutOfRange(m_description, inputs, outOfRange,
                             {"n1", "n2", "a_um", "bend_radius_m", "lambda_nm", "na"}))
            return outOfRange;
        std::string empty;
        if (textOf(inputs, "n1").empty() && textOf(inputs, "na").empty())
            empty = "n1";
        else
            empty = firstEmpty(inputs, {"n2", "lambda_nm", "a_um", "bend_radius_m"});
        if (!empty.empty())
            return refusal(kEmptyInputNotice, empty);
        double position = 0;
        if (!parseNumber(textOf(inputs, "mode"), &position) || position < 0 ||
            position != std::floor(position))
            return refusal({"模式序号应为不小于0的整数", "mode must be a whole number from 0"},
                           "mode");

        // The same expressions as the page, so limits compare bit for bit.
        const double n1 = numberOf(inputs, "n1");
        const double n2 = numberOf(inputs, "n2");
        const double lambda = numberOf(inputs, "lambda_nm") * 1e-9;
        const double a = numberOf(inputs, "a_um") * 1e-6;
        if (n1 < n2)
            return refusal(kCoreBelowClad, "n1");
        if (naAboveLimitIgnored(inputs))
            return refusal(kNaAboveHalf, "na");
        if (a > kBendTabMaxRadiusMicron * 1e-6)
            return refusal(coreRadiusLimit(kBendTabMaxRadiusMicron), "a_um");
        const double bendRadius = numberOf(inputs, "bend_radius_m");

        const ModeSet modes = solveModes(a, lambda, n1, n2);
        const std::vector<ModeRow> rows = modeRows(modes);
        if (rows.empty())
            return refusal(kNoGuidedMode, "mode");
        if (position >= static_cast<double>(rows.size()))
            return refusal(kModeOutOfList, "mode");
        const BendLoss loss =
            bendLoss(a, lambda, n1, n2, bendRadius, propagationConstants(modes, lambda),
                     modeOrderList(modes), static_cast<int>(position));
        if (!loss.valid)
            return refusal(kModeOutOfList, "mode");

        Result result;
        result.outputs["beta"] = scalar(loss.beta, formatNumber(loss.beta, 'g', 4), "1/m");
        result.outputs["alpha"] = scalar(loss.alpha, formatNumber(loss.alpha, 'g', 4), "1/m");
        // The list the mode position counts in.
        std::vector<double> m, n;
        for (const ModeRow &row : rows) {
            m.push_back(row.m);
            n.push_back(row.n);
        }
        result.outputs["m"] = curve(std::move(m), "");
        result.outputs["n"] = curve(std::move(n), "");
        const std::string incomplete = incompleteModeListNotice(modes);
        if (!incomplete.empty())
            result.notices.push_back({{incomplete, incompleteModeListNoticeEn(modes)}, "mode"});
        return result;
    }

private:
    CalculatorDescription m_description = bendDescription();
};

} // namespace

std::unique_ptr<Calculator> makeBendLossCalculator()
{
    return std::make_unique<BendLossCalculator>();
}

} // namespace velmora::calc::modes
