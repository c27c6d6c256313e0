#pragma once

// The software extended type's conversions: from float, double and the
// integers, exactly, as fld and fild load them; to float and double rounded
// to nearest even, as fst stores; to the integers truncated, as fisttp.

#include <bit>
#include <climits>
#include <cstdint>

#include "numeric/soft_format.hpp"
#include "numeric/soft_special.hpp"
#include "numeric/soft_words.hpp"

namespace msa {

namespace soft_extended_detail {

// An integer, exactly: 64 bits always fit.
constexpr SoftExtended fromInteger(bool negative, std::uint64_t magnitude) {
  if (magnitude == 0) return SoftExtended();
  const int shift = std::countl_zero(magnitude);
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(kBias + 63 - shift), magnitude << shift);
}

// A double or float (precision bits with the hidden one) that is zero,
// denormal, infinite or NaN: out of line, the constructors inline the normal
// numbers only.
template <int precision>
[[gnu::noinline]] constexpr SoftExtended fromBinaryOther(bool negative, bool maxField, std::uint64_t fraction) {
  constexpr int shift = 64 - precision;
  if (maxField) {
    // fld: an infinity stays one, a NaN keeps its payload's top bits, quieted.
    return SoftExtended::fromBits(negative, kMaxField,
                                  kIntegerBit | (fraction << shift) | (fraction != 0 ? kQuietBit : 0));
  }
  return SoftExtended::scaled(negative, fraction, precision == 53 ? -1074 : -149);
}

// Rounded to a binary format of `precision` bits (hidden bit included) and
// smallest normal exponent minExponent, as the bits of that format. Two
// paths: every stored quantity is rounded to float, and the normal numbers
// that stay normal, rounded without a branch, keep the default simulation at
// 53.5 ms where the general path alone takes 64 ms (software type, lowest of
// six runs each; a product rounded to float alone shows no difference).
template <int precision, int minExponent, int fieldBits>
constexpr std::uint64_t toBinary(SoftExtended x) {
  constexpr int fractionBits = precision - 1;
  constexpr std::uint64_t maxField = (std::uint64_t{1} << fieldBits) - 1;
  const std::uint64_t sign = static_cast<std::uint64_t>(x.negative()) << (fractionBits + fieldBits);
  const int field = x.biasedExponent();
  const std::uint64_t sig = x.significand();
  constexpr int maxExponent = static_cast<int>(maxField) - 1 - (1 - minExponent);
  // A normal number of the narrower format, rounded to nearest even without
  // a branch (the bits dropped are as good as random).
  if (isNormal(x) && static_cast<unsigned>(field - kBias - minExponent) <= static_cast<unsigned>(maxExponent - minExponent))
      [[likely]] {
    constexpr int drop = 64 - precision;
    constexpr std::uint64_t half = std::uint64_t{1} << (drop - 1);
    std::uint64_t kept = sig >> drop;
    const std::uint64_t rest = sig & ((half << 1) - 1);
    kept += static_cast<std::uint64_t>(rest > half) | (static_cast<std::uint64_t>(rest == half) & kept & 1);
    return sign | ((static_cast<std::uint64_t>(field - kBias - minExponent) << fractionBits) + kept);
  }
  if (isRefused(x)) {  // stored as the indefinite
    return sign | (std::uint64_t{1} << (fractionBits + fieldBits)) | (maxField << fractionBits) |
           (std::uint64_t{1} << (fractionBits - 1));
  }
  if (field == kMaxField) {
    const std::uint64_t payload = (sig << 1) >> (64 - fractionBits);
    const std::uint64_t quiet = (sig << 1) != 0 ? std::uint64_t{1} << (fractionBits - 1) : 0;
    return sign | (maxField << fractionBits) | payload | quiet;
  }
  if (sig == 0 || field == 0) return sign;  // extended denormals are far below any denormal here
  const int exponent = field - kBias;  // of the top bit
  if (exponent > maxExponent) return sign | (maxField << fractionBits);
  // Bits of sig to drop: those below the precision, more below the normal range.
  int drop = 64 - precision;
  if (exponent < minExponent) drop += minExponent - exponent;
  if (drop > 64) return sign;
  std::uint64_t kept = drop == 64 ? 0 : sig >> drop;
  const std::uint64_t half = std::uint64_t{1} << (drop - 1);
  const std::uint64_t rest = drop == 64 ? sig : sig & ((half << 1) - 1);
  if (rest > half || (rest == half && (kept & 1) != 0)) ++kept;
  // kept carries into the exponent field by itself: a denormal rounding up
  // becomes the smallest normal, the largest finite rounding up infinity.
  const std::uint64_t biased = exponent < minExponent ? 0 : static_cast<std::uint64_t>(exponent - minExponent);
  return sign | ((biased << fractionBits) + kept);
}

}  // namespace soft_extended_detail

constexpr SoftExtended::SoftExtended(long long value)
    : SoftExtended(soft_extended_detail::fromInteger(
          value < 0, value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value))) {}

constexpr SoftExtended::SoftExtended(unsigned long long value)
    : SoftExtended(soft_extended_detail::fromInteger(false, value)) {}

constexpr SoftExtended::SoftExtended(double value) {
  using namespace soft_extended_detail;
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const int field = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & 0xFFFFFFFFFFFFFu;
  if (static_cast<unsigned>(field - 1) < 0x7FEu) [[likely]] {
    *this = fromBits(negative, static_cast<std::uint16_t>(field - 1023 + kBias), kIntegerBit | (fraction << 11));
  } else {
    *this = fromBinaryOther<53>(negative, field != 0, fraction);
  }
}

constexpr SoftExtended::SoftExtended(float value) {
  using namespace soft_extended_detail;
  const auto bits = std::bit_cast<std::uint32_t>(value);
  const bool negative = (bits >> 31) != 0;
  const int field = static_cast<int>((bits >> 23) & 0xFF);
  const std::uint64_t fraction = bits & 0x7FFFFFu;
  if (static_cast<unsigned>(field - 1) < 0xFEu) [[likely]] {
    *this = fromBits(negative, static_cast<std::uint16_t>(field - 127 + kBias), kIntegerBit | (fraction << 40));
  } else {
    *this = fromBinaryOther<24>(negative, field != 0, fraction);
  }
}

constexpr SoftExtended::operator double() const {
  return std::bit_cast<double>(soft_extended_detail::toBinary<53, -1022, 11>(*this));
}

constexpr SoftExtended::operator float() const {
  return std::bit_cast<float>(static_cast<std::uint32_t>(soft_extended_detail::toBinary<24, -126, 8>(*this)));
}

constexpr long long SoftExtended::toSigned(int bits) const {
  const long long lowest = bits == 64 ? LLONG_MIN : -(1LL << (bits - 1));
  if (biasedExponent() == 0x7FFF || soft_extended_detail::isRefused(*this)) return lowest;
  const int exponent = biasedExponent() - soft_extended_detail::kBias;
  if (exponent < 0) return 0;
  if (exponent >= bits - 1) {
    return lowest;  // out of range, or exactly the lowest value
  }
  const std::uint64_t magnitude = significand_ >> (63 - exponent);
  return negative() ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
}

constexpr unsigned long long SoftExtended::toUnsigned(int bits) const {
  if (biasedExponent() == 0x7FFF || soft_extended_detail::isRefused(*this)) return 0;
  const int exponent = biasedExponent() - soft_extended_detail::kBias;
  if (exponent < 0) return 0;
  if (exponent >= bits || negative()) return 0;
  return significand_ >> (63 - exponent);
}

}  // namespace msa
