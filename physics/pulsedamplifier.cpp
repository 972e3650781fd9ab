#include "pulsedamplifier.h"

#include "fiberoverlap.h"
#include "pulsefield.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace gnlse {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEdgeEnergy = 1e-9; // spectral tails left out of the signal bins, each side
constexpr double kMaxExtractedShare = 0.1;
constexpr double kMinRepetitionsPerLifetime = 10;
// Passes end when the pulse's average output agrees with the steady-state
// signal output, or stops changing (relative); a settled disagreement
// beyond kMaxMismatch is refused.
constexpr double kPassTolerance = 1e-4;
constexpr double kMaxMismatch = 0.02;
constexpr int kMaxPasses = 12;

// A spectral bin of a field: its energy-weighted centre wavelength and its
// share of the field's energy.
struct Bin {
    double nm = 0;
    double share = 0;
};

// Bins of equal frequency width between the spectrum's tails (kEdgeEnergy
// of the energy left out on each side), empty bins dropped.
std::vector<Bin> binsOf(const Grid &grid, const std::vector<Complex> &field, int count)
{
    const std::vector<Complex> spectrum = toSpectrum(grid, field);
    const std::size_t n = spectrum.size();
    std::vector<std::size_t> order(n); // ascending absolute frequency
    std::vector<double> energy(n);
    double total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        order[i] = (i + n / 2) % n;
        energy[i] = std::norm(spectrum[order[i]]);
        total += energy[i];
    }
    std::size_t first = 0, last = n - 1;
    for (double tail = 0; first < n && tail + energy[first] < kEdgeEnergy * total; ++first)
        tail += energy[first];
    for (double tail = 0; last > first && tail + energy[last] < kEdgeEnergy * total; --last)
        tail += energy[last];
    const std::size_t width = last - first + 1;
    const std::size_t bins = std::min<std::size_t>(static_cast<std::size_t>(count), width);
    std::vector<Bin> out;
    for (std::size_t b = 0; b < bins; ++b) {
        double e = 0, weighted = 0;
        for (std::size_t i = first + b * width / bins; i < first + (b + 1) * width / bins; ++i) {
            e += energy[i];
            weighted += energy[i] * (grid.omega0 + grid.omega[order[i]]);
        }
        if (e > 0)
            out.push_back({2 * kPi * kLightSpeedNmPerPs / (weighted / e), e / total});
    }
    return out;
}

double wavelengthNm(const Grid &grid, std::size_t k)
{
    return 2 * kPi * kLightSpeedNmPerPs / (grid.omega0 + grid.omega[k]);
}

PulsedAmplifierResult refuse(std::string message, std::string field)
{
    PulsedAmplifierResult r;
    r.status = AmplifierStatus::Refused;
    r.message = std::move(message);
    r.field = std::move(field);
    return r;
}

// ∫_0^z n dz' over the solver's nodes, n linear between them.
class InversionIntegral
{
public:
    InversionIntegral(std::vector<double> z, std::vector<double> n)
        : m_z(std::move(z)), m_n(std::move(n))
    {
        m_cumulative.assign(m_z.size(), 0.0);
        for (std::size_t i = 1; i < m_z.size(); ++i)
            m_cumulative[i] =
                m_cumulative[i - 1] + 0.5 * (m_n[i] + m_n[i - 1]) * (m_z[i] - m_z[i - 1]);
    }
    double operator()(double z) const
    {
        if (z <= m_z.front())
            return 0;
        if (z >= m_z.back())
            return m_cumulative.back() + m_n.back() * (z - m_z.back());
        const std::size_t i =
            static_cast<std::size_t>(std::upper_bound(m_z.begin(), m_z.end(), z) - m_z.begin()) - 1;
        const double dz = z - m_z[i], h = m_z[i + 1] - m_z[i];
        const double slope = (m_n[i + 1] - m_n[i]) / h;
        return m_cumulative[i] + m_n[i] * dz + 0.5 * slope * dz * dz;
    }

private:
    std::vector<double> m_z, m_n, m_cumulative;
};

} // namespace

