#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

// Menu S: the set-up dialogue, the diagram, the integration drawn step by
// step, one answer line, and Udcfin becomes the next transient's Udc.
void transientSimulation(Dialogue& d, MachineData& m);
