#include "tmicalc.h"

#include "complexnumber.h"
#include "fielddescriptions.h"
#include "inputreader.h"
#include "modeinstability.h"
#include "modesolver.h"
#include "rangedinput.h"
#include "textformat.h"

#include <memory>

namespace velmora::calc {

namespace {

constexpr double kUm = 1e-6;
constexpr double kNm = 1e-9;

FieldDescription input(std::string key, std::string objectName, Text caption, std::string unit,
                       double toSI, std::string defaultText, const inputranges::InputRange &range)
{
    return rangedInput(std::move(key), std::move(objectName), std::move(caption), std::move(unit),
                       toSI, std::move(defaultText), range);
}

FieldDescription curve(std::string key, Text caption, std::string unit)
{
    FieldDescription f =
        numberOutput(std::move(key), "", std::move(caption), std::move(unit), 1.0, "g6");
    f.kind = ValueKind::Curve;
    return f;
}

CalculatorDescription tmiDescription()
{
    CalculatorDescription s;
    s.id = "tmi.threshold";
    s.title = {"均匀双包层光纤", "Uniform double-clad fiber"};
    s.page = "threashold";
    s.tab = 0;
    s.fields = {
        input("a_um", "m_alineEdit_6", {"纤芯半径a", "core radius a"}, "μm", kUm, "15",
              inputranges::kFiberRadius),
        input("lambda_s_nm", "m_alphalineEdit_5", {"信号光波长", "signal wavelength"}, "nm", kNm,
              "1064", inputranges::kWavelength),
        input("lambda_p_nm", "m_alphalineEdit_6", {"泵浦波长", "pump wavelength"}, "nm", kNm, "975",
              inputranges::kWavelength),
        input("b_um", "m_blineEdit_9", {"泵浦包层半径b", "pump cladding radius b"}, "μm", kUm,
              "200", inputranges::kFiberRadius),
        input("doped_um", "m_blineEdit_10", {"掺杂区域半径", "doped radius"}, "μm", kUm, "15",
              inputranges::kFiberRadius),
        input("na", "m_blineEdit_12", {"数值孔径", "numerical aperture"}, "", 1.0, "0.06",
              inputranges::kNumericalAperture),
        input("p0_w", "m_pinitlineEdit_2", {"初始信号光功率P", "initial signal power P"}, "W", 1.0,
              "10", inputranges::kPower),
        input("n1", "m_blineEdit_11", {"纤芯折射率", "core index"}, "", 1.0, "1.45",
              inputranges::kRefractiveIndex),
        input("eta0", "m_blineEdit_13", {"初始高阶模比例", "initial higher-order-mode fraction"},
              "", 1.0, "0.01", inputranges::kFraction),
        input("rin", "m_blineEdit_14", {"相对强度噪声", "relative intensity noise"}, "", 1.0,
              "1e-13", inputranges::kFraction),
        input("h_w_m2k", "m_blineEdit_15", {"对流换热系数", "heat-transfer coefficient"},
              "W/(m²·K)", 1.0, "1000", inputranges::kHeatTransferCoefficient),
        input("dndt_k", "m_blineEdit_16", {"热光系数", "thermo-optic coefficient"}, "1/K", 1.0,
              "1.21e-5", inputranges::kThermoOptic),
        input("kappa_w_mk", "m_blineEdit_17", {"热导率", "thermal conductivity"}, "W/(m·K)", 1.0,
              "1.4", inputranges::kThermalConductivity),
        input("rho_c_j_m3k", "m_blineEdit_18", {"密度与热容乘积", "density times heat capacity"},
              "J/(m³·K)", 1.0, "1.67e6", inputranges::kVolumetricHeatCapacity),
        numberOutput("chi_max_per_w", "m_blineEdit_19",
                     {"非线性耦合系数极大值", "peak nonlinear coupling χ_max"}, "1/W", 1.0, "g4"),
        numberOutput("p_th_w", "m_blineEdit_20", {"模式不稳定阈值功率", "TMI threshold power P_th"},
                     "W", 1.0, "g6"),
        numberOutput("peak_shift_khz", "", {"耦合峰频移", "frequency offset of the peak f*"}, "kHz",
                     1e3, "g6"),
        curve("shift_khz", {"频移", "frequency offset"}, "kHz"),
        curve("chi_per_w", {"非线性耦合系数χ", "nonlinear coupling χ"}, "1/W"),
        curve("power_w", {"信号光功率", "signal power"}, "W"),
        curve("xi", {"高阶模占功比", "higher-order-mode fraction ξ"}, ""),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"纤芯半径a[μm]", "a_um"},
               {"信号光波长[nm]", "lambda_s_nm"},
               {"泵浦波长[nm]", "lambda_p_nm"},
               {"泵浦包层半径b[μm]", "b_um"},
               {"掺杂区域半径[μm]", "doped_um"},
               {"数值孔径", "na"},
               {"初始信号光功率P[W]", "p0_w"},
               {"纤芯折射率", "n1"},
               {"初始高阶模比例", "eta0"},
               {"相对强度噪声", "rin"},
               {"对流系数", "h_w_m2k"},
               {"热光系数", "dndt_k"},
               {"热导率", "kappa_w_mk"},
               {"密度与热容乘积", "rho_c_j_m3k"},
               {"输出项"},
               {"非线性耦合系数极大值", "chi_max_per_w"},
               {"模式不稳定阈值功率", "p_th_w"}};
    holdingFiber(s, {{"a_um", FiberQuantity::CoreRadius},
                     {"lambda_s_nm", FiberQuantity::SignalWavelength},
                     {"lambda_p_nm", FiberQuantity::PumpWavelength},
                     {"b_um", FiberQuantity::PumpCladdingRadius},
                     {"doped_um", FiberQuantity::DopedRadius},
                     {"na", FiberQuantity::NumericalAperture},
                     {"n1", FiberQuantity::CoreIndex}});
    return s;
}

void addCurve(ResultBuilder &out, const char *key, const std::vector<double> &values)
{
    out.array(key, values, {values.size()});
}

} // namespace

