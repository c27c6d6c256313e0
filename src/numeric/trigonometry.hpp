#pragma once

#include "numeric/extended.hpp"

namespace msa {

// Sine, cosine, tangent and arctangent in the extended type, of our own, so
// that the model's digits depend on no C library: the error stays below one
// unit in the last place for every finite argument. Infinities and
// not-a-number give not-a-number (the arctangent: +-pi/2 and not-a-number).

void extendedSinCos(Extended x, Extended& sine, Extended& cosine);
Extended extendedSin(Extended x);
Extended extendedCos(Extended x);
Extended extendedTan(Extended x);
// All three of one argument, for the price of one reduction.
void extendedSinCosTan(Extended x, Extended& sine, Extended& cosine, Extended& tangent);

// The same values for a stored angle, taken apart from its float bits.
void extendedSinCos(float x, Extended& sine, Extended& cosine);
Extended extendedSin(float x);
Extended extendedCos(float x);
void extendedSinCosTan(float x, Extended& sine, Extended& cosine, Extended& tangent);

Extended extendedAtan(Extended x);

}  // namespace msa
