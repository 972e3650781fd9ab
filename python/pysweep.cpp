#include "pysweep.h"

#include "catalogue.h"
#include "pyarrays.h"
#include "pyconvert.h"
#include "sweep.h"

#include <pybind11/numpy.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace py = pybind11;

namespace velmora::python {

namespace {

// How often the waiting interpreter thread looks for Ctrl-C.
constexpr auto kSignalPoll = std::chrono::milliseconds(100);

std::vector<double> axisValues(const std::string &key, const py::handle &values)
{
    if (py::isinstance<py::str>(values) || !py::isinstance<py::iterable>(values))
        throw InputError(key, key + ": the swept values must be a 1-D sequence of numbers");
    py::array_t<double, py::array::c_style | py::array::forcecast> array;
    try {
        array = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(values);
    } catch (const py::error_already_set &) {
    }
    if (!array) {
        PyErr_Clear();
        throw InputError(key, key + ": the swept values must be numbers");
    }
    if (array.ndim() != 1)
        throw InputError(key, key + ": the swept values must be a 1-D sequence");
    if (array.size() == 0)
        throw InputError(key, key + ": no values to sweep");
    return std::vector<double>(array.data(), array.data() + array.size());
}

std::vector<calc::SweepAxis> axesFrom(const py::dict &swept, const calc::Assignments &fixed)
{
    std::vector<calc::SweepAxis> axes;
    for (auto item : swept) {
        calc::SweepAxis axis;
        axis.key = py::str(item.first);
        for (const calc::Assignment &a : fixed)
            if (a.first == axis.key)
                throw InputError(axis.key, axis.key + ": given both as swept and as fixed input");
        axis.list = axisValues(axis.key, item.second);
        axis.count = axis.list.size();
        axes.push_back(std::move(axis));
    }
    if (axes.empty())
        throw InputError("swept", "swept: at least one input to sweep, {key: values}");
    return axes;
}

// Scalar outputs: the description's number outputs, or the requested keys (linked
// inputs the calculator rewrites, such as a recomputed NA, included).
std::vector<std::string> outputKeys(const calc::CalculatorDescription &description,
                                    const py::object &requested)
{
    std::vector<std::string> keys;
    if (requested.is_none()) {
        for (const calc::FieldDescription &f : description.fields)
            if (f.role == calc::FieldRole::Output && f.kind == calc::ValueKind::Number)
                keys.push_back(f.key);
        return keys;
    }
    if (py::isinstance<py::str>(requested))
        throw InputError("outputs", "outputs: a list of output keys, not one string");
    for (py::handle k : requested) {
        const std::string key = py::str(k);
        const calc::FieldDescription *field = description.field(key);
        if (!field || field->role == calc::FieldRole::Input)
            throw InputError(key, key + ": not an output of " + description.id);
        if (field->kind != calc::ValueKind::Number)
            throw InputError(key,
                             key + ": a curve or map; sweep collects scalar outputs (use run)");
        keys.push_back(key);
    }
    return keys;
}

unsigned threadCount(const py::object &threads)
{
    if (threads.is_none())
        return 0; // every core
    // An int (or numpy integer) only: 2.5, "2" or True are not counts, and a
    // huge int must not overflow into a small one.
    long long n = 0;
    if (!py::isinstance<py::bool_>(threads) && PyIndex_Check(threads.ptr())) {
        py::object index = py::reinterpret_steal<py::object>(PyNumber_Index(threads.ptr()));
        int overflow = 0;
        n = index ? PyLong_AsLongLongAndOverflow(index.ptr(), &overflow) : 0;
        if (!index || overflow != 0 || PyErr_Occurred()) {
            PyErr_Clear();
            n = 0;
        }
    }
    if (n < 1 || n > 1024)
        throw InputError("threads", "threads: a count from 1 to 1024, or None for every core");
    return static_cast<unsigned>(n);
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

// runSweep on a thread of its own while the interpreter's thread, without
// the GIL, wakes every kSignalPoll to look for Ctrl-C. True when interrupted
// (the Python error is then set).
bool runInterruptibly(const calc::Calculator &calculator, const std::vector<calc::SweepAxis> &axes,
                      const calc::Assignments &fixed, unsigned threads, calc::SweepResult &out)
{
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    std::exception_ptr error;
    bool interrupted = false;
    {
        py::gil_scoped_release released;
        std::thread runner([&] {
            calc::SweepOptions options;
            options.threads = threads;
            options.cancel = &cancel;
            try {
                out = calc::runSweep(calculator, axes, fixed, options);
            } catch (...) {
                error = std::current_exception();
            }
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
            finished.notify_all();
        });
        for (;;) {
            std::unique_lock<std::mutex> lock(mutex);
            if (finished.wait_for(lock, kSignalPoll, [&] { return done; }))
                break;
            lock.unlock();
            py::gil_scoped_acquire acquired;
            if (!interrupted && PyErr_CheckSignals() != 0) {
                interrupted = true;
                cancel = true;
            }
        }
        runner.join();
    }
    if (error)
        std::rethrow_exception(error);
    return interrupted;
}

} // namespace

py::object sweep(const std::string &id, const py::dict &swept, const py::object &outputs,
                 const py::object &threads, bool frame, const py::kwargs &fixed)
{
    const calc::Calculator &calculator = findCalculator(id);
    const calc::CalculatorDescription &description = calculator.description();
    const calc::Assignments fixedInputs = checkedAssignments(description, fixed);
    const std::vector<calc::SweepAxis> axes = axesFrom(swept, fixedInputs);
    const std::vector<std::string> keys = outputKeys(description, outputs);
    const unsigned threadsWanted = threadCount(threads);
    if (auto notice = calc::checkSweep(description, axes, fixedInputs))
        throwNotice(*notice);
    std::optional<calc::Notice> tooDear;
    {
        py::gil_scoped_release released; // it evaluates one quick point
        tooDear = calc::checkSweepCost(calculator, axes, fixedInputs, threadsWanted);
    }
    if (tooDear)
        throwNotice(*tooDear);

    calc::SweepResult run;
    if (runInterruptibly(calculator, axes, fixedInputs, threadsWanted, run))
        throw py::error_already_set();

    std::vector<py::ssize_t> shape;
    for (const calc::SweepAxis &axis : axes)
        shape.push_back(static_cast<py::ssize_t>(axis.list.size()));
    std::vector<std::vector<double>> values(
        keys.size(),
        std::vector<double>(run.points.size(), std::numeric_limits<double>::quiet_NaN()));
    py::list refused;
    for (std::size_t i = 0; i < run.points.size(); ++i) {
        const calc::Result &result = run.points[i].result;
        if (result.refused) {
            refused.append(
                py::make_tuple(indexTuple(i, shape), result.notices.empty()
                                                         ? std::string("refused")
                                                         : noticeMessage(result.notices.front())));
            continue;
        }
        for (std::size_t o = 0; o < keys.size(); ++o) {
            const auto it = result.outputs.find(keys[o]);
            if (it != result.outputs.end())
                values[o][i] = it->second.value;
        }
    }
    // A dict (as it has always been) of the module's SweepResult type, which
    // also knows the grid, the units and every point's notices, for to_frame().
    py::object out = py::module_::import("velmora").attr("SweepResult")();
    for (std::size_t o = 0; o < keys.size(); ++o)
        out[py::str(keys[o])] = arrayFromVector(std::move(values[o]), shape);
    out["refused"] = std::move(refused);
    py::dict axesValues, units;
    for (const calc::SweepAxis &axis : axes) {
        axesValues[py::str(axis.key)] =
            arrayFromVector(std::vector<double>(axis.list), {py::ssize_t(axis.list.size())});
        units[py::str(axis.key)] = description.field(axis.key)->unit;
    }
    for (const std::string &key : keys)
        units[py::str(key)] = description.field(key)->unit;
    py::list notices;
    for (const calc::SweepPoint &point : run.points) {
        std::string text;
        for (const calc::Notice &n : point.result.notices)
            text += (text.empty() ? "" : "; ") + noticeMessage(n);
        notices.append(text);
    }
    out.attr("calculator") = id;
    out.attr("swept") = std::move(axesValues);
    out.attr("units") = std::move(units);
    out.attr("notices") = std::move(notices);
    if (frame)
        return out.attr("to_frame")();
    return out;
}

} // namespace velmora::python
