#include "sweeplayout.h"

#include "clireport.h"

#include <nlohmann/json.hpp>

#include <cinttypes>
#include <cstdio>

namespace velmora::cli {

using nlohmann::ordered_json;
using namespace velmora::calc;

namespace {

// The line that opens the "points" array of the JSON document; a JSON head
// ends with it.
constexpr std::string_view kPointsOpening = " \"points\": [\n";
// A point's object closes with a line of two spaces and "}": the points are
// the only objects at that depth (dump(1) indents one space per level).
constexpr std::string_view kPointClosing = "\n  }";
constexpr std::string_view kCsvShardPrefix = "# velmora-cli sweep shard ";
constexpr std::string_view kJsonShardPrefix = " \"shard\": ";

// One line of JSON at the depth of the points: each of its lines indented
// by two more spaces than dump(1) gives a top-level value.
std::string indentedTwo(const std::string &dumped)
{
    std::string out = "  ";
    out.reserve(dumped.size() + dumped.size() / 8);
    for (char c : dumped) {
        out += c;
        if (c == '\n') // dump() escapes line breaks inside strings
            out += "  ";
    }
    return out;
}

std::string csvShardLine(const ShardInfo &shard)
{
    char line[200];
    std::snprintf(line, sizeof line, "%zu/%zu rows %zu-%zu of %zu id ", shard.index, shard.count,
                  shard.first + 1, shard.end, shard.total);
    return std::string(kCsvShardPrefix) + line + shard.sweepId + "\n";
}

std::string jsonShardLine(const ShardInfo &shard)
{
    ordered_json j = {{"index", shard.index},
                      {"count", shard.count},
                      {"rows", {shard.first + 1, shard.end}},
                      {"of", shard.total},
                      {"id", shard.sweepId}};
    return std::string(kJsonShardPrefix) + j.dump() + ",\n";
}

bool shardFromJson(std::string_view member, ShardInfo *shard)
{
    if (!member.empty() && member.back() == ',')
        member.remove_suffix(1);
    const ordered_json j = ordered_json::parse(member.begin(), member.end(), nullptr, false);
    if (j.is_discarded() || !j.is_object())
        return false;
    try {
        shard->index = j.at("index").get<std::size_t>();
        shard->count = j.at("count").get<std::size_t>();
        shard->first = j.at("rows").at(0).get<std::size_t>() - 1;
        shard->end = j.at("rows").at(1).get<std::size_t>();
        shard->total = j.at("of").get<std::size_t>();
        shard->sweepId = j.at("id").get<std::string>();
    } catch (const nlohmann::json::exception &) {
        return false;
    }
    return true;
}

bool shardFromCsv(const std::string &line, ShardInfo *shard)
{
    std::size_t first = 0;
    char id[65] = {};
    int used = 0;
    if (std::sscanf(line.c_str() + kCsvShardPrefix.size(), "%zu/%zu rows %zu-%zu of %zu id %64s%n",
                    &shard->index, &shard->count, &first, &shard->end, &shard->total, id,
                    &used) != 6 ||
        first == 0 || kCsvShardPrefix.size() + std::size_t(used) != line.size())
        return false;
    shard->first = first - 1;
    shard->sweepId = id;
    return true;
}

} // namespace

SweepLayout::SweepLayout(const CalculatorDescription &description, std::vector<SweepAxis> axes,
                         Assignments fixed, std::vector<std::string> outputs, std::string format,
                         Lang lang)
    : m_description(description),
      m_axes(std::move(axes)),
      m_fixed(std::move(fixed)),
      m_outputs(std::move(outputs)),
      m_format(std::move(format)),
      m_lang(lang)
{
}

std::string SweepLayout::head(const ShardInfo *shard) const
{
    if (!isJson()) {
        std::string out = shard ? csvShardLine(*shard) : std::string();
        for (const SweepAxis &a : m_axes)
            out += csvCell(a.key) + ",";
        for (const std::string &key : m_outputs)
            out += csvCell(key) + ",";
        return out + "notice\n";
    }
    ordered_json j;
    j["calculator"] = m_description.id;
    j["swept"] = ordered_json::array();
    for (const SweepAxis &a : m_axes)
        j["swept"].push_back({{"key", a.key},
                              {"start", a.start},
                              {"stop", a.stop},
                              {"count", a.count},
                              {"log", a.logarithmic}});
    j["fixed"] = ordered_json::object();
    for (const auto &[key, text] : m_fixed)
        j["fixed"][key] = inputJson(*m_description.field(key), text);
    std::string out = j.dump(1);
    out.resize(out.size() - 2); // "\n}": the points follow as the last member
    out += ",\n";
    if (shard)
        out += jsonShardLine(*shard);
    return out + std::string(kPointsOpening);
}

std::string SweepLayout::record(const SweepPoint &point) const
{
    if (isJson()) {
        ordered_json j;
        for (std::size_t k = 0; k < m_axes.size(); ++k)
            j["inputs"][m_axes[k].key] = point.sweptValues[k];
        j["refused"] = point.result.refused;
        j["outputs"] = ordered_json::object();
        for (const std::string &key : m_outputs) {
            const auto it = point.result.outputs.find(key);
            if (it != point.result.outputs.end())
                j["outputs"][key] = outputJson(it->second, false)["value"];
        }
        j["notices"] = noticesJson(point.result.notices, m_lang);
        return indentedTwo(j.dump(1));
    }
    std::string out;
    for (double v : point.sweptValues)
        out += valueText(v) + ",";
    for (const std::string &key : m_outputs) {
        const auto it = point.result.outputs.find(key);
        out +=
            (it == point.result.outputs.end() ? std::string() : valueText(it->second.value)) + ",";
    }
    return out + csvCell(joinedNotices(point.result.notices, m_lang)) + "\n";
}

RecordScan scanRecords(std::string_view body, bool json)
{
    RecordScan scan;
    if (json) {
        // "  {...\n  }" records joined by ",\n".
        for (std::size_t at = body.find(kPointClosing); at != std::string_view::npos;
             at = body.find(kPointClosing, at + 1)) {
            ++scan.records;
            scan.bytes = at + kPointClosing.size();
        }
        return scan;
    }
    // A record ends at a line break outside quotes (a quoted notice may
    // hold one).
    bool quoted = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"')
            quoted = !quoted;
        else if (body[i] == '\n' && !quoted) {
            ++scan.records;
            scan.bytes = i + 1;
        }
    }
    return scan;
}

