#include "rangecheck.h"

#include "textformat.h"

#include <cmath>

namespace velmora::calc {

FieldDescription withRange(FieldDescription field, const inputranges::InputRange &range,
                           bool zeroPasses)
{
    field.min = inputranges::pageMin(range, field.toSI);
    field.max = inputranges::pageMax(range, field.toSI);
    field.zeroPassesRangeCheck = zeroPasses;
    return field;
}

FieldDescription zeroPasses(FieldDescription field)
{
    field.zeroPassesRangeCheck = true;
    return field;
}

Notice outOfRangeNotice(const FieldDescription &field)
{
    Notice notice;
    notice.key = field.key;
    notice.text.zh = inputranges::outOfRangeZh(field.caption.zh, field.min, field.max, field.unit);
    notice.text.en = inputranges::outOfRangeEn(field.caption.en, field.min, field.max, field.unit);
    return notice;
}

bool textInRange(const FieldDescription &field, const std::string &text)
{
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return true;
    const double value = readNumber(text);
    // The bounds are already in the page unit; the same slack as the shared
    // table absorbs the last bit of the unit conversion.
    const inputranges::InputRange range{field.min, field.max, "", "", ""};
    return inputranges::contains(range, value);
}

namespace {

bool hasBound(const FieldDescription &field)
{
    return std::isfinite(field.min) || std::isfinite(field.max);
}

bool refuseField(const FieldDescription &field, const Inputs &inputs, Result &result)
{
    if (field.role == FieldRole::Output || field.kind != ValueKind::Number || !hasBound(field))
        return false;
    const auto it = inputs.find(field.key);
    const std::string &text = it == inputs.end() ? field.defaultText : it->second;
    // Exactly 0 (also what an empty or non-numeric text reads as) goes on to
    // the tab's own rule where the field says so; the command line's stricter
    // check (validation.h) still refuses it.
    if (textInRange(field, text) || (field.zeroPassesRangeCheck && readNumber(text) == 0))
        return false;
    result.refused = true;
    result.notices.push_back(outOfRangeNotice(field));
    return true;
}

} // namespace

bool refuseOutOfRange(const CalculatorDescription &description, const Inputs &inputs,
                      Result &result)
{
    for (const FieldDescription &field : description.fields)
        if (refuseField(field, inputs, result))
            return true;
    return false;
}

bool refuseOutOfRange(const CalculatorDescription &description, const Inputs &inputs,
                      Result &result, std::initializer_list<const char *> keys)
{
    for (const char *key : keys)
        if (const FieldDescription *field = description.field(key))
            if (refuseField(*field, inputs, result))
                return true;
    return false;
}

} // namespace velmora::calc
