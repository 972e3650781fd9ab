#include "amplifierfields.h"

#include "inputranges.h"
#include "rangecheck.h"

#include <utility>

namespace velmora::calc {

const char *const kCorePumped = "纤芯泵浦";
const char *const kCladdingPumped = "包层泵浦";
const char *const kAmplifierMode = "放大器";
const char *const kLaserMode = "激光器";
const char *const kR2Grating = "光栅";
const char *const kR2EndFace = "光纤端面";

namespace {

// The ASE bins are a count, not a quantity of the shared range table: up to
// 500 per direction (a 0.2 nm grid over 100 nm) keeps one solve well under a
// second.
constexpr double kMaxAseBins = 500;

// A number input whose accepted range comes from the shared table.
FieldDescription input(const char *key, const char *object, Text caption, const char *unit,
                       double toSI, const char *defaultText, const inputranges::InputRange &range)
{
    FieldDescription f;
    f.key = key;
    f.objectName = object;
    f.caption = std::move(caption);
    f.unit = unit;
    f.toSI = toSI;
    f.defaultText = defaultText;
    return withRange(f, range);
}

FieldDescription count(const char *key, const char *object, Text caption, const char *defaultText,
                       double max)
{
    FieldDescription f;
    f.key = key;
    f.objectName = object;
    f.caption = std::move(caption);
    f.defaultText = defaultText;
    f.min = 0;
    f.max = max;
    return f;
}

FieldDescription choice(const char *key, const char *object, Text caption,
                        std::vector<std::string> choices, std::vector<std::string> ids)
{
    FieldDescription f;
    f.key = key;
    f.objectName = object;
    f.kind = ValueKind::Choice;
    f.caption = std::move(caption);
    f.defaultText = choices.front();
    f.choices = std::move(choices);
    f.choiceIds = std::move(ids);
    return f;
}

FieldDescription output(const char *key, const char *object, Text caption, const char *unit,
                        const char *format, ValueKind kind = ValueKind::Number)
{
    FieldDescription f;
    f.key = key;
    f.objectName = object;
    f.role = FieldRole::Output;
    f.kind = kind;
    f.caption = std::move(caption);
    f.unit = unit;
    f.format = format;
    f.required = false;
    return f;
}

} // namespace

std::vector<FieldDescription> amplifierFields()
{
    namespace r = inputranges;
    std::vector<FieldDescription> f = {
        // Fiber
        input("a_um", "m_CoreRadiuslineEdit", {"纤芯半径", "core radius"}, "μm", 1e-6, "3",
              r::kFiberRadius),
        input("b_um", "m_DopedRadiuslineEdit", {"掺杂半径", "doped radius"}, "μm", 1e-6, "3",
              r::kFiberRadius),
        input("clad_um", "m_CladRadiuslineEdit", {"内包层半径", "pump-cladding radius"}, "μm", 1e-6,
              "62.5", r::kFiberRadius),
        input("na", "m_NAlineEdit", {"纤芯数值孔径", "core NA"}, "", 1, "0.12",
              r::kNumericalAperture),
        input("length_m", "m_LengthlineEdit", {"光纤长度", "fiber length"}, "m", 1, "2.5",
              r::kLength),
        input("nt_m3", "m_NtlineEdit", {"掺杂浓度", "Yb concentration"}, "m⁻³", 1, "2e25",
              r::kConcentration),
        input("loss_db_m", "m_LosslineEdit", {"背景损耗", "background loss"}, "dB/m", 1, "0",
              r::kAttenuation),
        input("tau_ms", "m_TaulineEdit", {"上能级寿命", "upper-level lifetime"}, "ms", 1e-3, "1",
              r::kDuration),
        // Pump
        input("pump_nm", "m_PumpLamlineEdit", {"泵浦波长", "pump wavelength"}, "nm", 1e-9, "976",
              r::kWavelength),
        input("pump_fwd_w", "m_PumpFwdlineEdit", {"前向泵浦功率", "forward pump power"}, "W", 1,
              "0.3", r::kPower),
        input("pump_bwd_w", "m_PumpBwdlineEdit", {"后向泵浦功率", "backward pump power"}, "W", 1,
              "0", r::kPower),
        choice("pump_guide", "m_PumpGuidecomboBox", {"泵浦方式", "pump guide"},
               {kCorePumped, kCladdingPumped}, {"core", "cladding"}),
        // Signal
        input("signal_nm", "m_SigLamlineEdit", {"信号波长", "signal wavelength"}, "nm", 1e-9,
              "1035", r::kWavelength),
        input("signal_w", "m_SigPowlineEdit", {"信号功率", "signal power"}, "W", 1, "0.002",
              r::kPower),
        // ASE
        input("ase_start_nm", "m_AseStartlineEdit", {"ASE起始波长", "ASE band start"}, "nm", 1e-9,
              "1000", r::kWavelength),
        input("ase_end_nm", "m_AseEndlineEdit", {"ASE终止波长", "ASE band end"}, "nm", 1e-9, "1080",
              r::kWavelength),
        count("ase_bins", "m_AseBinslineEdit", {"ASE分段数", "ASE bins"}, "80", kMaxAseBins),
        // Laser
        choice("mode", "m_ModecomboBox", {"工作方式", "mode"}, {kAmplifierMode, kLaserMode},
               {"amplifier", "laser"}),
        input("r1", "m_R1lineEdit", {"反射率R1", "reflectivity R1"}, "", 1, "0.99", r::kFraction),
        choice("r2_source", "m_R2SourcecomboBox", {"R2来源", "R2 source"}, {kR2Grating, kR2EndFace},
               {"grating", "end_face"}),
        input("r2", "m_R2lineEdit", {"反射率R2", "reflectivity R2"}, "", 1, "0.1", r::kFraction),
    };
    FieldDescription table;
    table.key = "xs_file";
    table.kind = ValueKind::Choice;
    table.caption = {"截面数据文件", "cross-section table file"};
    table.required = false; // empty: the shipped table
    f.push_back(table);

    // By the quantity, not the key: `b_um` is the doped radius here.
    const std::pair<const char *, FiberQuantity> fiber[] = {
        {"a_um", FiberQuantity::CoreRadius},
        {"b_um", FiberQuantity::DopedRadius},
        {"clad_um", FiberQuantity::PumpCladdingRadius},
        {"na", FiberQuantity::NumericalAperture},
        {"length_m", FiberQuantity::FiberLength},
        {"nt_m3", FiberQuantity::YbConcentration},
        {"loss_db_m", FiberQuantity::BackgroundLoss},
        {"pump_nm", FiberQuantity::PumpWavelength},
        {"signal_nm", FiberQuantity::SignalWavelength},
    };
    for (const auto &[key, quantity] : fiber)
        for (FieldDescription &field : f)
            if (field.key == key)
                field.fiberQuantity = quantity;

    const std::vector<FieldDescription> outputs = {
        output("signal_out_w", "m_SigOutlineEdit", {"信号输出功率", "signal output"}, "W", "g6"),
        output("gain_db", "m_GainlineEdit", {"信号增益", "signal gain"}, "dB", "f3"),
        output("pump_abs_db", "m_PumpAbslineEdit", {"泵浦吸收", "pump absorption"}, "dB", "f3"),
        output("pump_left_w", "m_PumpLeftlineEdit", {"剩余泵浦功率", "unabsorbed pump"}, "W", "g6"),
        output("ase_fwd_w", "m_AseFwdlineEdit", {"前向ASE功率", "forward ASE"}, "W", "g6"),
        output("ase_bwd_w", "m_AseBwdlineEdit", {"后向ASE功率", "backward ASE"}, "W", "g6"),
        output("efficiency_pct", "m_EfflineEdit", {"光光转换效率", "optical efficiency"}, "%",
               "f3"),
        output("heat_peak_w_m", "m_HeatPeaklineEdit", {"峰值热负载", "peak heat load"}, "W/m",
               "g6"),
        output("heat_peak_z_m", "m_HeatPosLineEdit", {"峰值热负载位置", "peak heat position"}, "m",
               "g4"),
        output("heat_qd_peak_w_m", "", {"量子亏损热峰值", "peak quantum-defect heat"}, "W/m", "g6"),
        output("heat_qd_peak_z_m", "", {"量子亏损热峰值位置", "peak quantum-defect heat position"},
               "m", "g4"),
        output("heat_fl_peak_w_m", "", {"逸出荧光峰值", "peak escaping fluorescence"}, "W/m", "g6"),
        output("heat_fl_peak_z_m", "", {"逸出荧光峰值位置", "peak escaping fluorescence position"},
               "m", "g4"),
        output("energy_residual", "m_ResiduallineEdit", {"能量守恒残差", "energy residual"}, "",
               "%.2e"),
        output("iterations", "", {"迭代次数", "sweep pairs"}, "", "g6"),
        output("grid_steps", "", {"网格段数", "z intervals"}, "", "g6"),
        output("z_m", "", {"位置", "position"}, "m", "", ValueKind::Curve),
        output("n2_fraction", "", {"反转粒子数", "upper-level fraction"}, "", "", ValueKind::Curve),
        output("pump_fwd_w_z", "", {"前向泵浦", "forward pump"}, "W", "", ValueKind::Curve),
        output("pump_bwd_w_z", "", {"后向泵浦", "backward pump"}, "W", "", ValueKind::Curve),
        output("signal_w_z", "", {"信号", "signal"}, "W", "", ValueKind::Curve),
        output("laser_bwd_w_z", "", {"后向激光", "backward laser"}, "W", "", ValueKind::Curve),
        output("ase_fwd_w_z", "", {"前向ASE", "forward ASE"}, "W", "", ValueKind::Curve),
        output("ase_bwd_w_z", "", {"后向ASE", "backward ASE"}, "W", "", ValueKind::Curve),
        output("heat_w_m_z", "", {"热负载", "heat load"}, "W/m", "", ValueKind::Curve),
        output("heat_qd_w_m_z", "", {"量子亏损热", "quantum-defect heat"}, "W/m", "",
               ValueKind::Curve),
        output("heat_fl_w_m_z", "", {"逸出荧光", "escaping fluorescence"}, "W/m", "",
               ValueKind::Curve),
        output("ase_nm", "", {"ASE波长", "ASE bin wavelength"}, "nm", "", ValueKind::Curve),
        output("ase_fwd_dbm", "", {"前向ASE谱", "forward ASE spectrum"}, "dBm", "",
               ValueKind::Curve),
        output("ase_bwd_dbm", "", {"后向ASE谱", "backward ASE spectrum"}, "dBm", "",
               ValueKind::Curve),
    };
    f.insert(f.end(), outputs.begin(), outputs.end());
    return f;
}

std::vector<AmplifierPreset> amplifierPresets()
{
    Inputs core;
    for (const FieldDescription &f : amplifierFields())
        if (f.role == FieldRole::Input)
            core[f.key] = f.defaultText;
    Inputs clad = core;
    clad["a_um"] = "5";
    clad["b_um"] = "5";
    clad["clad_um"] = "50";
    clad["length_m"] = "3";
    clad["nt_m3"] = "3e25";
    clad["pump_nm"] = "914";
    clad["pump_fwd_w"] = "0";
    clad["pump_bwd_w"] = "47.2";
    clad["pump_guide"] = kCladdingPumped;
    clad["signal_nm"] = "1030";
    clad["signal_w"] = "0.4";
    clad["ase_end_nm"] = "1100";
    return {
        {{"纤芯泵浦放大器（参考例1）", "core-pumped amplifier (reference 1)"}, core},
        {{"双包层后向泵浦放大器（参考例2）", "double-clad, backward pump (reference 2)"}, clad}};
}

} // namespace velmora::calc
