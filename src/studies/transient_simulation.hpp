#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// Menu S: the set-up dialogue, the diagram, the run drawn step by step, one
// answer line, and Udcfin becomes the next transient's Udc. The optional
// observer follows the run (the simulation data). A stop of the model or of
// the user is thrown as the StudyStop it reports, over the diagram.
void transientSimulation(Dialogue& d, MachineData& m, SimulationObserver* data = nullptr);

// The diagram and the run drawn on it, from the settings and the state the
// run starts from; the state reached goes into `m`.
void drawAndSimulate(Dialogue& d, MachineData& m, const DriveState& start, SimulationObserver* data = nullptr);

}  // namespace msa
