#include "nonlinearcalc.h"

#include "fielddescriptions.h"
#include "inputreader.h"
#include "nonlinear.h"
#include "rangedinput.h"
#include "textformat.h"

#include <memory>

namespace velmora::calc {

namespace {

constexpr double kUm = 1e-6;
constexpr double kNm = 1e-9;

// The Raman shift may be typed negative (the anti-Stokes side), so its range
// is the frequency range mirrored about zero.
constexpr inputranges::InputRange kRamanShift{
    -inputranges::kFrequency.max, inputranges::kFrequency.max, "Hz", "拉曼频移", "Raman shift"};

FieldDescription input(std::string key, std::string objectName, Text caption, std::string unit,
                       double toSI, std::string defaultText, const inputranges::InputRange &range)
{
    return rangedInput(std::move(key), std::move(objectName), std::move(caption), std::move(unit),
                       toSI, std::move(defaultText), range);
}

CalculatorDescription sbsDescription()
{
    CalculatorDescription s;
    s.id = "nonlinear.sbs";
    s.title = {"受激布里渊散射", "Stimulated Brillouin scattering"};
    s.page = "nolinear";
    s.tab = 0;
    s.fields = {
        input("length_m", "m_LlineEdit", {"光纤长度L", "fiber length L"}, "m", 1.0, "10",
              inputranges::kLength),
        input("k", "m_KLineEdit", {"偏振因子K", "polarisation factor K"}, "", 1.0, "1.5",
              inputranges::kMaterialFactor),
        // 恢复默认参数 leaves the core index as typed.
        keptByRestore(input("n", "m_NLineEdit", {"纤芯折射率n", "core index n"}, "", 1.0, "1.45",
                            inputranges::kRefractiveIndex)),
        input("gain", "m_GLineEdit", {"放大器增益倍数G", "amplifier gain G (factor)"}, "", 1.0,
              "20", inputranges::kGain),
        input("r_eff_m", "m_REffLineEdit", {"模场半径r_eff", "mode-field radius r_eff"}, "m", 1.0,
              "5e-6", inputranges::kFiberRadius),
        input("tb_s", "m_TbLineEdit", {"声子寿命T_b", "phonon lifetime T_b"}, "s", 1.0, "1e-8",
              inputranges::kDuration),
        input("lambda_p_nm", "m_LamdaPlineEdit_3", {"泵浦光波长λ_p", "pump wavelength λ_p"}, "nm",
              kNm, "1064", inputranges::kWavelength),
        input("va_m_s", "m_VaLineEdit", {"石英中声速v_a", "sound speed in silica v_a"}, "m/s", 1.0,
              "5960", inputranges::kSoundSpeed),
        input("rho_kg_m3", "m_RouLineEdit", {"石英密度ρ", "density of silica ρ"}, "kg/m³", 1.0,
              "2210", inputranges::kDensity),
        input("shift_hz", "m_DeltaBlineEdit_2", {"布里渊频移Δ_b", "Brillouin shift Δ_b"}, "Hz", 1.0,
              "1.63e10", inputranges::kFrequency),
        input("gamma_e", "m_GammaELineEdit",
              {"石英的电致伸缩常数γ_e", "electrostrictive constant of silica γ_e"}, "", 1.0,
              "0.902", inputranges::kMaterialFactor),
        numberOutput("gb_m_w", "m_GBlineEdit", {"布里渊峰值增益g_b", "peak Brillouin gain g_b"},
                     "m/W", 1.0, "g4"),
        numberOutput("p_th_w", "m_SBSLineEdit",
                     {"放大器SBS阈值P_th", "SBS threshold of the amplifier P_th"}, "W", 1.0, "f4"),
        numberOutput("lambda_s_nm", "m_LambdaBlineEdit_2",
                     {"布里渊频移后波长λ_s", "Brillouin Stokes wavelength λ_s"}, "nm", kNm, "f4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"光纤长度L[m]", "length_m"},
               {"偏振因子K", "k"},
               {"纤芯折射率n", "n"},
               {"放大器增益倍数G", "gain"},
               {"模场半径reff[m]", "r_eff_m"},
               {"声子寿命Tb", "tb_s"},
               {"泵浦光波长λp[nm]", "lambda_p_nm"},
               {"石英中声速va", "va_m_s"},
               {"石英密度ρ", "rho_kg_m3"},
               {"布里渊频移Δb[Hz]", "shift_hz"},
               {"石英的电致伸缩常数γe", "gamma_e"},
               {"输出项"},
               {"布里渊峰值增益gb[m/W]", "gb_m_w"},
               {"放大器SBS阈值Pth[W]", "p_th_w"},
               {"布里渊频移后波长λs[nm]", "lambda_s_nm"}};
    holdingFiber(s, {{"length_m", FiberQuantity::FiberLength},
                     {"n", FiberQuantity::CoreIndex},
                     {"r_eff_m", FiberQuantity::ModeFieldRadius},
                     {"lambda_p_nm", FiberQuantity::SignalWavelength}});
    return s;
}

CalculatorDescription srsDescription()
{
    CalculatorDescription s;
    s.id = "nonlinear.srs";
    s.title = {"受激拉曼散射", "Stimulated Raman scattering"};
    s.page = "nolinear";
    s.tab = 1;
    s.fields = {
        input("length_m", "m_LlineEdit_2", {"光纤长度L", "fiber length L"}, "m", 1.0, "15",
              inputranges::kLength),
        input("gain", "m_GLineEdit_2", {"放大器增益倍数G", "amplifier gain G (factor)"}, "", 1.0,
              "20", inputranges::kGain),
        input("alpha_s_m", "m_Alpha_sLineEdit",
              {"拉曼泵浦光损耗系数α_s", "loss of the Raman pump α_s"}, "1/m", 1.0, "0.003",
              inputranges::kAttenuation),
        input("r1", "m_R1LineEdit", {"高反光栅反射率R_1", "high reflector R_1"}, "", 1.0, "0.99",
              inputranges::kFraction),
        input("r2", "m_R2LineEdit", {"低反光栅反射率R_2", "output coupler R_2"}, "", 1.0, "0.1",
              inputranges::kFraction),
        input("r_eff_m", "m_REffLineEdit_2", {"模场半径r_eff", "mode-field radius r_eff"}, "m", 1.0,
              "5e-6", inputranges::kFiberRadius),
        input("g_r_m_w", "m_GRLineEdit", {"拉曼增益系数g_R", "Raman gain coefficient g_R"}, "m/W",
              1.0, "5e-14", inputranges::kGainCoefficient),
        input("alpha_p_m", "m_Alpha_pLineEdit", {"泵浦光损耗系数α_p", "pump loss α_p"}, "1/m", 1.0,
              "0.005", inputranges::kAttenuation),
        input("beta", "m_BetaLineEdit",
              {"输出端拉曼光与信号光比例β", "Raman-to-signal ratio at the output β"}, "", 1.0,
              "0.01", inputranges::kFraction),
        input("lambda_p_nm", "m_LamdaPlineEdit_4", {"泵浦光波长λ_p", "pump wavelength λ_p"}, "nm",
              kNm, "1064", inputranges::kWavelength),
        // The only input that may be negative: the anti-Stokes side.
        input("shift_hz", "m_DeltaRlineEdit_2", {"拉曼频移Δ_r", "Raman shift Δ_r"}, "Hz", 1.0,
              "1.32e13", kRamanShift),
        numberOutput("p_th_delivery_w", "m_SRSdLineEdit",
                     {"传能光纤SRS阈值P_th_d", "SRS threshold of a delivery fiber P_th_d"}, "W",
                     1.0, "g6"),
        numberOutput(
            "p_th_amplifier_w", "m_SRSaLineEdit",
            {"放大器输入SRS阈值P_th_a", "SRS threshold of an amplifier (input signal) P_th_a"}, "W",
            1.0, "g6"),
        numberOutput("p_th_oscillator_w", "m_SRSoLineEdit",
                     {"振荡器SRS阈值P_th_o", "SRS threshold of an oscillator P_th_o"}, "W", 1.0,
                     "g6"),
        numberOutput("lambda_s_nm", "m_LambdaRlineEdit_2",
                     {"拉曼频移后波长λ_s", "Raman Stokes wavelength λ_s"}, "nm", kNm, "g6"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"光纤长度L[m]", "length_m"},
               {"高反光栅反射率R1", "r1"},
               {"拉曼增益系数gR[m/W]", "g_r_m_w"},
               {"放大器增益倍数G", "gain"},
               {"低反光栅反射率R2", "r2"},
               {"泵浦光损耗系数αp[/m]", "alpha_p_m"},
               {"拉曼泵浦光损耗系数αs[/m]", "alpha_s_m"},
               {"输出端拉曼光与信号光比例β", "beta"},
               {"模场半径reff[m]", "r_eff_m"},
               {"泵浦光波长λp[nm]", "lambda_p_nm"},
               {"拉曼频移Δr[Hz]", "shift_hz"},
               {"输出项"},
               {"传能光纤SRS阈值Pth_d[W]", "p_th_delivery_w"},
               {"放大器输入SRS阈值Pth_a[W]", "p_th_amplifier_w"},
               {"振荡器SRS阈值Pth_o[W]", "p_th_oscillator_w"},
               {"拉曼频移后波长λs[nm]", "lambda_s_nm"}};
    holdingFiber(s, {{"length_m", FiberQuantity::FiberLength},
                     {"r_eff_m", FiberQuantity::ModeFieldRadius},
                     {"lambda_p_nm", FiberQuantity::SignalWavelength}});
    return s;
}

CalculatorDescription spmDescription()
{
    CalculatorDescription s;
    s.id = "nonlinear.spm";
    s.title = {"非线性相移", "Nonlinear phase shift"};
    s.page = "nolinear";
    s.tab = 2;
    FieldDescription fiber;
    fiber.key = "gain_fiber";
    fiber.objectName = "radioButton_2";
    fiber.kind = ValueKind::Choice;
    fiber.caption = {"增益光纤", "gain fiber (0: transmission fiber, 1: gain fiber)"};
    fiber.defaultText = "0";
    fiber.choices = {"0", "1"};
    s.fields = {
        input("lambda_nm", "m_lamdaLineEdit", {"激光波长λ", "laser wavelength λ"}, "nm", kNm,
              "1064", inputranges::kWavelength),
        input("length_m", "m_LLineEdit", {"光纤长度L", "fiber length L"}, "m", 1.0, "5",
              inputranges::kLength),
        input("g_m", "m_gLineEdit", {"光纤增益系数g", "fiber gain coefficient g"}, "1/m", 1.0, "2",
              inputranges::kAttenuation),
        input("a_um", "m_aLineEdit", {"纤芯半径a", "core radius a"}, "μm", kUm, "5",
              inputranges::kFiberRadius),
        input("alpha_m", "m_alphaLineEdit", {"光纤损耗系数α", "fiber loss coefficient α"}, "1/m",
              1.0, "0.02", inputranges::kAttenuation),
        input("n2_m2_w", "m_n2lineEdit", {"非线性折射率n_2", "nonlinear index n_2"}, "m²/W", 1.0,
              "2.7e-20", inputranges::kNonlinearIndex),
        input("p_peak_w", "m_PpeaklineEdit", {"脉冲峰值功率P_peak", "peak power P_peak"}, "W", 1.0,
              "1e5", inputranges::kPower),
        fiber,
        numberOutput("area_m2", "m_AlineEdit", {"纤芯面积A", "core area A"}, "m²", 1.0, "g4"),
        numberOutput("gamma", "m_rLineEdit", {"非线性参量γ", "nonlinear parameter γ"}, "1/(W·m)",
                     1.0, "g4"),
        numberOutput("l_eff_m", "m_LefflineEdit", {"光纤有效长度L_eff", "effective length L_eff"},
                     "m", 1.0, "g4"),
        numberOutput("phase_rad", "m_failineEdit", {"非线性相移ψ", "nonlinear phase ψ"}, "rad", 1.0,
                     "g4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"激光波长λ[nm]", "lambda_nm"},
               {"光纤长度L[m]", "length_m"},
               {"光纤增益系数g[1/m]", "g_m"},
               {"纤芯半径a[μm]", "a_um"},
               {"光纤损耗系数α[1/m]", "alpha_m"},
               {"非线性折射率n2", "n2_m2_w"},
               {"脉冲峰值功率Ppeak[W]", "p_peak_w"},
               {"类型",
                "gain_fiber",
                SheetCell::FiberType,
                {{"radioButton", "传输光纤"}, {"radioButton_2", "增益光纤"}}},
               {"输出项"},
               {"纤芯面积A[m2]", "area_m2"},
               {"非线性参量γ", "gamma"},
               {"光纤有效长度Leff[m]", "l_eff_m"},
               {"非线性相移ψ", "phase_rad"}};
    holdingFiber(s, {{"lambda_nm", FiberQuantity::SignalWavelength},
                     {"length_m", FiberQuantity::FiberLength},
                     {"a_um", FiberQuantity::CoreRadius}});
    return s;
}

CalculatorDescription fwmDescription()
{
    CalculatorDescription s;
    s.id = "nonlinear.fwm";
    s.title = {"四波混频", "Four-wave mixing"};
    s.page = "nolinear";
    s.tab = 3;
    s.fields = {
        input("lambda1_nm", "m_lamda1LineEdit", {"激光波长λ_1", "wavelength λ_1"}, "nm", kNm,
              "1070", inputranges::kWavelength),
        input("lambda2_nm", "m_lamda2LineEdit", {"激光波长λ_2", "wavelength λ_2"}, "nm", kNm,
              "1080", inputranges::kWavelength),
        input("lambda3_nm", "m_lamda3LineEdit", {"激光波长λ_3", "wavelength λ_3"}, "nm", kNm,
              "1090", inputranges::kWavelength),
        input("n1", "m_n1lineEdit", {"折射率n_1", "index n_1"}, "", 1.0, "1.45",
              inputranges::kRefractiveIndex),
        input("n2", "m_n2lineEdit_2", {"折射率n_2", "index n_2"}, "", 1.0, "1.45",
              inputranges::kRefractiveIndex),
        input("n3", "m_n3lineEdit", {"折射率n_3", "index n_3"}, "", 1.0, "1.45",
              inputranges::kRefractiveIndex),
        numberOutput("delta_k_m", "m_deltaKlineEdit", {"相位匹配因子Δk", "phase mismatch Δk"},
                     "1/m", 1.0, "g3"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"激光波长λ1[nm]", "lambda1_nm"},
               {"激光波长λ2[nm]", "lambda2_nm"},
               {"激光波长λ3[nm]", "lambda3_nm"},
               {"折射率n1", "n1"},
               {"折射率n2", "n2"},
               {"折射率n3", "n3"},
               {"输出项"},
               {"相位匹配因子Δk", "delta_k_m"}};
    return s;
}

} // namespace

const CalculatorDescription &SbsCalculator::description() const
{
    static const CalculatorDescription s = sbsDescription();
    return s;
}

Result SbsCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double lambdaP = in.number("lambda_p_nm") * kNm;
    const double gb =
        nonlinear::brillouinPeakGain(in.number("gamma_e"), in.number("tb_s"), in.number("n"),
                                     lambdaP, in.number("rho_kg_m3"), in.number("va_m_s"));
    const double threshold = nonlinear::sbsThreshold(in.number("r_eff_m"), in.number("k"),
                                                     in.number("gain"), in.number("length_m"), gb);
    const double lambdaS = nonlinear::stokesWavelength(lambdaP, in.number("shift_hz")) * 1e9;
    ResultBuilder out(description());
    out.number("gb_m_w", gb, formatNumber(gb, 'g', 4));
    out.number("p_th_w", threshold, formatNumber(threshold, 'f', 4));
    out.number("lambda_s_nm", lambdaS, formatNumber(lambdaS, 'f', 4));
    return out.take();
}

const CalculatorDescription &SrsCalculator::description() const
{
    static const CalculatorDescription s = srsDescription();
    return s;
}

Result SrsCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double length = in.number("length_m");
    const double rEff = in.number("r_eff_m");
    const double alphaS = in.number("alpha_s_m");
    const double ramanGain = in.number("g_r_m_w");

