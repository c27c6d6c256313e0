#include "app/screens.hpp"

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
  DeviceParameters& p = m.device;
  d.parameterPrompt(Msg::PromptLdc, p.ldc);
  d.parameterPrompt(Msg::PromptRdc, p.rdc);
  d.parameterPrompt(Msg::PromptPolePairs, p.p);
  d.parameterPrompt(Msg::PromptPhaseResistance, p.r);
  d.parameterPrompt(Msg::PromptLc, p.lc);
  d.parameterPrompt(Msg::PromptMutual, p.M);
  d.parameterPrompt(Msg::PromptLr, p.Lr);
  p.M2Lr = derivedM2Lr(p);
  d.parameterPrompt(Msg::PromptDamperResistance, p.rA);
  d.parameterPrompt(Msg::PromptFriction, p.romegam);
  d.parameterPrompt(Msg::PromptInertia, p.J);
  d.newLine();
  d.pause();
}

}  // namespace msa
