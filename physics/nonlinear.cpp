#include "nonlinear.h"

#include <cmath>

namespace nonlinear {

namespace {
// The products of π below are the stored double results of those products
// (π = 3.141592653589793); writing them as literals keeps the rounding of
// every formula fixed whatever the compiler folds.
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kSixteenPi = 50.26548245743669;
constexpr double kTwentyOnePi = 65.97344572538566;
constexpr double kEightPiSquared = 78.95683520871486;
} // namespace

double brillouinPeakGain(double gammaE, double phononLifetime, double n, double lambdaP,
                         double density, double soundSpeed)
{
    return gammaE * (gammaE * kEightPiSquared) * phononLifetime / n / lambdaP / lambdaP / density /
           kLightSpeed / soundSpeed;
}

double sbsThreshold(double rEff, double polarisationFactor, double gain, double length,
                    double peakGain)
{
    return std::log(gain) * (rEff * (rEff * kTwentyOnePi) * polarisationFactor) / length / peakGain;
}

double stokesWavelength(double lambdaP, double frequencyShift)
{
    return 1.0 / (1.0 / lambdaP - frequencyShift / kLightSpeed);
}

double lossyEffectiveLength(double alpha, double length)
{
    if (alpha == 0.0)
        return length;
    return -std::expm1(-alpha * length) / alpha;
}

double srsDeliveryThreshold(double rEff, double alphaS, double length, double ramanGain)
{
    constexpr double kSmithExponent = 16.0;
    return kSmithExponent * coreArea(rEff) / (ramanGain * lossyEffectiveLength(alphaS, length));
}

double srsAmplifierThreshold(double rEff, double gain, double ramanGain, double length,
                             double ratio)
{
    // Calibration constant of the model: ln x − ln(P_eq / 1 W) at threshold.
    constexpr double kSeedExponent = 20.3;
    // ln G / (G − 1), written with log1p so that G → 1 tends smoothly to 1.
    const double growth = gain == 1.0 ? 1.0 : std::log1p(gain - 1.0) / (gain - 1.0);
    const double qIn = coreArea(rEff) * growth / (ramanGain * length);
    const double exponent = kSeedExponent + std::log(ratio) + std::log(gain * qIn);
    return exponent * qIn;
}

double srsOscillatorThreshold(double rEff, double alphaS, double alphaP, double length,
                              double ramanGain, double r1, double r2)
{
    // A lossless pump (alpha_p = 0): alpha_p / (1 - exp(-alpha_p L)) tends to 1 / L.
    if (alphaP == 0.0)
        return (alphaS * length - 0.5 * std::log(r2 * r1)) * (rEff * (kPi * rEff) / ramanGain) /
               length;
    return (alphaS * length - 0.5 * std::log(r2 * r1)) *
           (rEff * (alphaP * kPi * rEff) / ramanGain) / (1.0 - std::exp(-alphaP * length));
}

double coreArea(double coreRadius)
{
    return coreRadius * kPi * coreRadius;
}

double nonlinearParameter(double n2, double lambda, double area)
{
    return n2 * kTwoPi / lambda / area;
}

double effectiveLengthTransmission(double alpha, double length)
{
    if (alpha == 0.0) // a lossless fiber: the whole length counts
        return length;
    return (1.0 - std::exp(-alpha * length)) / alpha;
}

double effectiveLengthGain(double gain, double length)
{
    if (gain == 0.0) // no gain: the whole length counts
        return length;
    return (std::exp(gain * length) - 1.0) / gain;
}

double nonlinearPhase(double gamma, double peakPower, double effectiveLength)
{
    return gamma * peakPower * effectiveLength;
}

double fwmPhaseMismatch(double lambda1, double lambda2, double lambda3, double n1, double n2,
                        double n3)
{
    return (n3 / lambda3 + n2 / lambda2 - (n1 + n1) / lambda1) * kTwoPi;
}

} // namespace nonlinear
