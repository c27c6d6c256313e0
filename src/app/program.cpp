#include "app/program.hpp"

#include "app/main_menu.hpp"
#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

int runProgram(Screen& screen, Host& host) {
  Dialogue dialogue(screen, host);
  MachineData machine;
  try {
    runMainFlow(dialogue, machine);
  } catch (const ProgramEnd& end) {
    return end.status;
  }
  return 0;
}
