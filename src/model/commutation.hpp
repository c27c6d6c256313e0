#pragma once

#include "data/drive_state.hpp"
#include "model/angle_trig.hpp"

namespace msa {

// x, y, z, coeffradd and the cosine and sine of half the overlap, from the
// angles mu, mu2, nu and rau. No guard: a zero overlap gives not-a-number
// coefficients, which the angle resolution turns into a stop.
CommutationCoefficients commutationCoefficients(const ConverterAngles& a);
// The same, with the trigonometry of those angles already evaluated.
CommutationCoefficients commutationCoefficients(const ConverterAngles& a, const AngleTrig& t);

}  // namespace msa
