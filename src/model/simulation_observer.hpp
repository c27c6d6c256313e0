#pragma once

#include "model/transient_integration.hpp"

namespace msa {

// Follows whole simulation runs, not only their steps: told the starting
// state before the first step and the end of the run however it ends (the
// last step, a stop, an interruption or the end of the program).
class SimulationObserver : public StepObserver {
 public:
  virtual void runStarted(const StepPoint& start) = 0;
  virtual void runEnded() = 0;
};

}  // namespace msa
