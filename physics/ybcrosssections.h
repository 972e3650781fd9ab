#ifndef YBCROSSSECTIONS_H
#define YBCROSSSECTIONS_H

// Absorption and emission cross-sections of Yb³⁺ at any wavelength inside a
// table read by yb::readCrossSections (ybgain.h): linear interpolation between
// the two neighbouring samples. The shipped table is sampled every 1 nm from a
// smooth five-Gaussian fit (Marciante & Zuegel, Appl. Opt. 45, 6798 (2006)),
// so linear interpolation is within 1e-3 relative of the fit between samples
// except on the 975 nm peak, where pump wavelengths are normally given on
// whole nanometres anyway.

#include "ybgain.h"

#include <string>

namespace yb {

struct CrossSections {
    double absorption = 0; // σ_a, m²
    double emission = 0;   // σ_e, m²
};

// A table ready for interpolation: samples in increasing wavelength order.
class CrossSectionSpectrum
{
public:
    // Takes the samples with a positive wavelength (a header line read as
    // zeros is dropped). Returns an empty message when the table is usable:
    // at least two samples, wavelengths strictly increasing, cross-sections
    // finite and not negative. Otherwise a Chinese message saying what is
    // wrong, and the spectrum stays empty.
    std::string assign(const CrossSectionTable &table);

    bool empty() const { return m_table.wavelengths.empty(); }
    double shortestNm() const;
    double longestNm() const;
    // Inside [shortest, longest] within a relative kEdgeTolerance.
    bool covers(double wavelengthNm) const;
    static constexpr double kEdgeTolerance = 1e-9;

    // Mean frequency of the spontaneous emission, Hz: the photon-flux spectrum
    // is ∝ ν² σe(ν) (Füchtbauer–Ladenburg; B. F. Aull and H. P. Jenssen, IEEE
    // J. Quantum Electron. 18, 925 (1982)), so
    //     ν̄_F = ∫ ν³ σe dν / ∫ ν² σe dν
    // over the table (trapezoidal in ν). 0 for an empty table.
    double meanFluorescenceFrequency() const;

    // Linear interpolation; outside the table range the result is zero
    // (callers check covers() first and refuse such wavelengths).
    CrossSections at(double wavelengthNm) const;

private:
    CrossSectionTable m_table;
};

} // namespace yb

#endif // YBCROSSSECTIONS_H
