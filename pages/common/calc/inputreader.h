#ifndef VELMORA_INPUTREADER_H
#define VELMORA_INPUTREADER_H

// Reading a tab's input texts the way the page reads its fields, and building
// the Result a calculator returns. Every calculator's evaluate() uses these,
// so "how a text becomes a number" and "what a refusal looks like" live in
// one place.

#include "calculator.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace velmora::calc {

class InputReader
{
public:
    // `inputs` may lack keys: missing input and linked keys read as the
    // description's default text.
    InputReader(const CalculatorDescription &description, const Inputs &inputs);

    // The field's text as typed (or its default). Throws std::out_of_range
    // for a key the description does not have: that is a programming error.
    const std::string &text(const std::string &key) const;
    // The page's reading: C locale, surrounding blanks ignored, empty or
    // non-numeric text reads as 0 (QString::toDouble without the ok flag).
    double number(const std::string &key) const;
    // True when the text is empty (the page's QString::isEmpty()).
    bool empty(const std::string &key) const;
    bool anyEmpty(std::initializer_list<const char *> keys) const;

    const Inputs &all() const { return m_inputs; }

private:
    const CalculatorDescription &m_description;
    Inputs m_inputs;
};

// Builds a Result field by field; units come from the description.
class ResultBuilder
{
public:
    explicit ResultBuilder(const CalculatorDescription &description) : m_description(description) {}

    // A scalar output with its value and the page's display text.
    ResultBuilder &number(const std::string &key, double value, std::string text);
    // An output the page empties (for example θ₂ under total reflection):
    // text "" and no value.
    ResultBuilder &cleared(const std::string &key);
    // A curve ({n}) or a row-major map ({rows, cols}).
    ResultBuilder &array(const std::string &key, std::vector<double> data,
                         std::vector<std::size_t> shape);
    // A column of names ({n}), e.g. the mode of each table row.
    ResultBuilder &labels(const std::string &key, std::vector<std::string> names);
    // A notice shown after the outputs are written; the result still counts.
    ResultBuilder &notice(const Text &text, const std::string &key = std::string());

    Result take() { return std::move(m_result); }

private:
    OutputValue &slot(const std::string &key);

    const CalculatorDescription &m_description;
    Result m_result;
};

// A refused calculation: nothing computed, the page shows `text` and leaves
// its output fields as they were.
Result refusal(const Text &text, const std::string &key = std::string());

// "请确保输入参数不为空": the page's notice for an empty required input.
extern const Text kEmptyInputNotice;

// The refusal a page gives before evaluating when a required number input is
// empty (blanks only count as empty): an empty field would read as 0 and
// show "inf" or a misleading notice. Keys in `skip` (fields the page has
// disabled) are not checked. Nothing when every required input has text.
std::optional<Result> emptyInputRefusal(const CalculatorDescription &description,
                                        const Inputs &inputs,
                                        const std::vector<std::string> &skip = {});

} // namespace velmora::calc

#endif // VELMORA_INPUTREADER_H
