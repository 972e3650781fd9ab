#ifndef VELMORA_PYSWEEP_H
#define VELMORA_PYSWEEP_H

// velmora.sweep(): one calculator over the grid of every combination of the
// swept inputs, evaluated on C++ threads with the GIL released.

#include <pybind11/pybind11.h>

#include <string>

namespace velmora::python {

// `swept` maps input keys to 1-D sequences; `outputs` is None (every scalar
// output) or a list of output keys; `threads` None (all cores) or a count;
// `fixed` the other inputs (page defaults for the rest). Returns one numpy
// float64 array per output, shaped by the lengths of the swept sequences in
// their order (the last varies fastest), NaN where a point was refused, and
// under "refused" a list of (index tuple, notice) for those points; the dict
// is a velmora.SweepResult (python/frames.py) that also holds the grid, the
// units and every point's notices. With `frame`, that result's pandas
// DataFrame instead. Ctrl-C (KeyboardInterrupt) stops the sweep within about
// a tenth of a second.
pybind11::object sweep(const std::string &id, const pybind11::dict &swept,
                       const pybind11::object &outputs, const pybind11::object &threads, bool frame,
                       const pybind11::kwargs &fixed);

} // namespace velmora::python

#endif // VELMORA_PYSWEEP_H
