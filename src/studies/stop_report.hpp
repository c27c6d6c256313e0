#pragma once

#include "dialogue/dialogue.hpp"
#include "engine/study_stop.hpp"

namespace msa {

// The message of each stop, with the time as {0} and the dc current as {1}.
Msg stopMessage(StopReason reason);

// The message at row 4, column 1 over the present screen, with the time and
// the dc current, and one answer line read and discarded.
void stopReport(Dialogue& d, const StudyStop& stop);

}  // namespace msa
