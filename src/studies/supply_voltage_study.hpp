#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// Menu U: the speed and shaft torque asked, the torques they need, the field
// flux asked and its emf, the control mode and its reference, the starting
// overlap and flux angle, the iterations ("chapitre 2"), then udcini (which
// becomes Udc) and the fluxes a following simulation starts from. The state
// reached goes into the record; a stop of the model is thrown as the
// StudyStop it reports.
void supplyVoltageStudy(Dialogue& d, MachineData& m);

}  // namespace msa
