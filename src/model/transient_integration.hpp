#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "data/simulation_settings.hpp"
#include "model/model_notices.hpp"

namespace msa {

// What an observer of the integration sees at one end of a time step: the
// four plotted quantities and the firing angle, supply voltage and torque.
struct StepPoint {
  float te;      // s
  float omegam;  // rad/s
  float mu;      // rad
  float xhi;     // rad
  float Idc;     // A
  float beta;    // rad
  float udc;     // V, the supply voltage on its ramp
  float Cem;     // Nm
};

// The point a state stands at.
StepPoint stepPointOf(const DriveState& s);

// Receives every finished time step, from its start to its end. The
// integration does no input or output of its own: drawing, data files and
// interruption are observers' business.
class StepObserver {
 public:
  virtual ~StepObserver() = default;
  virtual void stepDone(const StepPoint& start, const StepPoint& end) = 0;
};

// The time-domain integration of a supply-voltage transient from te = temin
// until te >= temax, on the state `s`: each step copies the state, evaluates
// the model, moves the time and the supply voltage on its ramp, then makes
// an Euler pass and three trapezoidal corrections, each advancing psi, psid,
// psiq and omegam and evaluating the model again. Model stops propagate as
// ModelStop, `s` holding the state as it stood at the failing check. A time
// step that does not make te grow ends the run after that step with a
// ModelStop of its own, since te could never reach temax.
void integrateTransient(const DeviceParameters& d, const SimulationSettings& settings, DriveState& s,
                        ModelNotices& notices, StepObserver& observer);

// The supply voltage at the time te: Udc until tdt, Udcfin from tft, linear
// in between.
float supplyVoltage(const SimulationSettings& settings, float Udc, float te);

}  // namespace msa
