#pragma once

#include <bit>
#include <climits>
#include <cstdint>
#include <string>
#include <type_traits>

namespace msa {

namespace soft_extended_detail {
__extension__ typedef unsigned __int128 Wide;  // products, quotients, sums with their sticky bits
__extension__ typedef __int128 SignedWide;
}  // namespace soft_extended_detail

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

// The bits as text, "-0x3FFF:8000000000000000", for test messages.
std::string describe(SoftExtended x);

// ------------------------------------------------------------------------
// The operations, in the header so that they inline and fold as constants.

namespace soft_extended_detail {

inline constexpr int kBias = 16383;
inline constexpr int kMaxField = 0x7FFF;
inline constexpr std::uint64_t kIntegerBit = 0x8000000000000000u;
inline constexpr std::uint64_t kQuietBit = 0x4000000000000000u;

constexpr int leadingZeros(Wide x) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(x));
}

// x >> n with every bit shifted out or-ed into the lowest bit.
constexpr Wide shiftRightJam(Wide x, int n) {
  if (n <= 0) return x;
  if (n >= 128) return x != 0 ? 1 : 0;
  return (x >> n) | ((x << (128 - n)) != 0 ? 1 : 0);
}

// 1 when a significand `sig` with `below` * 2^-64 of a last place under it
// rounds up to nearest even: at least half, and more or sig odd. In bit
// operations, not branches: the bits below are random.
constexpr std::uint64_t roundsUp(std::uint64_t sig, std::uint64_t below) {
  return (below >> 63) & (static_cast<std::uint64_t>((below << 1) != 0) | (sig & 1));
}

// The value sig * 2^(field - kBias - 127), sig's bit 127 set, rounded to
// nearest even into the format: denormal when field < 1, infinite when too large.
constexpr SoftExtended roundPack(bool negative, int field, Wide sig) {
  if (field <= 0) {
    sig = shiftRightJam(sig, 1 - field);
    field = 0;
  }
  auto high = static_cast<std::uint64_t>(sig >> 64);
  const auto low = static_cast<std::uint64_t>(sig);
  if (roundsUp(high, low) != 0) {
    ++high;
    if (high == 0) {
      high = kIntegerBit;
      ++field;
    } else if (field == 0 && (high & kIntegerBit) != 0) {
      field = 1;  // a denormal rounded up to the smallest normal
    }
  }
  if (field >= kMaxField) return SoftExtended::fromBits(negative, kMaxField, kIntegerBit);
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(field), high);
}

// A finite non-zero operand as sign, field and a significand with its top bit
// set; a denormal's field goes below 1.
struct Unpacked {
  bool negative;
  int field;
  std::uint64_t sig;
};

constexpr Unpacked unpack(SoftExtended x) {
  int field = x.biasedExponent();
  std::uint64_t sig = x.significand();
  if (field == 0) {  // denormal (or pseudo-denormal): the scale of field 1
    const int shift = std::countl_zero(sig);
    sig <<= shift;
    field = 1 - shift;
  }
  return {x.negative(), field, sig};
}

// Finite, non-zero, normal: the operands of the fast paths.
constexpr bool isNormal(SoftExtended x) {
  return static_cast<unsigned>(x.biasedExponent() - 1) < 0x7FFEu && (x.significand() & kIntegerBit) != 0;
}

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

[[gnu::noinline]] constexpr SoftExtended addCore(Unpacked a, Unpacked b) {
  if (a.field < b.field || (a.field == b.field && a.sig < b.sig)) {
    const Unpacked t = a;
    a = b;
    b = t;
  }
  const int distance = a.field - b.field;
  const Wide big = static_cast<Wide>(a.sig) << 63;
  // Up to 63 apart the smaller operand keeps all its bits; further, its
  // lowest bit stands for all those shifted out.
  const Wide small = distance < 64 ? static_cast<Wide>(b.sig) << (63 - distance)
                                   : shiftRightJam(static_cast<Wide>(b.sig) << 63, distance);
  const int field = a.field + 1;
  if (a.negative == b.negative) {
    const Wide sum = big + small;
    if ((sum >> 127) != 0) return roundPack(a.negative, field, sum);
    return roundPack(a.negative, field - 1, sum << 1);
  }
  const Wide difference = big - small;
  if (difference == 0) return SoftExtended();  // x - x = +0 rounding to nearest
  const int shift = leadingZeros(difference);
  return roundPack(a.negative, field - shift, difference << shift);
}

