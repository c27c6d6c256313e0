#pragma once

#include "data/machine_data.hpp"
#include "model/model_notices.hpp"

namespace msa {

// The formulas of the two steady-state studies, as procedures on the record.
// The studies prompt and print around them; each procedure computes what one
// stretch of a study's screen shows, so that what is printed in between
// (and where a notice of the angle resolution falls) stays in its place.

// The damper and armature fluxes of the steady state the iterations reached.
void steadyStateFluxes(MachineData& m);

// Excitation study: the typed operating point with the guard angle held, the
// closed-form estimate from the fundamentals of current and emfs, the
// excitation that balances the dc-side voltage at each iteration, and the
// fluxes, torques and shaft torque of the result.
void startExcitationStudy(MachineData& m);
void excitationOperatingPoint(MachineData& m);
struct FieldEmf {
  float a, b;  // the components along and across the commutation emf
};
FieldEmf closedFormExcitation(MachineData& m);
void closedFormAngles(MachineData& m, FieldEmf emf, ModelNotices& notices);
void balancingExcitation(MachineData& m);
void excitationResults(MachineData& m);

// Supply-voltage study: speed and torques of the requested state, the emf of
// the field, the starting angles for either control mode, the current that
// gives the torque at each iteration, and the supply voltage and fluxes.
void startSupplyVoltageStudy(MachineData& m);
void requestedTorques(MachineData& m);
void fieldEmf(MachineData& m);
void startAnglesBetaHeld(MachineData& m);
void startAnglesXhiHeld(MachineData& m);
void torqueCurrent(MachineData& m);
void supplyVoltageResults(MachineData& m);

}  // namespace msa
