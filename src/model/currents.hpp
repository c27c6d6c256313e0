#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"

namespace msa {

// Idc, iD and iQ from the fluxes psi, psid and psiq and the field flux, with
// the x, y and z of the previous evaluation: the flux equations of the
// armature circuit and of the D and Q dampers, solved by determinants; into
// s.currents, in place (see setVoltagesAndTorques).
void solveCurrents(const DeviceParameters& d, DriveState& s);
// Throws ModelStop when Idc is not >= 0 (a negative zero passes,
// not-a-number stops).
void checkCurrent(const Currents& i);

}  // namespace msa
