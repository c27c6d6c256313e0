#pragma once

#include "data/machine_data.hpp"
#include "model/model_notices.hpp"

namespace msa {

// The direction of (a, b) in [-pi/4, 7pi/4). A zero or not-a-number length
// is reported to `notices` and gives 0.
float argument(float a, float b, ModelNotices& notices);

// The commutation flux vector, its norm and angle, and the angles of the
// converter for the present control mode (beta held fixed up to 1.5, xhi held
// fixed above). Throws ModelStop when no admissible commutation exists; every
// value assigned before the failing check stays in the record.
void resolveAngles(MachineData& m, ModelNotices& notices);

}  // namespace msa
