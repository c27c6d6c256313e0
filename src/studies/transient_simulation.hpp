#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

void transientSimulation(Dialogue& d, MachineData& m);
