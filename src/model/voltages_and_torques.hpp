#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"

namespace msa {

// Radd, the four voltage terms of the armature circuit and their sum ue, the
// electromagnetic torque Cem and the friction torque Cfrot, from the state
// as it stands (its angle coefficients, flux vector, coefficients, currents,
// speeds and rates).
VoltagesAndTorques voltagesAndTorques(const DeviceParameters& d, const DriveState& s);

}  // namespace msa
