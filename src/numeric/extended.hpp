#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace msa {

// The type every formula of the model is evaluated in: the x87 80-bit long
// double. (Placeholder until the numeric layer's software type arrives.)
#if LDBL_MANT_DIG == 64 && !defined(MSA_SOFT_EXTENDED)
using Extended = long double;
#define MSA_HARDWARE_EXTENDED 1
#else
#error "the software extended type is not here yet"
#endif

// significand * 2^exponent, exactly.
constexpr Extended extendedConstant(std::uint64_t significand, int exponent) {
  Extended v = significand;
  for (; exponent > 0; --exponent) v *= 2;
  for (; exponent < 0; ++exponent) v /= 2;
  return v;
}

inline bool isNaN(Extended x) { return std::isnan(x); }
inline bool isInf(Extended x) { return std::isinf(x); }
inline bool isFinite(Extended x) { return std::isfinite(x); }
inline bool signBit(Extended x) { return std::signbit(x); }
inline Extended magnitude(Extended x) { return std::fabs(x); }
inline Extended extendedSqrt(Extended x) { return std::sqrt(x); }
inline Extended scaleByPowerOfTwo(Extended x, int n) { return std::ldexp(x, n); }
inline int exponentOf(Extended x) { return std::ilogb(x); }

}  // namespace msa
