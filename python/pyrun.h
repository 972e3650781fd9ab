#ifndef VELMORA_PYRUN_H
#define VELMORA_PYRUN_H

// velmora.calculators(), velmora.describe() and velmora.run(): the catalogue
// seen from Python.

#include <pybind11/pybind11.h>

#include <string>

namespace velmora::python {

pybind11::list calculators();
pybind11::dict describe(const std::string &id);

// One evaluation with the page defaults for every input not given. The
// calculation runs with the GIL released, so threads of one process can run
// calculators side by side. A refused input raises InputError.
pybind11::dict run(const std::string &id, const pybind11::kwargs &inputs);

// velmora.set_cost_limit(seconds=None, memory_gb=None): sets what is given
// (positive finite numbers, else InputError) and returns the limit in force.
pybind11::dict setCostLimit(const pybind11::object &seconds, const pybind11::object &memoryGb);

} // namespace velmora::python

#endif // VELMORA_PYRUN_H
