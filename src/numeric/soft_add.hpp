#pragma once

// The software extended type's sum and difference, as fadd and fsub.

#include <bit>
#include <cstdint>

#include "numeric/soft_format.hpp"
#include "numeric/soft_special.hpp"
#include "numeric/soft_words.hpp"

namespace msa {

namespace soft_extended_detail {

// Two finite non-zero operands, given as sign and field in one word (sign at
// bit 15) and significand, in 64-bit words only (no 128-bit shifts, which
// cost calls where the target has no 64-bit shift pair): the larger
// magnitude's significand, the smaller's aligned to it as a whole part and
// the 64 bits below it, those beyond or-ed into the lowest. Exact up to 64
// apart; further, the smaller is below a quarter of the last place and the
// or-ed bit settles the rounding as the exact value would. Few values live
// at once, so that no register has to be saved on the common paths.
//
// A denormal operand comes as field 1, its scale, with its significand as
// stored (top bit clear): neither the alignment nor the difference needs it
// normalized. Only two denormals' sum can then keep field 1 with its top bit
// clear (exact, no rounding): the caller stores that with field 0.
[[gnu::always_inline]] constexpr SoftExtended addFinite(unsigned signFieldA, std::uint64_t sigA, unsigned signFieldB,
                                                        std::uint64_t sigB) {
  const bool swap = ((static_cast<WideWord>(signFieldA & 0x7FFFu) << 64) | sigA) <
                    ((static_cast<WideWord>(signFieldB & 0x7FFFu) << 64) | sigB);
  const unsigned signField = swap ? signFieldB : signFieldA;
  const std::uint64_t big = swap ? sigB : sigA, small = swap ? sigA : sigB;
  const bool negative = (signField >> 15) != 0;
  int field = static_cast<int>(signField & 0x7FFFu);
  const int distance = field - static_cast<int>((signFieldA ^ signFieldB ^ signField) & 0x7FFFu);
  std::uint64_t aligned, below;  // small * 2^-distance = aligned + below * 2^-64
  if (distance < 64) [[likely]] {
    aligned = small >> distance;
    below = (small << 1) << (63 - distance);
  } else if (distance == 64) {
    aligned = 0;
    below = small;
  } else if (distance < 128) {
    aligned = 0;
    below = (small >> (distance - 64)) | ((small << (128 - distance)) != 0 ? 1 : 0);
  } else {
    aligned = 0;
    below = 1;
  }
  std::uint64_t sig;
  if (((signFieldA ^ signFieldB) & 0x8000u) == 0) {
    sig = big + aligned;
    if (sig < big) {  // one place up, the dropped bit below
      below = (sig << 63) | (below >> 1) | (below & 1);
      sig = (sig >> 1) | kIntegerBit;
      ++field;
    }
  } else {
    sig = big - aligned - (below != 0 ? 1 : 0);
    below = 0 - below;
    if ((sig & kIntegerBit) == 0) {
      if (sig == 0) {
        if (below == 0) return SoftExtended();  // x - x = +0 rounding to nearest
        // Only when 0 or 1 apart: below is exact, and all there is.
        const int shift = std::countl_zero(below);
        sig = below << shift;
        below = 0;
        field -= 64 + shift;
      } else {
        const int shift = std::countl_zero(sig);  // at least 1
        sig = (sig << shift) | (below >> (64 - shift));
        below <<= shift;
        field -= shift;
      }
      // Below the normal range only when less than 64 apart: exact so far.
      if (field <= 0) [[unlikely]] return roundPack(negative, field, (static_cast<WideWord>(sig) << 64) | below);
    }
  }
  sig += roundsUp(sig, below);
  if (sig == 0) [[unlikely]] {  // rounded up to the next power of two
    sig = kIntegerBit;
    ++field;
  }
  if (field >= kMaxField) [[unlikely]] return infinity(negative);
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(field), sig);
}

// Zeros, denormals, infinities, not-a-numbers: out of line, so that the
// common case of two normal numbers costs no more than it needs.
[[gnu::noinline]] constexpr SoftExtended addOther(SoftExtended a, SoftExtended b, bool subtract) {
  if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
  const bool negativeB = b.negative() != subtract;
  if (a.isInf()) {
    if (b.isInf() && a.negative() != negativeB) return SoftExtended::indefinite();
    return a;
  }
  if (b.isInf()) return infinity(negativeB);
  if (b.isZero()) {
    if (a.isZero()) return SoftExtended::fromBits(a.negative() && negativeB, 0, 0);
    return a;
  }
  if (a.isZero()) return SoftExtended::fromBits(negativeB, b.biasedExponent(), b.significand());
  const auto signField = [](bool negative, SoftExtended x) {
    return (negative ? 0x8000u : 0u) | (x.biasedExponent() == 0 ? 1u : x.biasedExponent());
  };
  const SoftExtended sum = addFinite(signField(a.negative(), a), a.significand(), signField(negativeB, b), b.significand());
  if (sum.biasedExponent() == 1 && (sum.significand() & kIntegerBit) == 0) {
    return SoftExtended::fromBits(sum.negative(), 0, sum.significand());
  }
  return sum;
}

}  // namespace soft_extended_detail

constexpr SoftExtended SoftExtended::add(SoftExtended a, SoftExtended b, bool subtract) {
  using namespace soft_extended_detail;
  if (isNormal(a) && isNormal(b)) [[likely]] {
    return addFinite(a.signExponent_, a.significand_, b.signExponent_ ^ (subtract ? 0x8000u : 0u), b.significand_);
  }
  return addOther(a, b, subtract);
}

}  // namespace msa
