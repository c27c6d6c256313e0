#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// The title screen: three lines about the program, the defaults, a pause.
void titleScreen(Dialogue& d, MachineData& m);
// The ten device parameters, with M2Lr refreshed right after Lr.
void dataEntry(Dialogue& d, MachineData& m);

}  // namespace msa
