#include "pulsecalc.h"

#include "fielddescriptions.h"
#include "inputreader.h"
#include "laserformulas.h"
#include "rangecheck.h"
#include "textformat.h"

#include <cmath>
#include <memory>

namespace velmora::calc {

namespace {

// Four decimals of a joule hide a nanojoule pulse ("0.0000"): below 0.1 J,
// where four decimals carry fewer than four significant digits, the energy is
// written with four significant digits instead (2e-4 J still reads "0.0002").
std::string energyText(double energy)
{
    constexpr double kFixedFrom = 0.1; // J
    if (energy == 0.0 || !(std::fabs(energy) < kFixedFrom))
        return formatNumber(energy, 'f', 4);
    return formatNumber(energy, 'g', 4);
}

CalculatorDescription makeDescription()
{
    CalculatorDescription s;
    s.id = "pulse.gaussian";
    s.title = {"高斯脉冲", "Gaussian pulse"};
    s.page = "LaserPluse";
    s.tab = 0;
    s.fields = {
        // A zero width (an empty field reads as 0) divides as on the page:
        // the peak power shows inf.
        zeroPasses(numberInput("tau_s", "m_TaolineEdit", {"脉冲宽度τ", "pulse width τ"}, "s", 1.0,
                               "1e-7", inputranges::kDuration)),
        numberInput("f_hz", "m_FlineEdit", {"脉冲重复频率f", "repetition frequency f"}, "Hz", 1.0,
                    "1e5", inputranges::kFrequency),
        numberInput("p_ave_w", "m_P_avelineEdit", {"脉冲平均功率P_ave", "average power P_ave"}, "W",
                    1.0, "20", inputranges::kPower),
        numberOutput("energy_j", "m_ElineEdit", {"脉冲能量E", "pulse energy E"}, "J", 1.0, "f4"),
        numberOutput("p_peak_w", "m_P_peaklineEdit", {"峰值功率P_peak", "peak power P_peak"}, "W",
                     1.0, "g4"),
    };
    // The tab's rows in an exported sheet, as it has always written them.
    s.sheet = {{"输入项"},
               {"脉冲宽度τ[s]", "tau_s"},
               {"脉冲重复频率f[Hz]", "f_hz"},
               {"脉冲平均功率Pave[W]", "p_ave_w"},
               {"输出项"},
               {"脉冲能量E[J]", "energy_j"},
               {"峰值功率Ppeak[W]", "p_peak_w"}};
    return s;
}

} // namespace

const CalculatorDescription &PulseCalculator::description() const
{
    static const CalculatorDescription s = makeDescription();
    return s;
}

Result PulseCalculator::evaluate(const Inputs &inputs) const
{
    Result refused;
    if (refuseOutOfRange(description(), inputs, refused))
        return refused;
    const InputReader in(description(), inputs);
    const double energy = laser::pulseEnergy(in.number("p_ave_w"), in.number("f_hz"));
    // From the full energy, not from its display.
    const double peak = laser::peakPower(energy, in.number("tau_s"));

    ResultBuilder out(description());
    out.number("energy_j", energy, energyText(energy));
    out.number("p_peak_w", peak, formatNumber(peak, 'g', 4));
    return out.take();
}

void registerLaserPluseCalculators(Catalogue &catalogue)
{
    catalogue.add(std::make_unique<PulseCalculator>());
}

} // namespace velmora::calc
