#include "studies/study_io.hpp"

#include "numeric/extended.hpp"

namespace msa {

float degrees(float angle) { return float((Extended(angle) / pi) * 180.0f); }

void promptDegrees(Dialogue& d, std::string_view name, float& angle, std::string_view unit) {
  angle = float((Extended(angle) / pi) * 180.0f);
  d.parameterPrompt(name, angle, unit);
  angle = float((Extended(angle) / 180.0f) * pi);
}

void promptRpm(Dialogue& d, std::string_view name, float& speed, std::string_view unit) {
  speed = float((Extended(speed) / pi) * 30.0f);
  d.parameterPrompt(name, speed, unit);
  speed = float((Extended(speed) / 30.0f) * pi);
}

void printValueLine(Dialogue& d, std::string_view text, float value, std::string_view unit) {
  d.printText(text);
  d.printNumber(value);
  d.printText(unit, Ending::NewLine);
}

void printFriction(Dialogue& d, const MachineData& m) {
  d.printText(" Couple de frottement Cfrot = ");
  d.printNumber(m.Cfrot);
  printValueLine(d, " Nm soit perte de ", float(Extended(m.omegam) * m.Cfrot), " W");
}

void printControlChoice(Dialogue& d) {
  d.printText(" Entrez 1 pour un calcul à angle d'attaque beta fixé", Ending::NewLine);
  d.printText("        2 pour un calcul à angle de garde xhi fixé", Ending::NewLine);
}

void DialogueNotices::indeterminateArgument() { d_.printText("argument indéterminé", Ending::NewLine); }

}  // namespace msa
