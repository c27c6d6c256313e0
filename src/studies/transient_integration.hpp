#pragma once

#include "data/machine_data.hpp"
#include "model/evaluation_memo.hpp"
#include "model/model_notices.hpp"

// Receives every finished time step; the step-start copies (te0, omegam0,
// mu0, xhi0, Idc0) and the end values stand in the record.
class StepObserver {
 public:
  virtual ~StepObserver() = default;
  virtual void stepDone(const MachineData& m) = 0;
};

// The time-domain integration of a supply-voltage transient from te = temin
// until te >= temax: each step copies the state, evaluates the model, moves
// the time and the supply voltage on its ramp, then makes an Euler pass and
// three trapezoidal corrections, each advancing psi, psid, psiq and omegam
// and evaluating the model again. Model stops propagate as ModelStop. A time
// step that does not make te grow ends the run after that step with a
// ModelStop of its own, since te could never reach temax.
void integrateTransient(MachineData& m, ModelNotices& notices, StepObserver& observer);

// One evaluation of the model from the present state and rates: currents,
// angles, commutation and angle coefficients, voltages and torques. The state-
// derived part is taken from `memo` when its inputs are those remembered.
void evaluateModel(MachineData& m, ModelNotices& notices, ModelMemo& memo);

// The supply voltage at the present time te: Udc until tdt, Udcfin from tft,
// linear in between.
void setSupplyVoltage(MachineData& m);

// The message of a time step that no longer moves the time.
inline constexpr const char* kTimeStalled = " arrêt car le pas temporel ne fait plus avancer le temps en te =";
