#include "powerlimits.h"

#include "fiberheat.h"
#include "modeinstability.h"
#include "nonlinear.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace powerlimits {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kE = 2.71828182845904523536;
// Relative tolerance on P(d) for "reaches the maximum" on a plateau, and the
// bisection depth in ln L and d (2^-60 of the interval: below double noise).
constexpr double kPlateauTolerance = 1e-7;
constexpr int kBisectionSteps = 60;

double heatRatio(const Parameters &p)
{
    return p.laserEfficiency / p.heatFraction;
}

fiberheat::HeatGeometry heatGeometry(const Parameters &p)
{
    fiberheat::HeatGeometry g;
    g.coreRadius = p.coreRadius;
    // The surface can be no smaller than the core (a fiber too short to absorb
    // its pump through the core alone still has a core-sized surface).
    g.outerRadius = std::max(pumpCladdingRadius(p), p.coreRadius);
    g.conductivity = p.conductivity;
    g.heatTransfer = p.heatTransfer;
    g.coolantTemperature = p.coolantTemperature;
    return g;
}

bool risesWithLength(Limit l, const Parameters &p)
{
    switch (l) {
    case Limit::Rupture:
    case Limit::Melting:
    case Limit::ThermalLens: return true;
    case Limit::PumpBrightness: return p.claddingFromAbsorption;
    default: return false;
    }
}

bool fallsWithLength(Limit l)
{
    return l == Limit::Srs || l == Limit::Sbs;
}

// The least counted limit and which one it is (MI from `mi`).
std::pair<double, Limit> leastLimit(const Parameters &p, const LimitSet &include, const MiLimit &mi,
                                    std::array<double, kLimitCount> *all)
{
    double least = kInf;
    Limit which = Limit::Rupture;
    for (int i = 0; i < kLimitCount; ++i) {
        const Limit l = limitAt(i);
        double v = kInf;
        if (include[i]) {
            if (l == Limit::ModeInstability)
                v = mi.applicable && !mi.capped ? mi.power : kInf;
            else
                v = limitPower(l, p);
        }
        if (all)
            (*all)[i] = v;
        if (v < least) {
            least = v;
            which = l;
        }
    }
    return {least, which};
}

// min over the counted limits of one class at the length of `p`.
double leastOf(const Parameters &p, const LimitSet &include, bool rising)
{
    double least = kInf;
    for (int i = 0; i < kLimitCount; ++i) {
        const Limit l = limitAt(i);
        if (!include[i] || l == Limit::ModeInstability)
            continue;
        if (rising ? risesWithLength(l, p) : fallsWithLength(l))
            least = std::min(least, limitPower(l, p));
    }
    return least;
}

} // namespace

const char *limitId(Limit limit)
{
    switch (limit) {
    case Limit::Rupture: return "rupture";
    case Limit::Melting: return "melting";
    case Limit::ThermalLens: return "thermal_lens";
    case Limit::Srs: return "srs";
    case Limit::Sbs: return "sbs";
    case Limit::Damage: return "damage";
    case Limit::PumpBrightness: return "pump_brightness";
    case Limit::ModeInstability: return "mi";
    }
    return "";
}

Limit limitAt(int index)
{
    return static_cast<Limit>(index);
}

LimitSet allLimits()
{
    LimitSet s;
    s.fill(true);
    return s;
}

double quantumDefect(double pumpWavelength, double signalWavelength)
{
    return 1 - pumpWavelength / signalWavelength;
}

double effectiveArea(const Parameters &p)
{
    const double r = p.modeFieldRatio * p.coreRadius;
    return kPi * r * r;
}

double ramanEffectiveLength(const Parameters &p)
{
    // ∫P dz / P_out for a signal growing as G^(z/L); −expm1(−ln G) = 1 − 1/G.
    if (!(p.amplifierGain > 1))
        return p.length;
    const double lnG = std::log(p.amplifierGain);
    return p.length * -std::expm1(-lnG) / lnG;
}

double brillouinEffectiveLength(const Parameters &p)
{
    // The nonlinear page's amplifier form L/ln G joins L continuously at G = e.
    return p.amplifierGain > kE ? p.length / std::log(p.amplifierGain) : p.length;
}

