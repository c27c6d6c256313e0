#pragma once

#include <cstdint>
#include <optional>

namespace msa {

// A float's decimal digits as printf gives them: from the exact binary
// value, rounded to nearest with ties to even, in whole numbers of 128 bits.
// (The browser build's C library does this in 128-bit software floating
// point, some thousand times slower: the CSV of one run is 52,000 numbers.)

// |value| = digits * 10^(exponent - count + 1), digits with exactly `count`
// figures (1 to 18), as "%.*e" with count - 1 decimals rounds it; nothing
// for zero, infinities, not-a-number or magnitudes beyond the arithmetic
// (below about 1e-20 or above 1e30).
struct SignificantDigits {
  std::uint64_t digits;
  int exponent;
};
std::optional<SignificantDigits> significantDigits(float value, int count);

}  // namespace msa
