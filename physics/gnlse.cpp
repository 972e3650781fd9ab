#include "gnlse.h"

#include <algorithm>
#include <cmath>

namespace gnlse {

namespace {

constexpr double kPi = 3.14159265358979323846;

using fftw::ComplexBuffer;
using fftw::RealBuffer;

// The nonlinear operator N(Ã) = i γ (1 + ω/ω0) F{A (R ⊛ |A|²)} with its
// work arrays. Spectra are unnormalised backward DFTs of the time samples
// (Ã_k = Σ_j A_j e^{+iω_k t_j} without the Δt), so A = forward(Ã)/N.
class NonlinearTerm
{
public:
    NonlinearTerm(const Grid &grid, const Fiber &fiber)
        : m_plans(fftw::Plans::forLength(static_cast<std::size_t>(grid.points))),
          m_n(static_cast<std::size_t>(grid.points)),
          m_time(m_n),
          m_intensity(m_n),
          m_convolved(m_n),
          m_halfSpectrum(m_n / 2 + 1),
          m_factor(m_n),
          m_fraction(ramanFraction(fiber.raman))
    {
        for (std::size_t k = 0; k < m_n; ++k) {
            const double shock = fiber.selfSteepening ? 1.0 + grid.omega[k] / grid.omega0 : 1.0;
            m_factor[k] = Complex(0.0, fiber.gamma * shock);
        }
        if (m_fraction > 0) {
            const std::vector<double> w = ramanWeights(fiber.raman, grid.points, grid.dtPs);
            RealBuffer weights(m_n);
            std::copy(w.begin(), w.end(), weights.data());
            m_ramanSpectrum = ComplexBuffer(m_n / 2 + 1);
            m_plans.realForward(weights, m_ramanSpectrum);
            for (std::size_t k = 0; k < m_ramanSpectrum.size(); ++k)
                m_ramanSpectrum[k] /= static_cast<double>(m_n); // the c2r normalisation
        }
    }

    // out = N(in); also records the peak power of the field in.
    void operator()(const ComplexBuffer &in, ComplexBuffer &out)
    {
        m_plans.forward(in, m_time);
        const double scale = 1.0 / static_cast<double>(m_n);
        double peak = 0;
        for (std::size_t j = 0; j < m_n; ++j) {
            m_time[j] *= scale;
            m_intensity[j] = std::norm(m_time[j]);
            peak = std::max(peak, m_intensity[j]);
        }
        m_peak = peak;
        if (m_fraction > 0) {
            m_plans.realForward(m_intensity, m_halfSpectrum);
            for (std::size_t k = 0; k < m_halfSpectrum.size(); ++k)
                m_halfSpectrum[k] *= m_ramanSpectrum[k];
            m_plans.realBackward(m_halfSpectrum, m_convolved);
            const double instant = 1.0 - m_fraction;
            for (std::size_t j = 0; j < m_n; ++j)
                m_time[j] *= instant * m_intensity[j] + m_fraction * m_convolved[j];
        } else {
            for (std::size_t j = 0; j < m_n; ++j)
                m_time[j] *= m_intensity[j];
        }
        m_plans.backward(m_time, out);
        for (std::size_t k = 0; k < m_n; ++k)
            out[k] *= m_factor[k];
    }

    double lastPeak() const { return m_peak; }

private:
    const fftw::Plans &m_plans;
    std::size_t m_n;
    ComplexBuffer m_time;
    RealBuffer m_intensity, m_convolved;
    ComplexBuffer m_halfSpectrum, m_ramanSpectrum;
    std::vector<Complex> m_factor;
    double m_fraction;
    double m_peak = 0;
};

// exp ∫_{z1}^{z2} L dz on the grid.
class LinearOperator
{
public:
    LinearOperator(const Grid &grid, const Fiber &fiber)
        : m_n(static_cast<std::size_t>(grid.points)),
          m_dispersion(m_n),
          m_gain(fiber.gain),
          m_alpha(fiber.lossDbPerM * std::log(10.0) / 10.0)
    {
        for (std::size_t k = 0; k < m_n; ++k) {
            double d = 0, power = grid.omega[k] * grid.omega[k] / 2.0; // ω²/2!
            for (std::size_t i = 0; i < fiber.betas.size(); ++i) {
                d += fiber.betas[i] * power;
                power *= grid.omega[k] / static_cast<double>(i + 3);
            }
            m_dispersion[k] = d;
        }
    }