// Two finite normal operands, given as sign and field in one word (sign at
// bit 15) and significand, in 64-bit words only (no 128-bit shifts, which
// cost calls where the target has no 64-bit shift pair): the larger
// magnitude's significand, the smaller's aligned to it as a whole part and
// the 64 bits below it, those beyond or-ed into the lowest. Exact up to 64
// apart; further, the smaller is below a quarter of the last place and the
// or-ed bit settles the rounding as the exact value would. Few values live
// at once, so that no register has to be saved on the common paths.
[[gnu::always_inline]] constexpr SoftExtended addNormals(unsigned signFieldA, std::uint64_t sigA, unsigned signFieldB,
                                                         std::uint64_t sigB) {
  const bool swap = ((static_cast<Wide>(signFieldA & 0x7FFFu) << 64) | sigA) <
                    ((static_cast<Wide>(signFieldB & 0x7FFFu) << 64) | sigB);
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
      if (field <= 0) [[unlikely]] return roundPack(negative, field, (static_cast<Wide>(sig) << 64) | below);
    }
  }
  sig += roundsUp(sig, below);
  if (sig == 0) [[unlikely]] {  // rounded up to the next power of two
    sig = kIntegerBit;
    ++field;
  }
  if (field >= kMaxField) [[unlikely]] return SoftExtended::fromBits(negative, kMaxField, kIntegerBit);
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(field), sig);
}

// The full product of two 64-bit words. Where the processor has no 64 x 64
// to 128-bit multiply (WebAssembly), in 32-bit halves rather than through the
// compiler's general 128-bit routine, which costs a call.
constexpr Wide multiplyWordsInHalves(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t aLow = a & 0xFFFFFFFFu, aHigh = a >> 32, bLow = b & 0xFFFFFFFFu, bHigh = b >> 32;
  const std::uint64_t low = aLow * bLow, middle1 = aHigh * bLow, middle2 = aLow * bHigh, high = aHigh * bHigh;
  // The two middle products and the low one's upper half, summed with their carries.
  const std::uint64_t middle = (low >> 32) + (middle1 & 0xFFFFFFFFu) + (middle2 & 0xFFFFFFFFu);
  const std::uint64_t top = high + (middle1 >> 32) + (middle2 >> 32) + (middle >> 32);
  return (static_cast<Wide>(top) << 64) | ((middle << 32) | (low & 0xFFFFFFFFu));
}

constexpr Wide multiplyWords(std::uint64_t a, std::uint64_t b) {
#if defined(__x86_64__) || defined(__aarch64__)
  return static_cast<Wide>(a) * b;
#else
  return multiplyWordsInHalves(a, b);
#endif
}

// The product of two significands with their top bits set, as two words
// with the top bit set: the product of two numbers in [1, 2) is in [1, 4),
// so it moves up one place or not. Returns that shift, 1 or 0.
constexpr std::uint64_t normalizedProduct(std::uint64_t sigA, std::uint64_t sigB, std::uint64_t& high,
                                          std::uint64_t& low) {
  const Wide product = multiplyWords(sigA, sigB);
  high = static_cast<std::uint64_t>(product >> 64);
  low = static_cast<std::uint64_t>(product);
  const std::uint64_t shift = ~high >> 63;
  high = (high << shift) | ((low >> 63) & shift);
  low <<= shift;
  return shift;
}

constexpr SoftExtended mulCore(Unpacked a, Unpacked b) {
  std::uint64_t high = 0, low = 0;
  const std::uint64_t shift = normalizedProduct(a.sig, b.sig, high, low);
  return roundPack(a.negative != b.negative, a.field + b.field - kBias + 1 - static_cast<int>(shift),
                   (static_cast<Wide>(high) << 64) | low);
}

// Two finite normal operands, fields summed: in 64-bit words, with the rare
// results outside the normal range (denormal, overflow) through mulCore.
[[gnu::always_inline]] constexpr SoftExtended multiplyNormals(bool negative, int fields, std::uint64_t sigA,
                                                              std::uint64_t sigB) {
  std::uint64_t high = 0, low = 0;
  const std::uint64_t shift = normalizedProduct(sigA, sigB, high, low);
  int field = fields - kBias + 1 - static_cast<int>(shift);
  high += roundsUp(high, low);
  if (high == 0) [[unlikely]] {  // rounded up to the next power of two
    high = kIntegerBit;
    ++field;
  }
  if (static_cast<unsigned>(field - 1) >= 0x7FFEu) [[unlikely]] {
    return mulCore({negative, fields - kBias, sigA}, {false, kBias, sigB});
  }
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(field), high);
}