    const double delivery = nonlinear::srsDeliveryThreshold(rEff, alphaS, length, ramanGain);
    const double amplifier = nonlinear::srsAmplifierThreshold(rEff, in.number("gain"), ramanGain,
                                                              length, in.number("beta"));
    const double oscillator = nonlinear::srsOscillatorThreshold(
        rEff, alphaS, in.number("alpha_p_m"), length, ramanGain, in.number("r1"), in.number("r2"));
    const double lambdaS =
        nonlinear::stokesWavelength(in.number("lambda_p_nm") * kNm, in.number("shift_hz")) * 1e9;

    ResultBuilder out(description());
    out.number("p_th_delivery_w", delivery, formatNumber(delivery, 'g', 6));
    out.number("p_th_amplifier_w", amplifier, formatNumber(amplifier, 'g', 6));
    out.number("p_th_oscillator_w", oscillator, formatNumber(oscillator, 'g', 6));
    out.number("lambda_s_nm", lambdaS, formatNumber(lambdaS, 'g', 6));
    return out.take();
}

const CalculatorDescription &SpmCalculator::description() const
{
    static const CalculatorDescription s = spmDescription();
    return s;
}

Result SpmCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const std::string &type = in.text("gain_fiber");
    if (type != "0" && type != "1")
        return refusal({"光纤类型应为0（传输光纤）或1（增益光纤）",
                        "gain_fiber must be 0 (transmission fiber) or 1 (gain fiber)"},
                       "gain_fiber");
    const double length = in.number("length_m");
    const double area = nonlinear::coreArea(in.number("a_um") * kUm);
    const double gamma =
        nonlinear::nonlinearParameter(in.number("n2_m2_w"), in.number("lambda_nm") * kNm, area);
    const double effectiveLength =
        type == "1" ? nonlinear::effectiveLengthGain(in.number("g_m"), length)
                    : nonlinear::effectiveLengthTransmission(in.number("alpha_m"), length);
    const double phase = nonlinear::nonlinearPhase(gamma, in.number("p_peak_w"), effectiveLength);

    ResultBuilder out(description());
    out.number("area_m2", area, formatNumber(area, 'g', 4));
    out.number("gamma", gamma, formatNumber(gamma, 'g', 4));
    out.number("l_eff_m", effectiveLength, formatNumber(effectiveLength, 'g', 4));
    out.number("phase_rad", phase, formatNumber(phase, 'g', 4));
    return out.take();
}

const CalculatorDescription &FwmCalculator::description() const
{
    static const CalculatorDescription s = fwmDescription();
    return s;
}

Result FwmCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double deltaK = nonlinear::fwmPhaseMismatch(
        in.number("lambda1_nm") * kNm, in.number("lambda2_nm") * kNm, in.number("lambda3_nm") * kNm,
        in.number("n1"), in.number("n2"), in.number("n3"));
    ResultBuilder out(description());
    out.number("delta_k_m", deltaK, formatNumber(deltaK, 'g', 3));
    return out.take();
}

void registernolinearCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<SbsCalculator>());
    catalogue.add(std::make_unique<SrsCalculator>());
    catalogue.add(std::make_unique<SpmCalculator>());
    catalogue.add(std::make_unique<FwmCalculator>());
}

} // namespace velmora::calc
