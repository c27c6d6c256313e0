#include "app/main_menu.hpp"

#include "app/screens.hpp"
#include "numeric/extended.hpp"
#include "studies/excitation_study.hpp"
#include "studies/stop_report.hpp"
#include "studies/study_io.hpp"
#include "studies/supply_voltage_study.hpp"
#include "studies/transient_simulation.hpp"

namespace msa {

namespace {

void showStatusLines(Dialogue& d, const DriveState& s) {
  struct Line {
    Msg text;
    float value;
  };
  const Line lines[] = {
      {Msg::StatusBeta, degrees(s.angles.beta)},
      {Msg::StatusXhi, degrees(s.angles.xhi)},
      {Msg::StatusMu, degrees(s.angles.mu)},
      // Multiplied before dividing, unlike the speed prompts: the last digit may differ.
      {Msg::StatusSpeed, float((30.0f * Extended(s.omegam)) / pi)},
      {Msg::StatusCurrent, s.currents.Idc},
      {Msg::StatusVoltage, s.udc},
  };
  d.setColour(Colour::LightGreen);
  for (const Line& line : lines) d.print(line.text, {line.value}, Ending::NewLine);
  d.setColour(Colour::White);
}

std::string showMenu(Dialogue& d, const MachineData& m) {
  d.clearScreen();
  showStatusLines(d, m.state);
  d.newLine();
  d.print(Msg::MenuTitle, Ending::NewLine);
  d.newLine();
  d.print(Msg::MenuR, Ending::NewLine);
  d.print(Msg::MenuD, Ending::NewLine);
  d.print(Msg::MenuE, Ending::NewLine);
  d.print(Msg::MenuU, Ending::NewLine);
  d.print(Msg::MenuS, Ending::NewLine);
  d.newLine();
  d.print(Msg::MenuF, Ending::NewLine);
  return d.readAnswer();
}

// Runs one study, or the chain the menu letter starts; a stop of the model
// shows its report and the menu comes back.
template <typename Study>
void guarded(Dialogue& d, MachineData& m, Study study) {
  try {
    study();
  } catch (const StudyStop& stop) {
    stopReport(d, stop);
  }
}

}  // namespace

char menuChoice(const std::string& field) {
  for (char letter : {'r', 'd', 'e', 'u', 's', 'f'}) {
    if (field.size() == 1 && (field[0] == letter || field[0] == letter - 'a' + 'A')) return letter;
  }
  return '\0';
}

void runMainFlow(Dialogue& d, MachineData& m, SimulationObserver* simulationData) {
  // Start-up and menu R: defaults, data entry and the excitation study.
  const auto fromTitle = [&] {
    titleScreen(d, m);
    dataEntry(d, m);
    excitationStudy(d, m);
  };
  guarded(d, m, fromTitle);
  for (;;) {
    switch (menuChoice(showMenu(d, m))) {
      case 'r': guarded(d, m, fromTitle); break;
      case 'd':
        guarded(d, m, [&] {
          dataEntry(d, m);
          excitationStudy(d, m);
        });
        break;
      case 'e': guarded(d, m, [&] { excitationStudy(d, m); }); break;
      case 'u': guarded(d, m, [&] { supplyVoltageStudy(d, m); }); break;
      case 's': guarded(d, m, [&] { transientSimulation(d, m, simulationData); }); break;
      case 'f': return;
      default: break;
    }
  }
}

}  // namespace msa
