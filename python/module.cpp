// The velmora extension module: the catalogue's calculators, grid sweeps on
// C++ threads and direct calls of the physics, with numpy results.

#include "pyconvert.h"
#include "pydirect.h"
#include "pyrun.h"
#include "pyshortcuts.h"
#include "pysweep.h"
#include "velmora_frames_source.h"

#include "runtimefile.h"

#include <pybind11/eval.h>
#include <pybind11/pybind11.h>

#include <QDir>
#include <QFileInfo>

#include <dlfcn.h>

namespace py = pybind11;
using namespace velmora::python;

namespace {

// velmora.InputError, created once per module: a ValueError whose `key`
// attribute names the refused input ("" when none).
PyObject *g_inputError = nullptr;

void registerInputError(py::module_ &m)
{
    static py::exception<InputError> type(m, "InputError", PyExc_ValueError);
    type.doc() = "A refused input: the message names the key and the rule; `key` holds the key.";
    g_inputError = type.ptr();
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p)
                std::rethrow_exception(p);
        } catch (const InputError &e) {
            py::object error = py::reinterpret_borrow<py::object>(g_inputError)(e.what());
            error.attr("key") = e.key();
            PyErr_SetObject(g_inputError, error.ptr());
        }
    });
    auto &solver = py::register_exception<SolverError>(m, "SolverError", PyExc_RuntimeError);
    solver.doc() =
        "The solver found no converged result for valid inputs; the message says "
        "which limit was reached.";
}

// The files that lie beside the program (Data/ with the Yb cross-sections):
// in the build tree bin/ beside python/, installed the share/velmora of the
// prefix whose lib/python3.../dist-packages holds this module.
void addDataFolders()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&addDataFolders), &info) || !info.dli_fname)
        return;
    const QDir here = QFileInfo(QString::fromUtf8(info.dli_fname)).absoluteDir();
    velmora::calc::addRuntimeRoot(here.filePath(QStringLiteral("../bin")));
    velmora::calc::addRuntimeRoot(here.filePath(QStringLiteral("../../../share/velmora")));
}

} // namespace

PYBIND11_MODULE(velmora, m)
{
    m.doc() = R"doc(Velmora's fiber-laser and fiber-amplifier calculators from Python.

Every tab of every page is a calculator with an id ("modes.solve",
"tmi.threshold", ...): velmora.calculators() lists them, velmora.run(id, **inputs)
evaluates one with the page's rules and digits, velmora.sweep() evaluates a grid
of inputs on C++ threads. Inputs use the page units named by their key suffix
(a_um in um, lambda_nm in nm). Refused input raises velmora.InputError; a
solver that finds no converged result raises velmora.SolverError.
modes(), field_map() and tmi_threshold() call the physics directly.)doc";
    m.attr("__version__") = VELMORA_VERSION;
    registerInputError(m);
    addDataFolders();

    m.def("calculators", &calculators,
          R"doc(Descriptions of every calculator, in page and tab order.

Each is a dict: "id", "title" ({"zh", "en"}), "page", "tab", "inputs" and
"outputs", lists of dicts with "key", "field" (the page widget), "role",
"kind" ("number", "choice", "curve", "map"), "caption" ({"zh", "en"}),
"unit", "to_si", "format" and for inputs "default" (the page's text), "min",
"max" (None when open), "required", "choices", "choice_ids" (stable ASCII
ids accepted beside the choices, e.g. mode="laser"; empty when the choices are ASCII).)doc");
    m.def("describe", &describe, py::arg("id"),
          "The description of one calculator (one entry of calculators()).");
    m.def("run", &run, py::arg("id"), R"doc(Evaluate one calculator, as the command line's `run`.

Keyword arguments are the inputs by key, in the page units (numbers or
strings; numbers are passed with all 17 digits); missing inputs take the page
defaults.

Returns {"calculator": id, "inputs": {key: value}, "outputs": {key: {"value",
"unit", "text"}}, "notices": [{"key", "text", "zh", "en"}]}: "value" is a float, or a
numpy array for curves and maps, "text" exactly what the page shows.

Raises InputError (a ValueError) naming the key and the rule when an input is
unknown, not a number, or refused by the page's checks.

>>> velmora.run("optics.refraction", n1=1.5, theta1_deg=20)["outputs"]["theta2_deg"]["text"]
'30.8659')doc");
    m.def("sweep", &sweep, py::arg("id"), py::arg("swept"), py::arg("outputs") = py::none(),
          py::arg("threads") = py::none(), py::arg("frame") = false,
          R"doc(Evaluate a calculator over a grid of inputs.

swept: {key: 1-D sequence, ...}; every combination is evaluated (the last key
varies fastest). outputs: None for every scalar output, or a list of keys.
threads: None for every core. Other keyword arguments are fixed inputs.

The points run on C++ threads with the GIL released; Ctrl-C stops the sweep.
Returns {output key: float64 array of shape (len(values) for each swept key),
..., "refused": [(index tuple, notice), ...]}; refused points are NaN. The
result is a SweepResult: .to_frame() gives a pandas DataFrame, one row per
point, a column per swept key and output, a "notice" column, the units in
df.attrs["units"]; frame=True returns that DataFrame directly (pandas needed).

>>> r = velmora.sweep("tmi.threshold", {"a_um": np.linspace(12, 25, 14)})
>>> r["p_th_w"].shape
(14,))doc");
    m.def("set_cost_limit", &setCostLimit, py::kw_only(), py::arg("seconds") = py::none(),
          py::arg("memory_gb") = py::none(),
          R"doc(Limit on the estimated cost of one run or sweep; returns the limit in force.

A calculation or sweep estimated to take longer than `seconds` or to need more
than `memory_gb` is refused (InputError) before it starts, with the estimate.
None leaves that part as it is. Defaults: 60 s and 2 GB, or the environment's
VELMORA_MAX_SECONDS and VELMORA_MAX_MEMORY_GB.

>>> velmora.set_cost_limit(seconds=600)
{'seconds': 600.0, 'memory_gb': 2.0})doc");
    addDirectFunctions(m);
    addCalculatorShortcuts(m);
    // SweepResult and to_frame(), written in Python (python/frames.py).
    py::exec(kFramesSource, m.attr("__dict__"));
}
