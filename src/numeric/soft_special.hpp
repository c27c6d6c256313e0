#pragma once

// The software extended type's special values: what counts as not-a-number,
// how a NaN is quieted, which one an operation on NaNs returns (as the x87
// unit decides), and the "real indefinite" of an invalid operation.

#include <cstdint>

#include "numeric/soft_format.hpp"
#include "numeric/soft_words.hpp"

namespace msa {

namespace soft_extended_detail {

// An encoding the x87 unit refuses: unnormal, pseudo-infinity, pseudo-NaN.
constexpr bool isRefused(SoftExtended x) {
  return x.biasedExponent() != 0 && (x.significand() & kIntegerBit) == 0;
}

constexpr bool isSignalling(SoftExtended x) {
  return x.biasedExponent() == kMaxField && (x.significand() & kQuietBit) == 0 && (x.significand() << 1) != 0;
}

constexpr SoftExtended quieted(SoftExtended x) {
  return SoftExtended::fromBits(x.negative(), x.biasedExponent(), x.significand() | kQuietBit);
}

constexpr SoftExtended infinity(bool negative) { return SoftExtended::fromBits(negative, kMaxField, kIntegerBit); }

// At least one operand is not-a-number: what x87 returns. A signalling NaN
// gives way to a quiet one; of two of the same kind, the larger significand,
// and of equal significands the positive one.
constexpr SoftExtended propagateNaN(SoftExtended a, SoftExtended b) {
  if (isRefused(a) || isRefused(b)) return SoftExtended::indefinite();
  const bool nanA = a.isNaN(), nanB = b.isNaN();
  if (!nanB) return quieted(a);
  if (!nanA) return quieted(b);
  const bool sigA = isSignalling(a), sigB = isSignalling(b);
  if (sigA != sigB) return quieted(sigA ? b : a);
  if (a.significand() != b.significand()) return quieted(a.significand() > b.significand() ? a : b);
  return quieted(a.negative() ? b : a);
}

}  // namespace soft_extended_detail

constexpr bool SoftExtended::isNaN() const {
  return soft_extended_detail::isRefused(*this) || (biasedExponent() == 0x7FFF && (significand_ << 1) != 0);
}

}  // namespace msa