double effectiveBrillouinGain(const Parameters &p)
{
    return p.brillouinGain * p.brillouinBandwidth / (p.brillouinBandwidth + p.signalLinewidth);
}

double pumpCladdingRadius(const Parameters &p)
{
    if (!p.claddingFromAbsorption)
        return p.claddingRadius;
    return p.coreRadius * std::sqrt(p.coreAbsorption * p.length / p.pumpAbsorption);
}

double heatPerLength(const Parameters &p, double outputPower)
{
    return outputPower / heatRatio(p) / p.length;
}

double limitPower(Limit limit, const Parameters &p)
{
    const double a = p.coreRadius;
    const double L = p.length;
    switch (limit) {
    case Limit::Rupture: {
        const double b = std::max(pumpCladdingRadius(p), a);
        return heatRatio(p) * 4 * kPi * p.ruptureModulus * L / (1 - a * a / (2 * b * b));
    }
    case Limit::Melting:
        return heatRatio(p) * L *
               fiberheat::heatForCoreTemperature(heatGeometry(p), p.meltingTemperature);
    case Limit::ThermalLens:
        return heatRatio(p) * kPi * p.conductivity * p.signalWavelength * p.signalWavelength * L /
               (2 * p.thermoOptic * a * a);
    case Limit::Srs: {
        // Smith's 16 A_eff/(g_R L_eff), the nonlinear page's delivery-fiber
        // threshold (lossless), scaled to the chosen exponent.
        const double rEff = p.modeFieldRatio * a;
        return nonlinear::srsDeliveryThreshold(rEff, 0.0, ramanEffectiveLength(p), p.ramanGain) *
               (p.srsExponent / 16.0);
    }
    case Limit::Sbs: {
        const double rEff = p.modeFieldRatio * a;
        const double g = effectiveBrillouinGain(p);
        if (p.amplifierGain > kE) // the nonlinear page's amplifier threshold (exponent 21)
            return nonlinear::sbsThreshold(rEff, p.polarisationFactor, p.amplifierGain, L, g) *
                   (p.sbsExponent / 21.0);
        return p.sbsExponent * effectiveArea(p) * p.polarisationFactor /
               (g * brillouinEffectiveLength(p));
    }
    case Limit::Damage: return p.damageIntensity * effectiveArea(p);
    case Limit::PumpBrightness: {
        const double b = pumpCladdingRadius(p);
        return p.laserEfficiency * p.pumpRadiance * kPi * kPi * p.pumpNA * p.pumpNA * b * b;
    }
    case Limit::ModeInstability: return modeInstabilityLimit(p).power;
    }
    return kInf;
}

MiLimit modeInstabilityLimit(const Parameters &p)
{
    if (!(p.claddingRadius >= p.coreRadius)) // a core wider than the cladding: no model
        return {};
    ModeInstabilityInput in;
    in.coreRadius = p.coreRadius;
    // A doped region given on its own keeps the Green's-function samples of
    // the model the same for every wider core (heatgreensamples.h); it never
    // reaches beyond the core, whose field the model only knows inside.
    in.dopedRadius = p.dopedRadius > 0 ? std::min(p.dopedRadius, p.coreRadius) : p.coreRadius;
    in.claddingRadius = p.claddingRadius;
    in.coreIndex = p.coreIndex;
    in.numericalAperture = p.coreNA;
    in.signalWavelength = p.signalWavelength;
    in.pumpWavelength = p.pumpWavelength;
    in.heatTransfer = p.heatTransfer;
    in.thermoOptic = p.thermoOptic;
    in.conductivity = p.conductivity;
    in.heatCapacity = p.heatCapacity;
    in.initialFraction = p.initialFraction;
    in.intensityNoise = p.intensityNoise;
    in.initialPower = p.initialPower;
    const ModeInstabilityResult r = computeModeInstability(in);
    MiLimit mi;
    mi.vNumber = r.vNumber;
    if (r.status != ModeInstabilityStatus::Ok)
        return mi;
    mi.applicable = true;
    mi.power = r.thresholdPower;
    // The model scans 1 W steps up to its end; a scan that stopped there
    // without reaching the 5 % content only says "at least this much".
    mi.capped = r.modeContent.empty() || r.modeContent.back() < 0.05;
    return mi;
}

