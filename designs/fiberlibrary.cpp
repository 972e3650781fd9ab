// Generic fiber types. Geometry (core/cladding diameter, core NA) is the
// nominal geometry by which such fibers are sold; the Yb concentration is
// derived from a typical nominal small-signal absorption at 976 nm, the
// number fiber datasheets quote, as
//
//     N = α[dB/m] / (10·log10(e)) / (σa(976 nm) · (a_d / b)²),
//
// where (a_d/b)² is the doped-area fraction seen by a pump filling the
// cladding (cladding-pumped types) and b = a_d for the core-pumped type
// (whose core absorption is quoted directly; the mode overlap ≈ 0.8 is
// ignored). σa(976 nm) = 2.48e-24 m² is the value of the shipped cross-section
// table (Marciante & Zuegel, Appl. Opt. 45, 6798 (2006)). The background loss
// 15 dB/km is a typical figure for Yb-doped large-mode-area fibers away from
// the absorption bands. These are starting points: use a datasheet's own
// numbers for a real design.
#include "fiberdesign.h"

#include <cmath>

namespace velmora::designs {

namespace {

constexpr double kSigmaA976 = 2.48e-24;           // m², shipped table at 976 nm
constexpr double kDbPerNeper = 4.342944819032518; // 10/ln 10 dB per 1/m

FiberDesign fiber(const char *name, double coreDiameterUm, double claddingDiameterUm, double na,
                  double absorptionDbPerM, bool corePumped, double lengthM)
{
    FiberDesign f;
    f.name = name;
    f.coreRadiusUm = coreDiameterUm / 2;
    f.dopedRadiusUm = coreDiameterUm / 2;
    f.claddingRadiusUm = claddingDiameterUm / 2;
    f.na = na;
    f.n2 = 1.45;
    f.lengthM = lengthM;
    f.signalNm = 1064;
    f.pumpNm = 976;
    f.ybConcentration = concentrationFromAbsorption(
        absorptionDbPerM, f.dopedRadiusUm, corePumped ? f.dopedRadiusUm : f.claddingRadiusUm);
    f.backgroundLossDbPerM = 0.015;
    return f;
}

} // namespace

double concentrationFromAbsorption(double dbPerM, double dopedRadiusUm, double claddingRadiusUm)
{
    const double areaFraction = std::pow(dopedRadiusUm / claddingRadiusUm, 2);
    return dbPerM / kDbPerNeper / (kSigmaA976 * areaFraction);
}

const std::vector<FiberDesign> &genericFibers()
{
    // name, core ⌀ [μm], cladding ⌀ [μm], NA, absorption at 976 nm [dB/m]
    // (core absorption for the core-pumped 6/125, cladding absorption for
    // the others), core-pumped?, typical length [m].
    static const std::vector<FiberDesign> fibers = {
        fiber("6/125 (纤芯泵浦)", 6, 125, 0.12, 250, true, 2),
        fiber("10/125", 10, 125, 0.075, 4.8, false, 5),
        fiber("20/130", 20, 130, 0.08, 10, false, 3),
        fiber("20/400", 20, 400, 0.065, 1.2, false, 10),
        fiber("25/250", 25, 250, 0.065, 5, false, 4),
        fiber("30/250", 30, 250, 0.07, 8, false, 3),
        fiber("50/400", 50, 400, 0.22, 3, false, 5),
    };
    return fibers;
}

} // namespace velmora::designs
