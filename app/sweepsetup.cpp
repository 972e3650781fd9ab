#include "sweepsetup.h"

#include "catalogue.h"

#include <QSettings>
#include <QStringList>

using namespace velmora::calc;

namespace {

// A preset is offered only when its calculator has every key it names, so a
// renamed input hides the preset instead of running a broken sweep.
bool presetFits(const SweepSetup &s)
{
    const Calculator *calculator = catalogue().find(s.calculatorId);
    if (!calculator)
        return false;
    const CalculatorDescription &description = calculator->description();
    for (const std::string &key : {s.sweptKey, s.output1, s.output2, s.groupKey})
        if (!key.empty() && !description.field(key))
            return false;
    return true;
}

SweepSetup preset(std::string id, std::string swept, double start, double stop, int count, bool log,
                  std::string out1, std::string out2 = {})
{
    SweepSetup s;
    s.calculatorId = std::move(id);
    s.sweptKey = std::move(swept);
    s.start = start;
    s.stop = stop;
    s.count = count;
    s.logarithmic = log;
    s.output1 = std::move(out1);
    s.output2 = std::move(out2);
    return s;
}

} // namespace

std::vector<SweepPreset> availableSweepPresets()
{
    std::vector<SweepPreset> all;
    all.push_back({"模式不稳定阈值 vs 纤芯半径", "MI threshold vs core radius",
                   preset("tmi.threshold", "a_um", 5, 30, 26, false, "p_th_w")});
    all.push_back({"SRS 阈值 vs 光纤长度", "SRS threshold vs fiber length",
                   preset("nonlinear.srs", "length_m", 0.5, 100, 41, true, "p_th_delivery_w")});
    all.push_back({"SBS 阈值 vs 光纤长度", "SBS threshold vs fiber length",
                   preset("nonlinear.sbs", "length_m", 0.5, 100, 41, true, "p_th_w")});
    all.push_back({"传导模数目 vs 波长", "Number of guided modes vs wavelength",
                   preset("modes.solve", "lambda_nm", 600, 2000, 71, false, "mode_count")});
    SweepSetup bend = preset("modes.bend_loss", "bend_radius_m", 0.02, 0.5, 40, true, "alpha");
    bend.groupKey = "mode";
    bend.groupCount = 7;
    all.push_back({"各模式弯曲损耗 vs 弯曲半径", "Bend loss of every mode vs bend radius", bend});
    SweepSetup gain = preset("laser.yb_gain", "inversion", 0, 1, 51, false, "gain_db");
    gain.sampleAt = 1064;
    all.push_back(
        {"信号波长处的增益 vs 反转粒子数", "Yb gain at the signal wavelength vs inversion", gain});
    all.push_back(
        {"最大输出功率 vs 纤芯直径", "Maximum output power vs core diameter",
         preset("limits.design", "core_diameter_um", 10, 150, 29, false, "p_max_w", "p_srs_w")});

    all.push_back(
        {"放大器输出与ASE vs 光纤长度", "Amplifier output and ASE vs fiber length",
         preset("amp.steady_state", "length_m", 0.5, 5, 10, false, "signal_out_w", "ase_fwd_w")});

    std::vector<SweepPreset> fitting;
    for (SweepPreset &p : all)
        if (presetFits(p.setup))
            fitting.push_back(std::move(p));
    return fitting;
}

namespace {
const char *const kGroup = "sweepWindow";
}

SweepSetup loadLastSweepSetup()
{
    QSettings settings;
    settings.beginGroup(QString::fromLatin1(kGroup));
    SweepSetup s;
    s.calculatorId = settings.value("calculator").toString().toStdString();
    s.sweptKey = settings.value("swept").toString().toStdString();
    s.start = settings.value("start", 0.0).toDouble();
    s.stop = settings.value("stop", 0.0).toDouble();
    s.count = settings.value("count", 21).toInt();
    s.logarithmic = settings.value("log", false).toBool();
    s.output1 = settings.value("output1").toString().toStdString();
    s.output2 = settings.value("output2").toString().toStdString();
    s.groupKey = settings.value("group").toString().toStdString();
    s.groupCount = settings.value("groupCount", 0).toInt();
    s.sampleAt = settings.value("sampleAt", 0.0).toDouble();
    const QStringList fixed = settings.value("fixed").toStringList();
    for (int i = 0; i + 1 < fixed.size(); i += 2)
        s.fixed.emplace_back(fixed[i].toStdString(), fixed[i + 1].toStdString());
    settings.endGroup();
    return s;
}

void saveLastSweepSetup(const SweepSetup &s)
{
    QSettings settings;
    settings.beginGroup(QString::fromLatin1(kGroup));
    settings.setValue("calculator", QString::fromStdString(s.calculatorId));
    settings.setValue("swept", QString::fromStdString(s.sweptKey));
    settings.setValue("start", s.start);
    settings.setValue("stop", s.stop);
    settings.setValue("count", s.count);
    settings.setValue("log", s.logarithmic);
    settings.setValue("output1", QString::fromStdString(s.output1));
    settings.setValue("output2", QString::fromStdString(s.output2));
    settings.setValue("group", QString::fromStdString(s.groupKey));
    settings.setValue("groupCount", s.groupCount);
    settings.setValue("sampleAt", s.sampleAt);
    QStringList fixed;
    for (const Assignment &a : s.fixed)
        fixed << QString::fromStdString(a.first) << QString::fromStdString(a.second);
    settings.setValue("fixed", fixed);
    settings.endGroup();
}
