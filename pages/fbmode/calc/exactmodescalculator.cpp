#include "exactmodescalculator.h"

#include "catalogue.h"
#include "exactmodecolumns.h"
#include "fielddescriptions.h"
#include "inputreader.h"
#include "rangecheck.h"
#include "sheetrows.h"
#include "textformat.h"

#include <cmath>

namespace velmora::calc {

namespace {

FieldDescription checkBox(std::string key, std::string objectName, Text caption)
{
    FieldDescription f;
    f.key = std::move(key);
    f.objectName = std::move(objectName);
    f.kind = ValueKind::Choice;
    f.caption = std::move(caption);
    f.defaultText = "0";
    f.choices = {"0", "1"};
    return f;
}

FieldDescription curve(const ExactModeColumn &column)
{
    FieldDescription f;
    f.key = column.key;
    f.objectName = "m_exactTable";
    f.role = FieldRole::Output;
    f.kind = ValueKind::Curve;
    f.gapsAllowed = true; // a table column: blank where a mode lacks the quantity
    f.caption = column.caption;
    f.unit = column.unit;
    f.format = std::string(1, column.format) + std::to_string(column.precision);
    return f;
}

FieldDescription textColumn(const char *key, const Text &caption)
{
    FieldDescription f;
    f.key = key;
    f.objectName = "m_exactTable";
    f.role = FieldRole::Output;
    f.kind = ValueKind::Curve;
    f.caption = caption;
    return f;
}

CalculatorDescription makeDescription()
{
    using namespace inputranges;
    CalculatorDescription s;
    s.id = "modes.exact";
    s.title = {"精确模式特性", "Exact mode properties"};
    s.page = "fbmode";
    s.tab = 3;
    s.fields = {
        withRange(numberInput("a_um", "m_exactALineEdit", {"纤芯半径a", "core radius a"}, "μm",
                              1e-6, "20", 0, 0),
                  kFiberRadius),
        withRange(numberInput("lambda_nm", "m_exactLambdaLineEdit", {"激光波长λ", "wavelength λ"},
                              "nm", 1e-9, "1080", 0, 0),
                  kWavelength),
        withRange(numberInput("n1", "m_exactN1LineEdit", {"纤芯折射率n1", "core index n1"}, "", 1.0,
                              "1.4512", 0, 0, FieldRole::Linked),
                  kRefractiveIndex),
        withRange(numberInput("n2", "m_exactN2LineEdit", {"包层折射率n2", "cladding index n2"}, "",
                              1.0, "1.45", 0, 0),
                  kRefractiveIndex),
        withRange(numberInput("na", "m_exactNALineEdit", {"数值孔径NA", "numerical aperture NA"},
                              "", 1.0, "0.0590", 0, 0, FieldRole::Linked),
                  kNumericalAperture),
        withRange(numberInput("rd_um", "m_exactDopedLineEdit", {"掺杂半径r_d", "doped radius r_d"},
                              "μm", 1e-6, "20", 0, 0),
                  kFiberRadius),
        withRange(numberInput("bend_m", "m_exactBendLineEdit", {"弯曲半径R", "bend radius R"}, "m",
                              1.0, "0.05", 0, 0),
                  kBendRadius),
        checkBox("material", "m_exactMaterialCheckBox",
                 {"材料色散(熔融石英)", "material dispersion (fused silica)"}),
        checkBox("vector", "m_exactVectorCheckBox", {"矢量模式", "vector modes"}),
        numberOutput("v", "m_exactVLineEdit", {"归一化频率V", "normalized frequency V"}, "", 1.0,
                     "f4"),
        numberOutput("count", "m_exactCountLineEdit", {"LP导模数量", "guided LP modes"}, "", 1.0,
                     "g6"),
    };
    // The mode names and the near-cutoff mark: text columns (the page's table
    // shows the name in its first column).
    s.fields.push_back(textColumn("mode", {"模式", "mode"}));
    s.fields.push_back(textColumn("note", {"备注", "note"}));
    for (const ExactModeColumn &column : exactModeColumns())
        s.fields.push_back(curve(column));
    // The sheet: the inputs (check boxes as 是/否) and the two result fields,
    // then the mode table below its header row: the mode name, then every
    // column with its unit, as the page shows it.
    s.sheet = sheetRowsFromFields(s.fields, SheetCell::CheckState);
    s.sheetTable.objectName = "m_exactTable";
    s.sheetTable.headers = {"模式"};
    s.sheetTable.headersEn = {""}; // in the translation catalogue
    for (const ExactModeColumn &column : exactModeColumns()) {
        s.sheetTable.headers.push_back(captionWithUnit(column.caption.zh, column.unit, " [%s]"));
        s.sheetTable.headersEn.push_back(
            captionWithUnit(column.caption.en.empty() ? column.caption.zh : column.caption.en,
                            column.unit, " [%s]"));
    }
    holdingFiber(s, {{"a_um", FiberQuantity::CoreRadius},
                     {"lambda_nm", FiberQuantity::SignalWavelength},
                     {"n1", FiberQuantity::CoreIndex},
                     {"n2", FiberQuantity::CladdingIndex},
                     {"na", FiberQuantity::NumericalAperture},
                     {"rd_um", FiberQuantity::DopedRadius}});
    return s;
}

} // namespace

const CalculatorDescription &ExactModesCalculator::description() const
{
    static const CalculatorDescription s = makeDescription();
    return s;
}

ExactModeCheck ExactModesCalculator::check(const Inputs &inputs) const
{
    ExactModeCheck out;
    const InputReader in(description(), inputs);
    if (in.anyEmpty({"a_um", "lambda_nm", "n1", "n2", "rd_um", "bend_m"})) {
        out.refusal = refusal(kEmptyInputNotice);
        return out;
    }
    Result ranges;
    // NA is checked too although n1 and n2 define the fiber: it is the text
    // the user sees and may have typed (then n1 was derived from it).
    if (refuseOutOfRange(description(), in.all(), ranges,
                         {"a_um", "lambda_nm", "n1", "n2", "na", "rd_um", "bend_m"})) {
        out.refusal = ranges;
        return out;
    }
    ExactModeRequest request;
    request.fiber.a = in.number("a_um") * 1e-6;
    request.fiber.lambda = in.number("lambda_nm") * 1e-9;
    request.fiber.n1 = in.number("n1");
    request.fiber.n2 = in.number("n2");
    request.options.dopedRadius = in.number("rd_um") * 1e-6;
    request.options.bendRadius = in.number("bend_m");
    request.options.materialDispersion = in.text("material") == "1";
    request.vectorModes = in.text("vector") == "1";
    if (!(request.fiber.n1 > request.fiber.n2)) {
        out.refusal = refusal(
            {"纤芯折射率应大于包层折射率", "the core index must exceed the cladding index"}, "n1");
        return out;
    }
    if (!(fiberV(request.fiber) <= kExactModesMaxV)) {
        out.refusal = refusal(
            {"归一化频率V不超过100", "the normalized frequency V must not exceed 100"}, "a_um");
        return out;
    }
    out.request = request;
    return out;
}

Result ExactModesCalculator::results(const ExactModeSet &set) const
{
    ResultBuilder out(description());
    out.number("v", set.v, formatNumber(set.v, 'f', 4));
    out.number("count", double(set.lp.size()), std::to_string(set.lp.size()));
    const std::vector<ExactModeRow> rows = exactModeRows(set);
    std::vector<std::string> names, notes;
    for (const ExactModeRow &row : rows) {
        names.push_back(row.name);
        notes.push_back(exactModeNearCutoff(set, row) ? kNearCutoffEn : "");
    }
    out.labels("mode", std::move(names));
    out.labels("note", std::move(notes));
    for (const ExactModeColumn &column : exactModeColumns()) {
        std::vector<double> values;
        values.reserve(rows.size());
        for (const ExactModeRow &row : rows) {
            // "No value" is NaN in the curves: the command line's JSON has no
            // infinity (LP01's cutoff wavelength, shown as "∞" on the page).
            const double value = exactModeValue(column, set, row);
            values.push_back(std::isfinite(value) ? value : std::nan(""));
        }
        out.array(column.key, std::move(values), {rows.size()});
    }
    Result r = out.take();
    r.outputs["count"].integer = true;
    return r;
}

Result ExactModesCalculator::evaluate(const Inputs &inputs) const
{
    ExactModeCheck checked = check(inputs);
    if (!checked.request)
        return checked.refusal;
    return results(computeExactModeSet(*checked.request));
}

Inputs ExactModesCalculator::linkEdited(const Inputs &inputs, const std::string &key) const
{
    // As on the other fiber-mode tabs: editing n1 rewrites NA, editing NA
    // rewrites n1 (n2 fixed); an emptied partner is first refilled.
    Inputs linked = withDefaults(description(), inputs);
    const double n2 = readNumber(linked["n2"]);
    double n1 = readNumber(linked["n1"]);
    double na = readNumber(linked["na"]);
    if (key == "n1") {
        if (linked["n1"].empty()) {
            n1 = std::sqrt(na * na + n2 * n2);
            linked["n1"] = formatNumber(n1, 'g', 6);
        }
        linked["na"] = formatPrintf("%f", std::sqrt(n1 * n1 - n2 * n2));
    } else if (key == "na") {
        if (linked["na"].empty()) {
            na = std::sqrt(n1 * n1 - n2 * n2);
            linked["na"] = formatNumber(na, 'g', 6);
        }
        linked["n1"] = formatPrintf("%f", std::sqrt(na * na + n2 * n2));
    }
    return linked;
}

} // namespace velmora::calc
