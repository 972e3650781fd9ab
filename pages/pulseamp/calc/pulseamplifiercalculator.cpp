#include "pulseamplifiercalculator.h"

#include "fbamp/calc/amplifiercalculator.h"
#include "fbamp/calc/amplifierfields.h"
#include "pulsedamplifier.h"
#include "pulsefields.h"
#include "pulseinputs.h"
#include "runtimefile.h"
#include "textformat.h"

#include <QString>

#include <cmath>
#include <set>

namespace velmora::calc {

namespace {

// The amp.steady_state keys this calculator takes, with the defaults of the
// picosecond case.
const std::map<std::string, const char *> kAmplifierDefaults = {
    {"a_um", "3"},
    {"b_um", "3"},
    {"clad_um", "62.5"},
    {"na", "0.11"},
    {"length_m", "2"},
    {"nt_m3", "3.586e25"},
    {"loss_db_m", "0"},
    {"tau_ms", "0.945"},
    {"pump_nm", "916"},
    {"pump_fwd_w", "1"},
    {"pump_bwd_w", "0"},
    {"pump_guide", ""},
    {"ase_start_nm", "1000"},
    {"ase_end_nm", "1100"},
    {"ase_bins", "0"},
    {"xs_file", ""},
};

FieldDescription output(const char *key, Text caption, const char *unit, const char *format,
                        ValueKind kind = ValueKind::Number)
{
    FieldDescription f;
    f.key = key;
    f.role = FieldRole::Output;
    f.kind = kind;
    f.caption = std::move(caption);
    f.unit = unit;
    f.format = format;
    f.required = false;
    return f;
}

void put(Result &r, const std::string &key, double value, const std::string &text, const char *unit)
{
    OutputValue &o = r.outputs[key];
    o.value = value;
    o.text = text;
    o.unit = unit;
}

void putCurve(Result &r, const std::string &key, std::vector<double> data, const char *unit)
{
    OutputValue &o = r.outputs[key];
    o.shape = {data.size()};
    o.data = std::move(data);
    o.unit = unit;
}

std::string g6(double v)
{
    return formatNumber(v, 'g', 6);
}

} // namespace

PulseAmplifierCalculator::PulseAmplifierCalculator()
{
    m_description.id = "pulse.amplifier";
    m_description.title = {"脉冲放大器", "pulsed amplifier"};
    m_description.page = "pulseamp";
    m_description.tab = 1;
    std::vector<FieldDescription> &f = m_description.fields;
    FieldDescription rep;
    rep.key = "rep_rate_hz";
    rep.caption = {"重复频率", "repetition rate"};
    rep.unit = "Hz";
    rep.defaultText = "40e6";
    rep.min = 1;
    rep.max = 1e12;
    f.push_back(rep); // first: a sweep of the first ranged input stays in the model's regime
    for (const FieldDescription &x : pulseInputFields("1030", "567.3", "10"))
        f.push_back(x);
    for (FieldDescription a : amplifierFields()) {
        const auto it = kAmplifierDefaults.find(a.key);
        if (it == kAmplifierDefaults.end() || a.role != FieldRole::Input)
            continue;
        if (*it->second)
            a.defaultText = it->second;
        f.push_back(a);
    }
    for (const FieldDescription &x : nonlinearFiberFields("0.0043", "0.0236,4.2e-5", "blow_wood"))
        f.push_back(x);
    for (const FieldDescription &x : numericsFields("2048", "20", "1e-6"))
        f.push_back(x);
    for (const FieldDescription &x : pulseOutputFields())
        f.push_back(x);
    const std::vector<FieldDescription> more = {
        output("gain_db", {"脉冲能量增益", "pulse energy gain"}, "dB", "f3"),
        output("pump_left_w", {"剩余泵浦功率", "unabsorbed pump"}, "W", "g6"),
        output("average_out_w", {"平均输出功率", "average output power"}, "W", "g6"),
        output("steady_signal_out_w", {"稳态信号输出功率", "steady-state signal output"}, "W",
               "g6"),
        output("mismatch", {"自洽残差", "self-consistency mismatch"}, "", "%.2e"),
        output("passes", {"交替求解次数", "passes"}, "", "g6"),
        output("saturation_energy_j", {"饱和能量", "saturation energy"}, "J", "g6"),
        output("z_m", {"位置", "position"}, "m", "", ValueKind::Curve),
        output("n2_fraction", {"反转粒子数", "upper-level fraction"}, "", "", ValueKind::Curve),
    };
    f.insert(f.end(), more.begin(), more.end());
    // This calculator has no widgets of its own yet: the fields name none.
    for (FieldDescription &x : f)
        x.objectName.clear();
}

Result PulseAmplifierCalculator::evaluate(const Inputs &inputs) const
{
    return evaluate(inputs, {});
}

Result PulseAmplifierCalculator::evaluate(const Inputs &inputs,
                                          const std::function<bool(double)> &progress) const
{
    ReadInputs read;
    if (const std::optional<Notice> bad = readInputs(m_description, inputs, read))
        return refusal(bad->text, bad->key);
    PulseSetup setup;
    if (const std::optional<Notice> bad = makePulseSetup(m_description, read, setup))
        return refusal(bad->text, bad->key);
    const auto value = [&read](const char *key) {
        const auto it = read.value.find(key);
        return it == read.value.end() ? 0.0 : it->second;
    };
    gnlse::PulsedAmplifierInput amp;
    yb::AmplifierDesign &d = amp.design;
    d.coreRadius = value("a_um");
    d.dopedRadius = value("b_um");
    d.claddingRadius = value("clad_um");
    d.numericalAperture = value("na");
    d.length = value("length_m");
    d.ionDensity = value("nt_m3");
    d.lossDbPerM = value("loss_db_m");
    d.lifetime = value("tau_ms");
    d.pumpWavelength = value("pump_nm");
    d.pumpForward = value("pump_fwd_w");
    d.pumpBackward = value("pump_bwd_w");
    d.claddingPumped = read.text.at("pump_guide") == kCladdingPumped;
    d.aseStart = value("ase_start_nm");
    d.aseEnd = value("ase_end_nm");
    const double bins = value("ase_bins");
    if (bins != std::floor(bins))
        return refusal({"“ASE分段数”必须是整数", "ASE bins: must be a whole number"}, "ase_bins");
    d.aseBins = static_cast<int>(bins);
    if (!(d.numericalAperture > 0))
        return refusal({"“纤芯数值孔径”必须大于零", "core NA: must be positive"}, "na");
    if (!(d.ionDensity > 0))
        return refusal({"“掺杂浓度”必须大于零", "Yb concentration: must be positive"}, "nt_m3");
    if (!(d.pumpForward + d.pumpBackward > 0))
        return refusal({"前向和后向泵浦功率不能都为零", "no pump power"}, "pump_fwd_w");
    if (d.claddingPumped && d.dopedRadius > d.claddingRadius)
        return refusal({"“掺杂半径”不能大于“内包层半径”", "doped radius: larger than the cladding"},
                       "b_um");
    if (d.aseBins > 0 && !(d.aseEnd > d.aseStart))
        return refusal(
            {"“ASE终止波长”必须大于“ASE起始波长”", "ASE band end: must exceed the start"},
            "ase_end_nm");
    amp.repetitionRateHz = value("rep_rate_hz");
    amp.fiber = setup.fiber;
    amp.settings = setup.settings;
    amp.settings.progress = progress;

    const std::string file = read.text.at("xs_file");
    const std::string path =
        file.empty()
            ? findRuntimeFile(QString::fromUtf8(AmplifierCalculator::kShippedTable)).toStdString()
            : file;
    yb::CrossSectionTable table;
    if (!yb::readCrossSections(path, table))
        return refusal(
            {"无法读取截面数据文件：" + path, "cannot read the cross-section table: " + path},
            "xs_file");
    yb::CrossSectionSpectrum spectrum;
    const std::string tableProblem = spectrum.assign(table);
    if (!tableProblem.empty())
        return refusal({tableProblem + "：" + path, "unusable cross-section table: " + path},
                       "xs_file");

    const gnlse::PulsedAmplifierResult a =
        gnlse::amplifyPulse(setup.grid, setup.input, amp, spectrum);
    if (a.status == gnlse::AmplifierStatus::Cancelled)
        return refusal({"计算已取消", "calculation cancelled"});
    if (a.status != gnlse::AmplifierStatus::Done)
        return refusal({a.message, "outside what the pulsed-amplifier model covers"}, a.field);

    // The shared outputs from the final pass's propagation.
    Result r = describePropagation(setup, a.propagation);
    if (r.refused)
        return r;
    put(r, "gain_db", a.gainDb, formatNumber(a.gainDb, 'f', 3), "dB");
    put(r, "pump_left_w", a.pumpLeftW, g6(a.pumpLeftW), "W");
    put(r, "average_out_w", a.pulseAverageOutW, g6(a.pulseAverageOutW), "W");
    put(r, "steady_signal_out_w", a.steadySignalOutW, g6(a.steadySignalOutW), "W");
    put(r, "mismatch", a.mismatch, formatPrintf("%.2e", a.mismatch), "");
    put(r, "passes", a.passes, g6(a.passes), "");
    const double esat = a.saturationEnergyPj * 1e-12;
    put(r, "saturation_energy_j", esat, g6(esat), "J");
    putCurve(r, "z_m", a.steady.z, "m");
    putCurve(r, "n2_fraction", a.steady.upperFraction, "");
    return r;
}

} // namespace velmora::calc
