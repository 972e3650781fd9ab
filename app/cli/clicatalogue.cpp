// list and describe: what the catalogue holds and what a tab reads and writes.
#include "clireport.h"

#include "validation.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace velmora::cli {

using nlohmann::ordered_json;
using namespace velmora::calc;

namespace {

const char *roleName(FieldRole role)
{
    switch (role) {
    case FieldRole::Input: return "input";
    case FieldRole::Linked: return "linked";
    case FieldRole::Output: break;
    }
    return "output";
}

const char *kindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Number: return "number";
    case ValueKind::Choice: return "choice";
    case ValueKind::Curve: return "curve";
    case ValueKind::Map: break;
    }
    return "map";
}

ordered_json bound(double value)
{
    return std::isfinite(value) ? ordered_json(value) : ordered_json(nullptr);
}

ordered_json fieldJson(const FieldDescription &f)
{
    ordered_json j;
    j["key"] = f.key;
    j["field"] = f.objectName;
    j["role"] = roleName(f.role);
    j["kind"] = kindName(f.kind);
    j["caption"] = {{"zh", f.caption.zh}, {"en", f.caption.en}};
    j["unit"] = f.unit;
    j["to_si"] = f.toSI;
    if (f.role != FieldRole::Output) {
        j["default"] = f.defaultText;
        j["min"] = bound(f.min);
        j["max"] = bound(f.max);
        j["required"] = f.required;
        if (f.kind == ValueKind::Choice)
            j["choices"] = f.choices;
        if (!f.choiceIds.empty())
            j["choice_ids"] = f.choiceIds;
    }
    j["format"] = f.format;
    return j;
}

} // namespace

std::string listText(const Catalogue &catalogue, const std::string &format, Lang lang)
{
    if (format == "json") {
        ordered_json list = ordered_json::array();
        for (const auto &c : catalogue.all())
            list.push_back(
                {{"id", c->description().id},
                 {"title", {{"zh", c->description().title.zh}, {"en", c->description().title.en}}},
                 {"page", c->description().page},
                 {"tab", c->description().tab}});
        return list.dump(2) + "\n";
    }
    std::vector<std::vector<std::string>> rows;
    for (const auto &c : catalogue.all())
        rows.push_back({c->description().id, pick(c->description().title, lang)});
    return alignedRows(rows, "");
}

std::string describeText(const CalculatorDescription &description, const std::string &format,
                         Lang lang)
{
    if (format == "json") {
        ordered_json j;
        j["id"] = description.id;
        j["title"] = {{"zh", description.title.zh}, {"en", description.title.en}};
        j["page"] = description.page;
        j["tab"] = description.tab;
        j["inputs"] = ordered_json::array();
        j["outputs"] = ordered_json::array();
        for (const FieldDescription &f : description.fields)
            j[f.role == FieldRole::Output ? "outputs" : "inputs"].push_back(fieldJson(f));
        return j.dump(2) + "\n";
    }
    const bool zh = lang == Lang::Zh;
    std::string out = description.id + "  " + pick(description.title, lang) + "  (" +
                      description.page + ", tab " + std::to_string(description.tab) + ")\n";
    std::vector<std::vector<std::string>> inputs{
        zh ? std::vector<std::string>{"键", "单位", "默认值", "范围", "控件", "名称"}
           : std::vector<std::string>{"key", "unit", "default", "range", "field", "caption"}};
    std::vector<std::vector<std::string>> outputs{
        zh ? std::vector<std::string>{"键", "单位", "格式", "控件", "名称"}
           : std::vector<std::string>{"key", "unit", "format", "field", "caption"}};
    for (const FieldDescription &f : description.fields) {
        std::string caption = pick(f.caption, lang);
        if (f.role == FieldRole::Linked)
            caption += zh ? "（联动）" : " (linked)";
        if (f.role == FieldRole::Output)
            outputs.push_back({f.key, f.unit, f.format, f.objectName, caption});
        else
            inputs.push_back({f.key, f.unit, f.defaultText, rangeText(f), f.objectName, caption});
    }
    out += zh ? "输入项\n" : "inputs\n";
    out += alignedRows(inputs, "  ");
    out += zh ? "输出项\n" : "outputs\n";
    out += alignedRows(outputs, "  ");
    return out;
}

} // namespace velmora::cli
