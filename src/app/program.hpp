#pragma once

#include "dialogue/host.hpp"
#include "dialogue/screen.hpp"

// Runs the whole program on the given screen and host: start-up, title,
// data entry, excitation study and the main menu loop. Returns the exit
// status (0 after menu F, or whatever status a ProgramEnd carried).
int runProgram(Screen& screen, Host& host);
