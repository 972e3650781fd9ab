#ifndef VELMORA_PYSHORTCUTS_H
#define VELMORA_PYSHORTCUTS_H

// Functions named after what they compute for calculators whose results are
// whole tables or spectra: velmora.exact_modes() is modes.exact and
// velmora.amplifier() is amp.steady_state, returning {output key: value}
// (floats and numpy arrays) without the units and page texts of run(). A
// shortcut exists only when its calculator is in the catalogue; its
// docstring lists the calculator's inputs with units and defaults.

#include <pybind11/pybind11.h>

namespace velmora::python {

void addCalculatorShortcuts(pybind11::module_ &module);

} // namespace velmora::python

#endif // VELMORA_PYSHORTCUTS_H
