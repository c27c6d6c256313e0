#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"

namespace msa {

// The formulas of the two steady-state studies, on the state they work on.

// The damper and armature fluxes of the steady state the iterations reached.
void steadyStateFluxes(const DeviceParameters& d, DriveState& s);

// Excitation study: the excitation that balances the dc-side voltage at
// each iteration (with the damper resistance referred through M/Lr
// squared), Radd and mfif.
void balancingExcitation(const DeviceParameters& d, DriveState& s);

// Supply-voltage study: the current that gives the electromagnetic torque
// with the flux vector of the previous pass (the damper resistance referred
// through M/Lr once, as in the dynamic equations), Radd and Idc.
void torqueCurrent(const DeviceParameters& d, DriveState& s);

// Supply-voltage study: the supply voltage that sustains the steady state
// reached, ((z r + rdc) + Radd) Idc - omega y mfif.
float steadySupplyVoltage(const DeviceParameters& d, const DriveState& s);

}  // namespace msa
