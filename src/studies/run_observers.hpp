#pragma once

#include <cstdint>
#include <vector>

#include "dialogue/host.hpp"
#include "model/model_stop.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// Ends the run after the step in progress when the user asks for it, the
// way the model's own stops end it, so that the stop report shows it. One
// check a run: it counts the run's steps for the host.
class InterruptCheck : public StepObserver {
 public:
  explicit InterruptCheck(Host& host) : host_(host) {}
  void stepDone(const StepPoint&, const StepPoint&) override {
    if (host_.interruptRequested(++steps_)) throw ModelStop{StopReason::Requested};
  }

 private:
  Host& host_;
  std::uint64_t steps_ = 0;
};

// Hands a run to a few observers in the order they were added; those that
// follow whole runs are told its start and end too.
class RunFanOut : public SimulationObserver {
 public:
  void add(StepObserver& observer) { observers_.push_back(&observer); }
  void add(SimulationObserver& observer) {
    observers_.push_back(&observer);
    runObservers_.push_back(&observer);
  }
  void runStarted(const StepPoint& start) override {
    for (SimulationObserver* observer : runObservers_) observer->runStarted(start);
  }
  void stepDone(const StepPoint& start, const StepPoint& end) override {
    for (StepObserver* observer : observers_) observer->stepDone(start, end);
  }
  void runEnded() override {
    for (SimulationObserver* observer : runObservers_) observer->runEnded();
  }

 private:
  std::vector<StepObserver*> observers_;
  std::vector<SimulationObserver*> runObservers_;
};

}  // namespace msa
