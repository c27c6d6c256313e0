#pragma once

#include <pybind11/pybind11.h>

namespace msa::python {

// The dialogue's own words and numbers: its number format, its reading of a
// typed answer, the stop messages and the run notice in a language, the
// diagram's curve names.
void bindTexts(pybind11::module_& m);

}  // namespace msa::python
