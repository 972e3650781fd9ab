#include "amplifieranalytic.h"

#include <cmath>

namespace yb {

namespace {

double gainCoefficient(const AmplifierProblem &p, const Channel &c)
{
    return c.overlap * p.ionDensity * (c.sigmaA + c.sigmaE);
}

double lossCoefficient(const AmplifierProblem &p, const Channel &c)
{
    return c.overlap * p.ionDensity * c.sigmaA + c.loss;
}

double netGain(const AmplifierProblem &p, const Channel &c, double x)
{
    return gainCoefficient(p, c) * x - lossCoefficient(p, c) * p.length;
}

bool isLaserLine(const AmplifierProblem &p, std::size_t k)
{
    return static_cast<int>(k) == p.laserForward || static_cast<int>(k) == p.laserBackward;
}

// Photon balance f(X) over the channels with launched power, and f'(X).
void photonBalance(const AmplifierProblem &p, double x, double &f, double &df)
{
    f = p.dopedArea * p.ionDensity * x / p.lifetime;
    df = p.dopedArea * p.ionDensity / p.lifetime;
    for (std::size_t k = 0; k < p.channels.size(); ++k) {
        const Channel &c = p.channels[k];
        if (isLaserLine(p, k) || c.inputPower <= 0)
            continue;
        const double photonEnergy = kPlanck * kLightSpeed / c.wavelength;
        const double e = std::exp(netGain(p, c, x));
        f += c.inputPower * (e - 1) / photonEnergy;
        df += c.inputPower * gainCoefficient(p, c) * e / photonEnergy;
    }
}

double solvePhotonBalance(const AmplifierProblem &p)
{
    double lo = 0, hi = p.length, f = 0, df = 0;
    photonBalance(p, hi, f, df);
    if (f <= 0)
        return hi; // only with background loss: X cannot exceed L anyway
    double x = 0.5 * p.length;
    // Newton from the exponential side creeps by 1/g per step (a long fiber's
    // signal gain e^{gX} dominates f): whenever the bracket has not halved in
    // two steps, bisect instead.
    double widthBefore[2] = {2 * p.length, 2 * p.length};
    for (int i = 0; i < 400; ++i) {
        photonBalance(p, x, f, df);
        if (f > 0)
            hi = x;
        else
            lo = x;
        double next = x - f / df;
        if (!(next > lo && next < hi) || hi - lo > 0.5 * widthBefore[0])
            next = 0.5 * (lo + hi);
        widthBefore[0] = widthBefore[1];
        widthBefore[1] = hi - lo;
        if (std::abs(next - x) <= 1e-16 * p.length || hi - lo <= 1e-16 * p.length)
            return next;
        x = next;
    }
    return x;
}

} // namespace

ClosedFormOutputs closedFormOutputs(const AmplifierProblem &p)
{
    ClosedFormOutputs out;
    if (!(p.length > 0 && p.dopedArea > 0 && p.ionDensity > 0 && p.lifetime > 0))
        return out;
    double x = solvePhotonBalance(p);

    if (p.isLaser() && p.r1 > 0 && p.r2 > 0) {
        const Channel &l = p.channels[p.laserForward];
        const double onePass = -0.5 * std::log(p.r1 * p.r2);
        const double xLaser = (onePass + lossCoefficient(p, l) * p.length) / gainCoefficient(p, l);
        double f = 0, df = 0;
        photonBalance(p, xLaser, f, df);
        if (xLaser >= 0 && xLaser <= p.length && f < 0) {
            // Photons the pumps deliver beyond what the ions need at the
            // clamped inversion leave as laser light.
            const double laserOut = -f * kPlanck * kLightSpeed / l.wavelength;
            // What leaves per unit P+(L): through R2, through R1 and (an
            // estimate with the intracavity power taken as P+(L)) the
            // background loss of both passes, which alone bounds the power
            // of a closed cavity (R1 = R2 = 1).
            const double split = (1 - p.r2) + std::sqrt(p.r2 / p.r1) * (1 - p.r1) +
                                 (1 + std::sqrt(p.r2 / p.r1)) * (1 - std::exp(-l.loss * p.length));
            if (split > 0) { // else no steady state (closed, lossless cavity)
                out.lasing = true;
                out.laserForwardAtEnd = laserOut / split;
                x = xLaser;
            }
        }
    }

    out.valid = true;
    out.integratedUpperFraction = x;
    out.netGain.resize(p.channels.size());
    out.outputPower.resize(p.channels.size());
    for (std::size_t k = 0; k < p.channels.size(); ++k) {
        const Channel &c = p.channels[k];
        out.netGain[k] = netGain(p, c, x);
        out.outputPower[k] = c.inputPower * std::exp(out.netGain[k]);
    }
    if (p.isLaser()) {
        const double xl = out.lasing ? out.laserForwardAtEnd : 0;
        out.outputPower[p.laserForward] = (1 - p.r2) * xl;
        out.outputPower[p.laserBackward] =
            out.lasing ? (1 - p.r1) * std::sqrt(p.r2 / p.r1) * xl : 0;
    }
    return out;
}

} // namespace yb
