#pragma once

#include <cstdint>
#include <optional>

namespace msa {

// A float's decimal digits as printf gives them: from the exact binary
// value, rounded to nearest with ties to even, in whole numbers of 128 bits.
// (The browser build's C library does it in 128-bit floating point done in
// software: the 52,000 numbers of a run's CSV took 75 ms there, 12 ms so.)

// |value| = digits * 10^(exponent - count + 1), digits with exactly `count`
// figures (1 to 18), as "%.*e" with count - 1 decimals rounds it; nothing
// for zero, infinities, not-a-number or magnitudes too small for the
// arithmetic (below about 1e-35 with 9 figures).
struct SignificantDigits {
  std::uint64_t digits;
  int exponent;
};
std::optional<SignificantDigits> significantDigits(float value, int count);

}  // namespace msa
