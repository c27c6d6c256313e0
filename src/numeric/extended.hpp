#pragma once

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "numeric/soft_extended.hpp"
#include "numeric/split_product.hpp"
#include "numeric/wide_word.hpp"

#if defined(__x86_64__) || defined(__i386__)
#include <emmintrin.h>
#endif

namespace msa {

// A normal value taken apart (partsOf) and put together (setParts), for work
// in whole numbers (the trigonometry's reduction and series):
// value = significand * 2^(exponent - 63), the significand's top bit set.
struct ExtendedParts {
  bool negative;
  int exponent;
  std::uint64_t significand;
};

// Every formula is evaluated in the x87 80-bit double-extended format. Where
// the hardware has it (x86-64, MinGW-w64) that is long double; elsewhere
// (ARM64, WebAssembly: long double is binary128 there) our own software type,
// exact to it. MSA_SOFT_EXTENDED (CMake option) forces the software type on
// x86-64 too.
#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384 && \
    !defined(MSA_SOFT_EXTENDED)
using Extended = long double;
#define MSA_HARDWARE_EXTENDED 1

namespace extended_detail {
// 2^n, exactly for the normal range, by squaring: each step exact.
constexpr long double powerOfTwo(int n) {
  long double result = 1.0L;
  long double factor = n >= 0 ? 2.0L : 0.5L;
  unsigned count = n >= 0 ? static_cast<unsigned>(n) : 0u - static_cast<unsigned>(n);
  while (count != 0) {
    if ((count & 1u) != 0) result *= factor;
    factor *= factor;
    count >>= 1;
  }
  return result;
}
}  // namespace extended_detail

// significand * 2^exponent, exactly (a constant the format holds).
constexpr Extended extendedConstant(std::uint64_t significand, int exponent) {
  // Split so that neither factor leaves the normal range.
  const int first = exponent / 2;
  return static_cast<long double>(significand) * extended_detail::powerOfTwo(first) *
         extended_detail::powerOfTwo(exponent - first);
}

inline bool isNaN(Extended x) { return __builtin_isnan(x); }
inline bool isInf(Extended x) { return __builtin_isinf(x); }
inline bool isFinite(Extended x) { return __builtin_isfinite(x); }
inline bool signBit(Extended x) { return __builtin_signbit(x) != 0; }
inline Extended magnitude(Extended x) { return __builtin_fabsl(x); }
// fsqrt, correctly rounded to 64 bits.
inline Extended extendedSqrt(Extended x) { return __builtin_sqrtl(x); }
inline Extended scaleByPowerOfTwo(Extended x, int n) { return __builtin_scalbnl(x, n); }
inline int exponentOf(Extended x) { return __builtin_ilogbl(x); }
// For normal values only (x87 layout: the significand, then sign and exponent).
inline ExtendedParts partsOf(Extended x) {
  std::uint64_t significand = 0;
  std::uint16_t signExponent = 0;
  std::memcpy(&significand, &x, sizeof significand);
  std::memcpy(&signExponent, reinterpret_cast<const unsigned char*>(&x) + sizeof significand, sizeof signExponent);
  return {(signExponent >> 15) != 0, (signExponent & 0x7FFF) - 16383, significand};
}
// Written in place with no x87 load and store on the way, and where long
// double takes 16 bytes in one store, which an x87 load after it takes
// straight from the store buffer (after two smaller ones it waits for the cache).
inline void setParts(Extended& x, bool negative, int exponent, std::uint64_t significand) {
  const auto signExponent = static_cast<std::uint16_t>((negative ? 0x8000 : 0) | ((exponent + 16383) & 0x7FFF));
  if constexpr (sizeof(Extended) == 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&x), _mm_set_epi64x(signExponent, static_cast<long long>(significand)));
  } else {
    std::memcpy(&x, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&x) + sizeof significand, &signExponent, sizeof signExponent);
  }
}
// a b - p exactly, p = a * b rounded (no overflow or underflow): in x87
// arithmetic, by the splitting.
inline Extended exactProductError(Extended a, Extended b, Extended p) { return error_free::splitProductError(a, b, p); }

#else
using Extended = SoftExtended;

constexpr Extended extendedConstant(std::uint64_t significand, int exponent) {
  return SoftExtended::scaled(false, significand, exponent);
}

constexpr ExtendedParts partsOf(Extended x) {
  return {x.negative(), x.biasedExponent() - soft_extended_detail::kBias, x.significand()};
}
constexpr void setParts(Extended& x, bool negative, int exponent, std::uint64_t significand) {
  x = SoftExtended::fromBits(negative, static_cast<std::uint16_t>(exponent + soft_extended_detail::kBias), significand);
}
#endif

// The software type's, on every target (its tests run everywhere).
constexpr bool isNaN(SoftExtended x) { return x.isNaN(); }
constexpr bool isInf(SoftExtended x) { return x.isInf(); }
constexpr bool isFinite(SoftExtended x) { return x.biasedExponent() != 0x7FFF && !x.isNaN(); }
constexpr bool signBit(SoftExtended x) { return x.negative(); }
constexpr SoftExtended magnitude(SoftExtended x) {
  return SoftExtended::fromBits(false, x.biasedExponent(), x.significand());
}
constexpr SoftExtended extendedSqrt(SoftExtended x) { return sqrt(x); }
// x * 2^n rounded once (ldexp / fscale); a NaN comes back quieted.
constexpr SoftExtended scaleByPowerOfTwo(SoftExtended x, int n) {
  if (!isFinite(x)) return x.isNaN() ? x + x : x;
  if (x.isZero()) return x;
  if (n > 100000) n = 100000;
  if (n < -100000) n = -100000;
  const auto u = soft_extended_detail::unpack(x);
  return soft_extended_detail::roundPack(u.negative, u.field + n, static_cast<WideWord>(u.sig) << 64);
}
// ilogb: the exponent of the leading bit; FP_ILOGB0, FP_ILOGBNAN, INT_MAX otherwise.
constexpr int exponentOf(SoftExtended x) {
  if (x.isNaN()) return FP_ILOGBNAN;
  if (x.isInf()) return INT_MAX;
  if (x.isZero()) return FP_ILOGB0;
  return soft_extended_detail::unpack(x).field - soft_extended_detail::kBias;
}

}  // namespace msa
