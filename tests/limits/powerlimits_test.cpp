// The power limits: each formula against its closed form written out here, the
// published maxima (Dawson et al., Opt. Express 16, 13240 (2008): 36 kW for a
// broadband fiber laser, abstract and §5; Zhu et al., Opt. Express 19, 18645
// (2011): 70.7 kW at a 63.4 μm core with tandem pumping, abstract), and the
// scan's optimum against the corner where the limits meet.
#include "powerlimits.h"
#include "modeinstability.h"
#include "nonlinear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace powerlimits;

constexpr double kPi = 3.14159265358979323846;

// Dawson 2008, Table 1, as the presets of the page use it.
Parameters dawson(bool singleFrequency)
{
    Parameters p;
    p.signalWavelength = 1064e-9;
    p.pumpWavelength = 975e-9;
    p.claddingRadius = 200e-6;
    p.claddingFromAbsorption = true;
    p.coreNA = 0.06;
    p.laserEfficiency = 0.85;
    p.heatFraction = 0.1;
    p.conductivity = 1.38;
    p.heatTransfer = 1e4;
    p.coolantTemperature = 300;
    p.meltingTemperature = 1983;
    p.ruptureModulus = 2460;
    p.thermoOptic = 11.8e-6;
    p.modeFieldRatio = 1.2;
    p.ramanGain = 1e-13;
    p.srsExponent = 16;
    p.brillouinGain = 5e-11;
    p.sbsExponent = 17;
    p.brillouinBandwidth = 50e6;
    p.signalLinewidth = singleFrequency ? 0 : 100e9;
    p.damageIntensity = 35e12;
    p.pumpRadiance = 0.021e12;
    p.pumpNA = 0.45;
    p.coreAbsorption = 250 * std::log(10.0) / 10;
    p.pumpAbsorption = 20 * std::log(10.0) / 10;
    p.coreRadius = 20e-6;
    p.length = 10;
    return p;
}

LimitSet withoutMi()
{
    LimitSet s = allLimits();
    s[static_cast<int>(Limit::ModeInstability)] = false;
    return s;
}

MapGrid wideGrid()
{
    return {10e-6, 200e-6, 60, 0.1, 200, 40};
}

// The corner where the thermal lens (C_L L/a²), a nonlinear limit
// (C_N a²/L) and the pump brightness (C_P a² L) meet: P* = √(C_L C_N),
// L = a² √(C_N/C_L), a⁴ = P*/(C_P √(C_N/C_L)).
struct Corner {
    double power, diameter, length;
};
Corner lensNonlinearPumpCorner(const Parameters &p, double nonlinearConstant)
{
    const double ratio = p.laserEfficiency / p.heatFraction;
    const double cLens = ratio * kPi * p.conductivity * p.signalWavelength * p.signalWavelength /
                         (2 * p.thermoOptic);
    const double cPump = p.laserEfficiency * p.pumpRadiance * kPi * kPi * p.pumpNA * p.pumpNA *
                         p.coreAbsorption / p.pumpAbsorption;
    const double power = std::sqrt(cLens * nonlinearConstant);
    const double s = std::sqrt(nonlinearConstant / cLens);
    const double a = std::pow(power / (cPump * s), 0.25);
    return {power, 2 * a, a * a * s};
}

TEST(PowerLimits, DawsonBroadbandMaximumIs36kWWhereLensRamanAndPumpMeet)
{
    const Parameters p = dawson(false);
    const MapResult m = scanMap(p, withoutMi(), wideGrid());
    // Dawson's abstract: "36 kW ... irrespective of increases in mode size".
    EXPECT_NEAR(m.bestPower, 36e3, 0.05 * 36e3);
    const double g = p.modeFieldRatio;
    const Corner c = lensNonlinearPumpCorner(p, p.srsExponent * kPi * g * g / p.ramanGain);
    EXPECT_NEAR(m.bestPower, c.power, 1e-6 * c.power);
    EXPECT_NEAR(m.bestDiameter, c.diameter, 1e-5 * c.diameter);
    EXPECT_NEAR(m.bestLength, c.length, 1e-5 * c.length);
    EXPECT_TRUE(m.bestBinding == Limit::ThermalLens || m.bestBinding == Limit::Srs ||
                m.bestBinding == Limit::PumpBrightness);
}

