#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "model/evaluation_memo.hpp"
#include "model/model_notices.hpp"

namespace msa {

// One evaluation of the model from the state's fluxes, speed and rates, in
// the order the model's quantities depend on each other: the currents (with
// the coefficients of the evaluation before), the flux vector and the
// angles, the commutation and angle coefficients (together what the state
// determines, taken from `memo` when its key is a remembered one), then the
// voltages and torques. Each writes its part of `s` before the next reads
// it, so that a ModelStop leaves the state as it stood at the failing check.
void evaluateModel(const DeviceParameters& d, float xhimin, DriveState& s, ModelNotices& notices, ModelMemo& memo);

// The first half of it, alone: currents, angles and coefficients.
void solveFromState(const DeviceParameters& d, float xhimin, DriveState& s, ModelNotices& notices, ModelMemo& memo);

}  // namespace msa
