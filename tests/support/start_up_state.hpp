#pragma once

// The machine data as the program leaves them at the first main menu when
// every default is kept, and as menu S then starts from them.

#include "app/screens.hpp"
#include "dialogue/dialogue.hpp"
#include "engine/simulation.hpp"
#include "studies/excitation_study.hpp"

namespace msa {

// Answers every prompt and pause with Enter.
class EnterHost : public Host {
 public:
  Key nextKey(const Screen&) override { return Key::special(Key::Kind::Enter); }
  void beep() override {}
};

inline MachineData stateAfterStartUp() {
  Screen screen;
  EnterHost host;
  Dialogue d(screen, host);
  MachineData m;
  titleScreen(d, m);
  dataEntry(d, m);
  excitationStudy(d, m);
  return m;
}

// What the set-up dialogue of menu S leaves when every answer is Enter: the
// state a run starts from.
inline MachineData defaultRunStart() {
  MachineData m = stateAfterStartUp();
  m.settings.dtgrad = 0.5f;
  m.settings.dygrad = 0.2f;
  m.state = simulationStart(m.device, m.state, simulationDefaults(m.state));
  return m;
}

}  // namespace msa
