// The closed-form core temperature (Brown & Hoffman 2001) against an
// independent finite-volume solve of the radial heat equation
//     (1/r) d/dr (k r dT/dr) = −Q(r),  Q = q/(πa²) for r < a, 0 outside,
//     T'(0) = 0,  −k T'(b) = h (T(b) − T_c),
// refined twice and Richardson-extrapolated (second order).
#include "fiberheat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Cell-centred finite volumes on [0, b] with N cells (a at a cell face), the
// Robin condition through a half-cell; returns T at the first cell centre
// extrapolated to r = 0 and at the surface.
struct FvSolution {
    double centre;
    double surface;
};

FvSolution solveFiniteVolume(const fiberheat::HeatGeometry &g, double q, int cellsInCore)
{
    const double dr = g.coreRadius / cellsInCore;
    const int n = static_cast<int>(std::lround(g.outerRadius / dr));
    const double source = q / (kPi * g.coreRadius * g.coreRadius);
    std::vector<double> lower(n, 0), diag(n, 0), upper(n, 0), rhs(n, 0);
    for (int i = 0; i < n; ++i) {
        const double rw = i * dr, re = (i + 1) * dr, rc = (i + 0.5) * dr;
        const double volume = rc * dr; // ∫ r dr over the cell
        if (i > 0) {
            lower[i] = -g.conductivity * rw / dr;
            diag[i] += g.conductivity * rw / dr;
        }
        if (i + 1 < n) {
            upper[i] = -g.conductivity * re / dr;
            diag[i] += g.conductivity * re / dr;
        } else {
            // Flux to the coolant through conduction over dr/2 and the film h.
            const double conductance = re / (dr / (2 * g.conductivity) + 1 / g.heatTransfer);
            diag[i] += conductance;
            rhs[i] += conductance * g.coolantTemperature;
        }
        rhs[i] += (re <= g.coreRadius * (1 + 1e-12) ? source : 0.0) * volume;
    }
    // Thomas algorithm.
    for (int i = 1; i < n; ++i) {
        const double w = lower[i] / diag[i - 1];
        diag[i] -= w * upper[i - 1];
        rhs[i] -= w * rhs[i - 1];
    }
    std::vector<double> t(n);
    t[n - 1] = rhs[n - 1] / diag[n - 1];
    for (int i = n - 2; i >= 0; --i)
        t[i] = (rhs[i] - upper[i] * t[i + 1]) / diag[i];
    // T is even in r: T(0) from the first two centres (r = dr/2, 3dr/2).
    const double centre = (9 * t[0] - t[1]) / 8;
    const double wallFlux = q / (2 * kPi * g.outerRadius);
    const double surface = t[n - 1] - wallFlux * (dr / 2) / g.conductivity;
    return {centre, surface};
}

fiberheat::HeatGeometry geometry(double a, double b, double h)
{
    fiberheat::HeatGeometry g;
    g.coreRadius = a;
    g.outerRadius = b;
    g.conductivity = 1.38;
    g.heatTransfer = h;
    g.coolantTemperature = 300;
    return g;
}

TEST(FiberHeat, CoreTemperatureMatchesAnIndependentFiniteVolumeSolve)
{
    for (const auto &g : {geometry(10e-6, 200e-6, 1e4), geometry(30e-6, 120e-6, 500),
                          geometry(44e-6, 990e-6, 1e4)}) { // b/a on the grid
        const double q = 50;
        const FvSolution coarse = solveFiniteVolume(g, q, 200);
        const FvSolution fine = solveFiniteVolume(g, q, 400);
        const double centre = fine.centre + (fine.centre - coarse.centre) / 3;
        const double surface = fine.surface + (fine.surface - coarse.surface) / 3;
        const double rise = fiberheat::coreTemperatureRise(g, q);
        EXPECT_NEAR(centre - g.coolantTemperature, rise, 1e-6 * rise);
        EXPECT_NEAR(surface, fiberheat::surfaceTemperature(g, q), 1e-6 * rise);
        EXPECT_NEAR(fiberheat::temperatureAt(g, q, 0), g.coolantTemperature + rise, 1e-9 * rise);
    }
}

TEST(FiberHeat, ProfileIsContinuousAtTheCoreEdgeAndEndsAtTheSurface)
{
    const auto g = geometry(20e-6, 200e-6, 1e4);
    const double q = 30;
    EXPECT_NEAR(fiberheat::temperatureAt(g, q, g.coreRadius * (1 - 1e-12)),
                fiberheat::temperatureAt(g, q, g.coreRadius * (1 + 1e-12)), 1e-8);
    EXPECT_DOUBLE_EQ(fiberheat::temperatureAt(g, q, g.outerRadius),
                     fiberheat::surfaceTemperature(g, q));
}

TEST(FiberHeat, HeatForCoreTemperatureInvertsTheRise)
{
    const auto g = geometry(25e-6, 300e-6, 2000);
    const double q = fiberheat::heatForCoreTemperature(g, 1983);
    EXPECT_NEAR(g.coolantTemperature + fiberheat::coreTemperatureRise(g, q), 1983, 1e-9);
}

TEST(FiberHeat, ZProfileIsThePointwiseClosedForm)
{
    const auto g = geometry(15e-6, 200e-6, 1e4);
    const std::vector<double> q = {0, 5, 20, 60};
    const std::vector<double> t = fiberheat::coreTemperatureProfile(g, q);
    ASSERT_EQ(t.size(), q.size());
    for (std::size_t i = 0; i < q.size(); ++i)
        EXPECT_DOUBLE_EQ(t[i], 300 + fiberheat::coreTemperatureRise(g, q[i]));
}

TEST(FiberHeat, ThermalGuideModeFollowsTheHarmonicOscillator)
{
    // w⁴ = 2kλ²a²/(π n dn/dT q): quartering the heat doubles w² (w ∝ q^-1/4).
    const double w1 = fiberheat::thermalGuideModeRadius(20e-6, 1.38, 1.18e-5, 1.45, 1064e-9, 40);
    const double w2 = fiberheat::thermalGuideModeRadius(20e-6, 1.38, 1.18e-5, 1.45, 1064e-9, 10);
    EXPECT_NEAR(w2 / w1, std::sqrt(2.0), 1e-12);
    const double expected =
        std::pow(2 * 1.38 * 1064e-9 * 1064e-9 * 400e-12 / (kPi * 1.45 * 1.18e-5 * 40), 0.25);
    EXPECT_NEAR(w1, expected, 1e-12 * expected);
    // Koechner's thin lens 2πka²/(dn/dT q L).
    EXPECT_NEAR(fiberheat::thermalLensFocalLength(20e-6, 1.38, 1.18e-5, 40, 2),
                2 * kPi * 1.38 * 400e-12 / (1.18e-5 * 80), 1e-18);
}

} // namespace
