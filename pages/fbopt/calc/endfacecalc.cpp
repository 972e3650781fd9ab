// fiber.end_reflectivity — the "光纤端面反射率" tab: the guided LP modes of a
// step-index fiber (physics/modesolver.h, 1000 samples per order) and the
// feedback of an angle-cleaved end face into the selected mode
// (physics/reflectivity.h).

#include "clearedrefusal.h"
#include "fbmode/calc/fiberinputs.h"
#include "fiberparams.h"
#include "fiberparamscalc.h"
#include "fielddescriptions.h"
#include "finiteguard.h"
#include "inputreader.h"
#include "modenotice.h"
#include "modesolver.h"
#include "rangedinput.h"
#include "reflectivity.h"
#include "textformat.h"

namespace velmora::calc {

namespace {

constexpr double kUm = 1e-6;
constexpr double kNm = 1e-9;
constexpr double kDegree = 3.14159265358979323846 / 180;

// The end-face tab scans 1000 effective-index samples per azimuthal order:
// plenty for the few modes of the fibers this tab is meant for.
constexpr int kEndFaceModeSamples = 1000;
// Largest core radius the tab accepts (250 μm), in metres.
constexpr double kMaxCoreRadius = 0.00025;

CalculatorDescription endFaceDescription()
{
    CalculatorDescription s;
    s.id = "fiber.end_reflectivity";
    s.title = {"光纤端面反射率", "End-face reflectivity"};
    s.page = "fbopt";
    s.tab = 3;
    FieldDescription mode;
    mode.key = "mode";
    mode.objectName = "mdcomboBox";
    mode.kind = ValueKind::Choice;
    mode.caption = {"模式LP", "LP mode (\"01\", \"11\", …; empty: the first)"};
    mode.required = false;
    // The mode box lists the labels; the indices stay with the page.
    FieldDescription labels =
        numberOutput("mode_labels", "", {"传导模LP", "guided LP modes"}, "", 1.0, "");
    FieldDescription indices =
        numberOutput("neff_list", "", {"传导模等效折射率", "effective indices of the guided modes"},
                     "", 1.0, "g17");
    indices.kind = ValueKind::Curve;
    // Each mode's azimuthal order m: the reflectivity uses its own J_m/K_m.
    FieldDescription orders =
        numberOutput("order_list", "",
                     {"传导模角向阶数m", "azimuthal orders m of the guided modes"}, "", 1.0, "g3");
    orders.kind = ValueKind::Curve;
    s.fields = {
        rangedInput("lambda_nm", "m_LambdalineEdit", {"中心波长λ", "wavelength λ"}, "nm", kNm,
                    "1080", inputranges::kWavelength),
        rangedInput("a_um", "m_A_lineEdit", {"纤芯半径a", "core radius a"}, "μm", kUm, "10",
                    inputranges::kFiberRadius),
        rangedInput("n1", "m_N1lineEdit", {"纤芯折射率n1", "core index n1"}, "", 1.0, "1.4512",
                    inputranges::kRefractiveIndex),
        rangedInput("n2", "m_N2lineEdit", {"包层折射率n2", "cladding index n2"}, "", 1.0, "1.45",
                    inputranges::kRefractiveIndex),
        rangedInput("na", "m_NALineEdit", {"数值孔径NA", "numerical aperture NA"}, "", 1.0,
                    "0.0590", inputranges::kNumericalAperture, FieldRole::Linked),
        // The angle's range is given in degrees, the page unit.
        // 恢复默认参数 leaves the angle as typed.
        keptByRestore(numberInput("theta_deg", "m_thetalineEdit", {"端面角度θ", "end-face angle θ"},
                                  "°", kDegree, "5", inputranges::kAngleDegrees.min,
                                  inputranges::kAngleDegrees.max)),
        mode,
        labels,
        indices,
        orders,
        // The index of the chosen mode: 清空 keeps it, 恢复默认参数 writes the
        // LP01 index of the default fiber, a usable value.
        keptByClear(
            restoredTo(numberOutput("neff", "m_nefflineEdit",
                                    {"等效折射率neff", "effective index neff"}, "", 1.0, "f4"),
                       "1.45181")),
        numberOutput("r", "m_rlineEdit",
                     {"光纤端面振幅反馈系数r(θ)", "end-face amplitude feedback r(θ)"}, "", 1.0,
                     "g3"),
        numberOutput("reflectivity", "m_RlineEdit",
                     {"光纤端面反射率R(θ)", "end-face reflectivity R(θ)"}, "", 1.0, "g3"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"纤芯半径a[μm]", "a_um"},
               {"中心波长λ[nm]", "lambda_nm"},
               {"纤芯折射率n1", "n1"},
               {"包层折射率n2", "n2"},
               {"端面角度θ[°]", "theta_deg"},
               {"数值孔径NA", "na"},
               {"模式", "mode", SheetCell::ComboText},
               {"输出项"},
               {"光纤端面振幅反馈系数r(θ)", "r"},
               {"光纤端面反射率R(θ)", "reflectivity"},
               {"等效折射率neff", "neff"}};
    holdingFiber(s, {{"lambda_nm", FiberQuantity::SignalWavelength},
                     {"a_um", FiberQuantity::CoreRadius},
                     {"n1", FiberQuantity::CoreIndex},
                     {"n2", FiberQuantity::CladdingIndex},
                     {"na", FiberQuantity::NumericalAperture}});
    return s;
}

} // namespace

const CalculatorDescription &EndFaceCalculator::description() const
{
    static const CalculatorDescription s = endFaceDescription();
    return s;
}

Result EndFaceCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    for (const char *key : {"n1", "na", "n2", "lambda_nm", "a_um"})
        if (in.empty(key))
            return refusal(kEmptyInputNotice, key);
    const double n1 = in.number("n1");
    const double n2 = in.number("n2");
    if (n2 > n1)
        return refusal(
            {"纤芯折射率应大于包层折射率", "the core index must exceed the cladding index"}, "n2");
    // NA above 0.5 leaves n1 alone (as on the page): refused rather than
    // echoed and ignored.
    if (modes::naAboveLimitIgnored(inputs))
        return refusal(modes::kNaAboveHalf, "na");
    const double a = in.number("a_um") * kUm;
    if (a > kMaxCoreRadius)
        return refusal({"纤芯半径不超过250微米", "the core radius is at most 250 μm"}, "a_um");
    const double lambda = in.number("lambda_nm") * kNm;

