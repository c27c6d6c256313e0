#pragma once

#include "dialogue/host.hpp"
#include "dialogue/screen.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// Runs the whole program on the given screen and host: start-up, title,
// data entry, excitation study and the main menu loop. Returns the exit
// status (0 after menu F, or whatever status a ProgramEnd carried). The
// optional observer follows every simulation run.
int runProgram(Screen& screen, Host& host, SimulationObserver* simulationData = nullptr);

}  // namespace msa
