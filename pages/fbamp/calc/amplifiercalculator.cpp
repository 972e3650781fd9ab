#include "amplifiercalculator.h"

#include "amplifierfields.h"
#include "amplifierinputs.h"
#include "cancellation.h"
#include "catalogue.h"
#include "finiteguard.h"
#include "sheetrows.h"
#include "textformat.h"
#include "ybamplifierdesign.h"

#include <cmath>

namespace velmora::calc {

const char *const AmplifierCalculator::kShippedTable = "Data/YDF吸收发射参数.csv";

AmplifierCalculator::AmplifierCalculator()
{
    m_description.id = "amp.steady_state";
    m_description.title = {"光纤放大器", "fiber amplifier"};
    m_description.page = "fbamp";
    m_description.tab = 0;
    m_description.fields = amplifierFields();
    // The sheet: every input (choices as their combo box shows them), then
    // every result field, captioned with their units.
    m_description.sheet = sheetRowsFromFields(m_description.fields, SheetCell::ComboText);
}

Result AmplifierCalculator::evaluate(const Inputs &inputs) const
{
    // Without a progress display, the calling thread's cancel flag (Ctrl-C in
    // the command line or Python) still stops the iteration.
    return evaluate(inputs, [](int, double) { return !cancellation::requested(); });
}

namespace {

Result refuse(Text text, std::string key = std::string())
{
    Result r;
    r.refused = true;
    r.notices.push_back({std::move(text), std::move(key)});
    return r;
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

// Sum over the ASE bins of one direction at every node.
std::vector<double> aseTotal(const yb::AmplifierSolution &s, int first, int bins)
{
    std::vector<double> total(s.z.size(), 0.0);
    for (int i = 0; i < bins; ++i)
        for (std::size_t j = 0; j < total.size(); ++j)
            total[j] += s.power[first + i][j];
    return total;
}

std::vector<double> channelOrZero(const yb::AmplifierSolution &s, int k)
{
    return k >= 0 ? s.power[k] : std::vector<double>(s.z.size(), 0.0);
}

// First zero of J0: LP11 is guided above it.
constexpr double kSingleModeCutoff = 2.404825557695773;

std::string g6(double v)
{
    return formatNumber(v, 'g', 6);
}

void writeOutputs(Result &r, const yb::AmplifierDesign &d, const yb::ChannelMap &map,
                  const yb::AmplifierSolution &s)
{
    const yb::AmplifierSummary m = yb::summarize(d, map, s);
    put(r, "signal_out_w", m.signalOutput, g6(m.signalOutput), "W");
    if (d.laser)
        put(r, "gain_db", std::nan(""), "", "dB");
    else
        put(r, "gain_db", m.signalGainDb, formatNumber(m.signalGainDb, 'f', 3), "dB");
    // No pump left at all (it underflows): the absorption in dB has no finite
    // value to show, and the field stays empty as the gain's does above.
    if (std::isfinite(m.pumpAbsorptionDb))
        put(r, "pump_abs_db", m.pumpAbsorptionDb, formatNumber(m.pumpAbsorptionDb, 'f', 3), "dB");
    else
        put(r, "pump_abs_db", std::nan(""), "", "dB");
    put(r, "pump_left_w", m.pumpLeft, g6(m.pumpLeft), "W");
    put(r, "ase_fwd_w", m.aseForward, g6(m.aseForward), "W");
    put(r, "ase_bwd_w", m.aseBackward, g6(m.aseBackward), "W");
    put(r, "efficiency_pct", 100 * m.efficiency, formatNumber(100 * m.efficiency, 'f', 3), "%");
    put(r, "heat_peak_w_m", m.heatPeak, g6(m.heatPeak), "W/m");
    put(r, "heat_peak_z_m", m.heatPeakPosition, formatNumber(m.heatPeakPosition, 'g', 4), "m");
    put(r, "heat_qd_peak_w_m", m.quantumDefectPeak, g6(m.quantumDefectPeak), "W/m");
    put(r, "heat_qd_peak_z_m", m.quantumDefectPeakPosition,
        formatNumber(m.quantumDefectPeakPosition, 'g', 4), "m");
    put(r, "heat_fl_peak_w_m", m.fluorescencePeak, g6(m.fluorescencePeak), "W/m");
    put(r, "heat_fl_peak_z_m", m.fluorescencePeakPosition,
        formatNumber(m.fluorescencePeakPosition, 'g', 4), "m");
    put(r, "energy_residual", s.energyResidual, formatPrintf("%.2e", s.energyResidual), "");
    put(r, "iterations", s.iterations, g6(s.iterations), "");
    put(r, "grid_steps", s.steps, g6(s.steps), "");
    r.outputs["iterations"].integer = true;
    r.outputs["grid_steps"].integer = true;

    putCurve(r, "z_m", s.z, "m");
    putCurve(r, "n2_fraction", s.upperFraction, "");
    putCurve(r, "pump_fwd_w_z", channelOrZero(s, map.pumpForward), "W");
    putCurve(r, "pump_bwd_w_z", channelOrZero(s, map.pumpBackward), "W");
    putCurve(r, "signal_w_z", channelOrZero(s, map.signal), "W");
    putCurve(r, "laser_bwd_w_z", channelOrZero(s, map.laserBackward), "W");
    putCurve(r, "ase_fwd_w_z", aseTotal(s, map.aseForward, map.aseBins), "W");
    putCurve(r, "ase_bwd_w_z", aseTotal(s, map.aseBackward, map.aseBins), "W");
    putCurve(r, "heat_w_m_z", s.heat, "W/m");
    putCurve(r, "heat_qd_w_m_z", s.quantumDefectHeat, "W/m");
    putCurve(r, "heat_fl_w_m_z", s.fluorescenceLoss, "W/m");
    std::vector<double> nm;
    for (double w : map.aseWavelengths)
        nm.push_back(w * 1e9);
    putCurve(r, "ase_nm", nm, "nm");
    putCurve(r, "ase_fwd_dbm", m.aseForwardDbm, "dBm");
    putCurve(r, "ase_bwd_dbm", m.aseBackwardDbm, "dBm");
    // The model follows the signal (laser line) in LP01 only; a core that
    // guides more modes at that wavelength is outside what it describes.
    const double v = 2 * M_PI * d.coreRadius * d.numericalAperture / d.signalWavelength;
    if (v > kSingleModeCutoff)
        r.notices.push_back(
            {{"纤芯在信号波长为多模（V = " + formatNumber(v, 'f', 3) +
                  " > 2.405）：本模型只计算LP01模中的信号，高阶模未计入",
              "the core is multimode at the signal wavelength (V = " + formatNumber(v, 'f', 3) +
                  " > 2.405): the model follows the LP01 signal only"},
             "a_um"});
    if (d.laser && s.belowThreshold)
        r.notices.push_back(
            {{"未达到激光阈值：没有激光输出", "below laser threshold: no laser output"}, "r1"});
}

} // namespace

Result AmplifierCalculator::evaluate(const Inputs &inputs,
                                     const std::function<bool(int, double)> &progress) const
{
    yb::AmplifierDesign design;
    std::string path;
    if (const std::optional<Notice> bad = readAmplifierInputs(m_description, inputs, design, path))
        return refuse(bad->text, bad->key);

    yb::CrossSectionTable table;
    if (!yb::readCrossSections(path, table))
        return refuse({"无法读取截面数据文件（须为不超过 16 MB 的普通文件）：" + quotedInput(path),
                       "cannot read the cross-section table (a regular file of at most 16 MB): " +
                           quotedInput(path)},
                      "xs_file");
    yb::CrossSectionSpectrum spectrum;
    const std::string tableProblem = spectrum.assign(table);
    if (!tableProblem.empty())
        return refuse({tableProblem + "：" + quotedInput(path),
                       "unusable cross-section table: " + quotedInput(path)},
                      "xs_file");

    // Wavelengths inside the shared range may still lie outside this table.
    const Inputs all = withDefaults(m_description, inputs);
    for (const char *key : {"pump_nm", "signal_nm", "ase_start_nm", "ase_end_nm"}) {
        const FieldDescription &f = *m_description.field(key);
        const bool needed = design.aseBins > 0 || f.key.rfind("ase", 0) != 0;
        if (needed && !spectrum.covers(readNumber(all.at(key))))
            return refuse({"“" + f.caption.zh + "”超出截面数据的波长范围（" +
                               formatNumber(spectrum.shortestNm(), 'g', 6) + "–" +
                               formatNumber(spectrum.longestNm(), 'g', 6) + " nm）",
                           f.caption.en + " lies outside the cross-section table (" +
                               formatNumber(spectrum.shortestNm(), 'g', 6) + "–" +
                               formatNumber(spectrum.longestNm(), 'g', 6) + " nm)"},
                          key);
    }

    yb::AmplifierProblem problem;
    yb::ChannelMap map;
    const std::string designProblem = yb::buildAmplifierProblem(design, spectrum, problem, map);
    if (!designProblem.empty())
        return refuse(
            {designProblem, "input outside what the model or table covers (" +
                                formatNumber(spectrum.shortestNm(), 'g', 6) + "–" +
                                formatNumber(spectrum.longestNm(), 'g', 6) + " nm table)"},
            blamedInput(m_description, inputs,
                        {"na", "a_um", "b_um", "pump_nm", "signal_nm", "ase_bins"}));

    yb::SolverSettings settings;
    settings.progress = progress;
    const yb::AmplifierSolution solution = yb::solveAmplifier(problem, settings);
    switch (solution.status) {
    case yb::SolveStatus::Converged: break;
    case yb::SolveStatus::Cancelled: return refuse({"计算已取消", "calculation cancelled"});
    case yb::SolveStatus::NotConverged: {
        Result failed =
            refuse({solution.message + "（迭代" + std::to_string(solution.iterations) + "次，网格" +
                        std::to_string(solution.steps) + "个区间，最后相对变化" +
                        formatPrintf("%.2e", solution.lastChange) + "）；不显示结果",
                    "no result: " + solution.messageEn + " (" +
                        std::to_string(solution.iterations) + " iterations, " +
                        std::to_string(solution.steps) + " grid intervals, last relative change " +
                        formatPrintf("%.2e", solution.lastChange) + ")"});
        failed.solverFailure = true;
        return failed;
    }
    case yb::SolveStatus::Invalid: return refuse({solution.message, "invalid model input"});
    }
    Result r;
    writeOutputs(r, design, map, solution);
    return r;
}

} // namespace velmora::calc
