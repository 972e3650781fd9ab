#include "pyconvert.h"

#include "catalogue.h"
#include "pyarrays.h"
#include "textformat.h"
#include "validation.h"

#include <cmath>
#include <cstdio>

namespace py = pybind11;

namespace velmora::python {

namespace {

const char *roleName(calc::FieldRole role)
{
    switch (role) {
    case calc::FieldRole::Input: return "input";
    case calc::FieldRole::Output: return "output";
    case calc::FieldRole::Linked: return "linked";
    }
    return "input";
}

const char *kindName(calc::ValueKind kind)
{
    switch (kind) {
    case calc::ValueKind::Number: return "number";
    case calc::ValueKind::Choice: return "choice";
    case calc::ValueKind::Curve: return "curve";
    case calc::ValueKind::Map: return "map";
    }
    return "number";
}

py::dict textDict(const calc::Text &text)
{
    py::dict d;
    d["zh"] = text.zh;
    d["en"] = text.en;
    return d;
}

// A limit of the accepted range, None when the range is open on that side.
py::object limit(double value)
{
    return std::isfinite(value) ? py::object(py::float_(value)) : py::object(py::none());
}

// The echoed input: the number a numeric field reads as (None for an optional
// number left empty, as the command line writes null), else its text.
py::object inputValue(const calc::FieldDescription *field, const std::string &text)
{
    double value = 0;
    if (field && field->kind == calc::ValueKind::Number)
        return calc::parseNumber(text, &value) ? py::object(py::float_(value))
                                               : py::object(py::none());
    // A choice as its stable ASCII id, as the command line writes it.
    return py::str(field ? calc::choiceId(*field, text) : text);
}

py::object outputValue(calc::OutputValue &out)
{
    if (out.data.empty() && out.shape.empty()) {
        if (out.integer && std::isfinite(out.value))
            return py::int_(static_cast<long long>(out.value));
        return py::float_(out.value);
    }
    if (!out.labels.empty()) {
        py::list names;
        for (const std::string &name : out.labels)
            names.append(name);
        return std::move(names);
    }
    std::vector<py::ssize_t> shape(out.shape.begin(), out.shape.end());
    if (shape.empty())
        shape.push_back(static_cast<py::ssize_t>(out.data.size()));
    return arrayFromVector(std::move(out.data), std::move(shape));
}

} // namespace

std::string inputText(const std::string &key, py::handle value)
{
    if (py::isinstance<py::bool_>(value))
        return value.cast<bool>() ? "1" : "0";
    if (py::isinstance<py::str>(value))
        return value.cast<std::string>();
    if (PyFloat_Check(value.ptr())) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", PyFloat_AS_DOUBLE(value.ptr()));
        return buffer;
    }
    // int, numpy integers. A numpy array has __index__ too, which raises for
    // anything but a 0-d integer array: that error is cleared, never left
    // set under a normal return (Python would turn it into a SystemError).
    if (PyIndex_Check(value.ptr())) {
        py::object index = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
        if (index)
            return py::str(index);
        PyErr_Clear();
    }
    // numpy floating scalars, 0-d arrays, Fraction, Decimal ... Only a value
    // that is one number: float() of a 1-element array works but is deprecated.
    const bool array = py::hasattr(value, "ndim") && !py::isinstance<py::int_>(value);
    const bool scalarArray = array && py::int_(value.attr("ndim")).cast<long>() == 0;
    if (PyNumber_Check(value.ptr()) && (!array || scalarArray)) {
        py::object asFloat = py::reinterpret_steal<py::object>(PyNumber_Float(value.ptr()));
        if (asFloat)
            return inputText(key, asFloat);
        PyErr_Clear();
    }
    throw InputError(key, key + ": expected a number or a string, got " +
                              std::string(py::str(py::type::handle_of(value).attr("__name__"))));
}

const calc::Calculator &findCalculator(const std::string &id)
{
    if (const calc::Calculator *c = calc::catalogue().find(id))
        return *c;
    throw InputError("id",
                     "id: unknown calculator '" + id + "' (velmora.calculators() lists the ids)");
}

