#pragma once

#include "data/drive_state.hpp"
#include "model/angle_trig.hpp"

namespace msa {

// How x, y and z vary with the overlap mu and with the angle nu, from the
// angles, their trigonometry and the cosine and sine of half the overlap.
// Defined by their own formulas, not obtained by differentiating those of
// the commutation coefficients.
AngleCoefficients angleCoefficients(const ConverterAngles& a, const CommutationCoefficients& c, const AngleTrig& t);

}  // namespace msa
