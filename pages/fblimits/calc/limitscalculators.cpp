#include "limitscalculators.h"

#include "complexnumber.h"
#include "fielddescriptions.h"
#include "inputreader.h"
#include "limitsinputs.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "fiberheat.h"

namespace velmora::calc {

namespace {

using powerlimits::Limit;

FieldDescription output(std::string key, Text caption, std::string unit, double toSI = 1.0,
                        ValueKind kind = ValueKind::Number)
{
    FieldDescription f =
        numberOutput(std::move(key), "", std::move(caption), std::move(unit), toSI, "g6");
    f.kind = kind;
    return f;
}

std::string limitPowerKey(Limit l)
{
    return std::string("p_") + powerlimits::limitId(l) + "_w";
}

std::string text6(double v)
{
    return formatNumber(v, 'g', 6);
}

const Text kMiCapped = {
    "模式不稳定阈值高于模型扫描上限（5000 W），未计入",
    "the mode-instability threshold lies above the model's 5000 W scan: not counted"};
const Text kMiSingleMode = {"纤芯为单模（V ≤ 2.405），模式不稳定不适用",
                            "the core is single-mode (V ≤ 2.405): mode instability does not apply"};

// "1.5, 2,3e1" → numbers (the page's number reading, C locale); nullopt for
// a text that is not such a list of finite non-negative numbers.
std::optional<std::vector<double>> parseProfile(const std::string &text)
{
    std::vector<double> values;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        double v = 0;
        if (!parseNumber(text.substr(start, comma - start), &v) || !std::isfinite(v) || v < 0)
            return std::nullopt;
        values.push_back(v);
        start = comma + 1;
    }
    return values;
}

Result miRefusal()
{
    return refusal({kComplexDivisionMessage,
                    "division by zero: the thermal conductivity and the density times heat "
                    "capacity must not be 0"},
                   "k_w_mk");
}

CalculatorDescription designDescription()
{
    CalculatorDescription s;
    s.id = "limits.design";
    s.title = {"单个设计", "One design"};
    s.page = "fblimits";
    s.tab = 0;
    s.fields = limitsInputFields();
    // The amplifier's z-resolved heat load (amp.steady_state heat_w_m_z),
    // comma-separated W/m: the core temperature along the fiber.
    FieldDescription profile;
    profile.key = "heat_profile_w_m";
    profile.kind = ValueKind::Choice;
    profile.caption = {"热负载分布（逗号分隔）", "heat-load profile (comma-separated)"};
    profile.unit = "W/m";
    profile.required = false;
    s.fields.push_back(profile);
    std::vector<FieldDescription> out = {
        output("p_max_w", {"最大输出功率", "maximum output power"}, "W"),
        output("binding_limit", {"限制因素", "binding limit"}, ""),
    };
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const Limit l = powerlimits::limitAt(i);
        out.push_back(output(limitPowerKey(l), limitCaption(l), "W"));
    }
    const std::vector<FieldDescription> more = {
        output("heat_w_m", {"单位长度热负荷", "heat per length"}, "W/m"),
        output("core_temp_k", {"纤芯温度", "core temperature"}, "K"),
        output("coating_temp_k", {"涂覆层温度", "coating temperature"}, "K"),
        output("clad_used_um", {"所用包层直径", "cladding diameter used"}, "μm", 1e-6),
        output("delta_n_thermal", {"纤芯热致折射率差", "thermal index drop across the core"}, ""),
        output("thermal_mode_ratio", {"热波导模场比", "thermal-guide to mode radius"}, ""),
        output("quantum_defect", {"量子亏损", "quantum defect"}, ""),
        output("v_number", {"归一化频率V", "V number"}, ""),
        output("core_temp_z_k", {"沿光纤的纤芯温度", "core temperature along the fiber"}, "K", 1.0,
               ValueKind::Curve),
        output("core_temp_peak_k", {"纤芯温度峰值", "peak core temperature"}, "K"),
    };
    out.insert(out.end(), more.begin(), more.end());
    for (FieldDescription &f : out)
        if (f.kind == ValueKind::Number)
            f.objectName = "m_" + f.key; // the page's result fields
    s.fields.insert(s.fields.end(), out.begin(), out.end());
    return s;
}