PulsedAmplifierResult amplifyPulse(const Grid &grid, const std::vector<Complex> &input,
                                   const PulsedAmplifierInput &amp,
                                   const yb::CrossSectionSpectrum &xs)
{
    const yb::AmplifierDesign &d = amp.design;
    if (!(amp.repetitionRateHz > 0) || !std::isfinite(amp.repetitionRateHz))
        return refuse("重复频率必须大于零", "rep_rate_hz");
    if (amp.repetitionRateHz * d.lifetime < kMinRepetitionsPerLifetime)
        return refuse(
            "重复频率太低：两脉冲之间反转粒子数会明显恢复（要求重复频率×上能级寿命≥10），"
            "超出平均功率模型的适用范围",
            "rep_rate_hz");
    if (amp.signalBins < 1 || amp.signalBins > 1000)
        return refuse("信号分段数必须在1到1000之间", "");
    if (input.size() != grid.timePs.size())
        return refuse("输入脉冲的采样点数与网格不符", "points");

    const double eIn = energyPj(grid, input);
    if (!(eIn > 0))
        return refuse("输入脉冲能量为零", "p_peak_w");
    const double alpha = d.lossDbPerM * std::log(10.0) / 10.0;
    const auto overlapAt = [&d](double nm) {
        return yb::coreModeOverlap(d.coreRadius, d.dopedRadius, d.numericalAperture, nm * 1e-9);
    };

    // The gain on the propagation grid, per unit of ∫n dz and per metre.
    const std::size_t n = grid.timePs.size();
    DistributedGain gain;
    gain.perInversion.assign(n, 0.0);
    gain.offset.assign(n, 0.0);
    for (std::size_t k = 0; k < n; ++k) {
        const double nm = wavelengthNm(grid, k);
        const double overlap = overlapAt(nm);
        if (!xs.covers(nm) || !std::isfinite(overlap))
            continue; // no Yb transition: background loss only
        const yb::CrossSections s = xs.at(nm);
        gain.perInversion[k] = overlap * d.ionDensity * (s.absorption + s.emission);
        gain.offset[k] = -overlap * d.ionDensity * s.absorption;
    }

    PulsedAmplifierResult result;
    // Signal channels of the first pass: the launched spectrum at its
    // average power. Later passes: the output spectrum of the previous
    // propagation, each bin launched with the power that reaches its output
    // share through the previous pass's gain (so the steady state extracts
    // what the pulse extracted, where it extracted it: near the output, where
    // the pulse is strong). Passes end when the pulse's average output power
    // and the solver's signal output agree.
    std::vector<Bin> bins = binsOf(grid, input, amp.signalBins);
    double averageScale = eIn * 1e-12 * amp.repetitionRateHz;
    std::vector<double> launch;
    for (const Bin &b : bins)
        launch.push_back(b.share * averageScale);
    std::shared_ptr<InversionIntegral> integral;
    double centreNm = bins.front().nm, centreShare = 0;
    for (const Bin &b : bins)
        if (b.share > centreShare)
            centreShare = b.share, centreNm = b.nm;
    if (!xs.covers(centreNm))
        return refuse("脉冲中心波长超出截面数据的波长范围", "lambda_nm");

    double previousOut = 0;
    for (int pass = 0;; ++pass) {
        yb::AmplifierDesign design = d;
        design.laser = false;
        design.signalWavelength = centreNm * 1e-9;
        design.signalPower = averageScale;
        yb::AmplifierProblem problem;
        yb::ChannelMap map;
        const std::string problemText = yb::buildAmplifierProblem(design, xs, problem, map);
        if (!problemText.empty())
            return refuse(problemText, "");
        const yb::Channel base = problem.channels[static_cast<std::size_t>(map.signal)];
        std::vector<std::size_t> signalChannels;
        for (std::size_t i = 0; i < bins.size(); ++i) {
            yb::Channel c = base;
            const yb::CrossSections s =
                xs.covers(bins[i].nm) ? xs.at(bins[i].nm) : yb::CrossSections();
            c.wavelength = bins[i].nm * 1e-9;
            c.inputPower = launch[i];
            c.sigmaA = s.absorption;
            c.sigmaE = s.emission;
            c.overlap = overlapAt(bins[i].nm);
            if (i == 0) {
                problem.channels[static_cast<std::size_t>(map.signal)] = c;
                signalChannels.push_back(static_cast<std::size_t>(map.signal));
            } else {
                problem.channels.push_back(c);
                signalChannels.push_back(problem.channels.size() - 1);
            }
        }
        result.steady = yb::solveAmplifier(problem);
        if (result.steady.status != yb::SolveStatus::Converged)
            return refuse(
                result.steady.message.empty() ? "稳态放大器求解未收敛" : result.steady.message, "");
        result.steadySignalOutW = 0;
        result.pumpLeftW = 0;
        for (std::size_t k : signalChannels)
            result.steadySignalOutW += result.steady.outputPower[k];
        for (int k : {map.pumpForward, map.pumpBackward})
            if (k >= 0)
                result.pumpLeftW += result.steady.outputPower[static_cast<std::size_t>(k)];

        integral =
            std::make_shared<InversionIntegral>(result.steady.z, result.steady.upperFraction);
        gain.inversionIntegral = [integral](double z) { return (*integral)(z); };
        Fiber fiber = amp.fiber;
        fiber.lengthM = d.length;
        fiber.lossDbPerM = d.lossDbPerM;
        fiber.gain = &gain;
        result.propagation = propagate(grid, fiber, input, amp.settings);
        switch (result.propagation.status) {
        case Status::Done: break;
        case Status::Cancelled: result.status = AmplifierStatus::Cancelled; return result;
        case Status::Invalid:
        case Status::Failed: return refuse(result.propagation.message, "tol");
        }
        result.passes = pass + 1;
        result.pulseAverageOutW =
            energyPj(grid, result.propagation.field) * 1e-12 * amp.repetitionRateHz;
        result.mismatch = result.pulseAverageOutW / result.steadySignalOutW - 1;
        const double change = std::abs(result.pulseAverageOutW / previousOut - 1);
        previousOut = result.pulseAverageOutW;
        if (std::abs(result.mismatch) < kPassTolerance || change < kPassTolerance) {
            if (std::abs(result.mismatch) > kMaxMismatch)
                return refuse(
                    "脉冲的平均输出功率与稳态反转粒子数的信号输出相差" +
                        std::to_string(static_cast<int>(std::round(100 * result.mismatch))) +
                        "%：非线性使光谱远离增益带，超出本模型的适用范围",
                    "p_peak_w");
            break;
        }
        if (pass + 1 >= kMaxPasses)
            return refuse("脉冲传输与稳态反转粒子数的交替求解12次仍未收敛", "p_peak_w");
        // The next pass's signal channels from this output spectrum.
        bins = binsOf(grid, result.propagation.field, amp.signalBins);
        const double total = (*integral)(d.length);
        launch.clear();
        for (const Bin &b : bins) {
            const bool covered = xs.covers(b.nm);
            const yb::CrossSections s = covered ? xs.at(b.nm) : yb::CrossSections();
            const double overlap = overlapAt(b.nm);
            const double nepers =
                (covered ? overlap * d.ionDensity *
                               ((s.absorption + s.emission) * total - s.absorption * d.length)
                         : 0.0) -
                alpha * d.length;
            // A bin with net loss holds power the nonlinearity moved there
            // late in the fiber: launched with its output power, not more.
            launch.push_back(b.share * result.pulseAverageOutW * std::exp(-std::max(nepers, 0.0)));
        }
    }

    result.energyInPj = eIn;
    result.energyOutPj = energyPj(grid, result.propagation.field);
    result.gainDb = 10 * std::log10(result.energyOutPj / eIn);
    const yb::CrossSections c = xs.at(centreNm);
    const double overlap =
        yb::coreModeOverlap(d.coreRadius, d.dopedRadius, d.numericalAperture, centreNm * 1e-9);
    const double photonJ = yb::kPlanck * yb::kLightSpeed / (centreNm * 1e-9);
    result.saturationEnergyPj = photonJ * kPi * d.dopedRadius * d.dopedRadius /
                                (overlap * (c.absorption + c.emission)) * 1e12;
    if (result.energyOutPj - eIn > kMaxExtractedShare * result.saturationEnergyPj)
        return refuse(
            "单个脉冲提取的能量超过饱和能量的10%：脉冲内增益饱和（Frantz–Nodvik）"
            "超出本模型的适用范围",
            "p_peak_w");
    if (!std::isfinite(result.gainDb))
        return refuse("输出脉冲能量无效", "");
    result.status = AmplifierStatus::Done;
    return result;
}

} // namespace gnlse
