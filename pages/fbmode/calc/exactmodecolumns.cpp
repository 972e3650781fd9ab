#include "exactmodecolumns.h"

#include "textformat.h"

#include <cmath>
#include <limits>

namespace velmora::calc {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMicron = 1e6;    // m -> μm
constexpr double kNanometre = 1e9; // m -> nm
constexpr double kSquareMicron = 1e12;
constexpr double kNearCutoffW = 0.05;
constexpr double kNearCutoffCoreFraction = 0.1;

const LpMode &lp(const ExactModeSet &s, std::size_t i)
{
    return s.lp[i];
}
const LpModeProperties &props(const ExactModeSet &s, std::size_t i)
{
    return s.properties[i];
}
double none(const ExactModeSet &, const VectorMode &)
{
    return kNaN;
}

// The LP mode a vector mode belongs to.
const LpMode *parentOf(const ExactModeSet &s, const VectorMode &v)
{
    for (const LpMode &mode : s.lp)
        if (mode.m == v.lpM && mode.n == v.lpN)
            return &mode;
    return nullptr;
}

std::vector<ExactModeColumn> makeColumns()
{
    using S = const ExactModeSet &;
    using V = const VectorMode &;
    return {
        {"m",
         {"m", "m"},
         "",
         'g',
         6,
         [](S s, std::size_t i) { return double(lp(s, i).m); },
         [](S, V v) { return double(v.nu); }},
        {"n",
         {"n", "n"},
         "",
         'g',
         6,
         [](S s, std::size_t i) { return double(lp(s, i).n); },
         [](S, V v) { return double(v.n); }},
        {"neff",
         {"有效折射率neff", "effective index neff"},
         "",
         'f',
         12,
         [](S s, std::size_t i) { return lp(s, i).neff; },
         [](S, V v) { return v.neff; }},
        {"vector_split",
         {"矢量-LP差Δneff", "vector minus LP Δneff"},
         "",
         'g',
         4,
         [](S, std::size_t) { return kNaN; },
         [](S s, V v) {
             const LpMode *p = parentOf(s, v);
             return p ? v.neff - p->neff : kNaN;
         }},
        {"beta",
         {"传播常数β", "propagation constant β"},
         "1/m",
         'f',
         3,
         [](S s, std::size_t i) { return lp(s, i).beta; },
         [](S, V v) { return v.beta; }},
        {"u",
         {"U", "U"},
         "",
         'f',
         10,
         [](S s, std::size_t i) { return lp(s, i).u; },
         [](S, V v) { return v.u; }},
        {"w",
         {"W", "W"},
         "",
         'f',
         10,
         [](S s, std::size_t i) { return lp(s, i).w; },
         [](S, V v) { return v.w; }},
        {"b",
         {"归一化传播常数b", "normalized propagation constant b"},
         "",
         'f',
         10,
         [](S s, std::size_t i) { return lp(s, i).b; },
         [](S, V v) { return v.b; }},
        {"cutoff_v",
         {"截止V", "cutoff V"},
         "",
         'f',
         6,
         [](S s, std::size_t i) { return lp(s, i).cutoffV; },
         [](S, V v) { return v.cutoffV; }},
        {"cutoff_wavelength_nm",
         {"截止波长λc", "cutoff wavelength λc"},
         "nm",
         'f',
         2,
         [](S s, std::size_t i) { return props(s, i).cutoffWavelength * kNanometre; },
         [](S s, V v) {
             return v.cutoffV > 0 && !s.lp.empty() ? s.v / v.cutoffV * s.fiber.lambda * kNanometre
                                                   : std::numeric_limits<double>::infinity();
         }},
        {"grid_difference",
         {"与网格值之差", "minus grid value"},
         "",
         'g',
         4,
         [](S s, std::size_t i) {
             return i < s.gridDifference.size() ? s.gridDifference[i] : kNaN;
         },
         none},
        {"core_fraction",
         {"纤芯功率比例", "core power fraction"},
         "",
         'f',
         6,
         [](S s, std::size_t i) { return props(s, i).corePowerFraction; },
         [](S, V v) { return v.corePowerFraction; }},
        {"group_index",
         {"群折射率ng", "group index ng"},
         "",
         'f',
         8,
         [](S s, std::size_t i) { return props(s, i).groupIndex; },
         [](S, V v) { return v.groupIndex; }},
        {"dispersion",
         {"色散D", "dispersion D"},
         "ps/(nm·km)",
         'g',
         6,
         [](S s, std::size_t i) { return props(s, i).dispersion; },
         [](S, V v) { return v.dispersion; }},
        {"beta2",
         {"β₂", "β₂"},
         "ps²/km",
         'g',
         6,
         [](S s, std::size_t i) { return props(s, i).beta2; },
         [](S, V v) { return v.beta2; }},
        {"waveguide_dispersion",
         {"波导色散Dw", "waveguide dispersion Dw"},
         "ps/(nm·km)",
         'g',
         6,
         [](S s, std::size_t i) { return props(s, i).waveguideDispersion; },
         [](S, V v) { return v.waveguideDispersion; }},
        {"mfd",
         {"模场直径MFD(Petermann II)", "MFD (Petermann II)"},
         "μm",
         'f',
         4,
         [](S s, std::size_t i) { return props(s, i).mfd * kMicron; },
         none},
        {"gaussian_mfd",
         {"高斯拟合MFD", "Gaussian-fit MFD"},
         "μm",
         'f',
         4,
         [](S s, std::size_t i) { return props(s, i).gaussianMfd * kMicron; },
         none},
        {"aeff",
         {"有效面积Aeff", "effective area Aeff"},
         "μm²",
         'f',
         3,
         [](S s, std::size_t i) { return props(s, i).effectiveArea * kSquareMicron; },
         [](S, V v) { return v.effectiveArea * kSquareMicron; }},
        {"doped_overlap",
         {"掺杂区重叠因子", "doped-region overlap"},
         "",
         'f',
         6,
         [](S s, std::size_t i) { return props(s, i).dopedOverlap; },
         [](S, V v) { return v.dopedOverlap; }},
        {"m2x",
         {"M²x(cos)", "M²x (cos)"},
         "",
         'f',
         4,
         [](S s, std::size_t i) { return props(s, i).m2xCos; },
         none},
        {"m2y",
         {"M²y(cos)", "M²y (cos)"},
         "",
         'f',
         4,
         [](S s, std::size_t i) { return props(s, i).m2yCos; },
         none},
        {"m2x_sin",
         {"M²x(sin)", "M²x (sin)"},
         "",
         'f',
         4,
         [](S s, std::size_t i) { return props(s, i).m2xSin; },
         none},
        {"m2y_sin",
         {"M²y(sin)", "M²y (sin)"},
         "",
         'f',
         4,
         [](S s, std::size_t i) { return props(s, i).m2ySin; },
         none},
        {"bend_loss",
         {"弯曲损耗2α", "bend loss 2α"},
         "1/m",
         'g',
         4,
         [](S s, std::size_t i) { return props(s, i).bendLoss; },
         none},
        {"bend_loss_db",
         {"弯曲损耗", "bend loss"},
         "dB/m",
         'g',
         4,
         [](S s, std::size_t i) { return props(s, i).bendLossDb; },
         none},
        {"bend_loss_large_argument",
         {"弯曲损耗(大宗量近似)", "bend loss (large argument)"},
         "1/m",
         'g',
         4,
         [](S s, std::size_t i) { return props(s, i).bendLossLargeArgument; },
         none},
    };
}

} // namespace

