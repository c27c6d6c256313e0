#pragma once

#include <functional>

#include "data/machine_data.hpp"
#include "dialogue/dialogue.hpp"
#include "model/model_notices.hpp"

namespace msa {

// The "chapitre 2" screen shared by the excitation and supply-voltage
// studies: the choice of waiting after each iteration, then NITER passes,
// each printing the angles it starts from, computing and printing the
// commutation coefficients, solving for the study's own unknown
// (`unknown`), resolving the angles and printing the flux vector. There is
// no convergence test: the count is fixed.
void askIterationChoice(Dialogue& d, MachineData& m);
void runIterations(Dialogue& d, MachineData& m, ModelNotices& notices, const std::function<void()>& unknown);

}  // namespace msa
