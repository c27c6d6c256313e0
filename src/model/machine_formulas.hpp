#pragma once

#include "data/machine_data.hpp"

namespace msa {

// Formulas that several studies and the model routines write alike.

// Torques a steady state and the dynamic equations share.
float frictionTorque(const MachineData& m);         // omegam romegam
float electromagneticTorque(const MachineData& m);  // from the commutation flux vector and Idc
float damperResistance(const MachineData& m);       // Radd, referred through M/Lr once

// Firing angles from a guard angle held fixed, and from a firing advance
// angle held fixed with the flux angle delta.
void firingAnglesFromGuard(MachineData& m);         // alpha1, alpha
float firingAngleFromAdvance(const MachineData& m);  // alpha = (beta - 5 pi/6) - delta
float overlapCentreAngle(const MachineData& m);      // nu = (pi/2 + xhi) + mu2

}  // namespace msa
