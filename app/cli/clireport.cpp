// run and sweep: one result or a grid of results as table, JSON or CSV.
#include "clireport.h"

#include "textformat.h"
#include "validation.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>

namespace velmora::cli {

using nlohmann::ordered_json;
using namespace velmora::calc;

// An input as JSON: the number its text reads as (null when empty), or the
// choice's stable ASCII id (its page text when it has none).
ordered_json inputJson(const FieldDescription &f, const std::string &text)
{
    if (f.kind != ValueKind::Number)
        return choiceId(f, text);
    double value = 0;
    return parseNumber(text, &value) ? ordered_json(value) : ordered_json(nullptr);
}

// A curve as a flat array, a map as rows; nlohmann writes non-finite as null.
static ordered_json arrayJson(const OutputValue &out)
{
    if (!out.labels.empty())
        return out.labels;
    if (out.shape.size() == 2) {
        ordered_json rows = ordered_json::array();
        for (std::size_t r = 0; r < out.shape[0]; ++r)
            rows.push_back(std::vector<double>(out.data.begin() + r * out.shape[1],
                                               out.data.begin() + (r + 1) * out.shape[1]));
        return rows;
    }
    return out.data;
}

ordered_json outputJson(const OutputValue &out, bool withText)
{
    ordered_json j;
    if (out.shape.empty())
        j["value"] = out.value; // NaN (a cleared field) and inf become null
    else
        j["value"] = arrayJson(out);
    j["unit"] = out.unit;
    if (withText) // every output carries its page text ("" for most curves)
        j["text"] = out.text;
    if (!out.shape.empty())
        j["shape"] = out.shape;
    return j;
}

ordered_json noticesJson(const std::vector<Notice> &notices, Lang lang)
{
    ordered_json list = ordered_json::array();
    for (const Notice &n : notices)
        list.push_back({{"key", n.key}, {"text", pick(n.text, lang)}});
    return list;
}

std::string joinedNotices(const std::vector<Notice> &notices, Lang lang)
{
    std::string text;
    for (const Notice &n : notices)
        text += (text.empty() ? "" : "; ") + noticeLine(n, lang);
    return text;
}

namespace {

bool isScalar(const FieldDescription &f)
{
    return f.kind == ValueKind::Number || f.kind == ValueKind::Choice;
}

std::string runCsv(const CalculatorDescription &description, const Result &result,
                   const std::vector<std::string> &outputs)
{
    const auto find = [&](std::size_t rank) -> const OutputValue * {
        for (const std::string &key : outputs) {
            const auto it = result.outputs.find(key);
            if (it != result.outputs.end() && it->second.shape.size() == rank)
                return &it->second;
        }
        return nullptr;
    };
    std::string out;
    if (const OutputValue *map = find(2)) { // the matrix, one grid row per line
        for (std::size_t r = 0; r < map->shape[0]; ++r)
            for (std::size_t c = 0; c < map->shape[1]; ++c)
                out += valueText(map->data[r * map->shape[1] + c]) +
                       (c + 1 < map->shape[1] ? "," : "\n");
        return out;
    }
    if (find(1)) { // curves side by side
        std::vector<const OutputValue *> curves;
        std::size_t rows = 0;
        for (const std::string &key : outputs) {
            const auto it = result.outputs.find(key);
            if (it != result.outputs.end() && it->second.shape.size() == 1) {
                curves.push_back(&it->second);
                out += (out.empty() ? "" : ",") + csvCell(key);
                rows = std::max(rows, it->second.data.size());
            }
        }
        out += "\n";
        for (std::size_t r = 0; r < rows; ++r)
            for (std::size_t c = 0; c < curves.size(); ++c)
                out += (r < curves[c]->labels.size() ? csvCell(curves[c]->labels[r])
                        : r < curves[c]->data.size() ? valueText(curves[c]->data[r])
                                                     : std::string()) +
                       (c + 1 < curves.size() ? "," : "\n");
        return out;
    }
    out = "key,value,unit,text\n";
    for (const std::string &key : outputs) {
        const auto it = result.outputs.find(key);
        if (it == result.outputs.end())
            continue;
        out += csvCell(key) + "," + valueText(it->second.value) + "," +
               csvCell(description.field(key)->unit) + "," + csvCell(it->second.text) + "\n";
    }
    return out;
}

// The curves side by side (a mode list, a spectrum), one sample per row,
// headed by key and unit; "" when the result has no curve.
std::string curveTable(const Result &result, const std::vector<std::string> &outputs)
{
    std::vector<const OutputValue *> curves;
    std::vector<std::vector<std::string>> rows(1);
    std::size_t length = 0;
    for (const std::string &key : outputs) {
        const auto it = result.outputs.find(key);
        if (it == result.outputs.end() || it->second.shape.size() != 1)
            continue;
        curves.push_back(&it->second);
        rows[0].push_back(it->second.unit.empty() ? key : key + " [" + it->second.unit + "]");
        length = std::max(length, it->second.data.size());
    }
    if (curves.empty())
        return {};
    for (std::size_t r = 0; r < length; ++r) {
        std::vector<std::string> row;
        for (const OutputValue *curve : curves)
            row.push_back(r < curve->labels.size() ? curve->labels[r]
                          : r < curve->data.size() && std::isfinite(curve->data[r])
                              ? formatNumber(curve->data[r], 'g', 10)
                              : std::string());
        rows.push_back(row);
    }
    return alignedRows(rows, "  ");
}

std::string runTable(const CalculatorDescription &description, const Inputs &inputs,
                     const Result &result, const std::vector<std::string> &outputs, Lang lang)
{
    const bool zh = lang == Lang::Zh;
    std::string out = description.id + "  " + pick(description.title, lang) + "\n";
    std::vector<std::vector<std::string>> in;
    for (const FieldDescription &f : description.fields)
        if (f.role != FieldRole::Output)
            in.push_back({f.key, zh ? inputs.at(f.key) : choiceId(f, inputs.at(f.key)), f.unit,
                          pick(f.caption, lang)});
    out += (zh ? "输入项\n" : "inputs\n") + alignedRows(in, "  ");
    std::vector<std::vector<std::string>> rows;
    for (const std::string &key : outputs) {
        const auto it = result.outputs.find(key);
        if (it == result.outputs.end())
            continue;
        const OutputValue &v = it->second;
        std::string shown = v.text;
        if (v.shape.size() == 1)
            shown = "[" + std::to_string(v.shape[0]) + (zh ? " 个值]" : " values]");
        else if (v.shape.size() == 2)
            shown = "[" + std::to_string(v.shape[0]) + "×" + std::to_string(v.shape[1]) + "]";
        rows.push_back({key, shown, v.unit, pick(description.field(key)->caption, lang)});
    }
    out += (zh ? "输出项\n" : "outputs\n") + alignedRows(rows, "  ");
    out += curveTable(result, outputs);
    if (!result.notices.empty()) {
        out += zh ? "提示\n" : "notices\n";
        for (const Notice &n : result.notices)
            out += "  " + noticeLine(n, lang) + "\n";
    }
    return out;
}

} // namespace

std::vector<std::string> selectOutputs(const CalculatorDescription &description,
                                       const std::vector<std::string> &requested, bool scalarsOnly)
{
    std::vector<std::string> keys;
    if (requested.empty()) {
        for (const FieldDescription &f : description.fields)
            if (f.role == FieldRole::Output && (!scalarsOnly || isScalar(f)))
                keys.push_back(f.key);
        return keys;
    }
    for (const std::string &key : requested) {
        const FieldDescription *f = description.field(key);
        if (!f || f->role != FieldRole::Output)
            throw BadInput("--outputs: " + key + " is not an output of " + description.id);
        if (scalarsOnly && !isScalar(*f))
            throw BadInput("--outputs: " + key + " is a curve or map and cannot go in a CSV row");
        keys.push_back(key);
    }
    return keys;
}

std::string runText(const CalculatorDescription &description, const Inputs &inputs,
                    const Result &result, const std::vector<std::string> &outputs,
                    const std::string &format, Lang lang)
{
    if (format == "csv")
        return runCsv(description, result, outputs);
    if (format == "table")
        return runTable(description, inputs, result, outputs, lang);
    ordered_json j;
    j["calculator"] = description.id;
    j["inputs"] = ordered_json::object();
    for (const FieldDescription &f : description.fields)
        if (f.role != FieldRole::Output)
            j["inputs"][f.key] = inputJson(f, inputs.at(f.key));
    j["outputs"] = ordered_json::object();
    for (const std::string &key : outputs) {
        const auto it = result.outputs.find(key);
        if (it != result.outputs.end())
            j["outputs"][key] = outputJson(it->second, true);
    }
    j["notices"] = noticesJson(result.notices, lang);
    return j.dump(2) + "\n";
}

} // namespace velmora::cli