CalculatorDescription mapDescription()
{
    CalculatorDescription s;
    s.id = "limits.map";
    s.title = {"纤芯直径×长度扫描", "Core diameter × length scan"};
    s.page = "fblimits";
    s.tab = 1;
    s.fields = limitsInputFields();
    const std::vector<FieldDescription> grid = {
        numberInput("d_min_um", "", {"最小纤芯直径", "smallest core diameter"}, "μm", 1e-6, "10",
                    0.02, 20000),
        numberInput("d_max_um", "", {"最大纤芯直径", "largest core diameter"}, "μm", 1e-6, "150",
                    0.02, 20000),
        numberInput("d_count", "", {"直径点数", "diameter points"}, "", 1.0, "100", 2, 1000),
        numberInput("l_min_m", "", {"最短长度", "shortest length"}, "m", 1.0, "0.5", 1e-6, 1e6),
        numberInput("l_max_m", "", {"最长长度", "longest length"}, "m", 1.0, "100", 1e-6, 1e6),
        numberInput("l_count", "", {"长度点数", "length points"}, "", 1.0, "100", 2, 1000),
        output("p_max_w", {"最大输出功率", "maximum output power"}, "W"),
        output("core_diameter_um_at_max", {"最佳纤芯直径", "core diameter at the maximum"}, "μm",
               1e-6),
        output("length_m_at_max", {"最佳长度", "length at the maximum"}, "m"),
        output("binding_limit", {"限制因素", "binding limit"}, ""),
        output("diameters_um", {"纤芯直径", "core diameter"}, "μm", 1e-6, ValueKind::Curve),
        output("lengths_m", {"光纤长度", "fiber length"}, "m", 1.0, ValueKind::Curve),
        output("p_max_map_w", {"最大输出功率分布", "maximum output power map"}, "W", 1.0,
               ValueKind::Map),
        output("binding_map", {"限制因素分布", "binding-limit map"}, "", 1.0, ValueKind::Map),
    };
    s.fields.insert(s.fields.end(), grid.begin(), grid.end());
    for (FieldDescription &f : s.fields)
        if (f.role == FieldRole::Output && f.kind == ValueKind::Number)
            f.objectName = "m_map." + f.key; // the best design's fields
        else if (f.role == FieldRole::Input && f.objectName.empty() && f.key.rfind("d_", 0) == 0)
            f.objectName = "m_" + f.key;
        else if (f.role == FieldRole::Input && f.objectName.empty() && f.key.rfind("l_", 0) == 0)
            f.objectName = "m_" + f.key;
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const Limit l = powerlimits::limitAt(i);
        Text c = limitCaption(l);
        c.zh += "（最佳长度）";
        c.en += " (at the best length)";
        s.fields.push_back(output(std::string("curve_") + powerlimits::limitId(l) + "_w", c, "W",
                                  1.0, ValueKind::Curve));
        s.fields.back().gapsAllowed = true; // no value where the limit is not counted
    }
    return s;
}

// The binding limit as its ASCII id (value: its index).
void writeBinding(ResultBuilder &out, Limit l)
{
    out.number("binding_limit", static_cast<int>(l), powerlimits::limitId(l));
}

void writeMiNotice(ResultBuilder &out, const powerlimits::MiLimit &mi)
{
    if (!mi.applicable)
        out.notice(kMiSingleMode, "core_na");
    else if (mi.capped)
        out.notice(kMiCapped, "use_mi");
}

} // namespace

const CalculatorDescription &LimitsDesignCalculator::description() const
{
    static const CalculatorDescription s = designDescription();
    return s;
}

