#include "app/main_menu.hpp"

#include "app/screens.hpp"
#include "model/model_stop.hpp"
#include "numeric/extended.hpp"
#include "studies/excitation_study.hpp"
#include "studies/stop_report.hpp"
#include "studies/study_io.hpp"
#include "studies/supply_voltage_study.hpp"
#include "studies/transient_simulation.hpp"

namespace msa {

namespace {

void showStatusLines(Dialogue& d, const MachineData& m) {
  struct Line {
    const char* label;
    float value;
    const char* unit;
  };
  const Line lines[] = {
      {" beta    = ", degrees(m.beta), "°"},
      {" xhi     = ", degrees(m.xhi), "°"},
      {" mu      = ", degrees(m.mu), "°"},
      // Multiplied before dividing, unlike the speed prompts: the last digit may differ.
      {" vitesse = ", float((30.0f * Extended(m.omegam)) / pi), " rpm"},
      {" courant = ", m.Idc, " A"},
      {" tension = ", m.udc, " V"},
  };
  d.setColour(Colour::LightGreen);
  for (const Line& line : lines) {
    d.printText(line.label);
    d.printNumber(line.value);
    d.printText(line.unit, Ending::NewLine);
  }
  d.setColour(Colour::White);
}

std::string showMenu(Dialogue& d, const MachineData& m) {
  d.clearScreen();
  showStatusLines(d, m);
  d.newLine();
  d.printText("menu principal", Ending::NewLine);
  d.newLine();
  d.printText("entrez <R> pour revenir aux valeurs par défaut", Ending::NewLine);
  d.printText("       <D> pour modifier toutes les données", Ending::NewLine);
  d.printText("       <E> pour calculer l'excitation pour un état de régime", Ending::NewLine);
  d.printText("       <U> pour calculer la Udc en régime", Ending::NewLine);
  d.printText("       <S> pour simuler un transitoire", Ending::NewLine);
  d.newLine();
  d.printText("       <F> pour quitter le programme", Ending::NewLine);
  return d.readAnswer();
}

// Runs one study, or the chain the menu letter starts; a stop of the model
// shows its report and the menu comes back.
template <typename Study>
void guarded(Dialogue& d, MachineData& m, Study study) {
  try {
    study();
  } catch (const ModelStop& stop) {
    stopReport(d, m, stop);
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