// floor((high 2^64 + low) / divisor) and the remainder, for high < divisor and
// a divisor with its top bit set, in 64-bit divisions of 32-bit digits (Knuth's
// algorithm D for two digits, as in Warren's Hacker's Delight): the compiler's
// 128-bit division is a long routine on every target but x86-64.
constexpr std::uint64_t divideWordsInDigits(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                                            std::uint64_t& remainder) {
  constexpr std::uint64_t kDigit = std::uint64_t{1} << 32;
  const std::uint64_t divisorHigh = divisor >> 32, divisorLow = divisor & 0xFFFFFFFFu;
  const std::uint64_t lowHigh = low >> 32, lowLow = low & 0xFFFFFFFFu;
  // Each quotient digit estimated from the divisor's top digit, then
  // corrected: at most twice.
  std::uint64_t q1 = high / divisorHigh, rest = high - q1 * divisorHigh;
  while (q1 >= kDigit || q1 * divisorLow > kDigit * rest + lowHigh) {
    --q1;
    rest += divisorHigh;
    if (rest >= kDigit) break;
  }
  const std::uint64_t partial = high * kDigit + lowHigh - q1 * divisor;  // modulo 2^64: below the divisor
  std::uint64_t q0 = partial / divisorHigh;
  rest = partial - q0 * divisorHigh;
  while (q0 >= kDigit || q0 * divisorLow > kDigit * rest + lowLow) {
    --q0;
    rest += divisorHigh;
    if (rest >= kDigit) break;
  }
  remainder = partial * kDigit + lowLow - q0 * divisor;
  return q1 * kDigit + q0;
}

// floor(numerator / divisor) and the remainder, for a quotient below 2^64 and
// a divisor with its top bit set: x86-64's divq where there is one, else in
// 32-bit digits. Both exact, so the operation is the same on every target.
constexpr std::uint64_t divideWide(Wide numerator, std::uint64_t divisor, std::uint64_t& remainder) {
#if defined(__x86_64__)
  if (!std::is_constant_evaluated()) {
    std::uint64_t quotient, rest;
    asm("divq %4"
        : "=a"(quotient), "=d"(rest)
        : "a"(static_cast<std::uint64_t>(numerator)), "d"(static_cast<std::uint64_t>(numerator >> 64)), "rm"(divisor));
    remainder = rest;
    return quotient;
  }
#endif
  return divideWordsInDigits(static_cast<std::uint64_t>(numerator >> 64), static_cast<std::uint64_t>(numerator), divisor,
                             remainder);
}

constexpr SoftExtended divCore(Unpacked a, Unpacked b) {
  int field = a.field - b.field + kBias;
  Wide numerator;
  if (a.sig >= b.sig) {
    numerator = static_cast<Wide>(a.sig) << 63;
  } else {
    numerator = static_cast<Wide>(a.sig) << 64;
    --field;
  }
  std::uint64_t remainder = 0;
  const std::uint64_t quotient = divideWide(numerator, b.sig, remainder);
  // Below the quotient's last bit: the half bit exact, the rest as sticky.
  // (Selections, not branches: the remainder is as good as random.)
  const std::uint64_t rest = b.sig - remainder;
  const std::uint64_t inexact = remainder != 0;
  const std::uint64_t below =
      ((static_cast<std::uint64_t>(remainder >= rest) & inexact) << 63) | (static_cast<std::uint64_t>(remainder != rest) & inexact);
  // The quotient has its top bit set: in the normal range it rounds in one word.
  if (static_cast<unsigned>(field - 1) < 0x7FFEu) [[likely]] {
    std::uint64_t sig = quotient + roundsUp(quotient, below);
    if (sig == 0) {  // rounded up to the next power of two
      sig = kIntegerBit;
      if (++field == kMaxField) return SoftExtended::fromBits(a.negative != b.negative, kMaxField, kIntegerBit);
    }
    return SoftExtended::fromBits(a.negative != b.negative, static_cast<std::uint16_t>(field), sig);
  }
  return roundPack(a.negative != b.negative, field, (static_cast<Wide>(quotient) << 64) | below);
}

