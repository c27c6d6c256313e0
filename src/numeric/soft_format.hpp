#pragma once

// The software extended type's format: its fields, its constructors and
// operators as declared. Each group of operations is defined in a header of
// its own (soft_words, soft_special, soft_convert, soft_add, soft_multiply,
// soft_divide, soft_sqrt, soft_compare); numeric/soft_extended.hpp brings
// them all, and is what the rest of the program includes.

#include <climits>
#include <cstdint>
#include <type_traits>

namespace msa {

// The x87 80-bit double-extended format computed in software, bit for bit as
// the x87 unit computes it in round-to-nearest-even with 64-bit precision:
// sign, 15-bit biased exponent, 64-bit significand with an explicit integer
// bit; denormals, signed zeros, infinities; not-a-numbers made and carried as
// x87 does (an invalid operation gives the negative quiet "real indefinite",
// a NaN operand comes back quieted, of two NaNs the one of larger
// significand). Where long double is not the x87 format (ARM64, WebAssembly)
// this keeps every digit the same as on x86-64.
//
// Encodings the x87 unit refuses as operands (unnormals, pseudo-infinities,
// pseudo-NaNs) never come out of an operation; given through fromBits they
// count as not-a-number and an operation on them gives the real indefinite.
class SoftExtended {
 public:
  constexpr SoftExtended() = default;
  // Exact, as fld / fild load them.
  constexpr SoftExtended(float value);
  constexpr SoftExtended(double value);
  constexpr SoftExtended(int value) : SoftExtended(static_cast<long long>(value)) {}
  constexpr SoftExtended(long value) : SoftExtended(static_cast<long long>(value)) {}
  constexpr SoftExtended(long long value);
  constexpr SoftExtended(unsigned value) : SoftExtended(static_cast<unsigned long long>(value)) {}
  constexpr SoftExtended(unsigned long value) : SoftExtended(static_cast<unsigned long long>(value)) {}
  constexpr SoftExtended(unsigned long long value);

  // The raw bits, for tests and for constants.
  static constexpr SoftExtended fromBits(bool negative, std::uint16_t biasedExponent, std::uint64_t significand) {
    SoftExtended x;
    x.significand_ = significand;
    x.signExponent_ = static_cast<std::uint16_t>((negative ? 0x8000u : 0u) | (biasedExponent & 0x7FFFu));
    return x;
  }
  constexpr bool negative() const { return (signExponent_ >> 15) != 0; }
  constexpr std::uint16_t biasedExponent() const { return signExponent_ & 0x7FFFu; }
  constexpr std::uint64_t significand() const { return significand_; }

  // significand * 2^exponent, rounded once to nearest even (exact when it fits).
  static constexpr SoftExtended scaled(bool negative, std::uint64_t significand, int exponent);
  // The negative quiet NaN an invalid operation gives.
  static constexpr SoftExtended indefinite() { return fromBits(true, 0x7FFF, 0xC000000000000000u); }

  // Rounded to nearest even, as fst stores: subnormals, overflow to infinity,
  // a NaN keeps its sign and the top bits of its payload, quieted.
  explicit constexpr operator float() const;
  explicit constexpr operator double() const;
  // Truncated toward zero, as fisttp. Callers convert only values in range;
  // outside it the result is the type's lowest value (x87's "integer
  // indefinite") rather than undefined.
  explicit constexpr operator int() const { return static_cast<int>(toSigned(32)); }
  explicit constexpr operator long() const { return static_cast<long>(toSigned(sizeof(long) * CHAR_BIT)); }
  explicit constexpr operator long long() const { return toSigned(64); }
  explicit constexpr operator unsigned() const { return static_cast<unsigned>(toUnsigned(32)); }
  explicit constexpr operator unsigned long() const {
    return static_cast<unsigned long>(toUnsigned(sizeof(unsigned long) * CHAR_BIT));
  }
  explicit constexpr operator unsigned long long() const { return toUnsigned(64); }

