#include "modeinstability.h"

#include "bessel.h"
#include "cancellation.h"
#include "complexbessel.h"
#include "complexnumber.h"
#include "heatgreensamples.h"
#include "innerthreads.h"
#include "modesolver.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <thread>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#endif

// Every expression below keeps the operand order of the model's definition:
// the published digits (chi_max 0.1433, P_th 179 W on the defaults) depend on
// it, and the optimised and literal evaluations must agree bit for bit.

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPi = 12.566370614359172;
constexpr double kEightPiSquared = 78.95683520871486;
constexpr double kCutoff = 2.405;     // first zero of J_0: LP11 cut-off
constexpr int kPowerSteps = 500;      // mode powers, over [0, b]
constexpr int kOuterSteps = 250;      // double sum, r over [0, b]
constexpr int kInnerSteps = 100;      // double sum r' and overlaps, over [0, r_d]
constexpr double kShiftStart = -5.0;  // kHz
constexpr double kShiftStep = 0.1;    // kHz
constexpr double kShiftEnd = 5.0;     // kHz
constexpr size_t kWidenOffsets = 50;  // offsets added per widening of one side (5 kHz)
constexpr double kWidestShift = 50.0; // kHz: the scan never reaches beyond +-50 kHz
constexpr double kPowerStart = 50.0;  // W
constexpr double kPowerEnd = 5000.0;  // W
constexpr double kThresholdFraction = 0.05;

// r = 0, step, 2 step, ... (repeated addition) while r <= end; nothing when
// end < 0. A zero step (a zero radius typed on the page) would never leave
// r = 0; that single sample r = 0 is visited once instead. An infinite end
// (and step end / N) would never leave r = inf, so a non-finite end or step
// visits nothing, and no walk takes more than kMaxRadiusSamples samples (the
// grids here have at most 501; the bound only has to exist).
constexpr long kMaxRadiusSamples = 1000000;
template <typename F> void forEachRadius(double end, double step, F &&visit)
{
    if (!std::isfinite(end) || !std::isfinite(step))
        return;
    long visited = 0;
    for (double r = 0; r <= end && visited < kMaxRadiusSamples; r += step, ++visited) {
        visit(r);
        if (!(step > 0))
            break;
    }
}

bool allFinite(const ModeInstabilityInput &in)
{
    for (double v :
         {in.coreRadius, in.dopedRadius, in.claddingRadius, in.coreIndex, in.numericalAperture,
          in.signalWavelength, in.pumpWavelength, in.heatTransfer, in.thermoOptic, in.conductivity,
          in.heatCapacity, in.initialFraction, in.intensityNoise, in.initialPower})
        if (!std::isfinite(v))
            return false;
    return true;
}

std::vector<double> radiusGrid(double end, double step)
{
    std::vector<double> grid;
    forEachRadius(end, step, [&](double r) { grid.push_back(r); });
    return grid;
}

// Radial mode fields: J in the core, K in the cladding matched at r = a.
struct ModeFields {
    double a, u01, w01, u11, w11;
    double psi01(double r) const
    {
        if (r <= a)
            return besselJn(0, u01 * (r / a));
        return besselJn(0, u01) * besselKn(0, w01 * (r / a)) / besselKn(0, w01);
    }
    double psi11(double r) const
    {
        if (r <= a)
            return besselJn(1, u11 * (r / a));
        return besselJn(1, u11) * besselKn(1, w11 * (r / a)) / besselKn(1, w11);
    }
};

// Everything the double sum of one offset needs.
struct SumContext {
    ModeFields fields;
    double b, rd, norm; // norm = 1/sqrt(P11 P01)
    double outerStep, innerStep;
    HeatGreenSetup heat; // grids and thermal constants of the Green's function
};

