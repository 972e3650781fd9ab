#include "pulsefield.h"

#include <algorithm>
#include <cmath>

namespace gnlse {

namespace {
constexpr double kPi = 3.14159265358979323846;

double wavelengthOf(const Grid &grid, std::size_t k)
{
    return 2.0 * kPi * kLightSpeedNmPerPs / (grid.omega0 + grid.omega[k]);
}
} // namespace

double t0FromFwhm(const PulseSpec &spec, double fwhmPs)
{
    switch (spec.shape) {
    case PulseShape::Sech: return fwhmPs / (2.0 * std::acosh(std::sqrt(2.0)));
    case PulseShape::Gaussian: return fwhmPs / (2.0 * std::sqrt(std::log(2.0)));
    case PulseShape::SuperGaussian:
        return fwhmPs / (2.0 * std::pow(std::log(2.0), 1.0 / (2.0 * spec.order)));
    }
    return fwhmPs;
}

double unitEnergyPj(const PulseSpec &spec)
{
    switch (spec.shape) {
    case PulseShape::Sech: return 2.0;
    case PulseShape::Gaussian: return std::sqrt(kPi);
    case PulseShape::SuperGaussian: return 2.0 * std::tgamma(1.0 + 1.0 / (2.0 * spec.order));
    }
    return 0;
}

std::vector<Complex> makePulse(const Grid &grid, const PulseSpec &spec)
{
    std::vector<Complex> field(grid.timePs.size());
    const double amplitude = std::sqrt(spec.peakPowerW);
    for (std::size_t j = 0; j < field.size(); ++j) {
        const double x = grid.timePs[j] / spec.t0Ps;
        double envelope = 0;
        switch (spec.shape) {
        case PulseShape::Sech: envelope = 1.0 / std::cosh(x); break;
        case PulseShape::Gaussian: envelope = std::exp(-0.5 * x * x); break;
        case PulseShape::SuperGaussian:
            envelope = std::exp(-0.5 * std::pow(x * x, spec.order));
            break;
        }
        field[j] = std::polar(amplitude * envelope, -0.5 * spec.chirp * x * x);
    }
    return field;
}

double energyPj(const Grid &grid, const std::vector<Complex> &field)
{
    double s = 0;
    for (const Complex &a : field)
        s += std::norm(a);
    return s * grid.dtPs;
}

double peakPowerW(const std::vector<Complex> &field)
{
    double peak = 0;
    for (const Complex &a : field)
        peak = std::max(peak, std::norm(a));
    return peak;
}

double photonNumber(const Grid &grid, const std::vector<Complex> &field)
{
    const std::vector<Complex> spectrum = toSpectrum(grid, field);
    const double dOmega = 2.0 * kPi / grid.windowPs;
    double sum = 0;
    for (std::size_t k = 0; k < spectrum.size(); ++k)
        sum += std::norm(spectrum[k] * grid.dtPs) / (grid.omega0 + grid.omega[k]);
    // pJ ps / rad over (ħ in J s × 1e12 ps/s … ): E in pJ = 1e-12 J, ω in rad/ps = 1e12 rad/s.
    return sum * dOmega / (2.0 * kPi) * 1e-12 / (kHbar * 1e12);
}

double fullWidthHalfMaximum(const std::vector<double> &axis, const std::vector<double> &values)
{
    if (values.size() < 3 || axis.size() != values.size())
        return 0;
    const auto peakIt = std::max_element(values.begin(), values.end());
    const double half = *peakIt / 2.0;
    if (!(half > 0))
        return 0;
    std::size_t first = 0, last = values.size() - 1;
    while (first < values.size() && values[first] < half)
        ++first;
    while (last > 0 && values[last] < half)
        --last;
    if (first == 0 || last + 1 >= values.size() || last <= first)
        return 0; // the half maximum is not crossed inside the axis
    const auto cross = [&](std::size_t below, std::size_t above) {
        const double f = (half - values[below]) / (values[above] - values[below]);
        return axis[below] + f * (axis[above] - axis[below]);
    };
    return std::abs(cross(last + 1, last) - cross(first - 1, first));
}

double durationFwhmPs(const Grid &grid, const std::vector<Complex> &field)
{
    std::vector<double> power(field.size());
    for (std::size_t j = 0; j < field.size(); ++j)
        power[j] = std::norm(field[j]);
    return fullWidthHalfMaximum(grid.timePs, power);
}

WavelengthSpectrum wavelengthSpectrum(const Grid &grid, const std::vector<Complex> &field)
{
    const std::vector<Complex> spectrum = toSpectrum(grid, field);
    const std::size_t n = spectrum.size();
    WavelengthSpectrum out;
    out.wavelengthNm.resize(n);
    out.pjPerNm.resize(n);
    // Ascending wavelength = descending absolute frequency: from the last
    // positive offset down through zero to the most negative one.
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = (n / 2 - 1 + n - i) % n;
        const double lambda = wavelengthOf(grid, k);
        const double perOmega = std::norm(spectrum[k] * grid.dtPs) / (2.0 * kPi); // pJ ps
        out.wavelengthNm[i] = lambda;
        out.pjPerNm[i] = perOmega * 2.0 * kPi * kLightSpeedNmPerPs / (lambda * lambda);
    }
    return out;
}

std::vector<double> decibels(const std::vector<double> &pjPerNm)
{
    double peak = 0;
    for (double v : pjPerNm)
        peak = std::max(peak, v);
    const double floor = peak > 0 ? peak * 1e-20 : 1e-300;
    std::vector<double> db(pjPerNm.size());
    for (std::size_t i = 0; i < db.size(); ++i)
        db[i] = 10.0 * std::log10(std::max(pjPerNm[i], floor));
    return db;
}

double spectralFwhmNm(const Grid &grid, const std::vector<Complex> &field)
{
    const WavelengthSpectrum s = wavelengthSpectrum(grid, field);
    return fullWidthHalfMaximum(s.wavelengthNm, s.pjPerNm);
}

std::vector<Complex> longPass(const Grid &grid, const std::vector<Complex> &field, double edgeNm)
{
    std::vector<Complex> spectrum = toSpectrum(grid, field);
    for (std::size_t k = 0; k < spectrum.size(); ++k)
        if (wavelengthOf(grid, k) < edgeNm)
            spectrum[k] = 0;
    return toField(grid, spectrum);
}

double peakTimePs(const Grid &grid, const std::vector<Complex> &field)
{
    std::size_t best = 0;
    for (std::size_t j = 1; j < field.size(); ++j)
        if (std::norm(field[j]) > std::norm(field[best]))
            best = j;
    return grid.timePs[best];
}

double peakWavelengthNm(const Grid &grid, const std::vector<Complex> &field)
{
    const WavelengthSpectrum s = wavelengthSpectrum(grid, field);
    const auto it = std::max_element(s.pjPerNm.begin(), s.pjPerNm.end());
    return s.wavelengthNm[static_cast<std::size_t>(it - s.pjPerNm.begin())];
}

} // namespace gnlse
