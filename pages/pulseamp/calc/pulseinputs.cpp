#include "pulseinputs.h"

#include "catalogue.h"
#include "pulsefields.h"
#include "rangecheck.h"
#include "textformat.h"

#include <QString>
#include <QStringList>

#include <cmath>

namespace velmora::calc {

namespace {

// Share of the energy allowed in the outer 2.5 % at each end of the time or
// frequency window: more means the periodic grid wraps the pulse around.
constexpr double kEdgeShareLimit = 1e-4;

std::string quoted(const FieldDescription &f)
{
    return "“" + f.caption.zh + "”";
}

Notice notice(const FieldDescription &f, const std::string &zh, const std::string &en)
{
    return {{zh, f.caption.en + ": " + en}, f.key};
}

bool parseBetas(const std::string &text, std::vector<double> &betas)
{
    betas.clear();
    const QStringList parts = QString::fromStdString(text).split(',');
    if (text.empty())
        return true;
    for (const QString &part : parts) {
        double v = 0;
        if (!parseNumber(part.trimmed().toStdString(), &v) || !std::isfinite(v) ||
            std::abs(v) > 1e3)
            return false;
        betas.push_back(v);
    }
    return betas.size() <= 20;
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

Result refusal(Text text, std::string key)
{
    Result r;
    r.refused = true;
    r.notices.push_back({std::move(text), std::move(key)});
    return r;
}

std::optional<Notice> readInputs(const CalculatorDescription &description, const Inputs &inputs,
                                 ReadInputs &read)
{
    const Inputs all = withDefaults(description, inputs);
    for (const FieldDescription &f : description.fields) {
        if (f.role != FieldRole::Input)
            continue;
        const std::string t = QString::fromStdString(all.at(f.key)).trimmed().toStdString();
        read.text[f.key] = t;
        if (f.kind == ValueKind::Choice) {
            if (f.choices.empty())
                continue; // free text
            bool known = false;
            std::string list;
            for (const std::string &c : f.choices) {
                known = known || c == t;
                list += (list.empty() ? "" : ", ") + c;
            }
            if (!known)
                return notice(f, quoted(f) + "只能是：" + list, "one of " + list);
            continue;
        }
        if (t.empty()) {
            if (!f.required)
                continue;
            return Notice{{"请确保输入参数不为空", "make sure no input is empty"}, f.key};
        }
        if (!textInRange(f, t))
            return outOfRangeNotice(f);
        double v = 0;
        if (!parseNumber(t, &v) || !std::isfinite(v))
            return notice(f, quoted(f) + "不是有效的数字", "not a number");
        read.value[f.key] = v * f.toSI;
    }
    return std::nullopt;
}

std::optional<Notice> makePulseSetup(const CalculatorDescription &description,
                                     const ReadInputs &read, PulseSetup &s)
{
    const auto field = [&description](const char *key) { return *description.field(key); };
    const auto value = [&read](const char *key) {
        const auto it = read.value.find(key);
        return it == read.value.end() ? 0.0 : it->second;
    };
    const auto text = [&read](const char *key) { return read.text.at(key); };

    const double points = value("points");
    if (points != std::floor(points) || static_cast<long>(points) % 2 != 0)
        return notice(field("points"), "“采样点数”必须是偶数", "must be an even whole number");
    const double lambdaNm = value("lambda_nm") * 1e9;
    const double windowPs = value("window_ps") * 1e12;
    const std::string gridProblem =
        gnlse::makeGrid(static_cast<int>(points), windowPs, lambdaNm, s.grid);
    if (!gridProblem.empty())
        return notice(field("points"), gridProblem,
                      "the grid cannot be used (the frequency window must stay above zero)");

    const std::string shape = text("shape");
    s.pulse.shape = shape == kShapeGaussian        ? gnlse::PulseShape::Gaussian
                    : shape == kShapeSuperGaussian ? gnlse::PulseShape::SuperGaussian
                                                   : gnlse::PulseShape::Sech;
    const double order = value("sg_order");
    if (order != std::floor(order))
        return notice(field("sg_order"), "“超高斯阶数”必须是整数", "must be a whole number");
    s.pulse.order = static_cast<int>(order);
    s.pulse.chirp = value("chirp");
    s.pulse.peakPowerW = value("p_peak_w");
    if (!(s.pulse.peakPowerW > 0))
        return notice(field("p_peak_w"), "“峰值功率”必须大于零", "must be positive");
    if (read.value.count("fwhm_fs"))
        s.pulse.t0Ps = gnlse::t0FromFwhm(s.pulse, value("fwhm_fs") * 1e12);
    else
        s.pulse.t0Ps = value("t0_fs") * 1e12;
    if (!(s.pulse.t0Ps > 4 * s.grid.dtPs))
        return notice(field(read.value.count("fwhm_fs") ? "fwhm_fs" : "t0_fs"),
                      "脉宽不足4个采样间隔：请增加“采样点数”或减小“时间窗口”",
                      "shorter than four grid steps");
    s.input = gnlse::makePulse(s.grid, s.pulse);

    s.fiber.lengthM = value("length_m");
    s.fiber.lossDbPerM = value("loss_db_m");
    s.fiber.gamma = value("gamma_w_m");
    if (!parseBetas(text("betas"), s.fiber.betas))
        return notice(
            field("betas"),
            "“色散系数”须为以逗号分隔的数（β2,β3,…，单位psⁿ/m，至多20项，绝对值不超过1000）",
            "a comma-separated list of at most 20 numbers (β2, β3, … in psⁿ/m)");
    const std::string raman = text("raman");
    s.fiber.raman = raman == kRamanBlowWood             ? gnlse::RamanModel::BlowWood
                    : raman == kRamanLinAgrawal         ? gnlse::RamanModel::LinAgrawal
                    : raman == kRamanHollenbeckCantrell ? gnlse::RamanModel::HollenbeckCantrell
                                                        : gnlse::RamanModel::None;
    s.fiber.selfSteepening = text("shock") == "1";
    s.settings.tolerance = value("tol");

    // The launched pulse must fit the window.
    std::vector<double> power(s.input.size());
    for (std::size_t j = 0; j < power.size(); ++j)
        power[j] = std::norm(s.input[j]);
    double total = 0, edge = 0;
    const std::size_t rim = std::max<std::size_t>(1, power.size() / 40);
    for (std::size_t j = 0; j < power.size(); ++j) {
        total += power[j];
        if (j < rim || j >= power.size() - rim)
            edge += power[j];
    }
    if (edge > kEdgeShareLimit * total)
        return notice(field("window_ps"), "“时间窗口”太窄：输入脉冲的能量到达窗口边缘",
                      "too narrow for the launched pulse");
    return std::nullopt;
}

Result propagatePulse(PulseSetup &s, gnlse::Result &run)
{
    run = gnlse::propagate(s.grid, s.fiber, s.input, s.settings);
    return describePropagation(s, run);
}

Result describePropagation(const PulseSetup &s, const gnlse::Result &run)
{
    switch (run.status) {
    case gnlse::Status::Done: break;
    case gnlse::Status::Cancelled: return refusal({"计算已取消", "calculation cancelled"});
    case gnlse::Status::Invalid: return refusal({run.message, "invalid input"});
    case gnlse::Status::Failed:
        return refusal({run.message, "the integration did not reach the fiber end"}, "tol");
    }
    if (run.timeEdgeShare > kEdgeShareLimit)
        return refusal({"输出脉冲的能量到达时间窗口边缘（占" +
                            formatPrintf("%.1e", run.timeEdgeShare) + "）：请加大“时间窗口”",
                        "the output pulse reaches the edge of the time window: widen it"},
                       "window_ps");
    if (run.spectrumEdgeShare > kEdgeShareLimit)
        return refusal({"输出光谱的能量到达频率窗口边缘（占" +
                            formatPrintf("%.1e", run.spectrumEdgeShare) + "）：请增加“采样点数”",
                        "the output spectrum reaches the edge of the frequency window: use more "
                        "points"},
                       "points");

    const gnlse::Grid &g = s.grid;
    Result r;
    const double eIn = gnlse::energyPj(g, s.input) * 1e-12;
    const double eOut = gnlse::energyPj(g, run.field) * 1e-12;
    put(r, "energy_in_j", eIn, g6(eIn), "J");
    put(r, "energy_out_j", eOut, g6(eOut), "J");
    const double nIn = gnlse::photonNumber(g, s.input);
    const double nOut = gnlse::photonNumber(g, run.field);
    put(r, "photon_number_in", nIn, formatNumber(nIn, 'g', 10), "");
    put(r, "photon_number_out", nOut, formatNumber(nOut, 'g', 10), "");
    const double peak = gnlse::peakPowerW(run.field);
    put(r, "p_peak_out_w", peak, g6(peak), "W");
    const double fwhm = gnlse::durationFwhmPs(g, run.field);
    put(r, "fwhm_out_ps", fwhm, g6(fwhm), "ps");
    const double width = gnlse::spectralFwhmNm(g, run.field);
    put(r, "spectral_fwhm_out_nm", width, g6(width), "nm");
    put(r, "b_integral_rad", run.bIntegralRad, g6(run.bIntegralRad), "rad");
    put(r, "steps", static_cast<double>(run.acceptedSteps), g6(run.acceptedSteps), "");

    putCurve(r, "t_ps", g.timePs, "ps");
    std::vector<double> pin(s.input.size()), pout(s.input.size());
    for (std::size_t j = 0; j < pin.size(); ++j) {
        pin[j] = std::norm(s.input[j]);
        pout[j] = std::norm(run.field[j]);
    }
    putCurve(r, "intensity_in_w", std::move(pin), "W");
    putCurve(r, "intensity_w", std::move(pout), "W");
    const gnlse::WavelengthSpectrum in = gnlse::wavelengthSpectrum(g, s.input);
    const gnlse::WavelengthSpectrum out = gnlse::wavelengthSpectrum(g, run.field);
    putCurve(r, "lambda_nm", out.wavelengthNm, "nm");
    putCurve(r, "spectrum_in_db_pj_nm", gnlse::decibels(in.pjPerNm), "dB(pJ/nm)");
    putCurve(r, "spectrum_db_pj_nm", gnlse::decibels(out.pjPerNm), "dB(pJ/nm)");
    return r;
}

} // namespace velmora::calc
