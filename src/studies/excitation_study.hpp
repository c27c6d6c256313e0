#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// Menu E, and the end of every data entry: the operating point asked, the
// firing angle, the closed-form estimate ("chapitre 1"), the iterations
// ("chapitre 2") and the fluxes, torques and powers, each screen printed
// from what the engine computed. The state reached goes into the record;
// a stop of the model is thrown as the StudyStop it reports.
void excitationStudy(Dialogue& d, MachineData& m);

}  // namespace msa
