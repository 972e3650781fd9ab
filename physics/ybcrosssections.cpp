#include "ybcrosssections.h"

#include <algorithm>
#include <cmath>

namespace yb {

std::string CrossSectionSpectrum::assign(const CrossSectionTable &table)
{
    m_table = CrossSectionTable();
    CrossSectionTable kept;
    for (std::size_t i = 0; i < table.wavelengths.size(); ++i) {
        if (!(table.wavelengths[i] > 0))
            continue;
        const double a = table.absorption[i], e = table.emission[i];
        if (!std::isfinite(table.wavelengths[i]) || !std::isfinite(a) || !std::isfinite(e) ||
            a < 0 || e < 0)
            return "截面数据含有无效或负的数值";
        if (!kept.wavelengths.empty() && table.wavelengths[i] <= kept.wavelengths.back())
            return "截面数据的波长必须严格递增";
        kept.wavelengths.push_back(table.wavelengths[i]);
        kept.absorption.push_back(a);
        kept.emission.push_back(e);
    }
    if (kept.wavelengths.size() < 2)
        return "截面数据至少需要两行有效数据";
    m_table = std::move(kept);
    return std::string();
}

double CrossSectionSpectrum::shortestNm() const
{
    return empty() ? 0 : m_table.wavelengths.front();
}

double CrossSectionSpectrum::longestNm() const
{
    return empty() ? 0 : m_table.wavelengths.back();
}

double CrossSectionSpectrum::meanFluorescenceFrequency() const
{
    constexpr double kC = 299792458.0;
    double top = 0, bottom = 0;
    const std::vector<double> &w = m_table.wavelengths;
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {
        const double nu0 = kC / (w[i] * 1e-9), nu1 = kC / (w[i + 1] * 1e-9);
        const double f0 = nu0 * nu0 * m_table.emission[i], f1 = nu1 * nu1 * m_table.emission[i + 1];
        const double dnu = nu0 - nu1;
        top += 0.5 * (nu0 * f0 + nu1 * f1) * dnu;
        bottom += 0.5 * (f0 + f1) * dnu;
    }
    return bottom > 0 ? top / bottom : 0.0;
}

bool CrossSectionSpectrum::covers(double wavelengthNm) const
{
    // A wavelength typed as the table's last row, 1200 nm, arrives here as
    // 1200e-9 · 1e9 = 1200.0000000000002: accept the ends within a relative
    // kEdgeTolerance (far below any digit a user types) and treat such a
    // wavelength as the end itself.
    return !empty() && wavelengthNm >= shortestNm() * (1 - kEdgeTolerance) &&
           wavelengthNm <= longestNm() * (1 + kEdgeTolerance);
}

CrossSections CrossSectionSpectrum::at(double wavelengthNm) const
{
    if (!covers(wavelengthNm))
        return {};
    const std::vector<double> &w = m_table.wavelengths;
    wavelengthNm = std::clamp(wavelengthNm, w.front(), w.back());
    std::size_t hi = std::upper_bound(w.begin(), w.end(), wavelengthNm) - w.begin();
    if (hi >= w.size())
        hi = w.size() - 1;
    const std::size_t lo = hi - 1;
    const double t = (wavelengthNm - w[lo]) / (w[hi] - w[lo]);
    return {m_table.absorption[lo] + t * (m_table.absorption[hi] - m_table.absorption[lo]),
            m_table.emission[lo] + t * (m_table.emission[hi] - m_table.emission[lo])};
}

} // namespace yb