const CalculatorDescription &TmiThresholdCalculator::description() const
{
    static const CalculatorDescription s = tmiDescription();
    return s;
}

Result TmiThresholdCalculator::evaluate(const Inputs &inputs) const
{
    const InputReader in(description(), inputs);
    for (const FieldDescription &field : description().fields)
        if (field.role == FieldRole::Input && in.empty(field.key))
            return refusal(kEmptyInputNotice, field.key);
    for (const FieldDescription &field : description().fields) {
        if (field.role != FieldRole::Input)
            continue;
        // κ = 0 and ρC = 0 are left to the model, which answers them with
        // its division notice ("除数为0") rather than a range.
        const bool modelAnswersZero = field.key == "kappa_w_mk" || field.key == "rho_c_j_m3k";
        if (modelAnswersZero && in.number(field.key) == 0)
            continue;
        if (!textInRange(field, in.text(field.key))) {
            Result refused;
            refused.refused = true;
            refused.notices.push_back(outOfRangeNotice(field));
            return refused;
        }
    }

    ModeInstabilityInput model;
    model.coreRadius = in.number("a_um") * kUm;
    model.dopedRadius = in.number("doped_um") * kUm;
    model.claddingRadius = in.number("b_um") * kUm;
    model.coreIndex = in.number("n1");
    model.numericalAperture = in.number("na");
    model.signalWavelength = in.number("lambda_s_nm") * kNm;
    model.pumpWavelength = in.number("lambda_p_nm") * kNm;
    model.heatTransfer = in.number("h_w_m2k");
    model.thermoOptic = in.number("dndt_k");
    model.conductivity = in.number("kappa_w_mk");
    model.heatCapacity = in.number("rho_c_j_m3k");
    model.initialFraction = in.number("eta0");
    model.intensityNoise = in.number("rin");
    model.initialPower = in.number("p0_w");

    ModeInstabilityResult result;
    try {
        result = computeModeInstability(model);
    } catch (const ComplexDivisionError &) {
        // κ = 0 or ρC = 0: the heat equation has no finite solution.
        return refusal({kComplexDivisionMessage,
                        "division by zero: the thermal conductivity and the density times heat "
                        "capacity must not be 0"},
                       "kappa_w_mk");
    }
    // The ranges above keep the model finite; should it still overflow, say
    // so rather than call the fiber single-mode.
    if (result.status == ModeInstabilityStatus::NotFinite)
        return refusal(
            {"输入参数超出模型可计算的范围", "the inputs are beyond what the model can compute"});
    if (result.status != ModeInstabilityStatus::Ok)
        return refusal({"模式不稳定计算对象应是多模光纤",
                        "mode instability needs a multimode fiber (V above 2.405)"},
                       "a_um");

    // A scan that ends without the 5 % crossing has no threshold to report:
    // its last power is not one.
    if (!result.thresholdFound)
        return refusal({"在功率扫描终点 " + formatNumber(result.thresholdPower, 'g', 6) +
                            " W 以下没有模式不稳定阈值（LP11 份额未达到 5%）",
                        "no mode-instability threshold below the scan's end at " +
                            formatNumber(result.thresholdPower, 'g', 6) +
                            " W (the LP11 fraction stays below 5 %)"},
                       model.intensityNoise == 0 ? "rin"
                       : model.thermoOptic == 0  ? "dndt_k"
                                                 : "");

    ResultBuilder out(description());
    out.number("chi_max_per_w", result.chiMax, formatNumber(result.chiMax, 'g', 4));
    out.number("p_th_w", result.thresholdPower, formatNumber(result.thresholdPower, 'g', 6));
    out.number("peak_shift_khz", result.peakShift, formatNumber(result.peakShift, 'g', 6));
    addCurve(out, "shift_khz", result.shifts);
    addCurve(out, "chi_per_w", result.coupling);
    addCurve(out, "power_w", result.powers);
    addCurve(out, "xi", result.modeContent);
    return out.take();
}

CostEstimate TmiThresholdCalculator::estimateCost(const Inputs &inputs) const
{
    const InputReader in(description(), inputs);
    const double v = 6.283185307179586 * in.number("a_um") * kUm * in.number("na") /
                     (in.number("lambda_s_nm") * kNm);
    if (!(v > 0))
        return {};
    return {modeSolverSecondsEstimate(v),
            0,
            "V = " + formatNumber(v, 'g', 4),
            {"a_um", "lambda_s_nm", "na"}};
}

void registerthreasholdCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<TmiThresholdCalculator>());
}

} // namespace velmora::calc
