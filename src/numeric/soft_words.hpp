#pragma once

// The software extended type's words and rounding: the format's constants,
// a value taken apart (unpack) and put together rounded to nearest even
// (roundPack), shifts that keep what they drop as a sticky bit.

#include <bit>
#include <cstdint>

#include "numeric/soft_format.hpp"
#include "numeric/wide_word.hpp"

namespace msa {

namespace soft_extended_detail {

inline constexpr int kBias = 16383;
inline constexpr int kMaxField = 0x7FFF;
inline constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;
inline constexpr std::uint64_t kQuietBit = 0x4000000000000000u;

// x >> n with every bit shifted out or-ed into the lowest bit.
constexpr WideWord shiftRightJam(WideWord x, int n) {
  if (n <= 0) return x;
  if (n >= 128) return x != 0 ? 1 : 0;
  return (x >> n) | ((x << (128 - n)) != 0 ? 1 : 0);
}

// 1 when a significand `sig` with `below` * 2^-64 of a last place under it
// rounds up to nearest even: at least half, and more or sig odd. In bit
// operations, not branches: the bits below are random.
constexpr std::uint64_t roundsUp(std::uint64_t sig, std::uint64_t below) {
  return (below >> 63) & (static_cast<std::uint64_t>((below << 1) != 0) | (sig & 1));
}

// The value sig * 2^(field - kBias - 127), sig's bit 127 set, rounded to
// nearest even into the format: denormal when field < 1, infinite when too large.
constexpr SoftExtended roundPack(bool negative, int field, WideWord sig) {
  if (field <= 0) {
    sig = shiftRightJam(sig, 1 - field);
    field = 0;
  }
  auto high = static_cast<std::uint64_t>(sig >> 64);
  const auto low = static_cast<std::uint64_t>(sig);
  if (roundsUp(high, low) != 0) {
    ++high;
    if (high == 0) {
      high = kIntegerBit;
      ++field;
    } else if (field == 0 && (high & kIntegerBit) != 0) {
      field = 1;  // a denormal rounded up to the smallest normal
    }
  }
  if (field >= kMaxField) return SoftExtended::fromBits(negative, kMaxField, kIntegerBit);
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(field), high);
}

// A finite non-zero operand as sign, field and a significand with its top bit
// set; a denormal's field goes below 1.
struct Unpacked {
  bool negative;
  int field;
  std::uint64_t sig;
};

constexpr Unpacked unpack(SoftExtended x) {
  int field = x.biasedExponent();
  std::uint64_t sig = x.significand();
  if (field == 0) {  // denormal (or pseudo-denormal): the scale of field 1
    const int shift = std::countl_zero(sig);
    sig <<= shift;
    field = 1 - shift;
  }
  return {x.negative(), field, sig};
}

// Finite, non-zero, normal: the operands of the common case of each operation.
constexpr bool isNormal(SoftExtended x) {
  return static_cast<unsigned>(x.biasedExponent() - 1) < 0x7FFEu && (x.significand() & kIntegerBit) != 0;
}

}  // namespace soft_extended_detail

constexpr SoftExtended SoftExtended::scaled(bool negative, std::uint64_t significand, int exponent) {
  using namespace soft_extended_detail;
  if (significand == 0) return fromBits(negative, 0, 0);
  const int shift = std::countl_zero(significand);
  // Keep the exponent in range of int arithmetic below; far outside, the
  // result is zero or infinity all the same.
  if (exponent > 100000) exponent = 100000;
  if (exponent < -100000) exponent = -100000;
  return roundPack(negative, exponent + kBias + 63 - shift, static_cast<WideWord>(significand << shift) << 64);
}

}  // namespace msa
