#ifndef VELMORA_CLITEXT_H
#define VELMORA_CLITEXT_H

// Language and small text helpers of the command line.

#include "calculator.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::cli {

enum class Lang { Zh, En };

// zh when LANG (or LC_ALL, LC_MESSAGES) starts with "zh", otherwise en.
Lang languageFromEnvironment();

inline const std::string &pick(const calc::Text &text, Lang lang)
{
    return lang == Lang::Zh ? text.zh : text.en;
}

// Bad input (unknown id or key, not a number, out of range, refused by the
// tab): one line on stderr, nothing on stdout, exit status 2.
struct BadInput : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A notice as one line: its text, prefixed by its key unless the text
// already starts with it.
std::string noticeLine(const calc::Notice &notice, Lang lang);

// Columns on screen of a UTF-8 text (units and keys: one column per code
// point; the captions that may hold wide characters go last in a row).
std::size_t displayWidth(const std::string &text);
std::string padRight(const std::string &text, std::size_t width);

// Rows of cells in aligned columns, each line prefixed by `indent`; the
// last column is left unpadded (captions may hold wide characters).
std::string alignedRows(const std::vector<std::vector<std::string>> &rows,
                        const std::string &indent);

// One CSV cell: quoted when it holds a comma, a quote or a line break.
std::string csvCell(const std::string &text);

// A value for files and screens: the shortest exact form, or "" when it is
// not finite (no "nan" ever reaches a result column).
std::string valueText(double value);

} // namespace velmora::cli

#endif // VELMORA_CLITEXT_H
