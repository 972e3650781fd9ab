#include "validation.h"

#include "catalogue.h"
#include "rangecheck.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>

namespace velmora::calc {

namespace {

Notice problem(const std::string &key, const std::string &zh, const std::string &en)
{
    return Notice{Text{key + "：" + zh, key + ": " + en}, key};
}

} // namespace

std::string rangeText(const FieldDescription &field)
{
    // Bounds to six digits, as the range notices write them.
    using inputranges::formatBound;
    const bool low = std::isfinite(field.min);
    const bool high = std::isfinite(field.max);
    if (low && high)
        return "[" + formatBound(field.min) + ", " + formatBound(field.max) + "]";
    if (low)
        return "≥ " + formatBound(field.min);
    if (high)
        return "≤ " + formatBound(field.max);
    return "any";
}

std::optional<Notice> checkAssignment(const CalculatorDescription &description,
                                      const Assignment &assignment)
{
    const std::string &key = assignment.first;
    // Messages quote at most the first characters of what was typed.
    const std::string text = quotedInput(assignment.second);
    const FieldDescription *field = description.field(key);
    if (!field)
        return problem(quotedInput(key), "不是 " + description.id + " 的输入项",
                       "is not an input of " + description.id);
    if (field->role == FieldRole::Output)
        return problem(key, "是输出项，不能赋值", "is an output and cannot be set");
    if (assignment.second.empty()) {
        if (field->required)
            return problem(key, "不能为空", "must not be empty");
        return std::nullopt;
    }
    if (field->kind == ValueKind::Choice) {
        // A choice whose options depend on the other inputs (the guided modes
        // of a fiber) lists none here: evaluate() refuses a text it lacks.
        if (field->choices.empty())
            return std::nullopt;
        const std::string page = choiceFromId(*field, assignment.second);
        if (std::find(field->choices.begin(), field->choices.end(), page) != field->choices.end())
            return std::nullopt;
        std::string list;
        for (std::size_t i = 0; i < field->choices.size(); ++i)
            list +=
                (list.empty() ? "" : ", ") +
                (i < field->choiceIds.size() ? field->choiceIds[i] + " (" + field->choices[i] + ")"
                                             : field->choices[i]);
        return problem(key, "“" + text + "” 不是可选值（" + list + "）",
                       "\"" + text + "\" is not one of " + list);
    }
    if (field->kind != ValueKind::Number)
        return problem(key, "不是可输入的数值", "is not a number input");
    double value = 0;
    if (!parseNumber(assignment.second, &value))
        return problem(key, "“" + text + "” 不是数字", "\"" + text + "\" is not a number");
    if (!std::isfinite(value))
        return problem(key, "必须是有限数值", "must be finite");
    if (!textInRange(*field, assignment.second)) {
        // The same words as the calculators' own range notice, with the key.
        const Notice range = outOfRangeNotice(*field);
        return problem(key, text + "：" + range.text.zh, text + ": " + range.text.en);
    }
    return std::nullopt;
}

std::optional<Notice> checkAssignments(const CalculatorDescription &description,
                                       const Assignments &assignments)
{
    std::vector<std::string> keys;
    for (const Assignment &a : assignments)
        keys.push_back(a.first);
    if (auto notice = repeatedKey(keys))
        return notice;
    for (const Assignment &a : assignments)
        if (auto notice = checkAssignment(description, a))
            return notice;
    return std::nullopt;
}

void attributeToGivenKeys(Result &refused, const Assignments &given)
{
    if (!refused.refused || given.empty())
        return;
    for (Notice &notice : refused.notices) {
        const bool named = std::any_of(given.begin(), given.end(),
                                       [&](const Assignment &a) { return a.first == notice.key; });
        if (named)
            continue;
        // The text may begin with the partner's key ("p_out_w: ..."): it
        // stays, now after the given key.
        notice.key = given.front().first;
    }
}

std::optional<Notice> repeatedKey(std::vector<std::string> keys)
{
    std::sort(keys.begin(), keys.end());
    const auto twice = std::adjacent_find(keys.begin(), keys.end());
    if (twice == keys.end())
        return std::nullopt;
    const std::string key = quotedInput(*twice);
    return problem(key, "给出了两次", "is given twice");
}

Inputs applyAssignments(const Calculator &calculator, const Assignments &assignments)
{
    const CalculatorDescription &description = calculator.description();
    Inputs inputs = withDefaults(description, {});
    for (const auto &[key, text] : assignments) {
        const FieldDescription *field = description.field(key);
        inputs[key] = field ? choiceFromId(*field, text) : text;
        if (field && field->role == FieldRole::Linked)
            inputs = calculator.linkEdited(inputs, key);
    }
    return inputs;
}

std::string choiceFromId(const FieldDescription &field, const std::string &text)
{
    for (std::size_t i = 0; i < field.choiceIds.size() && i < field.choices.size(); ++i)
        if (field.choiceIds[i] == text)
            return field.choices[i];
    return text;
}

std::string choiceId(const FieldDescription &field, const std::string &text)
{
    for (std::size_t i = 0; i < field.choiceIds.size() && i < field.choices.size(); ++i)
        if (field.choices[i] == text)
            return field.choiceIds[i];
    return text;
}

bool splitAssignment(const std::string &argument, Assignment *assignment)
{
    const std::size_t eq = argument.find('=');
    if (eq == std::string::npos || eq == 0)
        return false;
    *assignment = Assignment{argument.substr(0, eq), argument.substr(eq + 1)};
    return true;
}

} // namespace velmora::calc
