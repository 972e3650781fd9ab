#include "ybgain.h"

#include "boundedfile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#if defined(__unix__) || defined(__APPLE__)
#include <locale.h>
#if defined(__APPLE__)
#include <xlocale.h>
#endif
#define YB_HAVE_STRTOD_L 1
#endif

namespace yb {

namespace {

#ifdef YB_HAVE_STRTOD_L
locale_t cLocale()
{
    // Created once and kept for the life of the process.
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return locale;
}
#endif

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

double parseNumberField(const std::string &field)
{
#ifdef YB_HAVE_STRTOD_L
    if (locale_t locale = cLocale())
        return strtod_l(field.c_str(), nullptr, locale);
#endif
    return std::strtod(field.c_str(), nullptr);
}

bool parseCrossSectionLine(const std::string &line, double &wavelength, double &absorption,
                           double &emission)
{
    const std::string::size_type first = line.find(',');
    if (first == std::string::npos)
        return false;
    const std::string::size_type second = line.find(',', first + 1);
    if (second == std::string::npos)
        return false;
    wavelength = parseNumberField(line.substr(0, first));
    absorption = parseNumberField(line.substr(first + 1, second - first - 1));
    emission = parseNumberField(line.substr(second + 1));
    return true;
}

bool readCrossSections(const std::string &path, CrossSectionTable &table)
{
    // A user names this file: a FIFO, a device or an endless file must not
    // block or grow the table without bound.
    boundedfile::Failure failure = boundedfile::Failure::None;
    std::unique_ptr<std::FILE, FileCloser> file(
        boundedfile::openRegularFile(path, boundedfile::kMaxUserFileBytes, &failure));
    if (!file)
        return false;

    char buffer[kMaxLineLength + 1];
    long long consumed = 0;
    while (std::fgets(buffer, sizeof buffer, file.get())) {
        consumed += static_cast<long long>(std::strlen(buffer));
        if (consumed > boundedfile::kMaxUserFileBytes)
            return false; // grew past the cap while being read
        double wavelength = 0, absorption = 0, emission = 0;
        if (!parseCrossSectionLine(buffer, wavelength, absorption, emission))
            continue;
        table.wavelengths.push_back(wavelength);
        table.absorption.push_back(absorption);
        table.emission.push_back(emission);
    }
    // fgets returns null both at the end and on an error (a directory given as
    // the file name ends up here on Linux).
    return !std::ferror(file.get());
}

double smallSignalGainDb(const FiberGainParameters &fiber, double absorption, double emission)
{
    const double sum = emission + absorption;
    return (fiber.dopantDensity * 4.343 * fiber.overlap * fiber.length) * sum *
           (fiber.upperFraction - absorption / sum);
}

double linearGain(double gainDb)
{
    return std::pow(10.0, gainDb / 10);
}

GainSpectrum computeGainSpectrum(const CrossSectionTable &table, const FiberGainParameters &fiber)
{
    GainSpectrum spectrum;
    const std::size_t count = table.wavelengths.size();
    spectrum.gainDb.reserve(count);
    spectrum.linear.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double gain = smallSignalGainDb(fiber, table.absorption[i], table.emission[i]);
        spectrum.gainDb.push_back(gain);
        spectrum.linear.push_back(linearGain(gain));
    }
    return spectrum;
}

bool finiteValueRange(const std::vector<double> &values, double &lowest, double &highest)
{
    bool found = false;
    for (double value : values) {
        if (!std::isfinite(value))
            continue;
        if (!found) {
            lowest = highest = value;
            found = true;
        } else if (value < lowest) {
            lowest = value;
        } else if (value > highest) {
            highest = value;
        }
    }
    return found;
}

bool finiteValueRangeWithin(const std::vector<double> &xs, const std::vector<double> &values,
                            double xFirst, double xLast, double &lowest, double &highest)
{
    std::vector<double> shown;
    const std::size_t count = std::min(xs.size(), values.size());
    for (std::size_t k = 0; k < count; ++k)
        if (xs[k] >= xFirst && xs[k] <= xLast)
            shown.push_back(values[k]);
    return finiteValueRange(shown, lowest, highest);
}

} // namespace yb
