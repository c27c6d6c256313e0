#pragma once

#include <vector>

#include "data/machine_data.hpp"
#include "dialogue/host.hpp"
#include "model/model_stop.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// Ends the run after the step in progress when the user asks for it, the
// way the model's own stops end it, so that the stop report shows it.
class InterruptCheck : public StepObserver {
 public:
  explicit InterruptCheck(Host& host) : host_(host) {}
  void stepDone(const StepPoint&, const StepPoint&) override {
    if (host_.interruptRequested()) throw ModelStop{StopReason::Requested};
  }

 private:
  Host& host_;
};

// Hands every step to a few observers in the order they were added.
class StepFanOut : public StepObserver {
 public:
  void add(StepObserver& observer) { observers_.push_back(&observer); }
  void stepDone(const StepPoint& start, const StepPoint& end) override {
    for (StepObserver* observer : observers_) observer->stepDone(start, end);
  }

 private:
  std::vector<StepObserver*> observers_;
};

// The state a run starts from, as its first step will see it.
StepPoint runStartPoint(const MachineData& m);

// Tells a simulation observer (if any) that a run starts, and that it has
// ended when the scope is left, whether by its end, a stop or the end of
// the program.
class FollowedRun {
 public:
  FollowedRun(SimulationObserver* observer, const StepPoint& start) : observer_(observer) {
    if (observer_ != nullptr) observer_->runStarted(start);
  }
  ~FollowedRun() {
    if (observer_ != nullptr) observer_->runEnded();
  }
  FollowedRun(const FollowedRun&) = delete;
  FollowedRun& operator=(const FollowedRun&) = delete;

 private:
  SimulationObserver* observer_;
};

}  // namespace msa
