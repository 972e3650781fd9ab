#ifndef YBGAIN_H
#define YBGAIN_H

// Small-signal gain spectrum of an ytterbium-doped fiber from a table of
// absorption and emission cross-sections.
//
// With a fraction n of the Yb ions in the upper manifold, N ions per m³, an
// overlap Γ between signal mode and doped core and a fiber length L, the
// small-signal gain in dB is
//     G(λ) = 4.343·N·Γ·L·(n·σ_e(λ) − (1 − n)·σ_a(λ)),
// 4.343 = 10/ln 10 turning nepers of power into dB (two-level model, e.g.
// R. Paschotta et al., IEEE J. Quantum Electron. 33, 1049 (1997)).

#include <string>
#include <vector>

namespace yb {

// Samples in file order; the three vectors always have the same length.
struct CrossSectionTable {
    std::vector<double> wavelengths; // nm
    std::vector<double> absorption;  // σ_a, m²
    std::vector<double> emission;    // σ_e, m²
};

// Lines are read with this limit; a longer line is continued as the next
// line, as fgets does.
constexpr int kMaxLineLength = 9999;

// The C-library number reading of one field: leading white space skipped,
// conversion stops at the first character that cannot continue a number, no
// number at all gives 0. Always in the C locale, whatever the process locale
// (a German locale would otherwise read "1030.5" as 1030).
double parseNumberField(const std::string &field);

// Splits one line at its first and second comma and converts the three
// fields. Returns false (and leaves the outputs alone) for a line with fewer
// than two commas. The third field is everything after the second comma,
// line end included. A header line such as "nm,abs,emi" is accepted and gives
// three zeros.
bool parseCrossSectionLine(const std::string &line, double &wavelength, double &absorption,
                           double &emission);

// Appends every accepted line of the file at `path` (native, UTF-8 encoded
// name) to `table`. Returns false when the file cannot be opened, is not a
// regular file (a FIFO or device is never read: see boundedfile.h), holds
// more than 16 MB, or a read error occurs; nothing is read from a file that failed to open, and on
// a read error the samples gathered so far are kept.
bool readCrossSections(const std::string &path, CrossSectionTable &table);

struct FiberGainParameters {
    double dopantDensity; // N, m⁻³
    double overlap;       // Γ
    double upperFraction; // n, fraction of ions in the upper level
    double length;        // L, m
};

// Small-signal gain in dB at one wavelength, evaluated as
//   s = σ_e + σ_a;  G = (N × 4.343 × Γ × L) × s × (n − σ_a/s),
// which is the formula above rearranged. A zero sample (σ_a = σ_e = 0, e.g.
// from a header line) gives NaN (0/0).
double smallSignalGainDb(const FiberGainParameters &fiber, double absorption, double emission);

// Linear power gain g = 10^(G/10).
double linearGain(double gainDb);

struct GainSpectrum {
    std::vector<double> gainDb; // one per table sample
    std::vector<double> linear; // 10^(G/10), one per table sample
};

GainSpectrum computeGainSpectrum(const CrossSectionTable &table, const FiberGainParameters &fiber);

// Smallest and largest finite value (first occurrences), for an axis range.
// NaN and ±inf samples are skipped so that one bad line cannot turn the whole
// range into NaN. Returns false when there is no finite value.
bool finiteValueRange(const std::vector<double> &values, double &lowest, double &highest);

// As finiteValueRange(), over the samples whose abscissa lies in
// [xFirst, xLast] only: an axis scaled to the part of the curve that is shown.
// (The dB gain at 976 nm is about -2000 dB; scaling the 1000-1150 nm plot by it
// flattened the curve shown into a line.) xs and values pair by index; extra
// entries of the longer vector are ignored.
bool finiteValueRangeWithin(const std::vector<double> &xs, const std::vector<double> &values,
                            double xFirst, double xLast, double &lowest, double &highest);

} // namespace yb

#endif // YBGAIN_H
