#include "clitext.h"

#include "textformat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velmora::cli {

Lang languageFromEnvironment()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return std::string(value).rfind("zh", 0) == 0 ? Lang::Zh : Lang::En;
    }
    return Lang::En;
}

std::string noticeLine(const calc::Notice &notice, Lang lang)
{
    const std::string &text = pick(notice.text, lang);
    if (notice.key.empty() || text.rfind(notice.key, 0) == 0)
        return text;
    return notice.key + (lang == Lang::Zh ? "：" : ": ") + text;
}

std::size_t displayWidth(const std::string &text)
{
    // Decode UTF-8; CJK ideographs, kana, hangul and full-width forms take two
    // terminal columns (the East Asian Wide ranges that occur in captions).
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = text[i];
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? c : c & (0x3F >> (length - 1));
        for (int k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += length;
        const bool wide =
            (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
            (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
            (code >= 0xFFE0 && code <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

std::string padRight(const std::string &text, std::size_t width)
{
    const std::size_t w = displayWidth(text);
    return w >= width ? text : text + std::string(width - w, ' ');
}

std::string csvCell(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string valueText(double value)
{
    return std::isfinite(value) ? calc::exactText(value) : std::string();
}

std::string alignedRows(const std::vector<std::vector<std::string>> &rows,
                        const std::string &indent)
{
    std::vector<std::size_t> widths;
    for (const auto &row : rows)
        for (std::size_t c = 0; c + 1 < row.size(); ++c) {
            widths.resize(std::max(widths.size(), c + 1));
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    std::string out;
    for (const auto &row : rows) {
        std::string line = indent;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? padRight(row[c], widths[c] + 2) : row[c];
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + "\n";
    }
    return out;
}

} // namespace velmora::cli
