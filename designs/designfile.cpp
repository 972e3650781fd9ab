#include "designfile.h"

#include "textformat.h"
#include "validation.h"

#include <nlohmann/json.hpp>

namespace velmora::designs {

using nlohmann::json;

namespace {

// The fiber's members under their file keys, in one table for both ways.
struct FiberMember {
    const char *key;
    double FiberDesign::*member;
};
const FiberMember kFiberMembers[] = {
    {"core_radius_um", &FiberDesign::coreRadiusUm},
    {"cladding_radius_um", &FiberDesign::claddingRadiusUm},
    {"doped_radius_um", &FiberDesign::dopedRadiusUm},
    {"na", &FiberDesign::na},
    {"n2", &FiberDesign::n2},
    {"length_m", &FiberDesign::lengthM},
    {"signal_nm", &FiberDesign::signalNm},
    {"pump_nm", &FiberDesign::pumpNm},
    {"yb_concentration_m3", &FiberDesign::ybConcentration},
    {"background_loss_db_m", &FiberDesign::backgroundLossDbPerM},
};

calc::Text problem(const std::string &zh, const std::string &en)
{
    return {zh, en};
}

DesignReading refused(calc::Text error)
{
    DesignReading r;
    r.error = std::move(error);
    return r;
}

// Design files nest three levels deep ({"tabs": {"id": {"key": "text"}}}).
// Copying or comparing a parsed value recurses once per level, so a file
// nested tens of thousands deep would overflow the stack: the nesting is
// measured by a SAX pass (no values are built) before the document is parsed.
constexpr std::size_t kMaxDesignNesting = 32;

// A SAX handler that accepts everything and stops at the first container
// deeper than the limit (sax_parse then returns false).
class NestingLimit : public nlohmann::json_sax<json>
{
public:
    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t &) override { return true; }
    bool string(string_t &) override { return true; }
    bool binary(binary_t &) override { return true; }
    bool start_object(std::size_t) override { return enter(); }
    bool key(string_t &) override { return true; }
    bool end_object() override { return leave(); }
    bool start_array(std::size_t) override { return enter(); }
    bool end_array() override { return leave(); }
    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &) override
    {
        return false;
    }
    bool tooDeep() const { return m_tooDeep; }

private:
    bool enter()
    {
        m_tooDeep = ++m_depth > kMaxDesignNesting;
        return !m_tooDeep;
    }
    bool leave()
    {
        --m_depth;
        return true;
    }
    std::size_t m_depth = 0;
    bool m_tooDeep = false;
};

// The value at `key` of an object, or `fallback`: by reference, no copy.
const json &member(const json &object, const char *key, const json &fallback)
{
    const auto it = object.find(key);
    return it == object.end() ? fallback : *it;
}

} // namespace

std::string writeDesign(const Design &design)
{
    json fiber = json::object();
    fiber["name"] = design.fiber.name;
    for (const FiberMember &m : kFiberMembers)
        fiber[m.key] = design.fiber.*m.member;
    json tabs = json::object();
    for (const auto &[id, inputs] : design.tabs) {
        json fields = json::object();
        for (const auto &[key, text] : inputs)
            fields[key] = text;
        tabs[id] = fields;
    }
    const json doc = {{"format", kDesignFormat}, {"version", kDesignVersion}, {"fiber", fiber},
                      {"page", design.page},     {"tab", design.tab},         {"tabs", tabs}};
    return doc.dump(2) + "\n";
}

