#include "limitsinputs.h"

#include "fielddescriptions.h"
#include "inputreader.h"
#include "rangecheck.h"
#include "rangedinput.h"

#include <algorithm>
#include <cmath>

namespace velmora::calc {

namespace {

constexpr double kUm = 1e-6;
constexpr double kNm = 1e-9;
constexpr double kMHz = 1e6;
constexpr const char *kCladFromAbsorption = "absorption";
constexpr const char *kCladFixed = "fixed";

FieldDescription choice(const char *key, Text caption, std::vector<std::string> choices,
                        std::string defaultText)
{
    FieldDescription f;
    f.key = key;
    f.kind = ValueKind::Choice;
    f.caption = std::move(caption);
    f.choices = std::move(choices);
    f.defaultText = std::move(defaultText);
    return f;
}

FieldDescription check(const std::string &key, Text caption, bool on)
{
    FieldDescription f = choice("", std::move(caption), {"0", "1"}, on ? "1" : "0");
    f.key = key;
    return f;
}

const std::vector<std::string> &presetIds()
{
    static const std::vector<std::string> ids = {"custom", "dawson_broadband",
                                                 "dawson_single_frequency", "zhu_tandem"};
    return ids;
}

// Choosing a preset rewrites the inputs it lists (a linked field: the command
// line and Python apply it where it stands among the assignments).
FieldDescription presetField()
{
    FieldDescription f = choice("preset", {"参数组", "parameter set"}, presetIds(), "custom");
    f.role = FieldRole::Linked;
    return f;
}

// A number whose range is its own (page units), not one of the shared table.
FieldDescription plain(const char *key, Text caption, const char *unit, double toSI,
                       const char *defaultText, double min, double max)
{
    return numberInput(key, "", std::move(caption), unit, toSI, defaultText, min, max);
}

FieldDescription ranged(const char *key, Text caption, const char *unit, double toSI,
                        const char *defaultText, const inputranges::InputRange &range)
{
    return rangedInput(key, "", std::move(caption), unit, toSI, defaultText, range);
}

double dbToNepers(double db)
{
    return db * std::log(10.0) / 10;
}

} // namespace

std::string limitUseKey(powerlimits::Limit limit)
{
    return std::string("use_") + powerlimits::limitId(limit);
}

Text limitCaption(powerlimits::Limit limit)
{
    using powerlimits::Limit;
    switch (limit) {
    case Limit::Rupture: return {"热致断裂", "thermal rupture"};
    case Limit::Melting: return {"纤芯熔化", "core melting"};
    case Limit::ThermalLens: return {"热透镜", "thermal lens"};
    case Limit::Srs: return {"受激拉曼", "SRS"};
    case Limit::Sbs: return {"受激布里渊", "SBS"};
    case Limit::Damage: return {"体损伤", "bulk damage"};
    case Limit::PumpBrightness: return {"泵浦亮度", "pump brightness"};
    case Limit::ModeInstability: return {"模式不稳定", "mode instability"};
    }
    return {};
}

std::vector<FieldDescription> limitsInputFields()
{
    std::vector<FieldDescription> f = {
        presetField(),
        // Fiber.
        ranged("core_diameter_um", {"纤芯直径", "core diameter"}, "μm", kUm, "40",
               inputranges::kFiberRadius),
        ranged("length_m", {"光纤长度", "fiber length"}, "m", 1.0, "10", inputranges::kLength),
        choice("clad_mode", {"泵浦包层", "pump cladding"}, {kCladFromAbsorption, kCladFixed},
               kCladFromAbsorption),
        ranged("clad_diameter_um", {"包层直径", "cladding diameter"}, "μm", kUm, "400",
               inputranges::kFiberRadius),
        ranged("core_na", {"纤芯数值孔径", "core NA"}, "", 1.0, "0.06",
               inputranges::kNumericalAperture),
        ranged("n1", {"纤芯折射率", "core index"}, "", 1.0, "1.45", inputranges::kRefractiveIndex),
        plain("doped_diameter_um", {"掺杂区直径", "doped diameter"}, "μm", kUm, "0", 0, 20000),
        plain("mode_field_ratio", {"模场/纤芯半径比Γ", "mode-field to core radius Γ"}, "", 1.0,
              "1.2", 0.01, 10),
        // Pump.
        ranged("pump_nm", {"泵浦波长", "pump wavelength"}, "nm", kNm, "975",
               inputranges::kWavelength),
        plain("pump_radiance_w_um2sr", {"泵浦亮度", "pump radiance"}, "W/(μm²·sr)", 1e12, "0.021",
              0, 1e6),
        ranged("pump_na", {"泵浦数值孔径", "pump NA"}, "", 1.0, "0.45",
               inputranges::kNumericalAperture),
        plain("core_abs_db_m", {"纤芯泵浦吸收", "core pump absorption"}, "dB/m", 1.0, "250", 0,
              1e5),
        plain("pump_abs_db", {"泵浦总吸收", "total pump absorption"}, "dB", 1.0, "20", 0, 1000),
        ranged("laser_efficiency", {"光光效率", "optical efficiency"}, "", 1.0, "0.85",
               inputranges::kFraction),
        ranged("heat_fraction", {"热负荷比例", "heat fraction"}, "", 1.0, "0.1",
               inputranges::kFraction),
        // Signal.
        ranged("signal_nm", {"信号波长", "signal wavelength"}, "nm", kNm, "1064",
               inputranges::kWavelength),
        ranged("linewidth_mhz", {"信号线宽", "signal linewidth"}, "MHz", kMHz, "100000",
               inputranges::kFrequency),
        plain("amp_gain_db", {"放大器增益", "amplifier gain"}, "dB", 1.0, "0", 0, 100),
        // Material constants.
        ranged("k_w_mk", {"热导率", "thermal conductivity"}, "W/(m·K)", 1.0, "1.38",
               inputranges::kThermalConductivity),
        ranged("h_w_m2k", {"对流换热系数", "heat-transfer coefficient"}, "W/(m²·K)", 1.0, "10000",
               inputranges::kHeatTransferCoefficient),
        ranged("t_coolant_k", {"冷却液温度", "coolant temperature"}, "K", 1.0, "300",
               inputranges::kTemperature),
        ranged("t_melt_k", {"熔化温度", "melting temperature"}, "K", 1.0, "1983",
               inputranges::kTemperature),
        plain("rupture_w_m", {"断裂模量", "modulus of rupture"}, "W/m", 1.0, "2460", 0, 1e7),
        ranged("dndt_k", {"热光系数", "thermo-optic coefficient"}, "1/K", 1.0, "1.18e-5",
               inputranges::kThermoOptic),
        ranged("gr_m_w", {"拉曼增益系数", "Raman gain"}, "m/W", 1.0, "1e-13",
               inputranges::kGainCoefficient),
        ranged("srs_exponent", {"SRS阈值指数", "SRS threshold exponent"}, "", 1.0, "16",
               inputranges::kMaterialFactor),
        ranged("gb_m_w", {"布里渊增益系数", "Brillouin gain"}, "m/W", 1.0, "5e-11",
               inputranges::kGainCoefficient),
        ranged("sbs_exponent", {"SBS阈值指数", "SBS threshold exponent"}, "", 1.0, "17",
               inputranges::kMaterialFactor),
        ranged("brillouin_bw_mhz", {"布里渊增益带宽", "Brillouin bandwidth"}, "MHz", kMHz, "50",
               inputranges::kFrequency),
        ranged("pol_factor", {"偏振因子", "polarisation factor"}, "", 1.0, "1",
               inputranges::kMaterialFactor),
        plain("damage_w_um2", {"体损伤强度", "bulk damage intensity"}, "W/μm²", 1e12, "35", 0, 1e6),
        ranged("rho_c_j_m3k", {"密度与热容乘积", "density times heat capacity"}, "J/(m³·K)", 1.0,
               "1.67e6", inputranges::kVolumetricHeatCapacity),
        ranged("eta0", {"初始高阶模比例", "initial higher-order-mode fraction"}, "", 1.0, "0.01",
               inputranges::kFraction),
        ranged("rin", {"相对强度噪声", "relative intensity noise"}, "", 1.0, "1e-13",
               inputranges::kFraction),
        ranged("p0_w", {"初始信号光功率", "initial signal power"}, "W", 1.0, "10",
               inputranges::kPower),
    };
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const auto l = powerlimits::limitAt(i);
        f.push_back(check(limitUseKey(l), limitCaption(l), true));
    }
    // The page's widget of each field is "m_<key>" (the window's 清空, saved
    // designs); the material constants live in the page's table instead, and
    // the preset box is no input of its own.
    const std::vector<std::string> &table = limitsConstantKeys();
    for (FieldDescription &field : f)
        if (field.key != "preset" &&
            std::find(table.begin(), table.end(), field.key) == table.end())
            field.objectName = "m_" + field.key;
    return f;
}

