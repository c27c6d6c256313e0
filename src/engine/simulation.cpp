#include "engine/simulation.hpp"

#include "model/voltages_and_torques.hpp"
#include "model/model_stop.hpp"
#include "model/transient_integration.hpp"

namespace msa {

namespace {

// Counts the steps for the run and passes them on.
class StepCounter : public StepObserver {
 public:
  explicit StepCounter(StepObserver& inner) : inner_(inner) {}
  void stepDone(const StepPoint& start, const StepPoint& end) override {
    ++steps;
    inner_.stepDone(start, end);
  }
  long steps = 0;

 private:
  StepObserver& inner_;
};

// Tells the observer that the run has ended when the scope is left, whether
// by its end, a stop or the end of the program.
class FollowedRun {
 public:
  FollowedRun(SimulationObserver& observer, const StepPoint& start) : observer_(observer) {
    observer_.runStarted(start);
  }
  ~FollowedRun() { observer_.runEnded(); }
  FollowedRun(const FollowedRun&) = delete;
  FollowedRun& operator=(const FollowedRun&) = delete;

 private:
  SimulationObserver& observer_;
};

}  // namespace

bool holdsBeta(float ControlMode) { return ControlMode < 1.5f; }

SimulationInputs simulationDefaults(const DriveState& s) {
  return {s.control.ControlMode, s.drau, s.dmu, s.dnu};
}

DriveState simulationStart(const DeviceParameters& d, const DriveState& before, const SimulationInputs& in) {
  DriveState s = before;
  s.control.ControlMode = in.ControlMode;
  if (holdsBeta(s.control.ControlMode)) {
    s.control.betaref = s.angles.beta;
  } else {
    s.control.xhiref = s.angles.xhi;
  }
  setVoltagesAndTorques(d, s);
  s.drau = in.drau;
  s.dmu = in.dmu;
  s.dnu = in.dnu;
  return s;
}

SimulationRun simulate(const DeviceParameters& d, const SimulationSettings& settings, const DriveState& start,
                       SimulationObserver& observer, ModelNotices& notices) {
  SimulationRun run{std::nullopt, 0, start};
  StepPoint first = stepPointOf(start);
  first.te = settings.temin;
  StepCounter counter(observer);
  {
    const FollowedRun followed(observer, first);
    try {
      integrateTransient(d, settings, run.state, notices, counter);
    } catch (const ModelStop& stop) {
      run.stop = studyStop(stop, run.state);
    }
  }
  run.steps = counter.steps;
  if (!run.stop) run.state.Udc = settings.Udcfin;
  return run;
}

}  // namespace msa
