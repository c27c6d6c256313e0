#pragma once

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// The field excitation mf.if a steady state needs: the operating point, the
// closed-form estimate ("chapitre 1") and NITER iterations of the
// sliding-circuit model ("chapitre 2") with the guard angle held fixed, then
// the fluxes, torques and powers. Leaves ControlMode at 1 when it ends, at 2
// when the model stops it.
void excitationStudy(Dialogue& d, MachineData& m);

}  // namespace msa
