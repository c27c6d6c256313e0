#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// The dc supply voltage that sustains a steady state given by speed, shaft
// torque and field flux, with beta or xhi held fixed as the user chooses:
// NITER passes that find the current giving the torque, then udcini (which
// becomes Udc) and the fluxes a following simulation starts from.
void supplyVoltageStudy(Dialogue& d, MachineData& m);

}  // namespace msa
