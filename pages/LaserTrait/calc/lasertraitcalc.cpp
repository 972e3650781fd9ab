#include "lasertraitcalc.h"

#include "clearedrefusal.h"
#include "fielddescriptions.h"
#include "inputreader.h"
#include "laserformulas.h"
#include "rangedinput.h"
#include "textformat.h"

#include <memory>

namespace velmora::calc {

namespace {

constexpr double kNm = 1e-9;

CalculatorDescription modeSpacingDescription()
{
    CalculatorDescription s;
    s.id = "laser.mode_spacing";
    s.title = {"纵模间隔", "Longitudinal mode spacing"};
    s.page = "LaserTrait";
    s.tab = 0;
    s.fields = {
        rangedInput("n", "m_RefnlineEdit", {"介质折射率n", "refractive index n"}, "", 1.0, "1.45",
                    inputranges::kRefractiveIndex),
        rangedInput("length_m", "m_L_lineEdit", {"腔长L", "cavity length L"}, "m", 1.0, "10",
                    inputranges::kLength),
        numberOutput("spacing_hz", "m_Delta_niulineEdit",
                     {"纵模间隔Δν", "longitudinal mode spacing Δν"}, "Hz", 1.0, "g3"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"介质折射率n", "n"},
               {"腔长L[m]", "length_m"},
               {"输出项"},
               {"纵模间隔Δν[Hz]", "spacing_hz"}};
    holdingFiber(s, {{"length_m", FiberQuantity::FiberLength}});
    return s;
}

// The refusal names the condition that failed, so that the user sees which
// power to correct (laser::efficiencyProblem gives them in this order).
Text efficiencyRefusalText(laser::EfficiencyProblem problem)
{
    switch (problem) {
    case laser::EfficiencyProblem::NoAbsorbedPump:
        return {"输入泵浦功率应大于残余泵浦功率", "the pump power must exceed the residual pump"};
    case laser::EfficiencyProblem::NoGain:
        return {"输出功率应大于输入功率", "the output power must exceed the input power"};
    case laser::EfficiencyProblem::MoreThanAbsorbed:
        return {"输出与输入功率之差不能超过吸收的泵浦功率(Ppump-Pres)",
                "the output gain cannot exceed the absorbed pump power (Ppump-Pres)"};
    case laser::EfficiencyProblem::None: break;
    }
    return {};
}

CalculatorDescription efficiencyDescription()
{
    CalculatorDescription s;
    s.id = "laser.efficiency";
    s.title = {"光光效率", "Optical-to-optical efficiency"};
    s.page = "LaserTrait";
    s.tab = 1;
    s.fields = {
        rangedInput("pump_w", "m_P_pumplineEdit", {"输入泵浦功率P_pump", "pump power P_pump"}, "W",
                    1.0, "100", inputranges::kPower),
        rangedInput("residual_w", "m_P_residuallineEdit",
                    {"残余泵浦功率P_res", "residual pump power P_res"}, "W", 1.0, "5",
                    inputranges::kPower),
        rangedInput("out_w", "m_P_outlineEdit", {"输出激光功率P_out", "output laser power P_out"},
                    "W", 1.0, "75", inputranges::kPower),
        rangedInput("in_w", "m_P_inlineEdit", {"输入激光功率P_in", "input laser power P_in"}, "W",
                    1.0, "3", inputranges::kPower),
        numberOutput("eta_laser", "m_efficiency_olineEdit",
                     {"激光器效率η_o", "laser efficiency η_o"}, "", 1.0, "g4"),
        numberOutput("eta_amplifier", "m_efficiency_alineEdit",
                     {"放大器效率η_a", "amplifier efficiency η_a"}, "", 1.0, "g4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"输入泵浦功率Ppump[W]", "pump_w"},
               {"残余泵浦功率Pres[W]", "residual_w"},
               {"输出激光功率Pout[W]", "out_w"},
               {"输入激光功率Pin[W]", "in_w"},
               {"输出项"},
               {"激光器效率ηo", "eta_laser"},
               {"放大器效率ηa", "eta_amplifier"}};
    return s;
}

CalculatorDescription quantumDefectDescription()
{
    CalculatorDescription s;
    s.id = "laser.quantum_defect";
    s.title = {"量子亏损", "Quantum defect"};
    s.page = "LaserTrait";
    s.tab = 2;
    s.fields = {
        rangedInput("lambda1_nm", "m_lambda_1lineEdit", {"泵浦光波长λ1", "pump wavelength λ1"},
                    "nm", kNm, "976", inputranges::kWavelength),
        rangedInput("lambda2_nm", "m_lambda_2lineEdit", {"信号光波长λ2", "signal wavelength λ2"},
                    "nm", kNm, "1064", inputranges::kWavelength),
        numberOutput("qd", "m_QDlineEdit", {"量子亏损QD", "quantum defect QD"}, "", 1.0, "f4"),
        numberOutput("qr", "m_QRlineEdit", {"斯托克斯效率QR", "Stokes efficiency QR"}, "", 1.0,
                     "f4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"泵浦光波长λ1[nm]", "lambda1_nm"},
               {"信号光波长λ2[nm]", "lambda2_nm"},
               {"输出项"},
               {"量子亏损QD", "qd"},
               {"斯托克斯效率QR", "qr"}};
    return s;
}

} // namespace

const CalculatorDescription &ModeSpacingCalculator::description() const
{
    static const CalculatorDescription s = modeSpacingDescription();
    return s;
}

Result ModeSpacingCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double spacing = laser::longitudinalModeSpacing(in.number("n"), in.number("length_m"));
    ResultBuilder out(description());
    out.number("spacing_hz", spacing, formatNumber(spacing, 'g', 3));
    return out.take();
}

const CalculatorDescription &EfficiencyCalculator::description() const
{
    static const CalculatorDescription s = efficiencyDescription();
    return s;
}

Result EfficiencyCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double pump = in.number("pump_w"), residual = in.number("residual_w");
    const double output = in.number("out_w"), input = in.number("in_w");
    const laser::EfficiencyProblem problem =
        laser::efficiencyProblem(pump, residual, output, input);
    if (problem != laser::EfficiencyProblem::None)
        return clearedRefusal(
            description(), {"eta_laser", "eta_amplifier"}, efficiencyRefusalText(problem),
            problem == laser::EfficiencyProblem::NoAbsorbedPump ? "residual_w" : "out_w");
    const laser::OpticalEfficiencies eta =
        laser::opticalEfficiencies(pump, residual, output, input);
    ResultBuilder out(description());
    // A strongly seeded amplifier can put out more than the absorbed pump:
    // P_out/(P_pump - P_res) is then no laser efficiency and stays empty.
    if (laser::laserEfficiencyApplies(eta))
        out.number("eta_laser", eta.laser, formatNumber(eta.laser, 'g', 4));
    else
        out.cleared("eta_laser");
    out.number("eta_amplifier", eta.amplifier, formatNumber(eta.amplifier, 'g', 4));
    return out.take();
}

const CalculatorDescription &QuantumDefectCalculator::description() const
{
    static const CalculatorDescription s = quantumDefectDescription();
    return s;
}

Result QuantumDefectCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double defect =
        laser::quantumDefect(in.number("lambda1_nm") * kNm, in.number("lambda2_nm") * kNm);
    if (!laser::quantumDefectPlausible(defect))
        return clearedRefusal(description(), {"qd", "qr"}, {"λ2应大于λ1", "λ2 must exceed λ1"},
                              "lambda2_nm");
    const double stokes = laser::stokesEfficiency(defect);
    ResultBuilder out(description());
    out.number("qd", defect, formatNumber(defect, 'f', 4));
    out.number("qr", stokes, formatNumber(stokes, 'f', 4));
    return out.take();
}

void registerLaserTraitCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<ModeSpacingCalculator>());
    catalogue.add(std::make_unique<EfficiencyCalculator>());
    catalogue.add(std::make_unique<QuantumDefectCalculator>());
    catalogue.add(std::make_unique<YbGainCalculator>());
}

} // namespace velmora::calc
