#include "inputranges.h"

#include <cmath>
#include <cstdio>

namespace inputranges {

bool contains(const InputRange &range, double pageValue, double toSI)
{
    const double si = pageValue * toSI;
    if (!std::isfinite(pageValue) || !std::isfinite(si))
        return false;
    const double low = range.min - std::fabs(range.min) * kBoundSlack;
    const double high = range.max + std::fabs(range.max) * kBoundSlack;
    return si >= low && si <= high;
}

double pageMin(const InputRange &range, double toSI)
{
    return range.min / toSI;
}

double pageMax(const InputRange &range, double toSI)
{
    return range.max / toSI;
}

std::string formatBound(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", value);
    return buffer;
}

namespace {

std::string withUnit(const std::string &number, const std::string &unit)
{
    return unit.empty() ? number : number + " " + unit;
}

} // namespace

std::string outOfRangeZh(const std::string &caption, double min, double max,
                         const std::string &unit)
{
    return caption + "应在" + formatBound(min) + "到" + withUnit(formatBound(max), unit) + "之间";
}

std::string outOfRangeEn(const std::string &caption, double min, double max,
                         const std::string &unit)
{
    return caption + " must lie between " + formatBound(min) + " and " +
           withUnit(formatBound(max), unit);
}

} // namespace inputranges