// The double sum of one offset, term by term: the Bessel functions of the
// Green's function and of the core fields are evaluated inside the sums.
Complex couplingSumLiteral(const SumContext &c, const HeatGreenOffset &o)
{
    Complex total;
    forEachRadius(c.b, c.outerStep, [&](double r) {
        Complex inner;
        forEachRadius(c.rd, c.innerStep, [&](double rp) {
            Complex g; // zero when r or r' is 0 (I_1(0) = 0)
            if (r != 0 && rp != 0) {
                const double rl = r >= rp ? rp : r;
                const double rg = r >= rp ? r : rp;
                g = complexBesselI(1, o.q * rl) *
                    (complexBesselK(1, o.q * rg) + o.d * complexBesselI(1, o.q * rg));
            }
            inner += g * c.norm * besselJn(0, c.fields.u01 * (rp / c.fields.a)) *
                     besselJn(1, c.fields.u11 * (rp / c.fields.a)) * rp * c.innerStep;
        });
        total += inner * kPi * c.norm * c.fields.psi01(r) * c.fields.psi11(r) * r * c.outerStep;
    });
    return total;
}

// Offset-independent samples of the optimised sum.
struct SumGrids {
    std::vector<double> outer, psi01, psi11; // r, psi01(r), psi11(r)
    std::vector<double> inner, j0, j1;       // r', J_0(U01 r'/a), J_1(U11 r'/a)
};

SumGrids makeGrids(const SumContext &c)
{
    SumGrids g;
    g.outer = radiusGrid(c.b, c.outerStep);
    for (double r : g.outer) {
        g.psi01.push_back(c.fields.psi01(r));
        g.psi11.push_back(c.fields.psi11(r));
    }
    g.inner = radiusGrid(c.rd, c.innerStep);
    for (double rp : g.inner) {
        g.j0.push_back(besselJn(0, c.fields.u01 * (rp / c.fields.a)));
        g.j1.push_back(besselJn(1, c.fields.u11 * (rp / c.fields.a)));
    }
    return g;
}

