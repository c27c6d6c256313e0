#pragma once

#include "numeric/extended.hpp"

namespace msa {

// The exact rounding errors of a sum and of a product in the extended type
// (round to nearest, no overflow or underflow): what the trigonometry
// carries along to stay below one unit in the last place.
namespace error_free {

// 2^32 + 1 cuts a 64-bit significand into two 32-bit halves.
inline constexpr Extended kSplit = extendedConstant(0x100000001, 0);

// a + b == s + the returned error, s = a + b rounded.
inline Extended sumError(Extended a, Extended b, Extended s) {
  const Extended bVirtual = s - a;
  return (a - (s - bVirtual)) + (b - bVirtual);
}

// a b == p + the returned error, p = a * b rounded: each extended type's own
// (numeric/extended.hpp for x87's, numeric/soft_multiply.hpp for ours).
inline Extended productError(Extended a, Extended b, Extended p) { return exactProductError(a, b, p); }

}  // namespace error_free

}  // namespace msa