bool readShardHead(std::string_view text, ShardInfo *shard, std::string *headWithoutShard,
                   std::size_t *headBytes)
{
    if (text.substr(0, kCsvShardPrefix.size()) == kCsvShardPrefix) {
        const std::size_t lineEnd = text.find('\n');
        const std::size_t columnsEnd =
            lineEnd == std::string_view::npos ? lineEnd : text.find('\n', lineEnd + 1);
        if (columnsEnd == std::string_view::npos ||
            !shardFromCsv(std::string(text.substr(0, lineEnd)), shard))
            return false;
        *headWithoutShard = std::string(text.substr(lineEnd + 1, columnsEnd - lineEnd));
        *headBytes = columnsEnd + 1;
        return true;
    }
    if (text.substr(0, 2) != "{\n")
        return false;
    const std::size_t opening = text.find(kPointsOpening);
    const std::size_t member = text.find(std::string("\n") + std::string(kJsonShardPrefix));
    if (opening == std::string_view::npos || member == std::string_view::npos || member > opening)
        return false;
    const std::size_t lineStart = member + 1;
    const std::size_t lineEnd = text.find('\n', lineStart);
    if (!shardFromJson(text.substr(lineStart + kJsonShardPrefix.size(),
                                   lineEnd - lineStart - kJsonShardPrefix.size()),
                       shard))
        return false;
    *headBytes = opening + kPointsOpening.size();
    *headWithoutShard = std::string(text.substr(0, lineStart)) +
                        std::string(text.substr(lineEnd + 1, *headBytes - lineEnd - 1));
    return true;
}

} // namespace velmora::cli