    const ModeSet set = solveModes(a, lambda, n1, n2, kEndFaceModeSamples);
    std::vector<double> indices = modeIndexList(set);
    const std::vector<int> orderList = modeOrderList(set);
    std::vector<std::string> labels;
    std::string labelText;
    for (int l = 0; l <= set.maxOrder; ++l)
        for (std::size_t m = 1; m <= set.neffLists[l].size(); ++m) {
            labels.push_back(modeLabel(l, static_cast<int>(m)));
            labelText += (labelText.empty() ? "" : " ") + labels.back();
        }

    if (indices.empty()) {
        // No guided mode (for example n1 = n2): nothing to select or show,
        // and no number to report: a refusal that empties the outputs.
        return clearedRefusal(
            description(), {"neff", "r", "reflectivity"},
            {"没有传导模，请重新输入", "no guided mode; please change the inputs"},
            blamedInput(description(), inputs, {"na", "n1", "n2", "lambda_nm", "a_um"}));
    }

    std::size_t selected = 0;
    const std::string &wanted = in.text("mode");
    if (!wanted.empty()) {
        while (selected < labels.size() && labels[selected] != wanted)
            ++selected;
        if (selected == labels.size())
            return refusal(
                {"LP" + wanted + "不是该光纤的传导模",
                 "LP" + wanted + " is not a guided mode of this fiber (" + labelText + ")"},
                "mode");
    }

    Result result = listedMode(inputs, indices[selected], orderList[selected]);
    if (result.refused)
        return result;
    const std::string incomplete = incompleteModeListNotice(set);
    if (!incomplete.empty())
        result.notices.push_back(Notice{{incomplete, incompleteModeListNoticeEn(set)}, "mode"});
    const std::size_t count = indices.size();
    OutputValue &labelOutput = result.outputs["mode_labels"];
    labelOutput.value = static_cast<double>(count);
    labelOutput.text = labelText;
    OutputValue &list = result.outputs["neff_list"];
    list.data = std::move(indices);
    list.shape = {count};
    OutputValue &orderOutput = result.outputs["order_list"];
    orderOutput.data.assign(orderList.begin(), orderList.end());
    orderOutput.shape = {count};
    return result;
}

Result EndFaceCalculator::listedMode(const Inputs &inputs, double neff, int order) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    // The reflectivity uses the solver's full-precision index and the mode's
    // own azimuthal order: four displayed decimals can round a mode near
    // cutoff onto n2, where the cladding field would not decay (NaN).
    const std::string neffText = formatNumber(neff, 'f', 4);
    const EndFaceReflectivity face = endFaceReflectivity(
        in.number("a_um") * kUm, in.number("lambda_nm") * kNm, in.number("n1"), in.number("n2"),
        neff, order, fiberparams::degreesToRadians(in.number("theta_deg")));
    ResultBuilder out(description());
    out.number("neff", neff, neffText);
    out.number("r", face.r, formatNumber(face.r, 'g', 3));
    out.number("reflectivity", face.R, formatNumber(face.R, 'g', 3));
    return out.take();
}

CostEstimate EndFaceCalculator::estimateCost(const Inputs &inputs) const
{
    // The bisection over 1000 samples instead of 10000 saves only a few of
    // its steps per mode: the fiber-mode page's estimate stands.
    return modes::modeSolveCost(withDefaults(description(), inputs));
}

Inputs EndFaceCalculator::linkEdited(const Inputs &inputs, const std::string &key) const
{
    Inputs linked = withDefaults(description(), inputs);
    double n1 = readNumber(linked["n1"]);
    const double n2 = readNumber(linked["n2"]);
    double na = readNumber(linked["na"]);
    if (key == "n1") {
        if (linked["n1"].empty()) {
            n1 = fiberparams::coreIndexFromNA(na, n2);
            linked["n1"] = formatNumber(n1, 'g', 6);
        }
        linked["na"] = formatPrintf("%f", fiberparams::numericalAperture(n1, n2));
    } else if (key == "na") {
        if (linked["na"].empty()) {
            na = fiberparams::numericalAperture(n1, n2);
            linked["na"] = formatNumber(na, 'g', 6);
        }
        // Above the largest NA the tab accepts, n1 is left as it is (the page
        // says "数值孔径不超过0.5").
        if (!(na > fiberparams::kMaxNumericalAperture))
            linked["n1"] = formatPrintf("%f", fiberparams::coreIndexFromNA(na, n2));
    }
    return linked;
}

} // namespace velmora::calc