Result LimitsDesignCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    const auto setup = readLimitsInputs(description(), inputs, refused);
    if (!setup)
        return refused;
    const powerlimits::Parameters &p = setup->parameters;
    powerlimits::DesignResult r;
    try {
        r = powerlimits::evaluateDesign(p, setup->include);
    } catch (const ComplexDivisionError &) {
        return miRefusal();
    }
    if (!std::isfinite(r.maxPower))
        return refusal({"所选极限均不适用，无法给出最大功率",
                        "none of the chosen limits applies: no maximum power"},
                       "use_mi");
    ResultBuilder out(description());
    out.number("p_max_w", r.maxPower, text6(r.maxPower));
    writeBinding(out, r.binding);
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const Limit l = powerlimits::limitAt(i);
        if (r.counted[i])
            out.number(limitPowerKey(l), r.power[i], text6(r.power[i]));
        else
            out.cleared(limitPowerKey(l));
    }
    out.number("heat_w_m", r.heatPerLength, text6(r.heatPerLength));
    out.number("core_temp_k", r.coreTemperature, text6(r.coreTemperature));
    out.number("coating_temp_k", r.surfaceTemperature, text6(r.surfaceTemperature));
    out.number("clad_used_um", 2 * r.claddingRadius / 1e-6, text6(2 * r.claddingRadius / 1e-6));
    out.number("delta_n_thermal", r.thermalIndexDrop, text6(r.thermalIndexDrop));
    const double ratio = r.thermalModeRadius / (p.modeFieldRatio * p.coreRadius);
    out.number("thermal_mode_ratio", ratio, text6(ratio));
    const double qd = powerlimits::quantumDefect(p.pumpWavelength, p.signalWavelength);
    out.number("quantum_defect", qd, text6(qd));
    const double v = 2 * 3.14159265358979323846 * p.coreRadius * p.coreNA / p.signalWavelength;
    out.number("v_number", v, text6(v));
    const auto given = inputs.find("heat_profile_w_m");
    if (given != inputs.end() && !given->second.empty()) {
        constexpr std::size_t kMaxSamples = 1000000;
        const auto q = parseProfile(given->second);
        if (!q || q->size() > kMaxSamples)
            return refusal({"热负载分布应是以逗号分隔的非负数（至多一百万个）",
                            "the heat-load profile must be non-negative numbers separated by "
                            "commas (at most a million)"},
                           "heat_profile_w_m");
        fiberheat::HeatGeometry g;
        g.coreRadius = p.coreRadius;
        g.outerRadius = r.claddingRadius;
        g.conductivity = p.conductivity;
        g.heatTransfer = p.heatTransfer;
        g.coolantTemperature = p.coolantTemperature;
        const std::vector<double> t = fiberheat::coreTemperatureProfile(g, *q);
        const double peak = *std::max_element(t.begin(), t.end());
        out.array("core_temp_z_k", t, {t.size()});
        out.number("core_temp_peak_k", peak, text6(peak));
    } else {
        out.cleared("core_temp_peak_k");
    }
    if (setup->include[static_cast<int>(Limit::ModeInstability)])
        writeMiNotice(out, r.mi);
    if (r.coreTemperature > p.meltingTemperature * (1 + 1e-9))
        out.notice({"纤芯温度超过熔化温度", "the core runs above the melting temperature"},
                   "t_melt_k");
    return out.take();
}

Inputs LimitsDesignCalculator::linkEdited(const Inputs &inputs, const std::string &key) const
{
    return key == "preset" ? withPreset(inputs) : inputs;
}

Inputs LimitsMapCalculator::linkEdited(const Inputs &inputs, const std::string &key) const
{
    return key == "preset" ? withPreset(inputs) : inputs;
}

const CalculatorDescription &LimitsMapCalculator::description() const
{
    static const CalculatorDescription s = mapDescription();
    return s;
}

Result LimitsMapCalculator::evaluate(const Inputs &inputs) const
{
    return evaluate(inputs, {}, nullptr);
}

namespace {

// The scan's grid from the inputs, or the refusal of its rules.
std::optional<Result> readGrid(const CalculatorDescription &description, const Inputs &inputs,
                               powerlimits::MapGrid &grid)
{
    const InputReader in(description, inputs);
    grid.diameterMin = in.number("d_min_um") * 1e-6;
    grid.diameterMax = in.number("d_max_um") * 1e-6;
    grid.lengthMin = in.number("l_min_m");
    grid.lengthMax = in.number("l_max_m");
    const double nd = in.number("d_count"), nl = in.number("l_count");
    if (nd != std::floor(nd))
        return refusal({"“直径点数”必须是整数", "diameter points must be a whole number"},
                       "d_count");
    if (nl != std::floor(nl))
        return refusal({"“长度点数”必须是整数", "length points must be a whole number"}, "l_count");
    if (!(grid.diameterMax > grid.diameterMin))
        return refusal({"最大纤芯直径必须大于最小纤芯直径",
                        "the largest core diameter must exceed the smallest"},
                       "d_max_um");
    if (!(grid.lengthMax > grid.lengthMin))
        return refusal({"最长长度必须大于最短长度", "the longest length must exceed the shortest"},
                       "l_max_m");
    grid.diameterCount = static_cast<int>(nd);
    grid.lengthCount = static_cast<int>(nl);
    return std::nullopt;
}

} // namespace