    void exponential(double z1, double z2, ComplexBuffer &out) const
    {
        const double dz = z2 - z1;
        const double inversion =
            m_gain ? m_gain->inversionIntegral(z2) - m_gain->inversionIntegral(z1) : 0.0;
        for (std::size_t k = 0; k < m_n; ++k) {
            double logAmplitude = -0.5 * m_alpha * dz;
            if (m_gain)
                logAmplitude +=
                    0.5 * (m_gain->perInversion[k] * inversion + m_gain->offset[k] * dz);
            out[k] = std::polar(std::exp(logAmplitude), m_dispersion[k] * dz);
        }
    }

private:
    std::size_t m_n;
    std::vector<double> m_dispersion; // Σ β_n ωⁿ/n!, rad/m
    const DistributedGain *m_gain;
    double m_alpha;
};

double norm2(const ComplexBuffer &a)
{
    double s = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        s += std::norm(a[i]);
    return s;
}

std::string checkFiber(const Grid &grid, const Fiber &fiber, const std::vector<Complex> &input)
{
    if (!(fiber.lengthM > 0) || !std::isfinite(fiber.lengthM))
        return "光纤长度必须为正数";
    if (!std::isfinite(fiber.gamma) || fiber.gamma < 0)
        return "非线性系数 γ 必须为非负数";
    if (!std::isfinite(fiber.lossDbPerM) || fiber.lossDbPerM < 0)
        return "损耗必须为非负数";
    for (double b : fiber.betas)
        if (!std::isfinite(b))
            return "色散系数 β 必须为有限数";
    if (input.size() != static_cast<std::size_t>(grid.points))
        return "输入脉冲的采样点数与网格不符";
    for (const Complex &a : input)
        if (!std::isfinite(a.real()) || !std::isfinite(a.imag()))
            return "输入脉冲含有非有限值";
    if (fiber.gain) {
        const std::size_t n = static_cast<std::size_t>(grid.points);
        if (fiber.gain->perInversion.size() != n || fiber.gain->offset.size() != n ||
            !fiber.gain->inversionIntegral)
            return "增益谱与网格不符";
    }
    return {};
}

double edgeShare(const std::vector<double> &values, bool fftOrder)
{
    const std::size_t n = values.size();
    const std::size_t edge = std::max<std::size_t>(1, n / 40); // 2.5 % each side
    double total = 0, outer = 0;
    for (std::size_t i = 0; i < n; ++i) {
        total += values[i];
        // In FFT order the window's edges (±N/2) sit in the middle of the array.
        const std::size_t pos = fftOrder ? (i + n / 2) % n : i;
        if (pos < edge || pos >= n - edge)
            outer += values[i];
    }
    return total > 0 ? outer / total : 0.0;
}

Snapshot snapshotOf(const Grid &grid, double z, const ComplexBuffer &spectrum)
{
    Snapshot s;
    s.zM = z;
    std::vector<Complex> spec(spectrum.data(), spectrum.data() + spectrum.size());
    const std::vector<Complex> field = toField(grid, spec);
    s.powerW.resize(field.size());
    s.spectrum.resize(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        s.powerW[i] = std::norm(field[i]);
        s.spectrum[i] = std::norm(spec[i] * grid.dtPs);
    }
    return s;
}

} // namespace

std::string makeGrid(int points, double windowPs, double centreNm, Grid &grid)
{
    if (points < 64 || points % 2 != 0 || points > (1 << 22))
        return "采样点数必须为 64 至 4194304 之间的偶数";
    if (!(windowPs > 0) || !std::isfinite(windowPs))
        return "时间窗口必须为正数";
    if (!(centreNm > 0) || !std::isfinite(centreNm))
        return "中心波长必须为正数";
    Grid g;
    g.points = points;
    g.windowPs = windowPs;
    g.dtPs = windowPs / points;
    g.omega0 = 2.0 * kPi * kLightSpeedNmPerPs / centreNm;
    const double dOmega = 2.0 * kPi / windowPs;
    g.timePs.resize(static_cast<std::size_t>(points));
    g.omega.resize(static_cast<std::size_t>(points));
    for (int j = 0; j < points; ++j) {
        g.timePs[j] = (j - points / 2) * g.dtPs;
        g.omega[j] = (j < points / 2 ? j : j - points) * dOmega;
    }
    if (g.omega0 - (points / 2) * dOmega <= 0)
        return "频率窗口越过零频：相对时间窗口而言采样点太多（或中心波长太长）";
    grid = std::move(g);
    return {};
}

std::vector<Complex> toSpectrum(const Grid &grid, const std::vector<Complex> &field)
{
    const std::size_t n = static_cast<std::size_t>(grid.points);
    ComplexBuffer in(n), out(n);
    std::copy(field.begin(), field.end(), in.data());
    fftw::Plans::forLength(n).backward(in, out);
    return std::vector<Complex>(out.data(), out.data() + n);
}

std::vector<Complex> toField(const Grid &grid, const std::vector<Complex> &spectrum)
{
    const std::size_t n = static_cast<std::size_t>(grid.points);
    ComplexBuffer in(n), out(n);
    std::copy(spectrum.begin(), spectrum.end(), in.data());
    fftw::Plans::forLength(n).forward(in, out);
    std::vector<Complex> field(out.data(), out.data() + n);
    for (Complex &a : field)
        a /= static_cast<double>(n);
    return field;
}

Result propagate(const Grid &grid, const Fiber &fiber, const std::vector<Complex> &input,
                 const Settings &settings)
{
    Result result;
    result.message = checkFiber(grid, fiber, input);
    if (!result.message.empty())
        return result;
    if (!(settings.tolerance > 0) || settings.tolerance >= 1 || settings.snapshots == 1 ||
        settings.snapshots < 0) {
        result.message = "容差须在 0 与 1 之间";
        return result;
    }
    const std::size_t n = static_cast<std::size_t>(grid.points);
    const double length = fiber.lengthM;
    NonlinearTerm nonlinear(grid, fiber);
    LinearOperator linear(grid, fiber);

    ComplexBuffer spectrum(n), field(n);
    std::copy(input.begin(), input.end(), field.data());
    fftw::Plans::forLength(n).backward(field, spectrum);

    ComplexBuffer nz(n), k1(n), k2(n), k3(n), k4(n), k5(n), e1(n), e2(n), si(n), trial(n), next(n);
    nonlinear(spectrum, nz);
    double peakStart = nonlinear.lastPeak();

    std::vector<double> saveAt;
    for (int s = 0; s < settings.snapshots; ++s)
        saveAt.push_back(length * s / (settings.snapshots - 1));
    std::size_t nextSave = 0;
    if (!saveAt.empty()) {
        result.snapshots.push_back(snapshotOf(grid, 0.0, spectrum));
        nextSave = 1;
    }

    // First step: a hundredth of the nonlinear length, or of the fiber.
    double h = length / 100.0;
    if (fiber.gamma * peakStart > 0)
        h = std::min(h, 0.01 / (fiber.gamma * peakStart));
    double z = 0;
    const double tol = settings.tolerance;
    // The embedded estimate is O(h⁴) per step; the photon-number change of a
    // fourth-order step O(h⁵).
    const bool photonError = settings.error == ErrorMeasure::PhotonNumber && !fiber.gain;
    const double exponent = photonError ? 0.2 : 0.25;
    const double alpha = fiber.lossDbPerM * std::log(10.0) / 10.0;
    std::vector<double> inverseFrequency(n);
    for (std::size_t k = 0; k < n; ++k)
        inverseFrequency[k] = 1.0 / (grid.omega0 + grid.omega[k]);
    const auto photons = [&](const ComplexBuffer &s) {
        double sum = 0;
        for (std::size_t k = 0; k < n; ++k)
            sum += std::norm(s[k]) * inverseFrequency[k];
        return sum;
    };
    while (z < length) {
        if (result.acceptedSteps + result.rejectedSteps >= settings.maxSteps) {
            result.status = Status::Failed;
            result.message = "步数超过上限仍未传输完光纤：请放宽容差或减少非线性";
            return result;
        }
        double target = length;
        if (nextSave < saveAt.size())
            target = std::min(target, saveAt[nextSave]);
        bool landsOnTarget = false;
        double step = h;
        if (z + step >= target * (1 - 1e-12) || target - (z + step) < 1e-9 * length) {
            step = target - z;
            landsOnTarget = true;
        }
        if (!(step > length * 1e-14)) {
            result.status = Status::Failed;
            result.message = "步长缩小到光纤长度的 1e-14 仍达不到容差";
            return result;
        }
        const double mid = z + step / 2;
        const double end = landsOnTarget ? target : z + step;
        linear.exponential(z, mid, e1);
        if (fiber.gain)
            linear.exponential(mid, end, e2);
        else // both halves have the same length and operator
            std::copy(e1.data(), e1.data() + n, e2.data());
        for (std::size_t k = 0; k < n; ++k) {
            si[k] = e1[k] * spectrum[k];
            k1[k] = e1[k] * nz[k];
            trial[k] = si[k] + 0.5 * step * k1[k];
        }
        nonlinear(trial, k2);
        for (std::size_t k = 0; k < n; ++k)
            trial[k] = si[k] + 0.5 * step * k2[k];
        nonlinear(trial, k3);
        for (std::size_t k = 0; k < n; ++k)
            trial[k] = e2[k] * (si[k] + step * k3[k]);
        nonlinear(trial, k4);
        const double sixth = step / 6.0;
        for (std::size_t k = 0; k < n; ++k)
            next[k] = e2[k] * (si[k] + sixth * (k1[k] + 2.0 * k2[k] + 2.0 * k3[k])) + sixth * k4[k];
        nonlinear(next, k5);
        const double peakEnd = nonlinear.lastPeak();
        double error = 0, size = 0;
        if (photonError) {
            // Conservation-quantity error (Heidt 2009): the photon number's
            // change over the step beyond what the (frequency-independent)
            // loss removes; the nonlinear terms conserve it exactly.
            const double before = photons(spectrum) * std::exp(-alpha * (end - z));
            const double after = photons(next);
            size = after;
            error = before > 0 ? std::abs(after - before) / before : 0.0;
        } else {
            double diff = 0;
            for (std::size_t k = 0; k < n; ++k)
                diff += std::norm(k4[k] - k5[k]);
            size = std::sqrt(norm2(next));
            error = size > 0 ? step / 10.0 * std::sqrt(diff) / size : 0.0;
        }
        if (!std::isfinite(error) || !std::isfinite(size)) {
            result.status = Status::Failed;
            result.message = "传输中场出现非有限值";
            return result;
        }
        const double factor = error > 0 ? 0.9 * std::pow(tol / error, exponent) : 2.0;
        if (error > tol) {
            ++result.rejectedSteps;
            h = step * std::max(0.2, std::min(factor, 0.9));
            continue;
        }
        ++result.acceptedSteps;
        result.bIntegralRad += fiber.gamma * 0.5 * (peakStart + peakEnd) * (end - z);
        std::swap(spectrum, next);
        std::swap(nz, k5);
        peakStart = peakEnd;
        z = end;
        // A step cut short for a snapshot says nothing about the next one.
        if (!landsOnTarget || step >= h)
            h = step * std::min(2.0, factor);
        if (landsOnTarget && nextSave < saveAt.size() && target == saveAt[nextSave]) {
            result.snapshots.push_back(snapshotOf(grid, z, spectrum));
            ++nextSave;
        }
        if (landsOnTarget && target == length)
            z = length;
        if (settings.progress && !settings.progress(z / length)) {
            result.status = Status::Cancelled;
            result.message = "已取消";
            return result;
        }
    }

    std::vector<Complex> spec(spectrum.data(), spectrum.data() + n);
    result.field = toField(grid, spec);
    std::vector<double> power(n), spectralPower(n);
    for (std::size_t i = 0; i < n; ++i) {
        power[i] = std::norm(result.field[i]);
        spectralPower[i] = std::norm(spec[i]);
    }
    result.timeEdgeShare = edgeShare(power, false);
    result.spectrumEdgeShare = edgeShare(spectralPower, true);
    result.status = Status::Done;
    return result;
}

} // namespace gnlse