TEST(PowerLimits, DawsonSingleFrequencyMaximumIsSetByBrillouinLensAndPump)
{
    const Parameters p = dawson(true);
    const MapResult m = scanMap(p, withoutMi(), wideGrid());
    const double g = p.modeFieldRatio;
    const Corner c = lensNonlinearPumpCorner(p, p.sbsExponent * kPi * g * g / p.brillouinGain);
    EXPECT_NEAR(m.bestPower, c.power, 1e-6 * c.power);
    EXPECT_NEAR(m.bestLength, c.length, 1e-5 * c.length);
    // Twenty times below the broadband maximum: SBS, not heat, rules.
    EXPECT_LT(m.bestPower, 36e3 / 20);
}

TEST(PowerLimits, ZhuTandemMaximumIs70kWNearA63umCore)
{
    Parameters p = dawson(false);
    p.pumpWavelength = 1018e-9;
    p.signalWavelength = 1070e-9;
    p.heatFraction = 0.0486;
    p.pumpRadiance = 10e12;
    p.amplifierGain = 100;
    p.modeFieldRatio = 0.8;
    const MapResult m = scanMap(p, withoutMi(), wideGrid());
    EXPECT_NEAR(m.bestPower, 70.7e3, 0.05 * 70.7e3);
    EXPECT_NEAR(m.bestDiameter, 63.4e-6, 0.05 * 63.4e-6);
    // Zhu's abstract: damage, SRS and the thermal lens meet; pump brightness is gone.
    EXPECT_EQ(m.bestBinding, Limit::Damage);
    Parameters best = p;
    best.coreRadius = m.bestDiameter / 2;
    best.length = m.bestLength;
    EXPECT_NEAR(limitPower(Limit::Srs, best), m.bestPower, 1e-5 * m.bestPower);
    EXPECT_NEAR(limitPower(Limit::ThermalLens, best), m.bestPower, 1e-5 * m.bestPower);
    EXPECT_GT(limitPower(Limit::PumpBrightness, best), 10 * m.bestPower);
}

TEST(PowerLimits, LimitCurvesAtThreeCoreDiametersFollowTheirFormulas)
{
    Parameters p = dawson(false);
    p.length = 20;
    const double r = p.laserEfficiency / p.heatFraction;
    for (double d : {30e-6, 60e-6, 90e-6}) {
        p.coreRadius = d / 2;
        const double a = d / 2;
        const double b = a * std::sqrt(p.coreAbsorption * p.length / p.pumpAbsorption);
        const double k = p.conductivity;
        SCOPED_TRACE(d);
        EXPECT_NEAR(limitPower(Limit::Rupture, p),
                    r * 4 * kPi * 2460 * 20 / (1 - a * a / (2 * b * b)), 1e-9 * 1e7);
        const double melt =
            r * 4 * kPi * k * 20 * (1983 - 300) / (1 + 2 * std::log(b / a) + 2 * k / (b * 1e4));
        EXPECT_NEAR(limitPower(Limit::Melting, p), melt, 1e-12 * melt);
        const double lens = r * kPi * k * 1064e-9 * 1064e-9 * 20 / (2 * 11.8e-6 * a * a);
        EXPECT_NEAR(limitPower(Limit::ThermalLens, p), lens, 1e-12 * lens);
        const double area = kPi * 1.44 * a * a;
        EXPECT_NEAR(limitPower(Limit::Srs, p), 16 * area / (1e-13 * 20), 1e-12 * 1e6);
        EXPECT_NEAR(limitPower(Limit::Damage, p), 35e12 * area, 1e-6);
        const double pump = 0.85 * 0.021e12 * kPi * kPi * 0.45 * 0.45 * b * b;
        EXPECT_NEAR(limitPower(Limit::PumpBrightness, p), pump, 1e-12 * pump);
    }
}

