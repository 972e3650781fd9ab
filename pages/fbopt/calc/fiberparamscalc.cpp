#include "fiberparamscalc.h"

#include "clearedrefusal.h"
#include "fiberparams.h"
#include "fielddescriptions.h"
#include "inputreader.h"
#include "rangedinput.h"
#include "textformat.h"

#include <memory>

namespace velmora::calc {

namespace {

constexpr double kUm = 1e-6;

CalculatorDescription dopingDescription()
{
    CalculatorDescription s;
    s.id = "fiber.doping";
    s.title = {"掺杂浓度", "Doping concentration"};
    s.page = "fbopt";
    s.tab = 0;
    s.fields = {
        rangedInput("a_um", "m_alineEdit_2", {"纤芯半径a", "core radius a"}, "μm", kUm, "10",
                    inputranges::kFiberRadius),
        rangedInput("b_um", "m_blineEdit_2", {"内包层半径b", "inner cladding radius b"}, "μm", kUm,
                    "125", inputranges::kFiberRadius),
        rangedInput("alpha_db_m", "m_alphalineEdit",
                    {"小信号吸收系数α@976nm", "small-signal absorption α at 976 nm"}, "dB/m", 1.0,
                    "4", inputranges::kAttenuation),
        rangedInput("sigma_abs_m2", "m_absorb_sectionlineEdit",
                    {"吸收截面σ_abs@976nm", "absorption cross-section σ_abs at 976 nm"}, "m²", 1.0,
                    "2.42e-24", inputranges::kCrossSection),
        numberOutput("n_m3", "m_NlabelLineEdit",
                     {"增益光纤掺杂浓度N", "dopant concentration N of the gain fiber"}, "m⁻³", 1.0,
                     "g3"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"纤芯半径a[μm]", "a_um"},
               {"小信号吸收系数α@976nm[dB/m]", "alpha_db_m"},
               {"内包层半径b[μm]", "b_um"},
               {"吸收截面σabs@976nm[m2]", "sigma_abs_m2"},
               {"输出项"},
               {"增益光纤掺杂浓度N[/m3]", "n_m3"}};
    holdingFiber(
        s, {{"a_um", FiberQuantity::CoreRadius}, {"b_um", FiberQuantity::PumpCladdingRadius}});
    return s;
}

CalculatorDescription lossDescription()
{
    CalculatorDescription s;
    s.id = "fiber.loss";
    s.title = {"本征损耗", "Intrinsic loss"};
    s.page = "fbopt";
    s.tab = 1;
    s.fields = {
        rangedInput("p_in_w", "m_P_in_lineEdit", {"输入激光功率P_in", "input power P_in"}, "W", 1.0,
                    "10", inputranges::kPower),
        rangedInput("p_out_w", "m_P_out_lineEdit", {"输出激光功率P_out", "output power P_out"}, "W",
                    1.0, "5", inputranges::kPower),
        rangedInput("length_m", "m_L_flineEdit", {"光纤长度L", "fiber length L"}, "m", 1.0, "10",
                    inputranges::kLength),
        numberOutput("total_db", "m_Alpha_totallineEdit", {"总损耗α_total", "total loss α_total"},
                     "dB", 1.0, "g4"),
        numberOutput("average_db_m", "m_Alpha_averagelineEdit",
                     {"平均损耗α_ave", "average loss α_ave"}, "dB/m", 1.0, "g4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {
        {"输入项"}, {"输入激光功率Pin[W]", "p_in_w"}, {"输出激光功率Pout[W]", "p_out_w"},
        {"输出项"}, {"总损耗αtotal[dB]", "total_db"}, {"平均损耗αave[dB/m]", "average_db_m"}};
    holdingFiber(s, {{"length_m", FiberQuantity::FiberLength}});
    return s;
}

CalculatorDescription fillFactorDescription()
{
    CalculatorDescription s;
    s.id = "fiber.fill_factor";
    s.title = {"填充因子", "Fill factor"};
    s.page = "fbopt";
    s.tab = 2;
    s.fields = {
        rangedInput("a_um", "m_alineEdit", {"纤芯半径a", "core radius a"}, "μm", kUm, "10",
                    inputranges::kFiberRadius),
        rangedInput("b_um", "m_blineEdit", {"内包层半径b", "inner cladding radius b"}, "μm", kUm,
                    "125", inputranges::kFiberRadius),
        numberOutput("fill_factor", "m_GammalabelLineEdit", {"填充因子γ", "fill factor γ"}, "", 1.0,
                     "g4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"纤芯半径a[μm]", "a_um"},
               {"内包层半径b[μm]", "b_um"},
               {"输出项"},
               {"填充因子γ", "fill_factor"}};
    holdingFiber(
        s, {{"a_um", FiberQuantity::CoreRadius}, {"b_um", FiberQuantity::PumpCladdingRadius}});
    return s;
}

} // namespace

const CalculatorDescription &DopingCalculator::description() const
{
    static const CalculatorDescription s = dopingDescription();
    return s;
}

Result DopingCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    for (const char *key : {"a_um", "b_um", "alpha_db_m", "sigma_abs_m2"})
        if (in.empty(key))
            return refusal(kEmptyInputNotice, key);
    const double n = fiberparams::dopingConcentration(
        in.number("a_um"), in.number("b_um"), in.number("alpha_db_m"), in.number("sigma_abs_m2"));
    ResultBuilder out(description());
    out.number("n_m3", n, formatNumber(n, 'g', 3));
    return out.take();
}

const CalculatorDescription &LossCalculator::description() const
{
    static const CalculatorDescription s = lossDescription();
    return s;
}

Result LossCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double total = fiberparams::totalLossDb(in.number("p_in_w"), in.number("p_out_w"));
    if (fiberparams::isNoLoss(total))
        return clearedRefusal(
            description(), {"total_db", "average_db_m"},
            {"输出功率必须小于输入功率", "the output power must be below the input power"},
            "p_out_w");
    const double average = fiberparams::averageLossDbPerM(total, in.number("length_m"));
    ResultBuilder out(description());
    out.number("total_db", total, formatNumber(total, 'g', 4));
    out.number("average_db_m", average, formatNumber(average, 'g', 4));
    return out.take();
}

const CalculatorDescription &FillFactorCalculator::description() const
{
    static const CalculatorDescription s = fillFactorDescription();
    return s;
}

Result FillFactorCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double gamma = fiberparams::fillFactor(in.number("a_um"), in.number("b_um"));
    ResultBuilder out(description());
    out.number("fill_factor", gamma, formatNumber(gamma, 'g', 4));
    return out.take();
}

void registerfboptCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<DopingCalculator>());
    catalogue.add(std::make_unique<LossCalculator>());
    catalogue.add(std::make_unique<FillFactorCalculator>());
    catalogue.add(std::make_unique<EndFaceCalculator>());
}

} // namespace velmora::calc
