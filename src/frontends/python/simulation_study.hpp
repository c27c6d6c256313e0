#pragma once

#include <pybind11/pybind11.h>

namespace msa::python {

// _msa.simulate: menu S on a device, a state and settings, the answers in
// the set-up's order and units (None is Enter), run without the GIL; the
// run's rows as numpy arrays, what the set-up screen prints, the state and
// settings it leaves, its stop, and the exception a signal handler raised.
void bindSimulation(pybind11::module_& m);

}  // namespace msa::python
