#include "textformat.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdio>

namespace velmora::calc {

std::string formatNumber(double value, char format, int precision)
{
    return QString::number(value, format, precision).toStdString();
}

std::string formatPrintf(const char *format, double value)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

double readNumber(const std::string &text)
{
    return QString::fromStdString(text).toDouble();
}

bool parseNumber(const std::string &text, double *value)
{
    bool ok = false;
    const double v = QString::fromStdString(text).trimmed().toDouble(&ok);
    if (ok && value)
        *value = v;
    return ok;
}

std::string exactText(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error; // 64 characters hold any double's shortest form
    return std::string(buffer, end);
}

std::string quotedInput(const std::string &text, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 continuation byte (10xxxxxx) belongs to the previous code point.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (chars == maxChars)
            return text.substr(0, i) + "…";
        ++chars;
    }
    return text;
}

} // namespace velmora::calc