calc::Assignments checkedAssignments(const calc::CalculatorDescription &description,
                                     const py::dict &kwargs)
{
    calc::Assignments assignments;
    for (auto item : kwargs) {
        const std::string key = py::str(item.first);
        assignments.emplace_back(key, inputText(key, item.second));
        if (auto notice = calc::checkAssignment(description, assignments.back()))
            throwNotice(*notice);
    }
    return assignments;
}

std::string noticeMessage(const calc::Notice &notice)
{
    const std::string &text = notice.text.en.empty() ? notice.text.zh : notice.text.en;
    const std::string prefix = notice.key + ": ";
    if (notice.key.empty() || text.compare(0, prefix.size(), prefix) == 0)
        return text; // the checks before evaluate() already name the key
    return prefix + text;
}

void throwNotice(const calc::Notice &notice)
{
    throw InputError(notice.key, noticeMessage(notice));
}

void throwRefused(const calc::Result &result)
{
    if (result.solverFailure)
        throw SolverError(result.notices.empty() ? std::string("the solver did not converge")
                                                 : noticeMessage(result.notices.front()));
    if (result.notices.empty())
        throw InputError("", "the inputs were refused");
    throwNotice(result.notices.front());
}

py::dict noticeDict(const calc::Notice &notice)
{
    py::dict d;
    d["key"] = notice.key;
    d["text"] = notice.text.en.empty() ? notice.text.zh : notice.text.en;
    d["zh"] = notice.text.zh;
    d["en"] = notice.text.en;
    return d;
}

py::dict resultDict(const calc::CalculatorDescription &description, const calc::Inputs &inputs,
                    calc::Result &&result)
{
    py::dict echoed;
    for (const auto &[key, text] : inputs)
        echoed[py::str(key)] = inputValue(description.field(key), text);
    // The outputs in the tab's field order, as the command line lists them;
    // then what else the calculator rewrote (a linked input such as the NA
    // the page recomputes).
    py::dict outputs;
    const auto add = [&outputs](const std::string &key, calc::OutputValue &out) {
        py::dict entry;
        entry["value"] = outputValue(out);
        entry["unit"] = out.unit;
        entry["text"] = out.text;
        outputs[py::str(key)] = std::move(entry);
    };
    for (const calc::FieldDescription &f : description.fields) {
        const auto it = result.outputs.find(f.key);
        if (f.role == calc::FieldRole::Output && it != result.outputs.end())
            add(f.key, it->second);
    }
    for (auto &[key, out] : result.outputs)
        if (!outputs.contains(key))
            add(key, out);
    py::list notices;
    for (const calc::Notice &n : result.notices)
        notices.append(noticeDict(n));
    py::dict d;
    d["calculator"] = description.id;
    d["inputs"] = std::move(echoed);
    d["outputs"] = std::move(outputs);
    d["notices"] = std::move(notices);
    return d;
}

py::dict descriptionDict(const calc::CalculatorDescription &description)
{
    py::list inputs, outputs;
    for (const calc::FieldDescription &f : description.fields) {
        py::dict d;
        d["key"] = f.key;
        d["field"] = f.objectName;
        d["role"] = roleName(f.role);
        d["kind"] = kindName(f.kind);
        d["caption"] = textDict(f.caption);
        d["unit"] = f.unit;
        d["to_si"] = f.toSI;
        if (f.role != calc::FieldRole::Output) {
            d["default"] = f.defaultText;
            d["min"] = limit(f.min);
            d["max"] = limit(f.max);
            d["required"] = f.required;
            py::list choices;
            for (const std::string &choice : f.choices)
                choices.append(choice);
            d["choices"] = std::move(choices);
            py::list ids; // stable ASCII ids, accepted beside the choices
            for (const std::string &id : f.choiceIds)
                ids.append(id);
            d["choice_ids"] = std::move(ids);
        }
        d["format"] = f.format;
        (f.role == calc::FieldRole::Output ? outputs : inputs).append(std::move(d));
    }
    py::dict d;
    d["id"] = description.id;
    d["title"] = textDict(description.title);
    d["page"] = description.page;
    d["tab"] = description.tab;
    d["inputs"] = std::move(inputs);
    d["outputs"] = std::move(outputs);
    return d;
}

} // namespace velmora::python