std::optional<Result> LimitsMapCalculator::refusalOf(const Inputs &inputs) const
{
    Result refused;
    if (!readLimitsInputs(description(), inputs, refused))
        return refused;
    powerlimits::MapGrid grid;
    return readGrid(description(), inputs, grid);
}

Result LimitsMapCalculator::evaluate(const Inputs &inputs,
                                     const std::function<void(int, int)> &progress,
                                     const std::atomic<bool> *cancel) const
{
    Result refused;
    const auto setup = readLimitsInputs(description(), inputs, refused);
    if (!setup)
        return refused;
    powerlimits::MapGrid grid;
    if (auto bad = readGrid(description(), inputs, grid))
        return *bad;

    powerlimits::MapResult m;
    try {
        m = powerlimits::scanMap(setup->parameters, setup->include, grid, progress, cancel);
    } catch (const ComplexDivisionError &) {
        return miRefusal();
    }
    if (m.cancelled)
        return refusal({"扫描已取消", "the scan was cancelled"});
    if (!std::isfinite(m.bestPower))
        return refusal({"所选极限均不适用，无法给出最大功率",
                        "none of the chosen limits applies: no maximum power"},
                       "use_mi");

    ResultBuilder out(description());
    out.number("p_max_w", m.bestPower, text6(m.bestPower));
    const double dUm = m.bestDiameter / 1e-6;
    out.number("core_diameter_um_at_max", dUm, text6(dUm));
    out.number("length_m_at_max", m.bestLength, text6(m.bestLength));
    writeBinding(out, m.bestBinding);
    std::vector<double> dUmAll;
    for (double d : m.diameters)
        dUmAll.push_back(d / 1e-6);
    const std::size_t cols = m.diameters.size(), rows = m.lengths.size();
    out.array("diameters_um", dUmAll, {cols});
    out.array("lengths_m", m.lengths, {rows});
    out.array("p_max_map_w", m.maxPower, {rows, cols});
    std::vector<double> binding(m.binding.begin(), m.binding.end());
    out.array("binding_map", binding, {rows, cols});
    for (int i = 0; i < powerlimits::kLimitCount; ++i) {
        const Limit l = powerlimits::limitAt(i);
        std::vector<double> curve = m.curvesAtBest[i];
        for (double &v : curve) // not counted: no value (null in JSON, NaN in Python)
            if (!std::isfinite(v))
                v = std::nan("");
        out.array(std::string("curve_") + powerlimits::limitId(l) + "_w", curve, {cols});
    }
    if (setup->include[static_cast<int>(Limit::ModeInstability)]) {
        int capped = 0, single = 0;
        for (const auto &mi : m.mi) {
            capped += mi.applicable && mi.capped;
            single += !mi.applicable;
        }
        if (single)
            out.notice({"部分纤芯为单模或大于包层，模式不稳定未计入：" + std::to_string(single) +
                            " 个直径",
                        "mode instability not counted where the core is single-mode or wider "
                        "than the cladding: " +
                            std::to_string(single) + " diameters"},
                       "core_na");
        if (capped)
            out.notice({"模式不稳定阈值高于模型扫描上限（5000 W），未计入：" +
                            std::to_string(capped) + " 个直径",
                        "mode-instability threshold above the model's 5000 W scan, not counted: " +
                            std::to_string(capped) + " diameters"},
                       "use_mi");
    }
    return out.take();
}

void registerfblimitsCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<LimitsDesignCalculator>());
    catalogue.add(std::make_unique<LimitsMapCalculator>());
}

} // namespace velmora::calc
