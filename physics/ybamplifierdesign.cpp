#include "ybamplifierdesign.h"

#include "fiberoverlap.h"

#include <cmath>

namespace yb {

namespace {

constexpr double kDbPerNeper = 10 / 2.302585092994046; // 10 / ln 10

double dbm(double watts)
{
    return 10 * std::log10(watts / 1e-3);
}

} // namespace

std::string buildAmplifierProblem(const AmplifierDesign &d, const CrossSectionSpectrum &xs,
                                  AmplifierProblem &problem, ChannelMap &map)
{
    problem = AmplifierProblem();
    map = ChannelMap();
    if (xs.empty())
        return "没有可用的吸收/发射截面数据";
    if (d.dopedRadius > d.claddingRadius && d.claddingPumped)
        return "掺杂半径不能大于内包层半径";
    if (d.aseBins < 0 || d.aseBins > 1000)
        return "ASE分段数必须在0到1000之间";
    if (d.aseBins > 0 && !(d.aseEnd > d.aseStart))
        return "ASE波段的终止波长必须大于起始波长";
    auto lacks = [&](double wavelength) { return !xs.covers(wavelength * 1e9); };
    if (lacks(d.pumpWavelength))
        return "泵浦波长超出截面数据的波长范围";
    if (lacks(d.signalWavelength))
        return "信号波长超出截面数据的波长范围";
    if (d.aseBins > 0 && (lacks(d.aseStart) || lacks(d.aseEnd)))
        return "ASE波段超出截面数据的波长范围";

    problem.length = d.length;
    problem.dopedArea = M_PI * d.dopedRadius * d.dopedRadius;
    problem.ionDensity = d.ionDensity;
    problem.lifetime = d.lifetime;
    problem.fluorescencePhotonEnergy = kPlanck * xs.meanFluorescenceFrequency();
    const double alpha = d.lossDbPerM / kDbPerNeper;

    auto add = [&](ChannelRole role, double wavelength, int direction, double power, double overlap,
                   double bandwidth) {
        const CrossSections s = xs.at(wavelength * 1e9);
        Channel c;
        c.role = role;
        c.wavelength = wavelength;
        c.direction = direction;
        c.inputPower = power;
        c.overlap = overlap;
        c.sigmaA = s.absorption;
        c.sigmaE = s.emission;
        c.loss = alpha;
        c.bandwidth = bandwidth;
        problem.channels.push_back(c);
        return static_cast<int>(problem.channels.size()) - 1;
    };
    auto coreOverlap = [&](double wavelength) {
        return coreModeOverlap(d.coreRadius, d.dopedRadius, d.numericalAperture, wavelength);
    };

    const double pumpOverlap = d.claddingPumped
                                   ? claddingPumpOverlap(d.dopedRadius, d.claddingRadius)
                                   : coreOverlap(d.pumpWavelength);
    if (d.pumpForward > 0)
        map.pumpForward =
            add(ChannelRole::Pump, d.pumpWavelength, +1, d.pumpForward, pumpOverlap, 0);
    if (d.pumpBackward > 0)
        map.pumpBackward =
            add(ChannelRole::Pump, d.pumpWavelength, -1, d.pumpBackward, pumpOverlap, 0);

    const double signalOverlap = coreOverlap(d.signalWavelength);
    if (d.laser) {
        map.signal = add(ChannelRole::Laser, d.signalWavelength, +1, 0, signalOverlap, 0);
        map.laserBackward = add(ChannelRole::Laser, d.signalWavelength, -1, 0, signalOverlap, 0);
        problem.laserForward = map.signal;
        problem.laserBackward = map.laserBackward;
        problem.r1 = d.r1;
        problem.r2 = d.r2;
    } else {
        map.signal =
            add(ChannelRole::Signal, d.signalWavelength, +1, d.signalPower, signalOverlap, 0);
    }

    map.aseBins = d.aseBins;
    if (d.aseBins > 0) {
        const double width = (d.aseEnd - d.aseStart) / d.aseBins;
        for (int i = 0; i < d.aseBins; ++i)
            map.aseWavelengths.push_back(d.aseStart + (i + 0.5) * width);
        for (int direction : {+1, -1}) {
            int first = -1;
            for (double wavelength : map.aseWavelengths) {
                const double dnu = kLightSpeed * width / (wavelength * wavelength);
                const int k =
                    add(ChannelRole::Ase, wavelength, direction, 0, coreOverlap(wavelength), dnu);
                if (first < 0)
                    first = k;
            }
            (direction > 0 ? map.aseForward : map.aseBackward) = first;
        }
    }
    for (const Channel &c : problem.channels)
        if (!std::isfinite(c.overlap) || c.overlap <= 0)
            return "重叠因子无效：请检查纤芯半径、数值孔径和掺杂半径";
    return std::string();
}

AmplifierDesign corePumpedReference()
{
    return AmplifierDesign();
}

AmplifierDesign doubleCladReference()
{
    AmplifierDesign d;
    d.coreRadius = 5e-6;
    d.dopedRadius = 5e-6;
    d.claddingRadius = 50e-6;
    d.numericalAperture = 0.12;
    d.length = 3;
    d.ionDensity = 3e25;
    d.pumpWavelength = 914e-9;
    d.pumpForward = 0;
    d.pumpBackward = 47.2;
    d.claddingPumped = true;
    d.signalWavelength = 1030e-9;
    d.signalPower = 0.4;
    d.aseStart = 1000e-9;
    d.aseEnd = 1100e-9;
    d.aseBins = 80;
    return d;
}

namespace {

// Largest value of a profile and where it is (first node on a tie).
void peakOf(const std::vector<double> &z, const std::vector<double> &f, double &peak,
            double &position)
{
    for (std::size_t j = 0; j < f.size(); ++j)
        if (j == 0 || f[j] > peak) {
            peak = f[j];
            position = z[j];
        }
}

} // namespace

AmplifierSummary summarize(const AmplifierDesign &d, const ChannelMap &map,
                           const AmplifierSolution &s)
{
    AmplifierSummary r;
    if (s.outputPower.empty())
        return r;
    const std::vector<double> &out = s.outputPower;
    r.signalOutput = out[map.signal];
    if (map.laserBackward < 0)
        r.signalGainDb = 10 * std::log10(r.signalOutput / d.signalPower);
    r.pumpLaunched = d.pumpForward + d.pumpBackward;
    if (map.pumpForward >= 0)
        r.pumpLeft += out[map.pumpForward];
    if (map.pumpBackward >= 0)
        r.pumpLeft += out[map.pumpBackward];
    r.pumpAbsorptionDb = 10 * std::log10(r.pumpLaunched / r.pumpLeft);
    for (int i = 0; i < map.aseBins; ++i) {
        const double f = out[map.aseForward + i], b = out[map.aseBackward + i];
        r.aseForward += f;
        r.aseBackward += b;
        r.aseForwardDbm.push_back(dbm(f));
        r.aseBackwardDbm.push_back(dbm(b));
    }
    const double signalIn = map.laserBackward < 0 ? d.signalPower : 0;
    r.efficiency = (r.signalOutput - signalIn) / r.pumpLaunched;
    peakOf(s.z, s.heat, r.heatPeak, r.heatPeakPosition);
    peakOf(s.z, s.quantumDefectHeat, r.quantumDefectPeak, r.quantumDefectPeakPosition);
    peakOf(s.z, s.fluorescenceLoss, r.fluorescencePeak, r.fluorescencePeakPosition);
    return r;
}

} // namespace yb
