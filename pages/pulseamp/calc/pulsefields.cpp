#include "pulsefields.h"

#include "inputranges.h"
#include "rangecheck.h"

namespace velmora::calc {

const char *const kShapeSech = "sech";
const char *const kShapeGaussian = "gaussian";
const char *const kShapeSuperGaussian = "super_gaussian";
const char *const kRamanBlowWood = "blow_wood";
const char *const kRamanLinAgrawal = "lin_agrawal";
const char *const kRamanHollenbeckCantrell = "hollenbeck_cantrell";
const char *const kRamanNone = "none";

namespace {

FieldDescription number(const char *key, Text caption, const char *unit, double toSI,
                        const char *defaultText, double min, double max)
{
    FieldDescription f;
    f.key = key;
    f.objectName = std::string("m_") + key + "lineEdit";
    f.caption = std::move(caption);
    f.unit = unit;
    f.toSI = toSI;
    f.defaultText = defaultText;
    f.min = min;
    f.max = max;
    return f;
}

FieldDescription ranged(const char *key, Text caption, const char *unit, double toSI,
                        const char *defaultText, const inputranges::InputRange &range)
{
    return withRange(number(key, std::move(caption), unit, toSI, defaultText, 0, 0), range);
}

FieldDescription choice(const char *key, Text caption, std::vector<std::string> choices,
                        const char *defaultText)
{
    FieldDescription f;
    f.key = key;
    f.objectName = std::string("m_") + key + "comboBox";
    f.kind = ValueKind::Choice;
    f.caption = std::move(caption);
    f.defaultText = defaultText;
    f.choices = std::move(choices);
    return f;
}

// A check box: "1" ticked, "0" not.
FieldDescription checkBox(const char *key, Text caption)
{
    FieldDescription f = choice(key, std::move(caption), {"1", "0"}, "1");
    f.objectName = std::string("m_") + key + "checkBox";
    return f;
}

FieldDescription output(const char *key, Text caption, const char *unit, const char *format,
                        ValueKind kind = ValueKind::Number)
{
    FieldDescription f;
    f.key = key;
    if (kind == ValueKind::Number)
        f.objectName = std::string("m_") + key + "lineEdit";
    f.role = FieldRole::Output;
    f.kind = kind;
    f.caption = std::move(caption);
    f.unit = unit;
    f.format = format;
    f.required = false;
    return f;
}

} // namespace

std::vector<FieldDescription> pulseInputFields(const char *lambdaDefault, const char *t0Default,
                                               const char *peakDefault)
{
    namespace r = inputranges;
    FieldDescription fwhm = ranged("fwhm_fs", {"脉宽（半高全宽）", "pulse duration (FWHM)"}, "fs",
                                   1e-15, "", r::kDuration);
    fwhm.required = false; // empty: T0 is given instead
    return {
        ranged("lambda_nm", {"中心波长", "centre wavelength"}, "nm", 1e-9, lambdaDefault,
               r::kWavelength),
        choice("shape", {"脉冲形状", "pulse shape"},
               {kShapeSech, kShapeGaussian, kShapeSuperGaussian}, kShapeSech),
        ranged("t0_fs", {"脉宽参数T0", "duration parameter T0"}, "fs", 1e-15, t0Default,
               r::kDuration),
        fwhm,
        ranged("p_peak_w", {"峰值功率", "peak power"}, "W", 1, peakDefault, r::kPower),
        number("chirp", {"啁啾参数C", "chirp parameter C"}, "", 1, "0", -1e3, 1e3),
        number("sg_order", {"超高斯阶数", "super-Gaussian order"}, "", 1, "3", 1, 20),
    };
}

std::vector<FieldDescription> nonlinearFiberFields(const char *gammaDefault,
                                                   const char *betasDefault,
                                                   const char *ramanDefault)
{
    FieldDescription betas;
    betas.key = "betas";
    betas.objectName = "m_betaslineEdit";
    betas.kind = ValueKind::Choice; // free text: a comma-separated list
    betas.caption = {"色散系数β2,β3,…", "dispersion β2, β3, …"};
    betas.unit = "psⁿ/m";
    betas.defaultText = betasDefault;
    betas.required = false; // empty: no dispersion
    return {
        number("gamma_w_m", {"非线性系数γ", "nonlinear coefficient γ"}, "1/(W·m)", 1, gammaDefault,
               0, 1e4),
        betas,
        choice("raman", {"拉曼响应", "Raman response"},
               {kRamanBlowWood, kRamanLinAgrawal, kRamanHollenbeckCantrell, kRamanNone},
               ramanDefault),
        checkBox("shock", {"自陡峭", "self-steepening"}),
    };
}

std::vector<FieldDescription> numericsFields(const char *pointsDefault, const char *windowDefault,
                                             const char *tolDefault)
{
    return {
        number("points", {"采样点数", "grid points"}, "", 1, pointsDefault, 64, kMaxPulsePoints),
        number("window_ps", {"时间窗口", "time window"}, "ps", 1e-12, windowDefault, 1e-3, 1e6),
        number("tol", {"容差", "tolerance"}, "", 1, tolDefault, 1e-12, 1e-2),
    };
}

std::vector<FieldDescription> pulseOutputFields()
{
    const ValueKind curve = ValueKind::Curve;
    return {
        output("energy_in_j", {"输入脉冲能量", "input energy"}, "J", "g6"),
        output("energy_out_j", {"输出脉冲能量", "output energy"}, "J", "g6"),
        output("photon_number_in", {"输入光子数", "input photon number"}, "", "g10"),
        output("photon_number_out", {"输出光子数", "output photon number"}, "", "g10"),
        output("p_peak_out_w", {"输出峰值功率", "output peak power"}, "W", "g6"),
        output("fwhm_out_ps", {"输出脉宽（半高全宽）", "output duration (FWHM)"}, "ps", "g6"),
        output("spectral_fwhm_out_nm", {"输出谱宽（半高全宽）", "output spectral width (FWHM)"},
               "nm", "g6"),
        output("b_integral_rad", {"B积分", "B-integral"}, "rad", "g6"),
        output("steps", {"积分步数", "accepted steps"}, "", "g6"),
        output("t_ps", {"时间", "time"}, "ps", "", curve),
        output("intensity_in_w", {"输入功率", "input power"}, "W", "", curve),
        output("intensity_w", {"输出功率", "output power"}, "W", "", curve),
        output("lambda_nm", {"波长", "wavelength"}, "nm", "", curve),
        output("spectrum_in_db_pj_nm", {"输入光谱", "input spectrum"}, "dB(pJ/nm)", "", curve),
        output("spectrum_db_pj_nm", {"输出光谱", "output spectrum"}, "dB(pJ/nm)", "", curve),
    };
}

} // namespace velmora::calc