const std::vector<std::string> &limitsConstantKeys()
{
    static const std::vector<std::string> keys = {"k_w_mk",
                                                  "h_w_m2k",
                                                  "t_coolant_k",
                                                  "t_melt_k",
                                                  "rupture_w_m",
                                                  "dndt_k",
                                                  "gr_m_w",
                                                  "srs_exponent",
                                                  "gb_m_w",
                                                  "sbs_exponent",
                                                  "brillouin_bw_mhz",
                                                  "pol_factor",
                                                  "damage_w_um2",
                                                  "rho_c_j_m3k",
                                                  "eta0",
                                                  "rin",
                                                  "p0_w"};
    return keys;
}

const std::vector<LimitsPreset> &limitsPresets()
{
    // The published parameter sets. Dawson et al., Opt. Express 16, 13240
    // (2008): silica constants (k, h, T_c, T_m, R_m, dn/dT, g_R, g_B), diode
    // pumping at 975 nm with η_laser 0.85 and η_heat 0.1, bulk damage
    // 35 W/μm², SBS exponent 17; broadband means a signal of 100 GHz, which
    // takes SBS out of play, single frequency a linewidth of 0. The mode-field
    // ratio Γ = 1.2, the diode radiance 0.021 W/(μm² sr) into NA 0.45 and the
    // core absorption 250 dB/m with 20 dB absorbed are this program's reading
    // of the paper's table (the help page lists them; each can be edited).
    // Zhu et al., Opt. Express 19, 18645 (2011): tandem pumping at 1018 nm
    // by fiber lasers (radiance 10 W/(μm² sr), no longer limiting), heat the
    // quantum defect to 1070 nm, an amplifier of 20 dB gain (the SRS
    // threshold of an amplifier), mode field 0.8 of the core.
    static const std::vector<LimitsPreset> presets = [] {
        Inputs dawson = {{"clad_mode", kCladFromAbsorption},
                         {"mode_field_ratio", "1.2"},
                         {"n1", "1.45"},
                         {"pump_nm", "975"},
                         {"pump_radiance_w_um2sr", "0.021"},
                         {"pump_na", "0.45"},
                         {"core_abs_db_m", "250"},
                         {"pump_abs_db", "20"},
                         {"laser_efficiency", "0.85"},
                         {"heat_fraction", "0.1"},
                         {"signal_nm", "1064"},
                         {"linewidth_mhz", "100000"},
                         {"amp_gain_db", "0"},
                         {"k_w_mk", "1.38"},
                         {"h_w_m2k", "10000"},
                         {"t_coolant_k", "300"},
                         {"t_melt_k", "1983"},
                         {"rupture_w_m", "2460"},
                         {"dndt_k", "1.18e-5"},
                         {"gr_m_w", "1e-13"},
                         {"srs_exponent", "16"},
                         {"gb_m_w", "5e-11"},
                         {"sbs_exponent", "17"},
                         {"brillouin_bw_mhz", "50"},
                         {"pol_factor", "1"},
                         {"damage_w_um2", "35"},
                         {"use_mi", "0"}};
        for (int i = 0; i + 1 < powerlimits::kLimitCount; ++i)
            dawson[limitUseKey(powerlimits::limitAt(i))] = "1";
        Inputs single = dawson;
        single["linewidth_mhz"] = "0";
        Inputs zhu = dawson;
        zhu["pump_nm"] = "1018";
        zhu["signal_nm"] = "1070";
        zhu["heat_fraction"] = "0.0486"; // 1 − 1018/1070
        zhu["pump_radiance_w_um2sr"] = "10";
        zhu["amp_gain_db"] = "20";
        zhu["mode_field_ratio"] = "0.8";
        return std::vector<LimitsPreset>{
            {"custom", {"自定义", "custom"}, {}},
            {"dawson_broadband", {"Dawson 2008 宽带", "Dawson 2008 broadband"}, dawson},
            {"dawson_single_frequency",
             {"Dawson 2008 单频", "Dawson 2008 single frequency"},
             single},
            {"zhu_tandem", {"Zhu 2011 级联泵浦", "Zhu 2011 tandem pumping"}, zhu}};
    }();
    return presets;
}