DesignResult evaluateDesign(const Parameters &p, const LimitSet &include, const MiLimit *mi)
{
    DesignResult r;
    if (include[static_cast<int>(Limit::ModeInstability)])
        r.mi = mi ? *mi : modeInstabilityLimit(p);
    const auto [least, which] = leastLimit(p, include, r.mi, &r.power);
    for (int i = 0; i < kLimitCount; ++i)
        r.counted[i] = include[i] && std::isfinite(r.power[i]);
    r.maxPower = least;
    r.binding = which;
    const fiberheat::HeatGeometry g = heatGeometry(p);
    r.claddingRadius = g.outerRadius;
    if (std::isfinite(least)) {
        r.heatPerLength = heatPerLength(p, least);
        r.coreTemperature =
            g.coolantTemperature + fiberheat::coreTemperatureRise(g, r.heatPerLength);
        r.surfaceTemperature = fiberheat::surfaceTemperature(g, r.heatPerLength);
        r.lensFocalLength = fiberheat::thermalLensFocalLength(
            p.coreRadius, p.conductivity, p.thermoOptic, r.heatPerLength, p.length);
        r.thermalIndexDrop = p.thermoOptic * r.heatPerLength / (4 * kPi * p.conductivity);
        r.thermalModeRadius =
            fiberheat::thermalGuideModeRadius(p.coreRadius, p.conductivity, p.thermoOptic,
                                              p.coreIndex, p.signalWavelength, r.heatPerLength);
    }
    return r;
}

BestLength bestLength(const Parameters &p, const LimitSet &include, double lengthMin,
                      double lengthMax, const MiLimit *mi)
{
    const MiLimit none;
    const MiLimit &m = mi ? *mi : none;
    Parameters q = p;
    auto gap = [&](double length) {
        q.length = length;
        return leastOf(q, include, true) - leastOf(q, include, false);
    };
    // rising − falling grows with L: the best length is where it crosses 0.
    double lo = std::log(lengthMin), hi = std::log(lengthMax);
    double best;
    if (gap(lengthMin) >= 0)
        best = lengthMin;
    else if (gap(lengthMax) <= 0)
        best = lengthMax;
    else {
        for (int i = 0; i < kBisectionSteps; ++i) {
            const double mid = 0.5 * (lo + hi);
            (gap(std::exp(mid)) < 0 ? lo : hi) = mid;
        }
        best = std::exp(0.5 * (lo + hi));
    }
    q.length = best;
    return {best, leastLimit(q, include, m, nullptr).first};
}

namespace {

std::vector<double> linearGrid(double from, double to, int n)
{
    std::vector<double> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = n == 1 ? from : from + (to - from) * i / (n - 1);
    return v;
}

std::vector<double> geometricGrid(double from, double to, int n)
{
    std::vector<double> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = n == 1 ? from : from * std::pow(to / from, double(i) / (n - 1));
    return v;
}

} // namespace

