#pragma once

#include "data/drive_state.hpp"
#include "dialogue/dialogue.hpp"
#include "model/degrees.hpp"
#include "model/model_notices.hpp"

namespace msa {

// Parameter prompts for quantities held in radians or rad/s and shown in
// degrees or r/min: converted in place before the prompt and back after it,
// so even an empty answer sends the value through both conversions.
void promptDegrees(Dialogue& d, Msg prompt, float& angle);
void promptRpm(Dialogue& d, Msg prompt, float& speed);

// The text of a key with its number, and the end of the line.
void printValueLine(Dialogue& d, Msg line, float value);

// The friction torque Cfrot and the friction loss omegam Cfrot in W.
void printFriction(Dialogue& d, float Cfrot, float frictionLoss);

// The two lines that offer the control modes: 1 beta held fixed, 2 xhi held fixed.
void printControlChoice(Dialogue& d);

// Prints that a direction is indeterminate where the cursor stands: `count`
// lines, as many as the model met.
void printIndeterminateArguments(Dialogue& d, int count);

// Prints that an argument is indeterminate where the cursor stands, and goes on.
class DialogueNotices : public ModelNotices {
 public:
  explicit DialogueNotices(Dialogue& d) : d_(d) {}
  void indeterminateArgument() override;

 private:
  Dialogue& d_;
};

}  // namespace msa
