#include "laserformulas.h"

namespace laser {

double opticalFrequency(double wavelength)
{
    return kSpeedOfLight / wavelength;
}

double coherenceTime(double linewidthHz)
{
    return 1 / linewidthHz;
}

double coherenceLength(double coherenceTimeS)
{
    return kSpeedOfLight * coherenceTimeS;
}

double linewidthHzFromNm(double linewidthNm, double wavelength)
{
    return (linewidthNm * kSpeedOfLight) / (wavelength * wavelength * 1e9);
}

double linewidthNmFromHz(double linewidthHz, double wavelength)
{
    return linewidthHz * wavelength * wavelength / kSpeedOfLight * 1e9;
}

double pulseEnergy(double averagePower, double repetitionRate)
{
    return averagePower / repetitionRate;
}

double peakPower(double pulseEnergyJ, double pulseWidth)
{
    return pulseEnergyJ / pulseWidth;
}

double longitudinalModeSpacing(double refractiveIndex, double cavityLength)
{
    // c/2 written out, then divided by n and by L in that order.
    return 150000000.0 / refractiveIndex / cavityLength;
}

OpticalEfficiencies opticalEfficiencies(double pumpPower, double residualPump, double outputPower,
                                        double inputPower)
{
    const double absorbed = pumpPower - residualPump;
    return {outputPower / absorbed, (outputPower - inputPower) / absorbed};
}

bool efficienciesPlausible(const OpticalEfficiencies &eta)
{
    // 1e-16 rather than 0: an output gain equal to the absorbed pump is
    // accepted even when the division rounds a hair above 1.
    return eta.amplifier - 1 < 1e-16 && eta.laser > 0 && eta.amplifier > 0;
}

EfficiencyProblem efficiencyProblem(double pumpPower, double residualPump, double outputPower,
                                    double inputPower)
{
    if (!(pumpPower > residualPump))
        return EfficiencyProblem::NoAbsorbedPump;
    if (!(outputPower > inputPower))
        return EfficiencyProblem::NoGain;
    const OpticalEfficiencies eta =
        opticalEfficiencies(pumpPower, residualPump, outputPower, inputPower);
    if (!(eta.amplifier - 1 < 1e-16))
        return EfficiencyProblem::MoreThanAbsorbed;
    return EfficiencyProblem::None;
}

bool laserEfficiencyApplies(const OpticalEfficiencies &eta)
{
    return eta.laser - 1 < 1e-16;
}

double quantumDefect(double pumpWavelength, double signalWavelength)
{
    return (signalWavelength - pumpWavelength) / signalWavelength;
}

double stokesEfficiency(double quantumDefectValue)
{
    return 1 - quantumDefectValue;
}

bool quantumDefectPlausible(double quantumDefectValue)
{
    return !(quantumDefectValue < 1e-16);
}

} // namespace laser
