#pragma once

namespace msa {

// Why the model found no admissible state. The study in progress is
// abandoned; the menu loop shows the stop report, which words each reason.
enum class StopReason {
  NegativeCurrent,  // the dc current is not >= 0
  AlphaAbove180,    // beta held fixed puts the firing angle past 180 degrees
  MuAbove60,        // the overlap exceeds 60 degrees: a short circuit
  MuBelow0,         // the overlap is negative or undefined
  AlphaUndefined,   // no firing angle solves the overlap
  TimeStalled,      // the time step no longer moves the time
  Requested,        // the user stopped the running simulation
};

// Thrown by a model routine that finds no admissible state, and by the
// simulation when the user stops it.
struct ModelStop {
  StopReason reason;
};

}  // namespace msa