// floor(sqrt(n)) for 2^126 <= n < 2^128, with n - root^2.
constexpr std::uint64_t squareRootWide(Wide n, Wide& remainder) {
  std::uint64_t root = 0;
  if (std::is_constant_evaluated()) {
    for (int bit = 63; bit >= 0; --bit) {
      const std::uint64_t trial = root | (std::uint64_t{1} << bit);
      if (static_cast<Wide>(trial) * trial <= n) root = trial;
    }
  } else {
    // A double's square root is within 2^12 of the root; one correction in
    // double brings it within one, and the exact remainder settles the rest.
    const double estimate = __builtin_sqrt(static_cast<double>(static_cast<std::int64_t>(n >> 65)) * 0x1p65);
    root = estimate >= 0x1p64 ? ~std::uint64_t{0} : static_cast<std::uint64_t>(estimate);
    auto error = static_cast<SignedWide>(n - static_cast<Wide>(root) * root);  // |error| < 2^77
    const double step = static_cast<double>(static_cast<std::int64_t>(error >> 24)) * 0x1p23 / estimate;
    // Now within one of the root; one above the largest would have wrapped to 0.
    root += static_cast<std::uint64_t>(static_cast<std::int64_t>(step));
    root = root == 0 ? ~std::uint64_t{0} : root;
    error = static_cast<SignedWide>(n - static_cast<Wide>(root) * root);
    if (error < 0) {
      --root;
    } else if (error > 2 * static_cast<SignedWide>(root)) {
      ++root;
    }
  }
  remainder = n - static_cast<Wide>(root) * root;
  return root;
}

}  // namespace soft_extended_detail

constexpr bool SoftExtended::isNaN() const {
  return soft_extended_detail::isRefused(*this) || (biasedExponent() == 0x7FFF && (significand_ << 1) != 0);
}

constexpr SoftExtended SoftExtended::scaled(bool negative, std::uint64_t significand, int exponent) {
  using namespace soft_extended_detail;
  if (significand == 0) return fromBits(negative, 0, 0);
  const int shift = std::countl_zero(significand);
  // Keep the exponent in range of int arithmetic below; far outside, the
  // result is zero or infinity all the same.
  if (exponent > 100000) exponent = 100000;
  if (exponent < -100000) exponent = -100000;
  return roundPack(negative, exponent + kBias + 63 - shift, static_cast<Wide>(significand << shift) << 64);
}

namespace soft_extended_detail {
// An integer, exactly: 64 bits always fit.
constexpr SoftExtended fromInteger(bool negative, std::uint64_t magnitude) {
  if (magnitude == 0) return SoftExtended();
  const int shift = std::countl_zero(magnitude);
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(kBias + 63 - shift), magnitude << shift);
}
}  // namespace soft_extended_detail

constexpr SoftExtended::SoftExtended(long long value)
    : SoftExtended(soft_extended_detail::fromInteger(
          value < 0, value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value))) {}

constexpr SoftExtended::SoftExtended(unsigned long long value)
    : SoftExtended(soft_extended_detail::fromInteger(false, value)) {}

namespace soft_extended_detail {
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
}  // namespace soft_extended_detail

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

