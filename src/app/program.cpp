#include "app/program.hpp"

#include "app/main_menu.hpp"
#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

int runProgram(Screen& screen, Host& host, SimulationObserver* simulationData, Language language) {
  Dialogue dialogue(screen, host, language);
  MachineData machine;
  try {
    runMainFlow(dialogue, machine, simulationData);
  } catch (const ProgramEnd& end) {
    return end.status;
  }
  return 0;
}

}  // namespace msa
