#ifndef VELMORA_TEXTFORMAT_H
#define VELMORA_TEXTFORMAT_H

// The page's number texts without widgets: how a field's text reads as a
// number and how a result is written, so that the calculators, the command
// line and the pages produce the same characters.

#include <cstddef>
#include <string>

namespace velmora::calc {

// QString::number(value, format, precision): 'f' fixed digits, 'g' significant.
std::string formatNumber(double value, char format, int precision);

// printf-style text of one double ("%f", "%.4f", "%.2g", ...), written into a
// bounded buffer so no format can overrun it.
std::string formatPrintf(const char *format, double value);

// The number a field's text holds, read with the C locale (QString::toDouble);
// empty or non-numeric text reads as 0, as the pages read their fields.
double readNumber(const std::string &text);

// Strict reading for callers that must refuse what is not a number: true and
// the value when the whole text is a number in the C locale.
bool parseNumber(const std::string &text, double *value);

// The shortest text that reads back as exactly `value` ("0.1", "1e-07",
// "inf"): how the command line writes full-precision values and how sweeps
// hand computed grid values to evaluate() without losing a bit.
std::string exactText(double value);

// How much of a user's text a message quotes: a refusal must stay one short
// line even when the input is a megabyte.
constexpr std::size_t kQuotedInputChars = 60;

// `text` cut to at most `maxChars` characters (UTF-8 code points, never
// split) with "…" appended when something was cut; unchanged when short.
std::string quotedInput(const std::string &text, std::size_t maxChars = kQuotedInputChars);

} // namespace velmora::calc

#endif // VELMORA_TEXTFORMAT_H