namespace soft_extended_detail {

// Rounded to a binary format of `precision` bits (hidden bit included) and
// smallest normal exponent minExponent, as the bits of that format.
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

namespace soft_extended_detail {
// Zeros, denormals, infinities, not-a-numbers: out of line, so that the
// common case of two normal numbers costs no more than it needs.
[[gnu::noinline]] constexpr SoftExtended addOther(SoftExtended a, SoftExtended b, bool subtract) {
  if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
  const bool negativeB = b.negative() != subtract;
  if (a.isInf()) {
    if (b.isInf() && a.negative() != negativeB) return SoftExtended::indefinite();
    return a;
  }
  if (b.isInf()) return SoftExtended::fromBits(negativeB, kMaxField, kIntegerBit);
  if (b.isZero()) {
    if (a.isZero()) return SoftExtended::fromBits(a.negative() && negativeB, 0, 0);
    return a;
  }
  if (a.isZero()) return SoftExtended::fromBits(negativeB, b.biasedExponent(), b.significand());
  Unpacked ub = unpack(b);
  ub.negative = negativeB;
  return addCore(unpack(a), ub);
}
}  // namespace soft_extended_detail

constexpr SoftExtended SoftExtended::add(SoftExtended a, SoftExtended b, bool subtract) {
  using namespace soft_extended_detail;
  if (isNormal(a) && isNormal(b)) [[likely]] {
    return addNormals(a.signExponent_, a.significand_, b.signExponent_ ^ (subtract ? 0x8000u : 0u), b.significand_);
  }
  return addOther(a, b, subtract);
}

namespace soft_extended_detail {
// As addOther, for * and /.
[[gnu::noinline]] constexpr SoftExtended multiplyOther(SoftExtended a, SoftExtended b) {
  if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
  const bool negative = a.negative() != b.negative();
  if (a.isInf() || b.isInf()) {
    if (a.isZero() || b.isZero()) return SoftExtended::indefinite();
    return SoftExtended::fromBits(negative, kMaxField, kIntegerBit);
  }
  if (a.isZero() || b.isZero()) return SoftExtended::fromBits(negative, 0, 0);
  return mulCore(unpack(a), unpack(b));
}

[[gnu::noinline]] constexpr SoftExtended divideOther(SoftExtended a, SoftExtended b) {
  if (a.isNaN() || b.isNaN()) return propagateNaN(a, b);
  const bool negative = a.negative() != b.negative();
  if (a.isInf()) {
    if (b.isInf()) return SoftExtended::indefinite();
    return SoftExtended::fromBits(negative, kMaxField, kIntegerBit);
  }
  if (b.isInf()) return SoftExtended::fromBits(negative, 0, 0);
  if (b.isZero()) {
    if (a.isZero()) return SoftExtended::indefinite();
    return SoftExtended::fromBits(negative, kMaxField, kIntegerBit);
  }
  if (a.isZero()) return SoftExtended::fromBits(negative, 0, 0);
  return divCore(unpack(a), unpack(b));
}
}  // namespace soft_extended_detail

constexpr SoftExtended operator*(SoftExtended a, SoftExtended b) {
  using namespace soft_extended_detail;
  if (isNormal(a) && isNormal(b)) [[likely]] {
    return multiplyNormals(a.negative() != b.negative(), a.biasedExponent() + b.biasedExponent(), a.significand(),
                           b.significand());
  }
  return multiplyOther(a, b);
}

constexpr SoftExtended operator/(SoftExtended a, SoftExtended b) {
  using namespace soft_extended_detail;
  if (isNormal(a) && isNormal(b)) [[likely]] {
    // By a power of two (the model halves often): exact where the result stays normal.
    const int field = a.biasedExponent() - b.biasedExponent() + kBias;
    if (b.significand() == kIntegerBit && static_cast<unsigned>(field - 1) < 0x7FFEu) {
      return SoftExtended::fromBits(a.negative() != b.negative(), static_cast<std::uint16_t>(field), a.significand());
    }
    return divCore({a.negative(), a.biasedExponent(), a.significand()}, {b.negative(), b.biasedExponent(), b.significand()});
  }
  return divideOther(a, b);
}

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
  const Wide n = static_cast<Wide>(u.sig) << (odd ? 64 : 63);
  const int half = (exponent - 63 - (odd ? 64 : 63)) / 2;
  Wide remainder = 0;
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

// a b - p exactly, p being a * b rounded: what Dekker's and Veltkamp's
// splitting gives in eight products and eleven sums, here from the whole
// product of the significands. For normal operands within 8,000 binary
// places of 1, where that error is a normal number; false otherwise, and the
// caller computes it the long way.
constexpr bool exactProductError(SoftExtended a, SoftExtended b, SoftExtended p, SoftExtended& error) {
  using namespace soft_extended_detail;
  constexpr unsigned kReach = 8000;
  const auto inReach = [](SoftExtended x) {
    return isNormal(x) && static_cast<unsigned>(x.biasedExponent() - (kBias - kReach)) <= 2 * kReach;
  };
  if (!inReach(a) || !inReach(b) || !inReach(p)) return false;
  // a b = P 2^e exactly, e the weight of P's lowest bit.
  const Wide product = soft_extended_detail::multiplyWords(a.significand(), b.significand());
  const int e = a.biasedExponent() + b.biasedExponent() - 2 * kBias - 126;
  // p in units of 2^e: 63, 64 or 65 places up when p is the rounded product.
  const int up = p.biasedExponent() - kBias - 63 - e;
  if (up < 63 || up > 65) return false;
  // Modulo 2^128, the difference is exact: it is below 2^64 in size.
  const auto difference = static_cast<SignedWide>(product - (static_cast<Wide>(p.significand()) << up));
  const bool below = difference < 0;
  const Wide size = below ? 0 - static_cast<Wide>(difference) : static_cast<Wide>(difference);
  if ((size >> 64) != 0) return false;
  error = size == 0 ? SoftExtended()
                    : SoftExtended::scaled((a.negative() != b.negative()) != below, static_cast<std::uint64_t>(size), e);
  return true;
}

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
