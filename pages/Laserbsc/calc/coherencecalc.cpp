#include "coherencecalc.h"

#include "fielddescriptions.h"
#include "inputreader.h"
#include "laserformulas.h"
#include "rangecheck.h"
#include "textformat.h"

#include <memory>

namespace velmora::calc {

namespace {

constexpr double kNm = 1e-9;

CalculatorDescription makeDescription()
{
    CalculatorDescription s;
    s.id = "cw.coherence";
    s.title = {"频率与相干性", "Frequency and coherence"};
    s.page = "Laserbsc";
    s.tab = 0;
    s.fields = {
        numberInput("lambda_nm", "m_LasLamlineEdit", {"激光波长λ", "laser wavelength λ"}, "nm", kNm,
                    "1064", inputranges::kWavelength),
        numberInput("delta_nu_hz", "m_delta_niulineEdit", {"频谱宽度Δν", "spectral width Δν"}, "Hz",
                    1.0, "5e9", inputranges::kFrequency, FieldRole::Linked),
        numberInput("delta_lambda_nm", "m_delta_lambdalineEdit",
                    {"波长间隔Δλ", "spectral width Δλ"}, "nm", kNm, "0.0189",
                    inputranges::kWavelengthWidth, FieldRole::Linked),
        numberOutput("nu_hz", "m_niulineEdit", {"激光频率ν", "laser frequency ν"}, "Hz", 1.0, "g4"),
        numberOutput("tau_c_s", "m_tao_clineEdit", {"相干时间τ_c", "coherence time τ_c"}, "s", 1.0,
                     "g4"),
        numberOutput("l_c_m", "m_L_clineEdit", {"相干长度L_C", "coherence length L_C"}, "m", 1.0,
                     "g4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"激光波长λ[nm]", "lambda_nm"},
               {"", "delta_nu_hz"},
               {"输出项"},
               {"激光频率ν[Hz]", "nu_hz"},
               {"相干时间τc[s]", "tau_c_s"},
               {"波长间隔Δλ[nm]", "delta_lambda_nm"},
               {"相干长度LC[m]", "l_c_m"}};
    return s;
}

} // namespace

const CalculatorDescription &CoherenceCalculator::description() const
{
    static const CalculatorDescription s = makeDescription();
    return s;
}

Result CoherenceCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double lambda = in.number("lambda_nm") * kNm;
    // Always from Δν: the Δλ field is only a way of entering it.
    const double linewidth = in.number("delta_nu_hz");

    const double frequency = laser::opticalFrequency(lambda);
    const double tau = laser::coherenceTime(linewidth);
    const double length = laser::coherenceLength(tau);

    ResultBuilder out(description());
    out.number("nu_hz", frequency, formatNumber(frequency, 'g', 4));
    out.number("tau_c_s", tau, formatNumber(tau, 'g', 4));
    out.number("l_c_m", length, formatNumber(length, 'g', 4));
    return out.take();
}

// Δλ edited: Δν follows to two significant digits; Δν edited: Δλ follows
// with four decimals of a nanometre. Neither checks for an empty field.
Inputs CoherenceCalculator::linkEdited(const Inputs &inputs, const std::string &key) const
{
    Inputs linked = withDefaults(description(), inputs);
    const double lambda = readNumber(linked["lambda_nm"]) * kNm;
    if (key == "delta_lambda_nm")
        linked["delta_nu_hz"] =
            formatPrintf("%.2g", laser::linewidthHzFromNm(readNumber(linked[key]), lambda));
    else if (key == "delta_nu_hz")
        linked["delta_lambda_nm"] =
            formatPrintf("%.4f", laser::linewidthNmFromHz(readNumber(linked[key]), lambda));
    return linked;
}

void registerLaserbscCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<CoherenceCalculator>());
}

} // namespace velmora::calc
