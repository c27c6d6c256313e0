#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

void excitationStudy(Dialogue& d, MachineData& m);
