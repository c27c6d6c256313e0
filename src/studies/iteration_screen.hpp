#pragma once

#include "data/simulation_settings.hpp"
#include "dialogue/dialogue.hpp"
#include "engine/steady_iterations.hpp"

namespace msa {

// The "chapitre 2" screen shared by the excitation and supply-voltage
// studies: the choice of waiting after each iteration, then the iterations
// as they ran, each with the angles it starts from, the commutation
// coefficients, the study's own unknown (`unknownLines`, printed from the
// iteration), the notices of the angle resolution and the new flux vector.
// An iteration the model stopped in ends with its notices.
enum class IterationUnknown { Excitation, Current };
void askIterationChoice(Dialogue& d, SimulationSettings& settings);
void printIterations(Dialogue& d, const SteadyIterations& run, IterationUnknown unknown, float choixIter);

}  // namespace msa