MapResult scanMap(const Parameters &p, const LimitSet &include, const MapGrid &grid,
                  const std::function<void(int, int)> &progress, const std::atomic<bool> *cancel)
{
    MapResult m;
    m.diameters = linearGrid(grid.diameterMin, grid.diameterMax, grid.diameterCount);
    m.lengths = geometricGrid(grid.lengthMin, grid.lengthMax, grid.lengthCount);
    const int nd = grid.diameterCount, nl = grid.lengthCount;
    m.maxPower.assign(std::size_t(nd) * nl, 0.0);
    m.binding.assign(std::size_t(nd) * nl, 0);
    m.mi.resize(nd);
    const bool withMi = include[static_cast<int>(Limit::ModeInstability)];

    // Column by column: the MI limit depends on the core only (the cladding
    // b_MI, doped radius and thermal data stay, so the model's Green's-function
    // samples are computed once and shared by every column).
    std::vector<double> columnBest(nd, 0.0);
    std::vector<double> columnLength(nd, 0.0);
    Parameters q = p;
    for (int j = 0; j < nd; ++j) {
        if (cancel && cancel->load()) {
            m.cancelled = true;
            return m;
        }
        q.coreRadius = 0.5 * m.diameters[j];
        if (withMi)
            m.mi[j] = modeInstabilityLimit(q);
        for (int i = 0; i < nl; ++i) {
            q.length = m.lengths[i];
            const auto [least, which] = leastLimit(q, include, m.mi[j], nullptr);
            m.maxPower[std::size_t(i) * nd + j] = least;
            m.binding[std::size_t(i) * nd + j] = static_cast<int>(which);
        }
        const BestLength b = bestLength(q, include, grid.lengthMin, grid.lengthMax, &m.mi[j]);
        columnBest[j] = b.power;
        columnLength[j] = b.length;
        if (progress)
            progress(j + 1, nd);
    }

    // The first column reaching the largest column maximum.
    const double top = *std::max_element(columnBest.begin(), columnBest.end());
    int k = 0;
    while (k + 1 < nd && columnBest[k] < top * (1 - kPlateauTolerance))
        ++k;
    m.bestPower = columnBest[k];
    m.bestDiameter = m.diameters[k];
    m.bestLength = columnLength[k];

    if (!withMi && nd > 1 && std::isfinite(top)) {
        // P(d) between the neighbours of column k: golden-section search for
        // the maximum, then the smallest d reaching it.
        auto powerAt = [&](double d, double *length) {
            Parameters r = p;
            r.coreRadius = 0.5 * d;
            const BestLength b = bestLength(r, include, grid.lengthMin, grid.lengthMax, nullptr);
            if (length)
                *length = b.length;
            return b.power;
        };
        double lo = m.diameters[std::max(k - 1, 0)];
        double hi = m.diameters[std::min(k + 1, nd - 1)];
        const double ratio = 0.5 * (std::sqrt(5.0) - 1);
        double x1 = hi - ratio * (hi - lo), x2 = lo + ratio * (hi - lo);
        double f1 = powerAt(x1, nullptr), f2 = powerAt(x2, nullptr);
        for (int i = 0; i < kBisectionSteps; ++i) {
            if (f1 < f2) {
                lo = x1;
                x1 = x2;
                f1 = f2;
                x2 = lo + ratio * (hi - lo);
                f2 = powerAt(x2, nullptr);
            } else {
                hi = x2;
                x2 = x1;
                f2 = f1;
                x1 = hi - ratio * (hi - lo);
                f1 = powerAt(x1, nullptr);
            }
        }
        double dBest = 0.5 * (lo + hi);
        double pBest = powerAt(dBest, nullptr);
        if (pBest < m.bestPower) { // the grid point itself was better
            dBest = m.bestDiameter;
            pBest = m.bestPower;
        }
        // Smallest diameter reaching pBest: P rises up to the plateau.
        double left = m.diameters[std::max(k - 1, 0)], right = dBest;
        if (powerAt(left, nullptr) < pBest * (1 - kPlateauTolerance)) {
            for (int i = 0; i < kBisectionSteps; ++i) {
                const double mid = 0.5 * (left + right);
                (powerAt(mid, nullptr) < pBest * (1 - kPlateauTolerance) ? left : right) = mid;
            }
            dBest = right;
        } else {
            dBest = left;
        }
        m.bestDiameter = dBest;
        m.bestPower = powerAt(dBest, &m.bestLength);
    }
    {
        Parameters r = p;
        r.coreRadius = 0.5 * m.bestDiameter;
        r.length = m.bestLength;
        MiLimit mi;
        if (withMi)
            mi = m.mi[k];
        m.bestBinding = leastLimit(r, include, mi, nullptr).second;
    }

    // Each limit across the diameters at the best length.
    for (int l = 0; l < kLimitCount; ++l)
        m.curvesAtBest[l].assign(nd, kInf);
    q = p;
    q.length = m.bestLength;
    for (int j = 0; j < nd; ++j) {
        q.coreRadius = 0.5 * m.diameters[j];
        std::array<double, kLimitCount> all{};
        leastLimit(q, include, m.mi[j], &all);
        for (int l = 0; l < kLimitCount; ++l)
            m.curvesAtBest[l][j] = all[l];
    }
    return m;
}

} // namespace powerlimits
