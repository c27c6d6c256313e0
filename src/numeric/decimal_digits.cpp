#include "numeric/decimal_digits.hpp"

#include <bit>
#include <cmath>

#include "numeric/wide_word.hpp"

namespace msa {

namespace {

// 5^n, exactly, for n <= 54 (below 2^126).
WideWord powerOfFive(int n) {
  WideWord p = 1;
  for (int i = 0; i < n; ++i) p *= 5;
  return p;
}

std::uint64_t powerOfTen(int n) {
  std::uint64_t p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

// floor(|value| * 10^k) and whether rounding to nearest even goes one up.
struct Scaled {
  WideWord whole;
  bool up;
};

// quotient and remainder of numerator / denominator, rounded to nearest even.
Scaled divided(WideWord numerator, WideWord denominator) {
  const WideWord whole = numerator / denominator, rest = numerator % denominator;
  const WideWord twice = rest * 2;  // rest < denominator < 2^126: no overflow
  return {whole, twice > denominator || (twice == denominator && (whole & 1) != 0)};
}

// |value| = m 2^e, m below 2^24, for a finite value.
struct Binary {
  WideWord m;
  int e;
};

Binary binaryOf(float value) {
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const int field = static_cast<int>((bits >> 23) & 0xFF);
  if (field == 0) return {bits & 0x7FFFFFu, -149};
  return {(bits & 0x7FFFFFu) | 0x800000u, field - 150};
}

std::optional<Scaled> scaled(Binary value, int k) {
  constexpr int kMaxPower = 54;
  if (k > kMaxPower || k < -kMaxPower) return std::nullopt;
  const auto [m, e] = value;
  if (k >= 0) {
    // m 5^k 2^(e + k); m 5^k below 2^24 2^126: kept to 2^127 by the bounds below.
    const WideWord five = powerOfFive(k);
    if ((five >> 102) != 0) return std::nullopt;
    const WideWord a = m * five;
    const int shift = e + k;
    if (shift >= 0) {
      if (shift > 63 || (a >> (127 - shift)) != 0) return std::nullopt;
      return Scaled{a << shift, false};
    }
    if (-shift > 126) return std::nullopt;
    return divided(a, WideWord{1} << -shift);
  }
  // m 2^(e - t) / 5^t, t = -k.
  const int t = -k;
  const WideWord five = powerOfFive(t);
  const int shift = e - t;
  if (shift >= 0) {
    if (shift > 103) return std::nullopt;
    return divided(m << shift, five);
  }
  if (-shift > 125 || (five >> (125 + shift)) != 0) return std::nullopt;
  return divided(m, five << -shift);
}

}  // namespace

std::optional<SignificantDigits> significantDigits(float value, int count) {
  if (!std::isfinite(value) || value == 0 || count < 1 || count > 18) return std::nullopt;
  const std::uint64_t low = powerOfTen(count - 1), high = low * 10;
  // The exponent of the first figure: from the binary one (log10 2 = 78913 / 2^18
  // to 6 figures, exact enough for float's range), then corrected exactly.
  const Binary binary = binaryOf(value);
  const int leading = binary.e + std::bit_width(static_cast<std::uint32_t>(binary.m)) - 1;  // of the first binary figure
  int exponent = (leading * 78913) >> 18;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::optional<Scaled> s = scaled(binary, count - 1 - exponent);
    if (!s) return std::nullopt;
    if (s->whole < low) {
      --exponent;
    } else if (s->whole >= high) {
      ++exponent;
    } else {
      std::uint64_t digits = static_cast<std::uint64_t>(s->whole) + (s->up ? 1 : 0);
      if (digits == high) {  // 9.99... rounded up to 10.0...
        digits = low;
        ++exponent;
      }
      return SignificantDigits{digits, exponent};
    }
  }
  return std::nullopt;
}

}  // namespace msa
