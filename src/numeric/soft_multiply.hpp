#pragma once

// The software extended type's product, as fmul, and the exact error of a
// rounded product, which the trigonometry carries along.

#include <cstdint>

#include "numeric/soft_format.hpp"
#include "numeric/soft_special.hpp"
#include "numeric/soft_words.hpp"
#include "numeric/split_product.hpp"
#include "numeric/wide_word.hpp"

namespace msa {

namespace soft_extended_detail {

// sigA * sigB * 2^(field - kBias - 127), both significands with their top
// bits set, rounded: the product of two numbers in [1, 2) is in [1, 4), so
// it moves up one place or not. In the normal range it rounds in one 64-bit
// word; below it or above, through roundPack.
[[gnu::always_inline]] constexpr SoftExtended multiplySignificands(bool negative, int field, std::uint64_t sigA,
                                                                   std::uint64_t sigB) {
  const WideWord product = multiplyWords(sigA, sigB);
  auto high = static_cast<std::uint64_t>(product >> 64);
  auto low = static_cast<std::uint64_t>(product);
  const std::uint64_t shift = ~high >> 63;
  high = (high << shift) | ((low >> 63) & shift);
  low <<= shift;
  field -= static_cast<int>(shift);
  if (static_cast<unsigned>(field - 1) >= 0x7FFEu) [[unlikely]] {
    return roundPack(negative, field, (static_cast<WideWord>(high) << 64) | low);
  }
  high += roundsUp(high, low);
  if (high == 0) [[unlikely]] {  // rounded up to the next power of two
    high = kIntegerBit;
    if (++field == kMaxField) return infinity(negative);
  }
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(field), high);
}

// Zeros, denormals, infinities, not-a-numbers: out of line, so that the
// common case of two normal numbers costs no more than it needs.
[[gnu::noinline]] constexpr SoftExtended multiplyOther(SoftExtended a, SoftExtended b) {
  if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
  const bool negative = a.negative() != b.negative();
  if (a.isInf() || b.isInf()) {
    if (a.isZero() || b.isZero()) return SoftExtended::indefinite();
    return infinity(negative);
  }
  if (a.isZero() || b.isZero()) return SoftExtended::fromBits(negative, 0, 0);
  const Unpacked ua = unpack(a), ub = unpack(b);
  return multiplySignificands(negative, ua.field + ub.field - kBias + 1, ua.sig, ub.sig);
}

// The product, out of line: inlined at each of the model's products it made
// the default simulation in this type 4 % slower (53.4 ms against 51.6 ms,
// lowest of eight runs).
[[gnu::noinline]] constexpr SoftExtended multiply(SoftExtended a, SoftExtended b) {
  if (isNormal(a) && isNormal(b)) [[likely]] {
    return multiplySignificands(a.negative() != b.negative(), a.biasedExponent() + b.biasedExponent() - kBias + 1,
                                a.significand(), b.significand());
  }
  return multiplyOther(a, b);
}

}  // namespace soft_extended_detail

constexpr SoftExtended operator*(SoftExtended a, SoftExtended b) { return soft_extended_detail::multiply(a, b); }

// a b - p exactly, p being a * b rounded to nearest, without overflow or
// underflow. What Dekker's and Veltkamp's splitting gives in eight products
// and eleven sums, here, for normal operands within 8,000 binary places of 1
// (where that error is a normal number), from the whole product of the
// significands, 7 ns where the splitting takes 64; elsewhere by the splitting.
constexpr SoftExtended exactProductError(SoftExtended a, SoftExtended b, SoftExtended p) {
  using namespace soft_extended_detail;
  constexpr unsigned kReach = 8000;
  const auto inReach = [](SoftExtended x) {
    return isNormal(x) && static_cast<unsigned>(x.biasedExponent() - (kBias - kReach)) <= 2 * kReach;
  };
  if (inReach(a) && inReach(b) && inReach(p)) {
    // a b = P 2^e exactly, e the weight of P's lowest bit.
    const WideWord product = multiplyWords(a.significand(), b.significand());
    const int e = a.biasedExponent() + b.biasedExponent() - 2 * kBias - 126;
    // p in units of 2^e: 63, 64 or 65 places up when p is the rounded product.
    const int up = p.biasedExponent() - kBias - 63 - e;
    if (up >= 63 && up <= 65) {
      // Modulo 2^128, the difference is exact: it is below 2^64 in size.
      const auto difference = static_cast<SignedWideWord>(product - (static_cast<WideWord>(p.significand()) << up));
      const bool below = difference < 0;
      const WideWord size = below ? 0 - static_cast<WideWord>(difference) : static_cast<WideWord>(difference);
      if ((size >> 64) == 0) {
        if (size == 0) return SoftExtended();
        return SoftExtended::scaled((a.negative() != b.negative()) != below, static_cast<std::uint64_t>(size), e);
      }
    }
  }
  return error_free::splitProductError(a, b, p);
}

}  // namespace msa
