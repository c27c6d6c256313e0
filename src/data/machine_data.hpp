#pragma once

#include "data/constants.hpp"
#include "data/device_parameters.hpp"
#include "data/drive_state.hpp"
#include "data/simulation_settings.hpp"

namespace msa {

// The one record of the dialogue's session: the device, the settings and
// the state of the drive, kept from one study to the next. Every quantity is
// a single-precision float (the user types even the control mode and the
// iteration choice as numbers); formulas are evaluated in the x87 extended
// type (numeric/extended.hpp) and rounded to float where they are stored.
struct MachineData {
  DeviceParameters device;
  SimulationSettings settings;
  DriveState state;
};

// The defaults of the title screen (start-up and menu R), in their order.
// The state reached by the studies stays, but for the five quantities that
// have a default.
void loadDefaults(MachineData& m);

}  // namespace msa
