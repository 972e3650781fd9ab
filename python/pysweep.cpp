#include "pysweep.h"

#include "catalogue.h"
#include "pyarrays.h"
#include "pyconvert.h"
#include "sweepgrid.h"

#include <pybind11/numpy.h>

#include <chrono>

namespace py = pybind11;

namespace velmora::python {

namespace {

std::vector<std::string> axisTexts(const std::string &key, const py::handle &values)
{
    py::object sequence = py::reinterpret_borrow<py::object>(values);
    if (py::isinstance<py::array>(sequence)) {
        if (sequence.attr("ndim").cast<int>() != 1)
            throw InputError(key, key + ": the swept values must be a 1-D sequence");
    } else if (py::isinstance<py::str>(sequence) || !py::isinstance<py::iterable>(sequence)) {
        throw InputError(key, key + ": the swept values must be a sequence of numbers");
    }
    std::vector<std::string> texts;
    for (py::handle v : sequence)
        texts.push_back(inputText(key, v));
    if (texts.empty())
        throw InputError(key, key + ": no values to sweep");
    return texts;
}

std::vector<SweepAxis> axesFrom(const calc::CalculatorSpec &spec, const py::dict &swept,
                                const calc::Inputs &fixed)
{
    std::vector<SweepAxis> axes;
    for (auto item : swept) {
        const std::string key = py::str(item.first);
        const calc::FieldSpec *field = spec.field(key);
        if (!field || field->role == calc::FieldRole::Output)
            throw InputError(key, key + ": not an input of " + spec.id);
        if (fixed.count(key))
            throw InputError(key, key + ": given both as swept and as fixed input");
        axes.push_back({key, axisTexts(key, item.second)});
    }
    if (axes.empty())
        throw InputError("", "sweep needs at least one swept input");
    return axes;
}

std::vector<std::string> outputKeys(const calc::CalculatorSpec &spec, const py::object &requested)
{
    std::vector<std::string> keys;
    if (requested.is_none()) {
        for (const calc::FieldSpec &f : spec.fields)
            if (f.role == calc::FieldRole::Output && f.kind == calc::ValueKind::Number)
                keys.push_back(f.key);
        return keys;
    }
    if (py::isinstance<py::str>(requested))
        throw InputError("outputs", "outputs: a list of output keys, not one string");
    for (py::handle k : requested) {
        const std::string key = py::str(k);
        const calc::FieldSpec *field = spec.field(key);
        if (!field || field->role != calc::FieldRole::Output)
            throw InputError(key, key + ": not an output of " + spec.id);
        if (field->kind != calc::ValueKind::Number)
            throw InputError(key,
                             key + ": a curve or map; sweep collects scalar outputs (use run)");
        keys.push_back(key);
    }
    return keys;
}

int threadCount(const py::object &threads)
{
    if (threads.is_none())
        return 0; // all cores
    const long n = threads.cast<long>();
    if (n < 1 || n > 1024)
        throw InputError("threads", "threads: a count from 1 to 1024, or None for every core");
    return static_cast<int>(n);
}

py::tuple indexTuple(std::size_t flat, const std::vector<py::ssize_t> &shape)
{
    py::tuple index(shape.size());
    for (std::size_t d = shape.size(); d-- > 0;) {
        const auto extent = static_cast<std::size_t>(shape[d]);
        index[d] = py::int_(flat % extent);
        flat /= extent;
    }
    return index;
}

} // namespace

py::dict sweep(const std::string &id, const py::dict &swept, const py::object &outputs,
               const py::object &threads, const py::kwargs &fixed)
{
    const calc::Calculator &calculator = findCalculator(id);
    const calc::CalculatorSpec &spec = calculator.spec();
    SweepJob job;
    job.fixed = inputsFromKwargs(spec, fixed);
    job.axes = axesFrom(spec, swept, job.fixed);
    job.outputs = outputKeys(spec, outputs);
    job.threads = threadCount(threads);
    job.fixed = calc::withDefaults(spec, job.fixed);

    SweepOutcome outcome;
    bool interrupted = false;
    {
        py::gil_scoped_release released;
        SweepRun running(calculator, job);
        // Look for Ctrl-C between waits: the workers never touch Python.
        while (!running.waitFor(std::chrono::milliseconds(100))) {
            py::gil_scoped_acquire acquired;
            if (PyErr_CheckSignals() != 0) {
                interrupted = true;
                running.cancel();
            }
        }
        outcome = running.take();
    }
    if (interrupted)
        throw py::error_already_set();

    std::vector<py::ssize_t> shape;
    for (const SweepAxis &axis : job.axes)
        shape.push_back(static_cast<py::ssize_t>(axis.texts.size()));
    py::dict result;
    for (std::size_t o = 0; o < job.outputs.size(); ++o)
        result[py::str(job.outputs[o])] = arrayFromVector(std::move(outcome.values[o]), shape);
    py::list refused;
    for (const auto &[index, notice] : outcome.refused)
        refused.append(py::make_tuple(indexTuple(index, shape), noticeMessage(notice)));
    result["refused"] = std::move(refused);
    return result;
}

} // namespace velmora::python
