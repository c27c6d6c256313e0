#pragma once

#include <pybind11/pybind11.h>

namespace msa::python {

// _msa.excitation and _msa.supply_voltage: menus E and U on a device and a
// state, the answers in the prompts' order and units (None is Enter),
// computed without the GIL; the results as dicts.
void bindSteadyStudies(pybind11::module_& m);

}  // namespace msa::python
