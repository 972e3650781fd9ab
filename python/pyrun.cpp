#include "pyrun.h"

#include "catalogue.h"
#include "pyconvert.h"
#include "validation.h"

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
    calc::Inputs inputs;
    calc::Result result;
    {
        py::gil_scoped_release released;
        inputs = calc::applyAssignments(calculator, assignments);
        result = calculator.evaluate(inputs);
    }
    if (result.refused)
        throwRefused(result);
    return resultDict(description, inputs, std::move(result));
}

} // namespace velmora::python