// rows[i] += c * v[i] * f[0] * f[1] * f[2] * f[3] * f[4] for i in [first, last),
// rows and v interleaved (re, im). The complex product is the model's
// (ac - db) + (ad + cb)i, whose value does not depend on which factor is c.
void addRowTermsScalar(double *rows, const double *v, size_t first, size_t last, const Complex &c,
                       const double *f)
{
    for (size_t i = first; i < last; ++i) {
        const Complex t = c * Complex(v[2 * i], v[2 * i + 1]) * f[0] * f[1] * f[2] * f[3] * f[4];
        rows[2 * i] += t.re();
        rows[2 * i + 1] += t.im();
    }
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same operations two rows at a time with AVX2 (no FMA, so every product
// and sum is rounded exactly as in the scalar loop).
__attribute__((target("avx2"))) void addRowTermsAvx2(double *rows, const double *v, size_t first,
                                                     size_t last, const Complex &c, const double *f)
{
    const __m256d cr = _mm256_set1_pd(c.re());
    const __m256d ci = _mm256_set1_pd(c.im());
    const __m256d f0 = _mm256_set1_pd(f[0]), f1 = _mm256_set1_pd(f[1]), f2 = _mm256_set1_pd(f[2]),
                  f3 = _mm256_set1_pd(f[3]), f4 = _mm256_set1_pd(f[4]);
    size_t i = first;
    for (; i + 2 <= last; i += 2) {
        const __m256d y = _mm256_loadu_pd(v + 2 * i);                  // (c0, d0, c1, d1)
        const __m256d t1 = _mm256_mul_pd(cr, y);                       // (a c, a d)
        const __m256d t2 = _mm256_mul_pd(ci, _mm256_permute_pd(y, 5)); // (b d, b c)
        __m256d p = _mm256_addsub_pd(t1, t2);                          // (ac - bd, ad + bc)
        p = _mm256_mul_pd(p, f0);
        p = _mm256_mul_pd(p, f1);
        p = _mm256_mul_pd(p, f2);
        p = _mm256_mul_pd(p, f3);
        p = _mm256_mul_pd(p, f4);
        _mm256_storeu_pd(rows + 2 * i, _mm256_add_pd(_mm256_loadu_pd(rows + 2 * i), p));
    }
    addRowTermsScalar(rows, v, i, last, c, f);
}
#endif

using AddRowTerms = void (*)(double *, const double *, size_t, size_t, const Complex &,
                             const double *);

AddRowTerms rowTermKernel()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const AddRowTerms kernel =
        __builtin_cpu_supports("avx2") ? addRowTermsAvx2 : addRowTermsScalar;
    return kernel;
#else
    return addRowTermsScalar;
#endif
}

// The same sum as couplingSumLiteral with the Bessel values looked up. Every
// row's inner sum (fixed r) still adds its terms in ascending r', and the rows
// are added in ascending r; only the rows are advanced side by side (column
// r' at a time), which leaves each sum's order, and so its value, unchanged.
// Terms at r = 0 or r' = 0 are formed from a zero g exactly as there (they add
// zeros, unless the normalisation is not finite, when they carry its NaN).
Complex couplingSumFast(const SumContext &c, const SumGrids &g, const HeatGreenSamples &green)
{
    const std::vector<double> &i1Outer = green.outerI1, &eOuter = green.outerE;
    const std::vector<double> &i1Inner = green.innerI1, &eInner = green.innerE;
    const AddRowTerms addTerms = rowTermKernel();
    const size_t nOuter = g.outer.size();
    std::vector<double> rows(2 * nOuter, 0.0); // inner sums per outer radius
    size_t split = 0;                          // first row with r >= r'
    for (size_t j = 0; j < g.inner.size(); ++j) {
        const double rp = g.inner[j];
        const double f[5] = {c.norm, g.j0[j], g.j1[j], rp, c.innerStep};
        const Complex zeroTerm = Complex() * f[0] * f[1] * f[2] * f[3] * f[4];
        size_t i = 0;
        for (; i < nOuter && (rp == 0 || g.outer[i] == 0); ++i) {
            rows[2 * i] += zeroTerm.re();
            rows[2 * i + 1] += zeroTerm.im();
        }
        if (i == nOuter)
            continue;
        // The outer grid ascends and so does r': the split only moves up.
        split = std::max(split, i);
        while (split < nOuter && !(g.outer[split] >= rp))
            ++split;
        // r < r': g = I_1(q r) (K_1(q r') + D I_1(q r'))
        addTerms(rows.data(), i1Outer.data(), i, split, Complex(eInner[2 * j], eInner[2 * j + 1]),
                 f);
        // r >= r': g = I_1(q r') (K_1(q r) + D I_1(q r))
        addTerms(rows.data(), eOuter.data(), split, nOuter,
                 Complex(i1Inner[2 * j], i1Inner[2 * j + 1]), f);
    }
    Complex total;
    for (size_t i = 0; i < nOuter; ++i)
        total += Complex(rows[2 * i], rows[2 * i + 1]) * kPi * c.norm * g.psi01[i] * g.psi11[i] *
                 g.outer[i] * c.outerStep;
    return total;
}

// The offsets f = -5.0, -4.9, ... by repeated addition while f <= 5.0 (101
// values; the loop variable, not the displayed grid F_k).
std::vector<double> offsetLoopValues()
{
    std::vector<double> f;
    for (double x = kShiftStart; x <= kShiftEnd; x += kShiftStep)
        f.push_back(x);
    return f;
}

// chi at each offset (kHz): term by term, or with the grids computed once and
// the offsets spread over two threads (each value computed exactly as on one
// thread, so the split cannot change it).
std::vector<double> couplingAt(const SumContext &ctx, const std::vector<double> &offsets, double kc,
                               bool literal)
{
    std::vector<double> chi(offsets.size());
    if (literal) {
        for (size_t k = 0; k < offsets.size(); ++k)
            chi[k] = couplingSumLiteral(ctx, heatGreenOffset(ctx.heat, offsets[k])).im() * kc;
        return chi;
    }
    const SumGrids grids = makeGrids(ctx);
    // Both threads ask for every offset's Green's-function samples: they
    // share out those not yet computed, then each forms its half of the sums.
    const std::atomic<bool> *cancel = cancellation::current();
    auto work = [&](size_t first, std::exception_ptr *error) {
        const cancellation::Scope scope(cancel); // the helper thread hears Ctrl-C too
        try {
            const std::vector<std::shared_ptr<const HeatGreenSamples>> green =
                heatGreenSamples(ctx.heat, grids.outer, grids.inner, offsets);
            for (size_t k = first; k < offsets.size(); k += 2) {
                cancellation::throwIfRequested();
                chi[k] = couplingSumFast(ctx, grids, *green[k]).im() * kc;
            }
        } catch (...) {
            *error = std::current_exception();
        }
    };
    std::exception_ptr errors[2];
    if (std::thread::hardware_concurrency() >= 2 && innerthreads::allowed()) {
        std::thread helper(work, size_t(1), &errors[1]);
        work(0, &errors[0]);
        helper.join();
    } else {
        work(0, &errors[0]);
        work(1, &errors[1]);
    }
    for (const std::exception_ptr &e : errors)
        if (e)
            std::rethrow_exception(e);
    return chi;
}

// Position of the largest chi; only a strictly larger value moves it, so the
// first of equal maxima wins.
size_t peakPosition(const std::vector<double> &chi)
{
    size_t peak = 0;
    for (size_t k = 1; k < chi.size(); ++k)
        if (chi[k] > chi[peak])
            peak = k;
    return peak;
}

ModeInstabilityResult computeModel(const ModeInstabilityInput &in, bool literal)
{
    ModeInstabilityResult res;
    if (!allFinite(in)) {
        res.status = ModeInstabilityStatus::NotFinite;
        return res;
    }
    const double a = in.coreRadius;
    const double n = in.coreIndex;
    const double na = in.numericalAperture;
    const double ls = in.signalWavelength;

    // 1. V number.
    const double k0 = kTwoPi / ls;
    const double v = kTwoPi / ls * a * na;
    res.vNumber = v;
    if (!(v > kCutoff)) // also refuses a V that is not a number (zero wavelength)
        return res;

    // 2. Mode search: the first (largest) effective index of orders 0 and 1.
    const double ncl = std::sqrt(std::pow(n, 2) - std::pow(na, 2));
    res.claddingIndex = ncl;
    const ModeSet modes = solveModes(a, ls, n, ncl);
    if (modes.neffLists.size() < 2 || modes.neffLists[0].empty() || modes.neffLists[1].empty())
        return res; // no LP01 or no LP11: treated as not multimode
    const double neff01 = modes.neffLists[0][0];
    const double neff11 = modes.neffLists[1][0];

    // 3. Transverse wavenumbers.
    const double u01 = k0 * a * std::sqrt(std::pow(n, 2) - std::pow(neff01, 2));
    const double w01 = std::sqrt(v * v - u01 * u01);
    const double u11 = k0 * a * std::sqrt(std::pow(n, 2) - std::pow(neff11, 2));
    const double w11 = std::sqrt(v * v - u11 * u11);
    const ModeFields fields{a, u01, w01, u11, w11};

    // 5. Mode powers over the pump cladding; LP11 carries pi instead of 2 pi
    // (the cos^2 of its azimuthal dependence).
    const double b = in.claddingRadius;
    const double powerStep = b / kPowerSteps;
    double p01 = 0, p11 = 0;
    forEachRadius(b, powerStep, [&](double r) {
        const double f01 = fields.psi01(r);
        p01 += f01 * (kTwoPi * f01) * r * powerStep;
    });
    forEachRadius(b, powerStep, [&](double r) {
        const double f11 = fields.psi11(r);
        p11 += f11 * (kPi * f11) * r * powerStep;
    });
    const double norm = 1 / std::sqrt(p11 * p01);

    // 6. Coupling constant.
    const double lp = in.pumpWavelength;
    const double kc = kEightPiSquared * (2 * n * in.thermoOptic * (ls - lp)) /
                      (lp * ls * n * in.conductivity * kFourPi);

    // The heat-diffusion wavenumber q = sqrt(i s), s = 2 pi f rhoC / kappa, at
    // the largest offset the scan may widen to: its square root squares s (overflow above about
    // 1.3e154), and |q| times the largest radius bounds every Bessel argument
    // of step 7. Where either overflows (kappa far below, or rhoC far above,
    // anything a material has) the sums cannot be formed: reported, not run.
    // A zero kappa or rhoC is left to the division check of step 7.
    if (in.conductivity != 0 && in.heatCapacity != 0) {
        const double sMax = 2 * kWidestShift * kPi * 1000 * in.heatCapacity / in.conductivity;
        const double qMax = std::sqrt(std::fabs(sMax));
        if (!std::isfinite(sMax * sMax) ||
            !std::isfinite(qMax * std::max(std::fabs(b), std::fabs(in.dopedRadius)))) {
            res.status = ModeInstabilityStatus::NotFinite;
            return res;
        }
    }

    // 7. Coupling coefficient at each offset.
    const double outerStep = b / kOuterSteps;
    const double innerStep = in.dopedRadius / kInnerSteps;
    const SumContext ctx{fields,
                         b,
                         in.dopedRadius,
                         norm,
                         outerStep,
                         innerStep,
                         {b, outerStep, in.dopedRadius, innerStep, in.conductivity, in.heatCapacity,
                          in.heatTransfer}};
    std::vector<double> offsets = offsetLoopValues();
    std::vector<double> chi = couplingAt(ctx, offsets, kc, literal);
    // A peak at either end of the scan is no peak: widen that side (same
    // step, kWidenOffsets offsets at a time) until the largest chi is interior
    // or the scan reaches kWidestShift. A larger core or cladding moves the
    // peak to lower offsets, beyond the +-5 kHz that suit the defaults.
    double scanStart = kShiftStart;
    for (;;) {
        // Still rising into an end (strictly: a flat curve, such as the zero
        // coupling of an empty doped region, has no peak to look for).
        const size_t top = peakPosition(chi);
        const bool atLow = top == 0 && chi.size() > 1 && chi[0] > chi[1];
        const bool atHigh = top + 1 == chi.size() && chi.size() > 1 && chi[top] > chi[top - 1];
        if (!(atLow || atHigh))
            break;
        if (atLow && scanStart - kWidenOffsets * kShiftStep >= -kWidestShift - kShiftStep / 2) {
            std::vector<double> lower(kWidenOffsets);
            for (size_t j = 0; j < lower.size(); ++j)
                lower[j] = scanStart - static_cast<double>(kWidenOffsets - j) * kShiftStep;
            const std::vector<double> lowerChi = couplingAt(ctx, lower, kc, literal);
            offsets.insert(offsets.begin(), lower.begin(), lower.end());
            chi.insert(chi.begin(), lowerChi.begin(), lowerChi.end());
            scanStart = lower.front();
        } else if (atHigh &&
                   offsets.back() + kWidenOffsets * kShiftStep <= kWidestShift + kShiftStep / 2) {
            std::vector<double> upper(kWidenOffsets);
            double x = offsets.back();
            for (double &value : upper)
                value = x += kShiftStep; // the repeated addition of the scan's loop
            const std::vector<double> upperChi = couplingAt(ctx, upper, kc, literal);
            offsets.insert(offsets.end(), upper.begin(), upper.end());
            chi.insert(chi.end(), upperChi.begin(), upperChi.end());
        } else {
            break; // widest scan reached: the peak stays at its end (peakInterior false)
        }
    }
    res.shifts.resize(chi.size());
    for (size_t k = 0; k < chi.size(); ++k)
        res.shifts[k] =
            static_cast<double>(k) * kShiftStep + scanStart; // (k-1)*0.1 + start, 1-based
    res.coupling = chi;

    // 8. Peak: only a strictly larger value moves it, so the first maximum wins.
    const size_t peak = peakPosition(chi);
    const double shiftStep = std::fabs(res.shifts[1] - res.shifts[0]);
    res.chiMax = chi[peak];
    res.peakIndex = static_cast<int>(peak) + 1;
    res.peakInterior = peak != 0 && peak + 1 != chi.size();
    res.peakShift = -scanStart - shiftStep * static_cast<double>(peak);

    // 9. Overlaps with the doped region (J from the complex-Bessel module's
    // real entry point, as the model was defined).
    const double rd = in.dopedRadius;
    const double dopedStep = rd / kInnerSteps;
    double a1 = 0, a2 = 0;
    forEachRadius(rd, dopedStep, [&](double r) {
        a1 += kTwoPi * std::pow(realBesselJ(0.0, u01 * (r / a)), 2) * r * dopedStep;
        a2 += kPi * std::pow(realBesselJ(1.0, u11 * (r / a)), 2) * r * dopedStep;
    });
    const double gamma01 = a1 / p01;
    const double gamma11 = a2 / p11;

    // 10. Curvature of chi by central second differences. The step is the
    // offset step times 100 times 2 pi (about 62.8), not the 2 pi x 100 Hz of
    // the offsets in step 7; the threshold formula was calibrated with it.
    const double h = shiftStep * 100 * 2 * kPi;
    const size_t count = chi.size();
    std::vector<double> curv(count, 0.0);
    if (count >= 3) {
        for (size_t k = 1; k + 1 < count; ++k)
            curv[k] = ((chi[k + 1] - chi[k]) / h - (chi[k] - chi[k - 1]) / h) / (h + h);
        curv[0] = 2 * curv[1] - curv[2];
        curv[count - 1] = 2 * curv[count - 2] - curv[count - 3];
    }
    for (double &c : curv)
        c /= 2;
    const double cPeak = curv[peak];

    // 11. Power scan.
    const double rho = 1 - gamma11 / gamma01;
    const double eta0 = in.initialFraction;
    const double p0 = in.initialPower;
    const double rin = in.intensityNoise;
    // Without noise (RIN = 0) or without thermal coupling (dn/dT = 0 gives
    // chi = 0 and a zero curvature) nothing seeds or amplifies LP11: the
    // noise term is exactly 0, not 0 * inf (a NaN) or x / 0 (an inf).
    const bool amplified = rin > 0 && res.chiMax > 0 && cPeak != 0;
    double threshold = kPowerEnd;
    res.thresholdFound = false;
    for (double p = kPowerStart; p <= kPowerEnd; p += 1) {
        const double seed = eta0 * std::pow(p0 / p, rho);
        // A zero seed (eta_0 = 0) stays zero: the growth factor may overflow
        // to infinity, and 0 * inf would be a NaN that ends the scan early.
        const double xi =
            seed == 0 || !amplified
                ? seed
                : seed * (1 + rin * 0.25 * std::sqrt(kTwoPi * gamma01 / std::fabs(p * cPeak)) *
                                  std::exp((p - p0) * (res.chiMax / gamma01)));
        if (std::isnan(xi))
            break; // a degenerate fiber (zero radii): no threshold to report
        res.powers.push_back(p);
        res.modeContent.push_back(xi);
        if (xi >= kThresholdFraction) {
            threshold = p;
            res.thresholdFound = true;
            break;
        }
    }
    res.thresholdPower = threshold;

    res.status = ModeInstabilityStatus::Ok;
    res.neff01 = neff01;
    res.neff11 = neff11;
    res.u01 = u01;
    res.w01 = w01;
    res.u11 = u11;
    res.w11 = w11;
    res.power01 = p01;
    res.power11 = p11;
    res.couplingConstant = kc;
    res.gamma01 = gamma01;
    res.gamma11 = gamma11;
    res.peakCurvature = cPeak;
    return res;
}

} // namespace

ModeInstabilityInput defaultModeInstabilityInput()
{
    ModeInstabilityInput in;
    in.coreRadius = 15 * 1e-6;
    in.dopedRadius = 15 * 1e-6;
    in.claddingRadius = 200 * 1e-6;
    in.coreIndex = 1.45;
    in.numericalAperture = 0.06;
    in.signalWavelength = 1064 * 1e-9;
    in.pumpWavelength = 975 * 1e-9;
    in.heatTransfer = 1000;
    in.thermoOptic = 1.21e-5;
    in.conductivity = 1.4;
    in.heatCapacity = 1.67e6;
    in.initialFraction = 0.01;
    in.intensityNoise = 1e-13;
    in.initialPower = 10;
    return in;
}

ModeInstabilityResult computeModeInstability(const ModeInstabilityInput &in)
{
    return computeModel(in, false);
}

ModeInstabilityResult computeModeInstabilityLiteral(const ModeInstabilityInput &in)
{
    return computeModel(in, true);
}