const std::vector<ExactModeColumn> &exactModeColumns()
{
    static const std::vector<ExactModeColumn> columns = makeColumns();
    return columns;
}

std::vector<ExactModeRow> exactModeRows(const ExactModeSet &set)
{
    std::vector<ExactModeRow> rows;
    for (std::size_t i = 0; i < set.lp.size(); ++i) {
        ExactModeRow row;
        row.lpIndex = i;
        row.name = "LP" + orderLabel(set.lp[i].m, set.lp[i].n);
        rows.push_back(row);
        for (const VectorMode &v : set.vector) {
            if (v.lpM != set.lp[i].m || v.lpN != set.lp[i].n)
                continue;
            ExactModeRow vrow;
            vrow.lpIndex = i;
            vrow.vector = &v;
            vrow.name = vectorModeName(v);
            rows.push_back(vrow);
        }
    }
    return rows;
}

const char *const kNearCutoffZh = "接近截止";
const char *const kNearCutoffEn = "near cut-off";

bool exactModeNearCutoff(const ExactModeSet &set, const ExactModeRow &row)
{
    if (row.lpIndex >= set.lp.size() || row.lpIndex >= set.properties.size())
        return false;
    const double w = row.vector ? row.vector->w : set.lp[row.lpIndex].w;
    const double core =
        row.vector ? row.vector->corePowerFraction : set.properties[row.lpIndex].corePowerFraction;
    return w < kNearCutoffW || core < kNearCutoffCoreFraction;
}

double exactModeValue(const ExactModeColumn &column, const ExactModeSet &set,
                      const ExactModeRow &row)
{
    if (row.lpIndex >= set.lp.size() || row.lpIndex >= set.properties.size())
        return kNaN;
    return row.vector ? column.vectorValue(set, *row.vector) : column.lpValue(set, row.lpIndex);
}

std::string exactModeText(const ExactModeColumn &column, double value)
{
    if (std::isnan(value))
        return std::string();
    if (std::isinf(value))
        return value > 0 ? "∞" : "-∞";
    return formatNumber(value, column.format, column.precision);
}

std::string exactModeHeader(const ExactModeColumn &column, bool chinese)
{
    const std::string &caption = chinese ? column.caption.zh : column.caption.en;
    return column.unit.empty() ? caption : caption + " [" + column.unit + "]";
}

} // namespace velmora::calc
