#pragma once

#include "data/machine_data.hpp"
#include "model/angle_trig.hpp"

namespace msa {

// x, y, z, coeffradd and the cosine and sine of half the overlap, from the
// present mu, mu2, nu and rau. No guard: a zero overlap gives not-a-number
// coefficients, which the angle resolution turns into a stop.
void commutationCoefficients(MachineData& m);
// The same, with the trigonometry of the present angles already evaluated.
void commutationCoefficients(MachineData& m, const AngleTrig& t);

}  // namespace msa
