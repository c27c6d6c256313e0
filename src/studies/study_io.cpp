#include "studies/study_io.hpp"

#include "numeric/extended.hpp"

namespace msa {

void promptDegrees(Dialogue& d, Msg prompt, float& angle) {
  angle = float((Extended(angle) / pi) * 180.0f);
  d.parameterPrompt(prompt, angle);
  angle = float((Extended(angle) / 180.0f) * pi);
}

void promptRpm(Dialogue& d, Msg prompt, float& speed) {
  speed = float((Extended(speed) / pi) * 30.0f);
  d.parameterPrompt(prompt, speed);
  speed = float((Extended(speed) / 30.0f) * pi);
}

void printValueLine(Dialogue& d, Msg line, float value) { d.print(line, {value}, Ending::NewLine); }

void printFriction(Dialogue& d, const MachineData& m) {
  d.print(Msg::FrictionLine, {m.Cfrot, float(Extended(m.omegam) * m.Cfrot)}, Ending::NewLine);
}

void printControlChoice(Dialogue& d) {
  d.print(Msg::ControlChoice1, Ending::NewLine);
  d.print(Msg::ControlChoice2, Ending::NewLine);
}

void DialogueNotices::indeterminateArgument() { d_.print(Msg::IndeterminateArgument, Ending::NewLine); }

}  // namespace msa
