#pragma once

#include <optional>

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "data/simulation_settings.hpp"
#include "engine/study_stop.hpp"
#include "model/model_notices.hpp"
#include "model/simulation_observer.hpp"

namespace msa {

// What the set-up of a simulation asks besides the settings: the control
// mode, and the initial rates of the angles.
struct SimulationInputs {
  float ControlMode;  // below 1.5: beta held fixed (at the state's beta); else xhi held fixed (at its xhi)
  float drau, dmu, dnu;  // rad/s
};
// What the prompts offer: the state's own values.
SimulationInputs simulationDefaults(const DriveState& s);
// Whether beta is held (the set-up then asks for xhimin). The angle
// resolution itself holds beta up to 1.5 included.
bool holdsBeta(float ControlMode);

// The state a run starts from: the control mode and the angle it holds,
// taken from the state; the voltages and torques of the state as it stands
// (with the rates it had); then the rates typed.
DriveState simulationStart(const DeviceParameters& d, const DriveState& before, const SimulationInputs& in);

// A run of the transient from simulationStart's state, with the settings'
// times, step and supply ramp: the observer follows it (the starting point,
// every step, its end however it ends), notices go where they arise. A
// completed run leaves Udcfin as the next transient's Udc.
struct SimulationRun {
  std::optional<StudyStop> stop;  // a stop of the model, a stalled time or an interruption
  long steps;                     // time steps finished
  DriveState state;               // where the run ended
};
SimulationRun simulate(const DeviceParameters& d, const SimulationSettings& settings, const DriveState& start,
                       SimulationObserver& observer, ModelNotices& notices);

}  // namespace msa
