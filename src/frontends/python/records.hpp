#pragma once

#include <cstdint>

#include <pybind11/pybind11.h>

#include "data/drive_state.hpp"

namespace msa::python {

// The drive's state as Python holds it: the engine's state, and how many
// simulation runs led to it, so that a run's rows carry the number the data
// file gives them (runs counted from 1 since the session began).
struct StateRecord {
  DriveState drive;
  std::int64_t runs = 0;
};

// msa.Device, msa.Settings and msa.State: the device parameters, the
// simulation settings and the drive's state, each made from the title
// screen's defaults and the values given by name, read-only afterwards,
// compared bit for bit and pickled exactly.
void bindRecords(pybind11::module_& m);

}  // namespace msa::python
