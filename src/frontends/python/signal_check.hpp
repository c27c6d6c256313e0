#pragma once

#include <chrono>

#include <pybind11/pybind11.h>

#include "model/transient_integration.hpp"

namespace msa::python {

// Lets Python's signal handlers run during a simulation, which runs without
// the GIL: every few hundred steps it reads the clock, and every 20 ms it takes
// the GIL and runs the pending handlers. When one raises (Ctrl+C gives
// KeyboardInterrupt), the exception is kept and the run ends after this step
// with the engine's Requested stop, as Escape ends it in the program.
class SignalCheck : public StepObserver {
 public:
  SignalCheck();
  void stepDone(const StepPoint& start, const StepPoint& end) override;
  // The exception a handler raised, or None; read with the GIL held.
  pybind11::object takeInterruption();

 private:
  long steps_ = 0;
  std::chrono::steady_clock::time_point last_;
  pybind11::object interruption_;
};

}  // namespace msa::python