const LimitsPreset *findLimitsPreset(const std::string &id)
{
    for (const LimitsPreset &p : limitsPresets())
        if (p.id == id)
            return &p;
    return nullptr;
}

Inputs withPreset(const Inputs &inputs)
{
    Inputs all = inputs;
    const auto chosen = inputs.find("preset");
    if (chosen != inputs.end())
        if (const LimitsPreset *p = findLimitsPreset(chosen->second))
            for (const auto &[key, value] : p->values)
                all[key] = value;
    return all;
}

std::optional<LimitsSetup> readLimitsInputs(const CalculatorDescription &description,
                                            const Inputs &given, Result &refusalOut)
{
    Inputs inputs = given;
    for (const FieldDescription &f : description.fields)
        if (f.role != FieldRole::Output && !inputs.count(f.key))
            inputs[f.key] = f.defaultText;
    for (const FieldDescription &f : description.fields) {
        if (f.role == FieldRole::Output || f.kind != ValueKind::Choice || f.choices.empty())
            continue;
        const std::string &t = inputs.at(f.key);
        bool known = false;
        for (const std::string &c : f.choices)
            known = known || c == t;
        if (!known) {
            std::string list;
            for (const std::string &c : f.choices)
                list += (list.empty() ? "" : ", ") + c;
            refusalOut = refusal(
                {"“" + f.caption.zh + "”只能是 " + list, f.caption.en + " must be one of " + list},
                f.key);
            return std::nullopt;
        }
    }
    if (auto empty = emptyInputRefusal(description, inputs)) {
        refusalOut = *empty;
        return std::nullopt;
    }
    Result ranged;
    if (refuseOutOfRange(description, inputs, ranged)) {
        refusalOut = ranged;
        return std::nullopt;
    }
    const InputReader in(description, inputs);
    auto si = [&](const char *key) { return in.number(key) * description.field(key)->toSI; };

    LimitsSetup s;
    powerlimits::Parameters &p = s.parameters;
    p.coreRadius = 0.5 * si("core_diameter_um");
    p.length = si("length_m");
    p.claddingFromAbsorption = in.text("clad_mode") == kCladFromAbsorption;
    p.claddingRadius = 0.5 * si("clad_diameter_um");
    p.coreNA = si("core_na");
    p.coreIndex = si("n1");
    p.dopedRadius = 0.5 * si("doped_diameter_um");
    p.modeFieldRatio = si("mode_field_ratio");
    p.pumpWavelength = si("pump_nm");
    p.pumpRadiance = si("pump_radiance_w_um2sr");
    p.pumpNA = si("pump_na");
    p.coreAbsorption = dbToNepers(si("core_abs_db_m"));
    p.pumpAbsorption = dbToNepers(si("pump_abs_db"));
    p.laserEfficiency = si("laser_efficiency");
    p.heatFraction = si("heat_fraction");
    p.signalWavelength = si("signal_nm");
    p.signalLinewidth = si("linewidth_mhz");
    p.amplifierGain = std::pow(10.0, si("amp_gain_db") / 10);
    p.conductivity = si("k_w_mk");
    p.heatTransfer = si("h_w_m2k");
    p.coolantTemperature = si("t_coolant_k");
    p.meltingTemperature = si("t_melt_k");
    p.ruptureModulus = si("rupture_w_m");
    p.thermoOptic = si("dndt_k");
    p.ramanGain = si("gr_m_w");
    p.srsExponent = si("srs_exponent");
    p.brillouinGain = si("gb_m_w");
    p.sbsExponent = si("sbs_exponent");
    p.brillouinBandwidth = si("brillouin_bw_mhz");
    p.polarisationFactor = si("pol_factor");
    p.damageIntensity = si("damage_w_um2");
    p.heatCapacity = si("rho_c_j_m3k");
    p.initialFraction = si("eta0");
    p.intensityNoise = si("rin");
    p.initialPower = si("p0_w");
    for (int i = 0; i < powerlimits::kLimitCount; ++i)
        s.include[i] = in.text(limitUseKey(powerlimits::limitAt(i))) == "1";

    auto refuse = [&](const char *key, Text text) {
        refusalOut = refusal(std::move(text), key);
        return std::nullopt;
    };
    // Divisors and logarithms of the limits: zero where the formulas divide.
    if (p.heatFraction <= 0)
        return refuse("heat_fraction",
                      {"热负荷比例η_heat必须大于0", "the heat fraction η_heat must be above 0"});
    if (p.laserEfficiency <= 0)
        return refuse("laser_efficiency",
                      {"光光效率必须大于0", "the optical efficiency must be above 0"});
    const bool thermal = s.include[0] || s.include[1] || s.include[2];
    if (thermal && (p.conductivity <= 0 || p.heatTransfer <= 0))
        return refuse(p.heatTransfer <= 0 ? "h_w_m2k" : "k_w_mk",
                      {"热导率与对流换热系数必须大于0",
                       "the thermal conductivity and heat-transfer coefficient must be above 0"});
    if (s.include[2] && p.thermoOptic <= 0)
        return refuse("dndt_k",
                      {"热光系数必须大于0", "the thermo-optic coefficient must be above 0"});
    if (s.include[3] && p.ramanGain <= 0)
        return refuse("gr_m_w", {"拉曼增益系数必须大于0", "the Raman gain must be above 0"});
    if (s.include[4] && (p.brillouinGain <= 0 || p.brillouinBandwidth <= 0))
        return refuse(
            p.brillouinGain <= 0 ? "gb_m_w" : "brillouin_bw_mhz",
            {"布里渊增益系数与带宽必须大于0", "the Brillouin gain and bandwidth must be above 0"});
    if (p.claddingFromAbsorption && (s.include[0] || s.include[1] || s.include[6]) &&
        (p.coreAbsorption <= 0 || p.pumpAbsorption <= 0))
        return refuse(p.coreAbsorption <= 0 ? "core_abs_db_m" : "pump_abs_db",
                      {"泵浦吸收必须大于0", "the pump absorption must be above 0"});
    if (!p.claddingFromAbsorption && p.claddingRadius < p.coreRadius)
        return refuse("clad_diameter_um",
                      {"包层直径不能小于纤芯直径",
                       "the cladding diameter must not be below the core diameter"});
    if (s.include[7] && p.claddingRadius < p.coreRadius)
        return refuse("clad_diameter_um", {"模式不稳定计算的包层直径不能小于纤芯直径",
                                           "the cladding diameter of the mode-instability limit "
                                           "must not be below the core diameter"});
    bool any = false;
    for (bool on : s.include)
        any = any || on;
    if (!any)
        return refuse("use_rupture", {"请至少选择一项极限", "choose at least one limit"});
    return s;
}

} // namespace velmora::calc
