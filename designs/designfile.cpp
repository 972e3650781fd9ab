#include "designfile.h"

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
    const json doc = json::parse(text, nullptr, false);
    if (doc.is_discarded() || !doc.is_object() || doc.value("format", json()) != kDesignFormat)
        return refused(problem("不是 Velmora 设计文件", "not a Velmora design file"));
    const json version = doc.value("version", json());
    if (!version.is_number_integer())
        return refused(problem("设计文件缺少版本号", "the design file has no version"));
    if (version.get<long long>() > kDesignVersion)
        return refused(problem("设计文件版本 " + version.dump() + " 比本程序支持的版本 " +
                                   std::to_string(kDesignVersion) + " 新，请升级程序",
                               "the design file's version " + version.dump() +
                                   " is newer than this program's " +
                                   std::to_string(kDesignVersion)));

    DesignReading reading;
    Design &design = reading.design;
    const json fiber = doc.value("fiber", json::object());
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
            reading.skipped.push_back("fiber." + it.key());
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

    const json tabs = doc.value("tabs", json::object());
    if (!tabs.is_object())
        return refused(problem("设计文件中的输入数据无效", "the design's inputs are not valid"));
    for (auto t = tabs.begin(); t != tabs.end(); ++t) {
        const calc::Calculator *calculator = catalogue.find(t.key());
        if (!calculator) {
            reading.skipped.push_back(t.key());
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
                reading.skipped.push_back(t.key() + "." + f.key());
                continue;
            }
            if (!f.value().is_string())
                return refused(problem(t.key() + " 的输入 " + f.key() + " 必须是文字",
                                       "input " + f.key() + " of " + t.key() + " must be text"));
            const std::string value = f.value().get<std::string>();
            // An empty field is kept as the user left it; anything typed must
            // be what the tab accepts.
            if (!value.empty())
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
