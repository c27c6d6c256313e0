#include "app/screens.hpp"

#include "numeric/extended.hpp"

namespace msa {

void titleScreen(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.newLine();
  d.print(Msg::Title, Ending::NewLine);
  d.newLine();
  d.print(Msg::TitleAbout1, Ending::NewLine);
  d.print(Msg::TitleAbout2, Ending::NewLine);
  d.print(Msg::TitleAbout3, Ending::NewLine);
  d.newLine();
  loadDefaults(m);
  d.pause();
}

void dataEntry(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.print(Msg::DataTitle, Ending::NewLine);
  d.newLine();
  d.parameterPrompt(Msg::PromptLdc, m.ldc);
  d.parameterPrompt(Msg::PromptRdc, m.rdc);
  d.parameterPrompt(Msg::PromptPolePairs, m.p);
  d.parameterPrompt(Msg::PromptPhaseResistance, m.r);
  d.parameterPrompt(Msg::PromptLc, m.lc);
  d.parameterPrompt(Msg::PromptMutual, m.M);
  d.parameterPrompt(Msg::PromptLr, m.Lr);
  m.M2Lr = float((Extended(m.M) * m.M * 1.5) / m.Lr);
  d.parameterPrompt(Msg::PromptDamperResistance, m.rA);
  d.parameterPrompt(Msg::PromptFriction, m.romegam);
  d.parameterPrompt(Msg::PromptInertia, m.J);
  d.newLine();
  d.pause();
}

}  // namespace msa
