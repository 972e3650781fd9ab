// laser.yb_gain — the "小信号增益" tab: the small-signal gain spectrum of an
// Yb-doped fiber, G(λ) = 4.343·N·Γ·L·(n·σ_e − (1 − n)·σ_a) in dB and
// g = 10^(G/10), for every line of the cross-section table (physics/ybgain.h).

#include "fielddescriptions.h"
#include "inputreader.h"
#include "lasertraitcalc.h"
#include "rangedinput.h"
#include "runtimefile.h"
#include "ybgain.h"

#include <QDir>
#include <QFile>

namespace velmora::calc {

namespace {

FieldDescription curveOutput(std::string key, Text caption, std::string unit)
{
    FieldDescription f =
        numberOutput(std::move(key), "", std::move(caption), std::move(unit), 1.0, "g6");
    f.kind = ValueKind::Curve;
    // A table's header or empty line is a zero sample whose gain is 0/0: a
    // gap in the spectrum (the plot skips it), not a result.
    f.gapsAllowed = true;
    return f;
}

CalculatorDescription ybGainDescription()
{
    CalculatorDescription s;
    s.id = "laser.yb_gain";
    s.title = {"小信号增益", "Small-signal gain"};
    s.page = "LaserTrait";
    s.tab = 3;
    s.fields = {
        rangedInput("n_m3", "m_NlineEdit", {"掺杂浓度N", "Yb concentration N"}, "m⁻³", 1.0,
                    "4.3e25", inputranges::kConcentration),
        rangedInput("length_m", "m_LlineEdit", {"光纤长度L", "fiber length L"}, "m", 1.0, "6",
                    inputranges::kLength),
        rangedInput("overlap", "m_GammalineEdit", {"重叠因子γ", "overlap factor Γ"}, "", 1.0, "0.8",
                    inputranges::kFraction),
        rangedInput("inversion", "m_nlineEdit", {"上能级反转粒子数n", "upper-level fraction n"}, "",
                    1.0, "0.1", inputranges::kFraction),
        // The plot (GcustomPlot) shows one of the two gain curves against
        // the wavelengths; the gain table export writes all three.
        curveOutput("wavelength_nm", {"波长λ", "wavelength λ"}, "nm"),
        curveOutput("gain_db", {"小信号增益系数G", "small-signal gain G"}, "dB"),
        curveOutput("gain_linear", {"小信号增益系数g", "small-signal gain g (linear)"}, ""),
    };
    holdingFiber(
        s, {{"n_m3", FiberQuantity::YbConcentration}, {"length_m", FiberQuantity::FiberLength}});
    return s;
}

} // namespace

const CalculatorDescription &YbGainCalculator::description() const
{
    static const CalculatorDescription s = ybGainDescription();
    return s;
}

QString YbGainCalculator::crossSectionFile()
{
    return findRuntimeFile(QStringLiteral("Data/YDF吸收发射参数.csv"));
}

Result YbGainCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    yb::FiberGainParameters fiber;
    fiber.dopantDensity = in.number("n_m3");
    fiber.length = in.number("length_m");
    fiber.overlap = in.number("overlap");
    fiber.upperFraction = in.number("inversion");

    // The name is passed in the file system's encoding (UTF-8 here), not
    // converted to a legacy code page. A table that failed to open or broke
    // off while reading yields no spectrum at all: nothing half-read is shown.
    const QString path = crossSectionFile();
    yb::CrossSectionTable table;
    if (!yb::readCrossSections(QFile::encodeName(path).toStdString(), table)) {
        const std::string shown = QDir::toNativeSeparators(path).toStdString();
        return refusal(
            {"无法读取截面数据文件：" + shown, "cannot read the cross-section file " + shown});
    }

    yb::GainSpectrum gain = yb::computeGainSpectrum(table, fiber);
    const std::size_t count = table.wavelengths.size();
    ResultBuilder out(description());
    out.array("wavelength_nm", std::move(table.wavelengths), {count});
    out.array("gain_db", std::move(gain.gainDb), {count});
    out.array("gain_linear", std::move(gain.linear), {count});
    return out.take();
}

} // namespace velmora::calc
