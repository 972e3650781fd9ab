#include "pydirect.h"

#include "complexnumber.h"
#include "fieldmaps.h"
#include "inputranges.h"
#include "modeinstability.h"
#include "modesolver.h"
#include "pyarrays.h"
#include "pyconvert.h"
#include "pyinterrupt.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace py = pybind11;

namespace velmora::python {

namespace {

constexpr double kMicrometre = 1e-6;
constexpr double kNanometre = 1e-9;
constexpr double kTwoPi = 6.283185307179586; // the pages' stored 2π

// A default of the model in page units: the SI default divided by the unit,
// rounded to 12 digits so help() shows 15 rather than 15.000000000000002.
double pageUnits(double si, double unit)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", si / unit);
    return std::strtod(text, nullptr);
}

// The accepted range of one input in page units (physics/inputranges.h),
// or InputError naming the key, the quantity and the range.
void requireIn(const char *key, const inputranges::InputRange &range, double value,
               double toSI = 1.0)
{
    if (inputranges::contains(range, value, toSI))
        return;
    const std::string unit = toSI == kMicrometre ? "μm" : toSI == kNanometre ? "nm" : range.siUnit;
    throw InputError(key, std::string(key) + ": " +
                              inputranges::outOfRangeEn(range.en, inputranges::pageMin(range, toSI),
                                                        inputranges::pageMax(range, toSI), unit));
}

// The fiber of the mode solver: a, lambda and both indices within their
// ranges, and a core index not below the cladding index.
void requireFiber(double aUm, double lambdaNm, double n1, double n2)
{
    requireIn("a_um", inputranges::kFiberRadius, aUm, kMicrometre);
    requireIn("lambda_nm", inputranges::kWavelength, lambdaNm, kNanometre);
    requireIn("n1", inputranges::kRefractiveIndex, n1);
    requireIn("n2", inputranges::kRefractiveIndex, n2);
    if (n1 < n2)
        throw InputError("n1", "n1: the core index must not be below the cladding index n2");
}

py::dict modes(double aUm, double lambdaNm, double n1, double n2, int samples)
{
    requireFiber(aUm, lambdaNm, n1, n2);
    if (samples < 3 || samples > 10'000'000)
        throw InputError("samples", "samples: a grid of 3 to 10000000 effective indices");
    const double lambda = lambdaNm * kNanometre;
    ModeSet set;
    std::vector<long long> ms, ns;
    std::vector<double> neffs, betas;
    set = interruptibly([&] { return solveModes(aUm * kMicrometre, lambda, n1, n2, samples); });
    {
        py::gil_scoped_release released;
        for (int m = 0; m <= set.maxOrder; ++m)
            for (std::size_t k = 0; k < set.neffLists[m].size(); ++k) {
                ms.push_back(m);
                ns.push_back(static_cast<long long>(k) + 1);
                neffs.push_back(set.neffLists[m][k]);
                betas.push_back(propagationConstant(set.neffLists[m][k], lambda));
            }
    }
    py::dict d;
    d["m"] = arrayFromVector(std::move(ms));
    d["n"] = arrayFromVector(std::move(ns));
    d["neff"] = arrayFromVector(std::move(neffs));
    d["beta"] = arrayFromVector(std::move(betas));
    d["v"] = kTwoPi / lambda * (aUm * kMicrometre) * std::sqrt(n1 * n1 - n2 * n2);
    d["mode_count"] = set.modeTotal;
    return d;
}

std::vector<double> &chosenGrid(ModeFieldMaps &maps, const std::string &kind,
                                const std::string &orientation)
{
    const bool even = orientation == "E";
    if (!even && orientation != "O")
        throw InputError("orientation", "orientation: \"E\" (cos mθ) or \"O\" (sin mθ)");
    if (kind == "intensity")
        return even ? maps.intensityE : maps.intensityO;
    if (kind == "amplitude")
        return even ? maps.amplitudeE : maps.amplitudeO;
    if (kind == "phase")
        return even ? maps.phaseE : maps.phaseO;
    throw InputError("kind", "kind: \"intensity\", \"amplitude\" or \"phase\"");
}

py::array_t<double> fieldMap(double aUm, double lambdaNm, double n1, double n2, int m, int n,
                             const std::string &kind, const std::string &orientation)
{
    requireFiber(aUm, lambdaNm, n1, n2);
    ModeFieldMaps unused;
    chosenGrid(unused, kind, orientation); // refuse a bad choice before the work
    if (m < 0 || m > kModeSolverMaxOrder)
        throw InputError("m",
                         "m: an azimuthal order from 0 to " + std::to_string(kModeSolverMaxOrder));
    if (n < 1)
        throw InputError("n", "n: a radial order from 1");
    const double a = aUm * kMicrometre, lambda = lambdaNm * kNanometre;
    const ModeSet set = interruptibly([&] { return solveModes(a, lambda, n1, n2); });
    // The set holds lists up to its highest searched order only (at least 31).
    const auto order = static_cast<std::size_t>(m);
    if (order >= set.neffLists.size() || static_cast<std::size_t>(n) > set.neffLists[order].size())
        throw InputError("n", "n: LP" + modeLabel(m, n) + " is not guided by this fiber (" +
                                  std::to_string(set.modeTotal) + " modes)");
    ModeFieldMaps maps;
    {
        py::gil_scoped_release released;
        computeFieldMaps(a, lambda, n1, n2, set.neffLists[m][n - 1], m, maps);
    }
    const auto side = static_cast<py::ssize_t>(kFieldGridSize);
    return arrayFromVector(std::move(chosenGrid(maps, kind, orientation)), {side, side});
}

py::dict tmiThreshold(double aUm, double dopedUm, double claddingUm, double n, double na,
                      double signalNm, double pumpNm, double h, double dndt, double kappa,
                      double rhoC, double eta0, double rin, double p0)
{
    requireIn("a_um", inputranges::kFiberRadius, aUm, kMicrometre);
    requireIn("doped_um", inputranges::kFiberRadius, dopedUm, kMicrometre);
    requireIn("b_um", inputranges::kFiberRadius, claddingUm, kMicrometre);
    requireIn("n1", inputranges::kRefractiveIndex, n);
    requireIn("na", inputranges::kNumericalAperture, na);
    requireIn("lambda_s_nm", inputranges::kWavelength, signalNm, kNanometre);
    requireIn("lambda_p_nm", inputranges::kWavelength, pumpNm, kNanometre);
    requireIn("h_w_m2k", inputranges::kHeatTransferCoefficient, h);
    requireIn("dndt_k", inputranges::kThermoOptic, dndt);
    requireIn("kappa_w_mk", inputranges::kThermalConductivity, kappa);
    requireIn("rho_c_j_m3k", inputranges::kVolumetricHeatCapacity, rhoC);
    requireIn("eta0", inputranges::kFraction, eta0);
    requireIn("rin", inputranges::kFraction, rin);
    requireIn("p0_w", inputranges::kPower, p0);
    ModeInstabilityInput in;
    in.coreRadius = aUm * kMicrometre;
    in.dopedRadius = dopedUm * kMicrometre;
    in.claddingRadius = claddingUm * kMicrometre;
    in.coreIndex = n;
    in.numericalAperture = na;
    in.signalWavelength = signalNm * kNanometre;
    in.pumpWavelength = pumpNm * kNanometre;
    in.heatTransfer = h;
    in.thermoOptic = dndt;
    in.conductivity = kappa;
    in.heatCapacity = rhoC;
    in.initialFraction = eta0;
    in.intensityNoise = rin;
    in.initialPower = p0;
    ModeInstabilityResult r;
    try {
        r = interruptibly([&] { return computeModeInstability(in); });
    } catch (const ComplexDivisionError &) {
        throw InputError("kappa_w_mk",
                         "kappa: the heat equation has no solution with a zero "
                         "conductivity or heat capacity (kappa, rho_c)");
    }
    if (r.status == ModeInstabilityStatus::NotMultimode)
        throw InputError("a_um", "a_um: V = " + std::to_string(r.vNumber) +
                                     " <= 2.405: the fiber must be multimode "
                                     "(core radius, NA, signal wavelength)");
    if (r.status != ModeInstabilityStatus::Ok)
        throw InputError("kappa_w_mk",
                         "kappa_w_mk: the heat-diffusion wavenumber overflows "
                         "with this conductivity and heat capacity");
    if (r.status == ModeInstabilityStatus::Ok && !r.thresholdFound)
        throw InputError(in.intensityNoise == 0 ? "rin"
                         : in.thermoOptic == 0  ? "dndt_k"
                                                : "",
                         "no mode-instability threshold below the scan's end at 5000 W "
                         "(the LP11 fraction stays below 5 %)");
    py::dict d;
    d["p_th_w"] = r.thresholdPower;
    d["chi_max_per_w"] = r.chiMax;
    d["peak_shift_khz"] = r.peakShift;
    d["v"] = r.vNumber;
    d["shift_khz"] = arrayFromVector(std::move(r.shifts));
    d["chi_per_w"] = arrayFromVector(std::move(r.coupling));
    d["power_w"] = arrayFromVector(std::move(r.powers));
    d["xi"] = arrayFromVector(std::move(r.modeContent));
    return d;
}

} // namespace