  constexpr SoftExtended operator+() const { return *this; }
  // fchs: the sign flips, a NaN's too.
  constexpr SoftExtended operator-() const { return fromBits(!negative(), biasedExponent(), significand_); }

  friend constexpr SoftExtended operator+(SoftExtended a, SoftExtended b) { return add(a, b, false); }
  friend constexpr SoftExtended operator-(SoftExtended a, SoftExtended b) { return add(a, b, true); }
  friend constexpr SoftExtended operator*(SoftExtended a, SoftExtended b);
  friend constexpr SoftExtended operator/(SoftExtended a, SoftExtended b);
  friend constexpr SoftExtended sqrt(SoftExtended a);

  constexpr SoftExtended& operator+=(SoftExtended b) { return *this = *this + b; }
  constexpr SoftExtended& operator-=(SoftExtended b) { return *this = *this - b; }
  constexpr SoftExtended& operator*=(SoftExtended b) { return *this = *this * b; }
  constexpr SoftExtended& operator/=(SoftExtended b) { return *this = *this / b; }

  // IEEE comparisons: a NaN is unordered with everything, -0 == +0.
  // (!= is the negation of ==, as for long double.)
  friend constexpr bool operator==(SoftExtended a, SoftExtended b);
  friend constexpr bool operator<(SoftExtended a, SoftExtended b);
  friend constexpr bool operator<=(SoftExtended a, SoftExtended b) { return b >= a; }
  friend constexpr bool operator>(SoftExtended a, SoftExtended b) { return b < a; }
  friend constexpr bool operator>=(SoftExtended a, SoftExtended b);

  constexpr bool isNaN() const;  // any not-a-number, and the refused encodings
  constexpr bool isInf() const { return biasedExponent() == 0x7FFF && significand_ == 0x8000000000000000u; }
  constexpr bool isZero() const { return biasedExponent() == 0 && significand_ == 0; }

 private:
  static constexpr SoftExtended add(SoftExtended a, SoftExtended b, bool subtract);
  constexpr long long toSigned(int bits) const;
  constexpr unsigned long long toUnsigned(int bits) const;

  std::uint64_t significand_ = 0;
  std::uint16_t signExponent_ = 0;
};

// Any arithmetic operand but long double (not this format everywhere) and
// bool: widened exactly, then the x87 operation, as for long double.
template <class T>
concept SoftExtendedOperand =
    std::is_arithmetic_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, long double>;

template <SoftExtendedOperand T>
constexpr SoftExtended widenToSoftExtended(T value) {
  if constexpr (std::is_same_v<T, float> || std::is_same_v<T, double>) {
    return SoftExtended(value);
  } else if constexpr (std::is_signed_v<T>) {
    return SoftExtended(static_cast<long long>(value));
  } else {
    return SoftExtended(static_cast<unsigned long long>(value));
  }
}

#define MSA_SOFT_EXTENDED_MIXED(op, result)                                   \
  template <SoftExtendedOperand T>                                            \
  constexpr result operator op(SoftExtended a, T b) {                         \
    return a op widenToSoftExtended(b);                                       \
  }                                                                           \
  template <SoftExtendedOperand T>                                            \
  constexpr result operator op(T a, SoftExtended b) {                         \
    return widenToSoftExtended(a) op b;                                       \
  }
MSA_SOFT_EXTENDED_MIXED(+, SoftExtended)
MSA_SOFT_EXTENDED_MIXED(-, SoftExtended)
MSA_SOFT_EXTENDED_MIXED(*, SoftExtended)
MSA_SOFT_EXTENDED_MIXED(/, SoftExtended)
MSA_SOFT_EXTENDED_MIXED(==, bool)
MSA_SOFT_EXTENDED_MIXED(<, bool)
MSA_SOFT_EXTENDED_MIXED(<=, bool)
MSA_SOFT_EXTENDED_MIXED(>, bool)
MSA_SOFT_EXTENDED_MIXED(>=, bool)
#undef MSA_SOFT_EXTENDED_MIXED

}  // namespace msa
