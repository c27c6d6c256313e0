#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

void supplyVoltageStudy(Dialogue& d, MachineData& m);
