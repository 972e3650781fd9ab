#include "amplifierinputs.h"

#include "amplifiercalculator.h"
#include "amplifierfields.h"
#include "catalogue.h"
#include "rangecheck.h"
#include "reflectivity.h"
#include "runtimefile.h"
#include "textformat.h"

#include <QString>

#include <cmath>
#include <map>

namespace velmora::calc {

const char *const kAmplifierEmptyInput = "请确保输入参数不为空";

namespace {

constexpr double kSilicaIndex = 1.45;

std::string quoted(const FieldDescription &f)
{
    return "“" + f.caption.zh + "”";
}

Notice notice(const FieldDescription &f, const std::string &zh, const std::string &en)
{
    return {{zh, f.caption.en + ": " + en}, f.key};
}

std::string shippedTablePath()
{
    return findRuntimeFile(QString::fromUtf8(AmplifierCalculator::kShippedTable)).toStdString();
}

std::string trimmed(const std::string &text)
{
    return QString::fromStdString(text).trimmed().toStdString();
}

} // namespace

double fiberEndFaceReflectivity(double coreRadius, double numericalAperture, double wavelength)
{
    const double n2 =
        std::sqrt(kSilicaIndex * kSilicaIndex - numericalAperture * numericalAperture);
    return ::endFaceReflectivity(coreRadius, wavelength, kSilicaIndex, n2,
                                 0.5 * (kSilicaIndex + n2), 0, 0.0)
        .R;
}

std::optional<Notice> readAmplifierInputs(const CalculatorDescription &description,
                                          const Inputs &inputs, yb::AmplifierDesign &d,
                                          std::string &tablePath)
{
    const Inputs all = withDefaults(description, inputs);
    std::map<std::string, double> value;
    std::map<std::string, std::string> text;
    for (const FieldDescription &f : description.fields) {
        if (f.role != FieldRole::Input)
            continue;
        const std::string t = trimmed(all.at(f.key));
        text[f.key] = t;
        if (f.kind == ValueKind::Choice) {
            if (f.choices.empty())
                continue; // free text (the table file)
            bool known = false;
            for (const std::string &c : f.choices)
                known = known || c == t;
            if (!known)
                return notice(f, quoted(f) + "只能是" + f.choices.front() + "或" + f.choices.back(),
                              "not one of the choices");
            continue;
        }
        if (t.empty())
            return Notice{{kAmplifierEmptyInput, "make sure no input is empty"}, f.key};
        // The shared range check first: a typed "1e309" (infinite) gets the
        // range notice, as on every tab; then text that is no number at all.
        if (!textInRange(f, t))
            return outOfRangeNotice(f);
        double v = 0;
        if (!parseNumber(t, &v) || !std::isfinite(v))
            return notice(f, quoted(f) + "不是有效的数字", "not a number");
        value[f.key] = v * f.toSI;
    }
    auto field = [&description](const char *key) { return *description.field(key); };

    if (value["ase_bins"] != std::floor(value["ase_bins"]))
        return notice(field("ase_bins"), "“ASE分段数”必须是整数", "must be a whole number");
    d.coreRadius = value["a_um"];
    d.dopedRadius = value["b_um"];
    d.claddingRadius = value["clad_um"];
    d.numericalAperture = value["na"];
    d.length = value["length_m"];
    d.ionDensity = value["nt_m3"];
    d.lossDbPerM = value["loss_db_m"];
    d.lifetime = value["tau_ms"];
    d.pumpWavelength = value["pump_nm"];
    d.pumpForward = value["pump_fwd_w"];
    d.pumpBackward = value["pump_bwd_w"];
    d.claddingPumped = text["pump_guide"] == kCladdingPumped;
    d.signalWavelength = value["signal_nm"];
    d.signalPower = value["signal_w"];
    d.aseStart = value["ase_start_nm"];
    d.aseEnd = value["ase_end_nm"];
    d.aseBins = static_cast<int>(value["ase_bins"]);
    d.laser = text["mode"] == kLaserMode;
    d.r1 = value["r1"];
    d.r2 = text["r2_source"] == kR2EndFace
               ? fiberEndFaceReflectivity(d.coreRadius, d.numericalAperture, d.signalWavelength)
               : value["r2"];

    // Zero is inside the shared ranges of these quantities but means no fiber
    // or no cavity here.
    if (!(d.numericalAperture > 0))
        return notice(field("na"), "“纤芯数值孔径”必须大于零", "must be positive");
    if (!(d.ionDensity > 0))
        return notice(field("nt_m3"), "“掺杂浓度”必须大于零", "must be positive");
    if (d.laser && !(d.r1 > 0))
        return notice(field("r1"), "激光器的“反射率R1”必须大于零", "must be positive");
    if (d.laser && !(d.r2 > 0))
        return notice(field("r2"), "激光器的“反射率R2”必须大于零", "must be positive");
    if (d.laser && d.r1 >= 1 && d.r2 >= 1 && !(d.lossDbPerM > 0))
        return notice(field("r2"),
                      "“反射率R1”和“反射率R2”都为1且背景损耗为零：封闭谐振腔没有稳态"
                      "（激光功率无处输出，无限增长）",
                      "R1 = R2 = 1 without background loss: a closed cavity has no steady "
                      "state (the laser power has nowhere to go)");
    if (d.claddingPumped && d.dopedRadius > d.claddingRadius)
        return notice(field("b_um"), "“掺杂半径”不能大于“内包层半径”",
                      "larger than the pump-cladding radius");
    if (!d.claddingPumped && d.dopedRadius > 10 * d.coreRadius)
        return notice(field("b_um"), "纤芯泵浦时“掺杂半径”不能超过纤芯半径的10倍",
                      "more than ten core radii with core pumping");
    if (d.aseBins > 0 && !(d.aseEnd > d.aseStart))
        return notice(field("ase_end_nm"), "“ASE终止波长”必须大于“ASE起始波长”",
                      "must exceed the band start");
    if (!(d.pumpForward + d.pumpBackward > 0))
        return notice(field("pump_fwd_w"), "前向和后向泵浦功率不能都为零", "no pump power");
    if (!d.laser && !(d.signalPower > 0))
        return notice(field("signal_w"), "放大器的“信号功率”必须大于零", "must be positive");
    const std::string file = text["xs_file"];
    tablePath = file.empty() ? shippedTablePath() : file;
    return std::nullopt;
}

} // namespace velmora::calc
