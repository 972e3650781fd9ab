#ifndef VELMORA_EXACTMODECOLUMNS_H
#define VELMORA_EXACTMODECOLUMNS_H

// The columns of the exact-mode table ("精确模式特性"): one place for each
// column's key, caption, unit, number format and value, shared by the
// modes.exact calculator (one curve per column) and the page's table.
// LP rows carry every column; a vector-mode row (TE, TM, HE, EH under its LP
// mode) those of the eigenvalue itself, its cutoff, its group index and
// dispersion (the vector group-delay split), its core power fraction,
// doped-radius overlap and effective area; the other field-based columns
// (MFD, M², bend loss) stay empty.

#include "calculator.h"
#include "exactmodeset.h"

#include <string>
#include <vector>

namespace velmora::calc {

struct ExactModeColumn {
    std::string key;  // output key and spreadsheet column ("neff", "aeff_um2")
    Text caption;     // header without the unit
    std::string unit; // "" when dimensionless
    char format;      // 'g' or 'f' (QString::number)
    int precision;
    // Value of an LP row (index into set.lp) and of a vector row; NaN for "none".
    double (*lpValue)(const ExactModeSet &set, std::size_t row);
    double (*vectorValue)(const ExactModeSet &set, const VectorMode &mode);
};

const std::vector<ExactModeColumn> &exactModeColumns();

// One table row: an LP mode or a vector mode of the set, in display order
// (each LP mode followed by its vector modes when they were computed).
struct ExactModeRow {
    std::size_t lpIndex = 0; // the LP mode (for a vector row: its LP mode)
    const VectorMode *vector = nullptr;
    std::string name; // "LP01", "HE11", "TE01"
};
std::vector<ExactModeRow> exactModeRows(const ExactModeSet &set);

// A row whose mode is at the edge of being guided: W < 0.05, or more than 90 %
// of its power outside the core. Its MFD, effective area and bend loss
// describe a field spread far into the cladding (the exact values of the
// model, of little use for a real fiber whose cladding ends); the table and
// the exports mark it "接近截止" / "near cut-off".
bool exactModeNearCutoff(const ExactModeSet &set, const ExactModeRow &row);
extern const char *const kNearCutoffZh;
extern const char *const kNearCutoffEn;

double exactModeValue(const ExactModeColumn &column, const ExactModeSet &set,
                      const ExactModeRow &row);
// The cell text: the column's format, "" for NaN, "∞" for +inf.
std::string exactModeText(const ExactModeColumn &column, double value);
// The header: caption and unit, "β [1/m]".
std::string exactModeHeader(const ExactModeColumn &column, bool chinese = true);

} // namespace velmora::calc

#endif // VELMORA_EXACTMODECOLUMNS_H
