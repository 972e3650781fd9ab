#include "pyrun.h"

#include "catalogue.h"
#include "costlimit.h"
#include "pyconvert.h"
#include "pyinterrupt.h"
#include "textformat.h"
#include "validation.h"

#include <cmath>

namespace py = pybind11;

namespace velmora::python {

py::list calculators()
{
    py::list list;
    for (const auto &c : calc::catalogue().all())
        list.append(descriptionDict(c->description()));
    return list;
}

py::dict describe(const std::string &id)
{
    return descriptionDict(findCalculator(id).description());
}

py::dict run(const std::string &id, const py::kwargs &kwargs)
{
    const calc::Calculator &calculator = findCalculator(id);
    const calc::CalculatorDescription &description = calculator.description();
    const calc::Assignments assignments = checkedAssignments(description, kwargs);
    // Ctrl-C ends the call within one order, offset or iteration of the model.
    auto [inputs, result] = interruptibly([&] {
        calc::Inputs all = calc::applyAssignments(calculator, assignments);
        calc::Result evaluated = calculator.evaluate(all);
        return std::make_pair(std::move(all), std::move(evaluated));
    });
    if (result.refused) {
        calc::attributeToGivenKeys(result, assignments);
        throwRefused(result);
    }
    return resultDict(description, inputs, std::move(result));
}

namespace {

double positiveNumber(const char *key, const py::object &value)
{
    double number = 0;
    if (!calc::parseNumber(inputText(key, value), &number) || !(number > 0) ||
        !std::isfinite(number))
        throw InputError(key, std::string(key) + ": a positive finite number, or None");
    return number;
}

} // namespace

py::dict setCostLimit(const py::object &seconds, const py::object &memoryGb)
{
    calc::CostLimit limit = calc::costLimit();
    if (!seconds.is_none())
        limit.seconds = positiveNumber("seconds", seconds);
    if (!memoryGb.is_none())
        limit.bytes = positiveNumber("memory_gb", memoryGb) * 1e9;
    calc::setCostLimit(limit);
    py::dict d;
    d["seconds"] = limit.seconds;
    d["memory_gb"] = limit.bytes / 1e9;
    return d;
}

} // namespace velmora::python
