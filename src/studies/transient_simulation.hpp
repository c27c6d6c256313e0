#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// Menu S: the set-up dialogue, the diagram, the integration drawn step by
// step, one answer line, and Udcfin becomes the next transient's Udc. The
// optional observer follows the run (the simulation data).
void transientSimulation(Dialogue& d, MachineData& m, SimulationObserver* data = nullptr);

// The diagram and the integration drawn on it, from the settings in the record.
void drawAndIntegrate(Dialogue& d, MachineData& m, SimulationObserver* data = nullptr);

}  // namespace msa
