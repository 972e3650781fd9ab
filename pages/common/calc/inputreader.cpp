#include "inputreader.h"

#include <limits>

#include "catalogue.h"
#include "textformat.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace velmora::calc {

const Text kEmptyInputNotice{"请确保输入参数不为空", "make sure no input is empty"};

InputReader::InputReader(const CalculatorDescription &description, const Inputs &inputs)
    : m_description(description), m_inputs(withDefaults(description, inputs))
{
}

const std::string &InputReader::text(const std::string &key) const
{
    const auto it = m_inputs.find(key);
    if (it == m_inputs.end())
        throw std::out_of_range(m_description.id + " has no input \"" + key + "\"");
    return it->second;
}

double InputReader::number(const std::string &key) const
{
    return readNumber(text(key));
}

bool InputReader::empty(const std::string &key) const
{
    return text(key).empty();
}

bool InputReader::anyEmpty(std::initializer_list<const char *> keys) const
{
    for (const char *key : keys)
        if (empty(key))
            return true;
    return false;
}

OutputValue &ResultBuilder::slot(const std::string &key)
{
    const FieldDescription *field = m_description.field(key);
    if (!field || field->role != FieldRole::Output)
        throw std::out_of_range(m_description.id + " has no output \"" + key + "\"");
    OutputValue &out = m_result.outputs[key];
    out.unit = field->unit;
    return out;
}

ResultBuilder &ResultBuilder::number(const std::string &key, double value, std::string text)
{
    OutputValue &out = slot(key);
    out.value = value;
    out.text = std::move(text);
    return *this;
}

ResultBuilder &ResultBuilder::cleared(const std::string &key)
{
    OutputValue &out = slot(key);
    out.value = std::nan("");
    out.text.clear();
    return *this;
}

ResultBuilder &ResultBuilder::array(const std::string &key, std::vector<double> data,
                                    std::vector<std::size_t> shape)
{
    OutputValue &out = slot(key);
    out.data = std::move(data);
    out.shape = std::move(shape);
    return *this;
}

ResultBuilder &ResultBuilder::labels(const std::string &key, std::vector<std::string> names)
{
    OutputValue &out = slot(key);
    out.shape = {names.size()};
    out.labels = std::move(names);
    return *this;
}

ResultBuilder &ResultBuilder::notice(const Text &text, const std::string &key)
{
    m_result.notices.push_back(Notice{text, key});
    return *this;
}

std::optional<Result> emptyInputRefusal(const CalculatorDescription &description,
                                        const Inputs &inputs, const std::vector<std::string> &skip)
{
    for (const FieldDescription &field : description.fields) {
        if (field.role == FieldRole::Output || !field.required || field.kind != ValueKind::Number)
            continue;
        if (std::find(skip.begin(), skip.end(), field.key) != skip.end())
            continue;
        const auto it = inputs.find(field.key);
        const std::string text = it == inputs.end() ? std::string() : it->second;
        if (text.find_first_not_of(" \t\r\n") == std::string::npos)
            return refusal(kEmptyInputNotice, field.key);
    }
    return std::nullopt;
}

Result refusal(const Text &text, const std::string &key)
{
    Result result;
    result.refused = true;
    result.notices.push_back(Notice{text, key});
    return result;
}

} // namespace velmora::calc
