#pragma once

// The software extended type's comparisons, as IEEE orders them: a NaN is
// unordered with everything, -0 == +0.

#include "numeric/soft_format.hpp"
#include "numeric/soft_special.hpp"

namespace msa {

constexpr bool operator==(SoftExtended a, SoftExtended b) {
  if (a.isNaN() || b.isNaN()) return false;
  if (a.isZero() && b.isZero()) return true;
  return a.negative() == b.negative() && a.biasedExponent() == b.biasedExponent() && a.significand() == b.significand();
}

constexpr bool operator<(SoftExtended a, SoftExtended b) {
  if (a.isNaN() || b.isNaN()) return false;
  if (a.negative() != b.negative()) return a.negative() && !(a.isZero() && b.isZero());
  const bool less = a.biasedExponent() != b.biasedExponent() ? a.biasedExponent() < b.biasedExponent()
                                                             : a.significand() < b.significand();
  const bool equal = a.biasedExponent() == b.biasedExponent() && a.significand() == b.significand();
  return !equal && (less != a.negative());
}

constexpr bool operator>=(SoftExtended a, SoftExtended b) {
  if (a.isNaN() || b.isNaN()) return false;
  return !(a < b);
}

}  // namespace msa
