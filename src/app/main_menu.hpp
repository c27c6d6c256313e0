#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

// Title screen, data entry and the main menu loop; returns on menu F.
void runMainFlow(Dialogue& dialogue, MachineData& machine);

// The menu letter an answer field selects ('\0' for none): an exact match of
// the whole field with one small or capital letter.
char menuChoice(const std::string& field);
