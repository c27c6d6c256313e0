#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// Title screen, data entry and the main menu loop; returns on menu F. The
// optional observer follows every simulation run.
void runMainFlow(Dialogue& dialogue, MachineData& machine, SimulationObserver* simulationData = nullptr);

// The menu letter an answer field selects ('\0' for none): an exact match of
// the whole field with one small or capital letter.
char menuChoice(const std::string& field);

}  // namespace msa
