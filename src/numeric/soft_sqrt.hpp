#pragma once

// The software extended type's square root, as fsqrt.

#include <cstdint>
#include <type_traits>

#include "numeric/soft_format.hpp"
#include "numeric/soft_special.hpp"
#include "numeric/soft_words.hpp"
#include "numeric/wide_word.hpp"

namespace msa {

namespace soft_extended_detail {

// floor(sqrt(n)) for 2^126 <= n < 2^128, with n - root^2. In a constant
// expression bit by bit (a double's square root is no constant expression
// for every compiler); at run time from a double's estimate.
constexpr std::uint64_t squareRootWide(WideWord n, WideWord& remainder) {
  std::uint64_t root = 0;
  if (std::is_constant_evaluated()) {
    for (int bit = 63; bit >= 0; --bit) {
      const std::uint64_t trial = root | (std::uint64_t{1} << bit);
      if (static_cast<WideWord>(trial) * trial <= n) root = trial;
    }
  } else {
    // A double's square root is within 2^12 of the root; one correction in
    // double brings it within one, and the exact remainder settles the rest.
    const double estimate = __builtin_sqrt(static_cast<double>(static_cast<std::int64_t>(n >> 65)) * 0x1p65);
    root = estimate >= 0x1p64 ? ~std::uint64_t{0} : static_cast<std::uint64_t>(estimate);
    auto error = static_cast<SignedWideWord>(n - static_cast<WideWord>(root) * root);  // |error| < 2^77
    const double step = static_cast<double>(static_cast<std::int64_t>(error >> 24)) * 0x1p23 / estimate;
    // Now within one of the root; one above the largest would have wrapped to 0.
    root += static_cast<std::uint64_t>(static_cast<std::int64_t>(step));
    root = root == 0 ? ~std::uint64_t{0} : root;
    error = static_cast<SignedWideWord>(n - static_cast<WideWord>(root) * root);
    if (error < 0) {
      --root;
    } else if (error > 2 * static_cast<SignedWideWord>(root)) {
      ++root;
    }
  }
  remainder = n - static_cast<WideWord>(root) * root;
  return root;
}

}  // namespace soft_extended_detail

// fsqrt: correctly rounded; sqrt(-0) = -0; of a negative number the indefinite.
constexpr SoftExtended sqrt(SoftExtended a) {
  using namespace soft_extended_detail;
  if (a.isNaN()) return propagateNaN(a, a);
  if (a.isZero()) return a;
  if (a.negative()) return SoftExtended::indefinite();
  if (a.isInf()) return a;
  const Unpacked u = unpack(a);
  const int exponent = u.field - kBias;  // of the top bit
  // sig * 2^(exponent - 63) = n * 2^(2k), n in [2^126, 2^128).
  const bool odd = (exponent & 1) != 0;
  const WideWord n = static_cast<WideWord>(u.sig) << (odd ? 64 : 63);
  const int half = (exponent - 63 - (odd ? 64 : 63)) / 2;
  WideWord remainder = 0;
  std::uint64_t root = squareRootWide(n, remainder);
  int field = 63 + half + kBias;
  // Never a tie: (root + 1/2)^2 is not an integer.
  if (remainder > root) {
    ++root;
    if (root == 0) {
      root = kIntegerBit;
      ++field;
    }
  }
  return SoftExtended::fromBits(false, static_cast<std::uint16_t>(field), root);
}

}  // namespace msa
