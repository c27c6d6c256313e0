#pragma once

#include <string_view>

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"
#include "model/model_stop.hpp"

namespace msa {

// The words of each stop, which the time and the current follow.
std::string_view stopMessage(StopReason reason);

// The message at row 4, column 1 over the present screen, with the time and
// the dc current, and one answer line read and discarded.
void stopReport(Dialogue& d, const MachineData& m, const ModelStop& stop);

}  // namespace msa
