#pragma once

#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "data/simulation_settings.hpp"

namespace msa {

// The state of a run is stored in float. A time step so small that it is only
// a few float spacings of te, or that the speed it adds in one step is only a
// few float spacings of the speed, loses part of every increment, and the
// losses add up: smaller steps then give worse results, down to a speed that
// stands still (docs/validation.md measures it). Front ends tell the user,
// outside the text grid, when the chosen step is below this bound.

// How many spacings one step must span, of te and of the speed, to keep the
// end state of the default run within the report's error bound.
inline constexpr float kStepSpacings = 200.0f;

// The smallest time step whose results the validation report vouches for, for
// the settings and the starting state of a run: kStepSpacings spacings of te at
// the run's largest |te| (temin or temax), and kStepSpacings spacings of the
// starting speed divided by the acceleration the shaft and friction torques
// alone would give (J, Cmec, Cfrot). A term that cannot be formed (no torque,
// no speed) does not count. 0 when neither can.
float smallestTrustworthyStep(const DeviceParameters& d, const SimulationSettings& settings, const DriveState& start);

// True when teinc is below smallestTrustworthyStep: the run's results lose
// precision to the float state and the user should be told.
bool stepBelowTrustworthyRange(const DeviceParameters& d, const SimulationSettings& settings,
                               const DriveState& start);

}  // namespace msa