DesignReading readDesign(const std::string &text, const calc::Catalogue &catalogue)
{
    NestingLimit nesting;
    json::sax_parse(text, &nesting);
    if (nesting.tooDeep())
        return refused(problem("设计文件嵌套过深（最多 " + std::to_string(kMaxDesignNesting) +
                                   " 层），不是 Velmora 设计文件",
                               "the file nests deeper than " + std::to_string(kMaxDesignNesting) +
                                   " levels: not a Velmora design file"));
    const json doc = json::parse(text, nullptr, false);
    if (doc.is_discarded() || !doc.is_object() || doc.value("format", json()) != kDesignFormat)
        return refused(problem("不是 Velmora 设计文件", "not a Velmora design file"));
    const json version = doc.value("version", json());
    if (!version.is_number_integer())
        return refused(problem("设计文件缺少版本号", "the design file has no version"));
    if (version.get<long long>() < 1)
        return refused(problem(
            "设计文件版本 " + version.dump() + " 无效（版本从 1 开始）",
            "the design file's version " + version.dump() + " is not valid (versions start at 1)"));
    if (version.get<long long>() > kDesignVersion)
        return refused(problem("设计文件版本 " + version.dump() + " 比本程序支持的版本 " +
                                   std::to_string(kDesignVersion) + " 新，请升级程序",
                               "the design file's version " + version.dump() +
                                   " is newer than this program's " +
                                   std::to_string(kDesignVersion)));

    DesignReading reading;
    Design &design = reading.design;
    const json noObject = json::object();
    const json &fiber = member(doc, "fiber", noObject);
    if (!fiber.is_object())
        return refused(problem("设计文件中的光纤数据无效", "the design's fiber is not valid"));
    if (fiber.contains("name")) {
        if (!fiber["name"].is_string())
            return refused(problem("光纤名称必须是文字", "the fiber name must be text"));
        design.fiber.name = fiber["name"].get<std::string>();
    }
    for (const FiberMember &m : kFiberMembers) {
        if (!fiber.contains(m.key))
            continue;
        if (!fiber[m.key].is_number())
            return refused(problem(std::string("光纤参数 ") + m.key + " 必须是数字",
                                   std::string("fiber value ") + m.key + " must be a number"));
        design.fiber.*m.member = fiber[m.key].get<double>();
    }
    for (auto it = fiber.begin(); it != fiber.end(); ++it) {
        bool known = it.key() == "name";
        for (const FiberMember &m : kFiberMembers)
            known = known || it.key() == m.key;
        if (!known)
            reading.skipped.push_back("fiber." + calc::quotedInput(it.key()));
    }
    if (const auto bad = checkFiber(design.fiber))
        return refused(*bad);

    const json page = doc.value("page", json(""));
    const json tab = doc.value("tab", json(0));
    if (!page.is_string() || !tab.is_number_integer() || tab.get<long long>() < 0 ||
        tab.get<long long>() > 64)
        return refused(
            problem("设计文件中的当前页面无效", "the design's current page is not valid"));
    design.page = page.get<std::string>();
    design.tab = int(tab.get<long long>());

    const json &tabs = member(doc, "tabs", noObject);
    if (!tabs.is_object())
        return refused(problem("设计文件中的输入数据无效", "the design's inputs are not valid"));
    for (auto t = tabs.begin(); t != tabs.end(); ++t) {
        const calc::Calculator *calculator = catalogue.find(t.key());
        if (!calculator) {
            reading.skipped.push_back(calc::quotedInput(t.key()));
            continue;
        }
        if (!t.value().is_object())
            return refused(problem(t.key() + " 的输入数据无效",
                                   "the inputs of " + t.key() + " are not valid"));
        const calc::CalculatorDescription &description = calculator->description();
        calc::Inputs &inputs = design.tabs[t.key()];
        for (auto f = t.value().begin(); f != t.value().end(); ++f) {
            const calc::FieldDescription *field = description.field(f.key());
            if (!field || field->role == calc::FieldRole::Output) {
                reading.skipped.push_back(t.key() + "." + calc::quotedInput(f.key()));
                continue;
            }
            if (!f.value().is_string())
                return refused(problem(
                    t.key() + " 的输入 " + calc::quotedInput(f.key()) + " 必须是文字",
                    "input " + calc::quotedInput(f.key()) + " of " + t.key() + " must be text"));
            const std::string value = f.value().get<std::string>();
            // The command line's rules: anything typed must be what the tab
            // accepts, and a required field must not be empty (it would read
            // as 0, or its linked partner would rewrite it).
            if (const auto bad = calc::checkAssignment(description, {f.key(), value}))
                return refused(problem(description.title.zh + "：" + bad->text.zh,
                                       description.title.en + ": " + bad->text.en));
            inputs[f.key()] = value;
        }
    }
    reading.ok = true;
    return reading;
}

} // namespace velmora::designs
