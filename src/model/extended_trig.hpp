#pragma once

namespace msa {

// Sine, cosine and tangent in long double, of our own, so that the model's
// digits do not depend on which C library is linked. On the x87 80-bit long
// double the error stays below one unit in the last place; arguments whose
// reduction would not be exact (|x| >= 2^16, not-a-number, infinities, and
// the rare ones within about 2^-40 of a multiple of pi/2) go to the C library.
// With another long double format the C library answers everything.

void extendedSinCos(long double x, long double& sine, long double& cosine);
long double extendedSin(long double x);
long double extendedCos(long double x);
long double extendedTan(long double x);
// All three of one argument, for the price of one reduction.
void extendedSinCosTan(long double x, long double& sine, long double& cosine, long double& tangent);

}  // namespace msa
