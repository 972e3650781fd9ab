#include "ramanresponse.h"

#include <cmath>

namespace gnlse {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCmToRadPerPs = 2.0 * kPi * 299792458.0 * 100.0 * 1e-12; // 1/cm → rad/ps

double blowWood(double t)
{
    const double tau1 = 0.0122, tau2 = 0.032; // ps
    return (tau1 * tau1 + tau2 * tau2) / (tau1 * tau2 * tau2) * std::exp(-t / tau2) *
           std::sin(t / tau1);
}

// Hollenbeck & Cantrell (2002), Table 1.
struct VibrationalMode {
    double positionCm, intensity, gaussianFwhmCm, lorentzianFwhmCm;
};
constexpr VibrationalMode kSilicaModes[] = {
    {56.25, 1.00, 52.10, 17.37},    {100.00, 11.40, 110.42, 38.81}, {231.25, 36.67, 175.00, 58.33},
    {362.50, 67.67, 162.50, 54.17}, {463.00, 74.00, 135.33, 45.11}, {497.00, 4.50, 24.50, 8.17},
    {611.50, 6.80, 41.50, 13.83},   {691.67, 4.60, 155.00, 51.67},  {793.67, 4.20, 59.50, 19.83},
    {835.50, 4.50, 64.30, 21.43},   {930.00, 2.70, 150.00, 50.00},  {1080.00, 3.10, 91.00, 30.33},
    {1215.00, 3.00, 160.00, 53.33},
};

double hollenbeckCantrellRaw(double t)
{
    double sum = 0;
    for (const VibrationalMode &m : kSilicaModes) {
        const double omega = kCmToRadPerPs * m.positionCm;
        const double gammaL = 0.5 * kCmToRadPerPs * m.lorentzianFwhmCm;
        const double gammaG = 0.5 * kCmToRadPerPs * m.gaussianFwhmCm;
        sum += m.intensity * std::exp(-gammaL * t) * std::exp(-gammaG * gammaG * t * t / 4.0) *
               std::sin(omega * t);
    }
    return sum;
}

double hollenbeckCantrellNorm()
{
    // ∫_0^∞ by Simpson's rule on 0 … 3 ps (the slowest mode is damped by
    // e^{−γ t} with γ = 1.6 /ps and by the Gaussian factor far sooner).
    static const double norm = [] {
        const int n = 60000;
        const double h = 3.0 / n;
        double s = hollenbeckCantrellRaw(0) + hollenbeckCantrellRaw(3.0);
        for (int i = 1; i < n; ++i)
            s += (i % 2 ? 4.0 : 2.0) * hollenbeckCantrellRaw(i * h);
        return s * h / 3.0;
    }();
    return norm;
}

} // namespace

double ramanFraction(RamanModel model)
{
    switch (model) {
    case RamanModel::BlowWood: return 0.18;
    case RamanModel::LinAgrawal: return 0.245;
    case RamanModel::HollenbeckCantrell: return 0.2;
    case RamanModel::None: break;
    }
    return 0;
}

double ramanResponse(RamanModel model, double t)
{
    if (t < 0)
        return 0;
    switch (model) {
    case RamanModel::BlowWood: return blowWood(t);
    case RamanModel::LinAgrawal: {
        const double fb = 0.21, taub = 0.096;
        return (1 - fb) * blowWood(t) + fb * (2 * taub - t) / (taub * taub) * std::exp(-t / taub);
    }
    case RamanModel::HollenbeckCantrell: return hollenbeckCantrellRaw(t) / hollenbeckCantrellNorm();
    case RamanModel::None: break;
    }
    return 0;
}

std::vector<double> ramanWeights(RamanModel model, int points, double dt)
{
    std::vector<double> w(static_cast<std::size_t>(points), 0.0);
    if (model == RamanModel::None)
        return w;
    double sum = 0;
    for (int k = 0; k < points / 2; ++k) {
        w[k] = ramanResponse(model, k * dt) * (k == 0 ? 0.5 : 1.0);
        sum += w[k];
    }
    if (sum != 0)
        for (double &x : w)
            x /= sum;
    return w;
}

} // namespace gnlse