TEST(PowerLimits, RamanAndBrillouinLimitsAreTheNonlinearPagesThresholds)
{
    Parameters p = dawson(true);
    p.coreRadius = 25e-6;
    p.length = 7;
    const double rEff = p.modeFieldRatio * p.coreRadius;
    EXPECT_DOUBLE_EQ(limitPower(Limit::Srs, p),
                     nonlinear::srsDeliveryThreshold(rEff, 0, 7, p.ramanGain));
    p.amplifierGain = 20;
    p.sbsExponent = 21;
    p.polarisationFactor = 1.5;
    EXPECT_NEAR(limitPower(Limit::Sbs, p),
                nonlinear::sbsThreshold(rEff, 1.5, 20, 7, p.brillouinGain),
                1e-12 * limitPower(Limit::Sbs, p));
    // A broad signal dilutes the gain: Δν_L = Δν_B halves it.
    const double narrow = limitPower(Limit::Sbs, p);
    p.signalLinewidth = p.brillouinBandwidth;
    EXPECT_NEAR(limitPower(Limit::Sbs, p), 2 * narrow, 1e-12 * narrow);
    // The Raman length of a 20 dB amplifier: L(1 − 1/G)/ln G.
    p.amplifierGain = 100;
    EXPECT_NEAR(ramanEffectiveLength(p), 7 * 0.99 / std::log(100.0), 1e-12);
}

TEST(PowerLimits, ModeInstabilityLimitIsTheModelsThreshold)
{
    Parameters p = dawson(false);
    p.claddingFromAbsorption = false;
    p.claddingRadius = 200e-6;
    p.coreRadius = 15e-6;
    p.signalWavelength = 1064e-9;
    p.thermoOptic = 1.21e-5;
    p.conductivity = 1.4;
    p.heatTransfer = 1000;
    ModeInstabilityInput in = defaultModeInstabilityInput();
    const MiLimit mi = modeInstabilityLimit(p);
    ASSERT_TRUE(mi.applicable);
    EXPECT_FALSE(mi.capped);
    EXPECT_EQ(mi.power, computeModeInstability(in).thresholdPower);
    // A single-mode core has no MI limit.
    p.coreRadius = 3e-6;
    EXPECT_FALSE(modeInstabilityLimit(p).applicable);
}

TEST(PowerLimits, MapCellsAreTheLeastLimitAndNeverExceedTheOptimum)
{
    const Parameters p = dawson(false);
    const MapGrid grid{20e-6, 120e-6, 12, 0.5, 100, 9};
    const MapResult m = scanMap(p, withoutMi(), grid);
    ASSERT_EQ(m.maxPower.size(), 12u * 9u);
    for (std::size_t i = 0; i < m.lengths.size(); ++i)
        for (std::size_t j = 0; j < m.diameters.size(); ++j) {
            Parameters q = p;
            q.coreRadius = m.diameters[j] / 2;
            q.length = m.lengths[i];
            const DesignResult d = evaluateDesign(q, withoutMi());
            EXPECT_DOUBLE_EQ(m.maxPower[i * 12 + j], d.maxPower);
            EXPECT_EQ(m.binding[i * 12 + j], static_cast<int>(d.binding));
            EXPECT_LE(m.maxPower[i * 12 + j], m.bestPower * (1 + 1e-9));
        }
    EXPECT_DOUBLE_EQ(m.lengths.front(), 0.5);
    EXPECT_NEAR(m.lengths.back(), 100, 1e-12);
}

TEST(PowerLimits, DesignTemperaturesAtTheMaximumAreThoseOfItsHeat)
{
    Parameters p = dawson(false);
    p.coreRadius = 30e-6;
    p.length = 15;
    const DesignResult d = evaluateDesign(p, withoutMi());
    EXPECT_NEAR(d.heatPerLength, d.maxPower * 0.1 / 0.85 / 15, 1e-12 * d.heatPerLength);
    EXPECT_LT(d.coreTemperature, 1983);
    EXPECT_GT(d.coreTemperature, d.surfaceTemperature);
    // Melting as the only limit puts the core exactly at T_m.
    LimitSet onlyMelting{};
    onlyMelting[static_cast<int>(Limit::Melting)] = true;
    const DesignResult m = evaluateDesign(p, onlyMelting);
    EXPECT_EQ(m.binding, Limit::Melting);
    EXPECT_NEAR(m.coreTemperature, 1983, 1e-9);
}

TEST(PowerLimits, ScanStopsWhenCancelled)
{
    std::atomic<bool> cancel{true};
    const MapResult m = scanMap(dawson(false), withoutMi(), wideGrid(), {}, &cancel);
    EXPECT_TRUE(m.cancelled);
}

} // namespace
