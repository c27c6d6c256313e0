#pragma once

#include "dialogue/host.hpp"
#include "dialogue/messages.hpp"
#include "dialogue/screen.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// Runs the whole program on the given screen and host: start-up, title,
// data entry, excitation study and the main menu loop. Returns the exit
// status (0 after menu F, or whatever status a ProgramEnd carried). The
// optional observer follows every simulation run; the dialogue speaks the
// language given (languageFromCode turns "fr" or "en" into one).
int runProgram(Screen& screen, Host& host, SimulationObserver* simulationData = nullptr,
               Language language = Language::French);

}  // namespace msa
