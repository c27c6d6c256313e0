#pragma once

#include "data/machine_data.hpp"
#include "model/angle_trig.hpp"

namespace msa {

// Idc, iD and iQ from the fluxes psi, psid and psiq, with the x, y and z of
// the previous evaluation. Throws ModelStop when Idc is not >= 0 (a negative
// zero passes, not-a-number stops); the currents are stored before the test.
void solveCurrents(MachineData& m);

// How x, y and z vary with the overlap mu and with the angle nu, from the
// trigonometry of the present angles.
void angleCoefficients(MachineData& m, const AngleTrig& t);

// Radd, the four voltage terms of the armature circuit and their sum ue, the
// electromagnetic torque Cem and the friction torque Cfrot.
void voltagesAndTorques(MachineData& m);

}  // namespace msa
