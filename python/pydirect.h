#ifndef VELMORA_PYDIRECT_H
#define VELMORA_PYDIRECT_H

// Direct calls of the physics for the hot paths of design scans, without the
// text round trip of the calculators: the grid LP mode set, one mode's field
// map and the mode-instability threshold. Page units (μm, nm) as in the
// calculators; the GIL is released while C++ computes.

#include <pybind11/pybind11.h>

namespace velmora::python {

// Registers modes(), field_map() and tmi_threshold() with their docstrings.
void addDirectFunctions(pybind11::module_ &module);

} // namespace velmora::python

#endif // VELMORA_PYDIRECT_H
