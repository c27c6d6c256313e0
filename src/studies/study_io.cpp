#include "studies/study_io.hpp"

#include "engine/prompt_units.hpp"

namespace msa {

void promptDegrees(Dialogue& d, Msg prompt, float& angle) {
  angle = degrees(angle);
  d.parameterPrompt(prompt, angle);
  angle = angleFromDegrees(angle);
}

void promptRpm(Dialogue& d, Msg prompt, float& speed) {
  speed = rpmShown(speed);
  d.parameterPrompt(prompt, speed);
  speed = speedFromRpm(speed);
}

void printValueLine(Dialogue& d, Msg line, float value) { d.print(line, {value}, Ending::NewLine); }

void printFriction(Dialogue& d, float Cfrot, float frictionLoss) {
  d.print(Msg::FrictionLine, {Cfrot, frictionLoss}, Ending::NewLine);
}

void printControlChoice(Dialogue& d) {
  d.print(Msg::ControlChoice1, Ending::NewLine);
  d.print(Msg::ControlChoice2, Ending::NewLine);
}

void printIndeterminateArguments(Dialogue& d, int count) {
  for (int i = 0; i < count; ++i) d.print(Msg::IndeterminateArgument, Ending::NewLine);
}

void DialogueNotices::indeterminateArgument() { printIndeterminateArguments(d_, 1); }

}  // namespace msa