void addDirectFunctions(py::module_ &module)
{
    module.def("modes", &modes, py::arg("a_um"), py::arg("lambda_nm"), py::arg("n1"), py::arg("n2"),
               py::arg("samples") = kModeSolverSamples,
               R"doc(Guided LP modes of a step-index fiber (weakly guiding, Gloge 1971).

The effective indices are those of the fiber-mode page: the characteristic
equation sampled on `samples` effective indices between n2 and n1, each mode
reported at the grid value above its sign change (no refinement).

Parameters: a_um core radius [um], lambda_nm vacuum wavelength [nm], n1 core
and n2 cladding index (n1 >= n2).

Returns a dict: "m", "n" (int64 arrays) and "neff", "beta" (float64 arrays,
beta in 1/m) in table order (m ascending, then n); "v" the V number
k0 a sqrt(n1^2 - n2^2); "mode_count" the number of LP modes
(the keys of modes.solve).

>>> velmora.modes(20, 1080, 1.4512, 1.45)["mode_count"]
7)doc");
    module.def("field_map", &fieldMap, py::arg("a_um"), py::arg("lambda_nm"), py::arg("n1"),
               py::arg("n2"), py::arg("m") = 0, py::arg("n") = 1, py::arg("kind") = "intensity",
               py::arg("orientation") = "E",
               R"doc(Transverse field of mode LP_mn on the 501 x 501 grid of the fiber-mode page.

kind: "intensity" or "amplitude" (divided by the grid's maximum, + 1e-16) or
"phase" (pi where the amplitude is >= 0, else 0); orientation "E" (cos m theta)
or "O" (sin m theta; for m = 0 its intensity and amplitude are NaN).

Returns a float64 array of shape (501, 501); element [i, j] lies at
x = c_i, y = c_j with c_k = k * 4a/500 - 2a (from -2a to +2a). The mode set is
solved first; a mode the fiber does not guide raises InputError naming "n".)doc");
    const ModeInstabilityInput d = defaultModeInstabilityInput();
    module.def("tmi_threshold", &tmiThreshold, py::kw_only(),
               py::arg("a_um") = pageUnits(d.coreRadius, kMicrometre),
               py::arg("doped_um") = pageUnits(d.dopedRadius, kMicrometre),
               py::arg("b_um") = pageUnits(d.claddingRadius, kMicrometre),
               py::arg("n1") = d.coreIndex, py::arg("na") = d.numericalAperture,
               py::arg("lambda_s_nm") = pageUnits(d.signalWavelength, kNanometre),
               py::arg("lambda_p_nm") = pageUnits(d.pumpWavelength, kNanometre),
               py::arg("h_w_m2k") = d.heatTransfer, py::arg("dndt_k") = d.thermoOptic,
               py::arg("kappa_w_mk") = d.conductivity, py::arg("rho_c_j_m3k") = d.heatCapacity,
               py::arg("eta0") = d.initialFraction, py::arg("rin") = d.intensityNoise,
               py::arg("p0_w") = d.initialPower,
               R"doc(Threshold of transverse mode instability (thermal LP01-LP11 coupling).

Model of Smith & Smith, Opt. Express 19, 10180 (2011) and Hansen et al.,
Opt. Express 21, 1944 (2013), discretised as on the mode-instability page, so
the numbers equal the page's. Keyword arguments (page defaults):
a_um core, doped_um doped and b_um pump-cladding radius [um]; n1 core index;
na numerical aperture; lambda_s_nm signal and lambda_p_nm pump wavelength [nm];
h_w_m2k heat-transfer coefficient [W/(m^2 K)]; dndt_k thermo-optic coefficient
[1/K]; kappa_w_mk thermal conductivity [W/(m K)]; rho_c_j_m3k density x heat
capacity [J/(m^3 K)]; eta0 initial LP11 fraction; rin relative intensity noise;
p0_w initial power [W] (the keys of tmi.threshold).

Returns a dict: "p_th_w", "chi_max_per_w" [1/W], "peak_shift_khz", "v", and the
curves "shift_khz", "chi" (101 offsets) and "power_w", "xi" (50 W up to the
threshold). A fiber with V <= 2.405 raises InputError.)doc");
}

} // namespace velmora::python
