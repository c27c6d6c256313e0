#include "app/screens.hpp"

#include "numeric/extended.hpp"

namespace msa {

void titleScreen(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.newLine();
  d.printText("msa : machine synchrone autopilotée - édition de décembre 2026", Ending::NewLine);
  d.newLine();
  d.printText("Ce programme analyse une machine synchrone autopilotée", Ending::NewLine);
  d.printText("en régime statique et dynamique", Ending::NewLine);
  d.printText("à l'aide d'un modèle macroscopique à circuit glissant", Ending::NewLine);
  d.newLine();
  loadDefaults(m);
  d.pause();
}

void dataEntry(Dialogue& d, MachineData& m) {
  d.clearScreen();
  d.printText(" Paramètres du dispositif", Ending::NewLine);
  d.newLine();
  d.parameterPrompt("inductance dc ldc", m.ldc, "H");
  d.parameterPrompt("résistance dc rdc", m.rdc, "ohms");
  d.parameterPrompt("nombre de paires de pôles", m.p, "");
  d.parameterPrompt("résistance d'une phase r", m.r, "ohms");
  d.parameterPrompt("inductance de commutation lc", m.lc, "H");
  d.parameterPrompt("mutuelle max entre 1 phase et 1 amortisseur M", m.M, "H");
  d.parameterPrompt("inductance propre d'un amortisseur Lr", m.Lr, "H");
  m.M2Lr = float((Extended(m.M) * m.M * 1.5) / m.Lr);
  d.parameterPrompt("résistance des amortisseurs ramenée au stator", m.rA, "ohms");
  d.parameterPrompt("coefficient de frottement visqueux romegam", m.romegam, "Nm/(rad/s)");
  d.parameterPrompt("inertie mécanique", m.J, "kgm²");
  d.newLine();
  d.pause();
}

}  // namespace msa
