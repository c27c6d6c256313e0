#pragma once

#include <optional>

#include <pybind11/pybind11.h>

#include "engine/steady_iterations.hpp"
#include "engine/study_stop.hpp"

namespace msa::python {

// What the studies computed, as plain Python values for the msa package to
// shape: dicts keyed by the names the package's results use.

// The reason's name in Python ("mu_above_60"...).
const char* reasonName(StopReason reason);

// None, or {"reason", "te", "Idc"}.
pybind11::object stopDict(const std::optional<StudyStop>& stop);

// The iterations, each with what its screen prints.
pybind11::list iterationList(const SteadyIterations& run);

}  // namespace msa::python
