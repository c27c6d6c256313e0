#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"

namespace msa {

// Radd, the four voltage terms of the armature circuit and their sum ue, the
// electromagnetic torque Cem and the friction torque Cfrot, from the state
// as it stands (its angle coefficients, flux vector, coefficients, currents,
// speeds and rates), into s.terms. Written there in place, not returned: a
// copy of a record just computed loads it in wider pieces than its fields
// were stored in, which waits for the stores to reach memory, four times a
// step (it made the default simulation 5 % slower).
void setVoltagesAndTorques(const DeviceParameters& d, DriveState& s);

}  // namespace msa
