#pragma once

// Operands that put the software extended type where it is hardest to get
// right, the same on every target (our own generator), and each operation
// evaluated in it and, on x86-64, in the x87 unit. Shared by the unit test
// and msa-extended-accuracy.

#include <cstdint>
#include <cstring>

#include "numeric/extended.hpp"

#if defined(__x86_64__) && !defined(__clang__) && __SIZEOF_LONG_DOUBLE__ == 16
#define MSA_HAVE_X87 1
#endif

namespace msa::extended_cases {

enum class Operation {
  Add, Subtract, Multiply, Divide, Sqrt,
  ToFloat, ToDouble, ToInt32, ToInt64, ToUint64,
  FromFloat, FromDouble, FromInt64, FromUint64,
  Compare, Negate, Scale, Count
};
inline constexpr int kOperations = static_cast<int>(Operation::Count);

inline const char* name(Operation op) {
  static const char* const names[] = {
      "a + b", "a - b", "a * b", "a / b", "sqrt(a)",
      "float(a)", "double(a)", "int(a)", "long long(a)", "unsigned long long(a)",
      "from float", "from double", "from long long", "from unsigned long long",
      "== != < <= > >=", "-a, magnitude(a)", "a * 2^n"};
  return names[static_cast<int>(op)];
}

// splitmix64: small, fast, the same sequence everywhere.
struct Random {
  std::uint64_t state;
  std::uint64_t next() {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
  int between(int low, int high) { return low + below(high - low + 1); }
  bool chance(int percent) { return below(100) < percent; }
};

struct Case {
  SoftExtended a, b;
  std::uint64_t raw = 0;  // the loaded value's bits, for the conversions from other types
  int n = 0;              // the power of two of Scale
};

// A result as bits: an extended value's 80, a float's, a double's, an
// integer's, or one bit per comparison.
struct Result {
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  bool operator==(const Result&) const = default;
};

inline constexpr int kBias = 16383;

// A significand with its top bit set: random, or a random head followed by a
// tie pattern (1 then zeros) or by zeros, so that sums, products and
// narrowing conversions round at exact halves.
inline std::uint64_t significand(Random& r) {
  std::uint64_t sig = r.next() | 0x8000000000000000u;
  switch (r.below(6)) {
    case 0: {  // a short significand: products and quotients that tie or are exact
      const int kept = r.between(1, 40);
      sig &= ~std::uint64_t{0} << (64 - kept);
      break;
    }
    case 1: {  // a tie at a random position
      const int position = r.between(0, 62);
      sig = (sig & (~std::uint64_t{0} << (position + 1))) | (std::uint64_t{1} << position) | 0x8000000000000000u;
      break;
    }
    case 2:  // runs of ones: carries through the whole significand
      sig |= ~std::uint64_t{0} >> r.between(1, 63);
      break;
    default:
      break;
  }
  return sig;
}

// (Each draw a statement of its own: the order in which a call's arguments
// are evaluated differs between compilers and targets.)
inline SoftExtended normalWith(Random& r, int field) {
  const bool negative = r.chance(50);
  return SoftExtended::fromBits(negative, static_cast<std::uint16_t>(field), significand(r));
}

// Zeros, infinities and not-a-numbers of every kind x87 knows.
inline SoftExtended special(Random& r) {
  const bool negative = r.chance(50);
  switch (r.below(8)) {
    case 0: return SoftExtended::fromBits(negative, 0, 0);
    case 1: return SoftExtended::fromBits(negative, 0x7FFF, 0x8000000000000000u);
    case 2: return SoftExtended::indefinite();
    case 3: return SoftExtended::fromBits(negative, 0x7FFF, 0xC000000000000000u);
    case 4: {  // signalling, random payload
      std::uint64_t payload = r.next() & 0x3FFFFFFFFFFFFFFFu;
      if (payload == 0) payload = 1;
      return SoftExtended::fromBits(negative, 0x7FFF, 0x8000000000000000u | payload);
    }
    case 5:  // signalling with a small payload (equal significands likely)
      return SoftExtended::fromBits(negative, 0x7FFF, 0x8000000000000000u | static_cast<std::uint64_t>(r.between(1, 3)));
    case 6:  // quiet with a small payload
      return SoftExtended::fromBits(negative, 0x7FFF, 0xC000000000000000u | static_cast<std::uint64_t>(r.below(3)));
    default:  // quiet, random payload
      return SoftExtended::fromBits(negative, 0x7FFF, 0xC000000000000000u | (r.next() >> 2));
  }
}

inline SoftExtended denormal(Random& r) {
  std::uint64_t sig = r.next() >> r.between(1, 63);
  if (sig == 0) sig = 1;
  return SoftExtended::fromBits(r.chance(50), 0, sig);
}

// Any operand: mostly ordinary numbers near 1, some of any size, at the ends
// of the range, denormal, or special.
inline SoftExtended operand(Random& r) {
  const int kind = r.below(100);
  if (kind < 45) return normalWith(r, kBias + r.between(-40, 40));
  if (kind < 65) return normalWith(r, r.between(1, 0x7FFE));
  if (kind < 78) return normalWith(r, r.chance(50) ? r.between(1, 70) : r.between(0x7FFE - 70, 0x7FFE));
  if (kind < 92) return denormal(r);
  return special(r);
}

inline int clampField(int field) { return field < 1 ? 1 : field > 0x7FFE ? 0x7FFE : field; }

inline Case makeCase(Operation op, Random& r) {
  Case c;
  switch (op) {
    case Operation::Add:
    case Operation::Subtract:
      c.a = operand(r);
      if (r.chance(80) && c.a.biasedExponent() != 0x7FFF) {
        // Exponents 0 to 70 apart, either one the larger.
        const int field = c.a.biasedExponent() == 0 ? 1 : c.a.biasedExponent();
        int other = field - r.between(0, 70);
        if (other < 1) other = r.chance(50) ? 0 : 1;
        c.b = other == 0 ? denormal(r) : normalWith(r, other);
        if (r.chance(50)) std::swap(c.a, c.b);
      } else {
        c.b = operand(r);
      }
      break;
    case Operation::Multiply:
    case Operation::Divide: {
      c.a = operand(r);
      c.b = operand(r);
      const int zone = r.below(100);
      if (zone < 25 && op == Operation::Divide) {
        // a / b within a few parts in 2^64 of a rounding boundary: a * 2^65 =
        // b * m - t with t small and 2^64 <= m < 2^65 (odd m: a midpoint).
        for (;;) {
          const std::uint64_t b = r.next() | 0x8000000000000001u;
          WideWord inverse = b;  // of b modulo 2^128, by Newton's method
          for (int i = 0; i < 7; ++i) inverse *= 2 - b * inverse;
          const auto t = static_cast<WideWord>(static_cast<SignedWideWord>(r.between(-8, 8)));
          const WideWord m = (t * inverse) & ((WideWord{1} << 65) - 1);
          if ((m >> 64) == 0 || static_cast<std::uint64_t>(m) < 16) continue;
          // b * m - t = b * 2^64 + low; its half fits in 128 bits.
          const WideWord low = static_cast<WideWord>(static_cast<std::uint64_t>(m)) * b - t;
          const WideWord half = (static_cast<WideWord>(b) << 63) + (low >> 1);
          const auto a = static_cast<std::uint64_t>(half >> 64);
          if ((a >> 63) == 0) continue;
          const bool negativeA = r.chance(50), negativeB = r.chance(50);
          const int fieldA = r.between(kBias - 100, kBias + 100), fieldB = r.between(kBias - 100, kBias + 100);
          c.a = SoftExtended::fromBits(negativeA, static_cast<std::uint16_t>(fieldA), a);
          c.b = SoftExtended::fromBits(negativeB, static_cast<std::uint16_t>(fieldB), b);
          break;
        }
      } else if (zone < 55 && c.a.biasedExponent() != 0x7FFF && c.b.biasedExponent() != 0x7FFF) {
        // Results near underflow (denormal, or just normal) or overflow.
        const int ea = (c.a.biasedExponent() == 0 ? 1 : c.a.biasedExponent()) - kBias;
        const int target = r.chance(70) ? r.between(-16382 - 70, -16382 + 3) : r.between(16383 - 3, 16383 + 1);
        const int eb = op == Operation::Multiply ? target - ea : ea - target;
        c.b = normalWith(r, clampField(eb + kBias));
      }
      // Divisors that are powers of two, near the ends of the range too.
      if (op == Operation::Divide && zone >= 25 && r.chance(15) && c.b.biasedExponent() != 0 &&
          c.b.biasedExponent() != 0x7FFF) {
        c.b = SoftExtended::fromBits(c.b.negative(), c.b.biasedExponent(), 0x8000000000000000u);
      }
      break;
    }
    case Operation::Sqrt: {
      const int zone = r.below(100);
      if (zone < 35) {
        // n = x^2 + x + t: the root within |t| / 2^64 of the midpoint x + 1/2;
        // n = x^2 + t * 2^64: near the representable x. n's low 64 bits zero.
        for (;;) {
          WideWord n;
          if (r.chance(70)) {
            const std::uint64_t t = static_cast<std::uint64_t>(2 * r.between(-8, 8));
            // x^2 + x + t = 0 modulo 2^64, by Newton's method in the 2-adic numbers.
            std::uint64_t x = r.next();
            for (int i = 0; i < 8; ++i) {
              const std::uint64_t d = 2 * x + 1;
              std::uint64_t inverse = d;
              for (int j = 0; j < 6; ++j) inverse *= 2 - d * inverse;
              x -= (x * x + x + t) * inverse;
            }
            if ((x >> 63) == 0) continue;
            n = static_cast<WideWord>(x) * x + x + static_cast<WideWord>(static_cast<SignedWideWord>(static_cast<std::int64_t>(t)));
          } else {
            const std::uint64_t x = (r.next() | 0x8000000000000000u) & ~std::uint64_t{0xFFFFFFFFu};
            n = static_cast<WideWord>(x) * x + static_cast<WideWord>(static_cast<SignedWideWord>(r.between(-8, 8)) * (SignedWideWord{1} << 64));
          }
          if (static_cast<std::uint64_t>(n) != 0 || (n >> 126) == 0) continue;
          // n = sig * 2^64 with an odd exponent, or sig * 2^63 with an even one.
          const bool odd = (n >> 127) != 0;
          const auto sig = static_cast<std::uint64_t>(odd ? n >> 64 : n >> 63);
          const int field = kBias + (odd ? 1 : 0) + 2 * r.between(-4000, 4000);
          c.a = SoftExtended::fromBits(false, static_cast<std::uint16_t>(field), sig);
          break;
        }
      } else if (zone < 50) {
        c.a = r.chance(50) ? denormal(r) : normalWith(r, r.chance(50) ? r.between(1, 70) : r.between(0x7FFE - 70, 0x7FFE));
      } else {
        c.a = operand(r);
        if (r.chance(80)) c.a = SoftExtended::fromBits(false, c.a.biasedExponent(), c.a.significand());
      }
      break;
    }
    case Operation::ToFloat:
    case Operation::ToDouble: {
      // Around the target's normal, denormal and overflow ranges.
      const bool isFloat = op == Operation::ToFloat;
      const int minNormal = isFloat ? -126 : -1022, maxExponent = isFloat ? 127 : 1023;
      const int precision = isFloat ? 24 : 53;
      const int zone = r.below(100);
      int exponent;
      if (zone < 40) exponent = r.between(-20, 20);
      else if (zone < 70) exponent = r.between(minNormal - precision - 3, minNormal + 2);
      else if (zone < 80) exponent = r.between(maxExponent - 2, maxExponent + 2);
      else if (zone < 90) exponent = r.between(minNormal - 80, maxExponent + 80);
      else exponent = 100000;
      c.a = exponent == 100000 ? operand(r) : normalWith(r, exponent + kBias);
      break;
    }
    case Operation::ToInt32:
    case Operation::ToInt64:
    case Operation::ToUint64: {
      // In range only (beyond, the conversion is undefined).
      const int bits = op == Operation::ToInt32 ? 31 : op == Operation::ToInt64 ? 63 : 64;
      const int exponent = r.between(-3, bits - 1);
      c.a = r.chance(3) ? SoftExtended::fromBits(r.chance(50), 0, 0) : r.chance(3) ? denormal(r) : normalWith(r, exponent + kBias);
      if (op == Operation::ToUint64) c.a = SoftExtended::fromBits(false, c.a.biasedExponent(), c.a.significand());
      break;
    }
    case Operation::FromFloat: {
      std::uint32_t bits = static_cast<std::uint32_t>(r.next());
      if (r.chance(20)) bits &= 0x807FFFFFu;                                  // denormal
      if (r.chance(10)) bits |= 0x7F800000u;                                  // infinite or NaN
      if (r.chance(3)) bits &= 0xFF800000u;                                   // zero or infinity
      c.raw = bits;
      break;
    }
    case Operation::FromDouble: {
      std::uint64_t bits = r.next();
      if (r.chance(20)) bits &= 0x800FFFFFFFFFFFFFu;
      if (r.chance(10)) bits |= 0x7FF0000000000000u;
      if (r.chance(3)) bits &= 0xFFF0000000000000u;
      c.raw = bits;
      break;
    }
    case Operation::FromInt64:
    case Operation::FromUint64:
      c.raw = r.next() >> r.below(64);
      if (op == Operation::FromInt64 && r.chance(50)) c.raw = 0 - c.raw;
      if (r.chance(2)) c.raw = r.chance(50) ? 0x8000000000000000u : 0;
      break;
    case Operation::Compare:
      c.a = operand(r);
      switch (r.below(4)) {
        case 0: c.b = c.a; break;
        case 1: c.b = -c.a; break;
        case 2: c.b = SoftExtended::fromBits(c.a.negative(), c.a.biasedExponent(), c.a.significand() + static_cast<std::uint64_t>(r.between(-1, 1))); break;
        default: c.b = operand(r); break;
      }
      if (soft_extended_detail::isRefused(c.b)) c.b = c.a;
      break;
    case Operation::Negate:
      c.a = operand(r);
      break;
    case Operation::Scale:
      c.a = operand(r);
      c.n = r.chance(50) ? r.between(-100, 100) : r.between(-33000, 33000);
      break;
    case Operation::Count:
      break;
  }
  return c;
}

inline Result bitsOf(SoftExtended x) { return {x.significand(), x.biasedExponent() | (x.negative() ? 0x8000u : 0u)}; }

inline Result comparisons(bool eq, bool ne, bool lt, bool le, bool gt, bool ge) {
  return {static_cast<std::uint64_t>(eq | ne << 1 | lt << 2 | le << 3 | gt << 4 | ge << 5), 0};
}

inline Result software(Operation op, const Case& c) {
  switch (op) {
    case Operation::Add: return bitsOf(c.a + c.b);
    case Operation::Subtract: return bitsOf(c.a - c.b);
    case Operation::Multiply: return bitsOf(c.a * c.b);
    case Operation::Divide: return bitsOf(c.a / c.b);
    case Operation::Sqrt: return bitsOf(sqrt(c.a));
    case Operation::ToFloat: {
      const auto f = static_cast<float>(c.a);
      std::uint32_t bits;
      std::memcpy(&bits, &f, 4);
      return {bits, 0};
    }
    case Operation::ToDouble: {
      const auto d = static_cast<double>(c.a);
      std::uint64_t bits;
      std::memcpy(&bits, &d, 8);
      return {bits, 0};
    }
    case Operation::ToInt32: return {static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<int>(c.a))), 0};
    case Operation::ToInt64: return {static_cast<std::uint64_t>(static_cast<long long>(c.a)), 0};
    case Operation::ToUint64: return {static_cast<unsigned long long>(c.a), 0};
    case Operation::FromFloat: {
      float f;
      const auto bits = static_cast<std::uint32_t>(c.raw);
      std::memcpy(&f, &bits, 4);
      return bitsOf(SoftExtended(f));
    }
    case Operation::FromDouble: {
      double d;
      std::memcpy(&d, &c.raw, 8);
      return bitsOf(SoftExtended(d));
    }
    case Operation::FromInt64: return bitsOf(SoftExtended(static_cast<long long>(c.raw)));
    case Operation::FromUint64: return bitsOf(SoftExtended(static_cast<unsigned long long>(c.raw)));
    case Operation::Compare: return comparisons(c.a == c.b, c.a != c.b, c.a < c.b, c.a <= c.b, c.a > c.b, c.a >= c.b);
    case Operation::Negate: {
      const SoftExtended m = magnitude(c.a);
      return {bitsOf(-c.a).high | bitsOf(m).high << 16, bitsOf(-c.a).low ^ (bitsOf(m).low << 1)};
    }
    case Operation::Scale: return bitsOf(scaleByPowerOfTwo(c.a, c.n));
    case Operation::Count: break;
  }
  return {};
}

#if MSA_HAVE_X87
inline long double toLongDouble(SoftExtended x) {
  unsigned char bytes[16] = {};
  const std::uint64_t sig = x.significand();
  const auto se = static_cast<std::uint16_t>(x.biasedExponent() | (x.negative() ? 0x8000u : 0u));
  std::memcpy(bytes, &sig, 8);
  std::memcpy(bytes + 8, &se, 2);
  long double v;
  std::memcpy(&v, bytes, 16);
  return v;
}

inline Result bitsOf(long double v) {
  unsigned char bytes[16];
  std::memcpy(bytes, &v, 16);
  Result r;
  std::uint16_t se;
  std::memcpy(&r.low, bytes, 8);
  std::memcpy(&se, bytes + 8, 2);
  r.high = se;
  return r;
}

// The same operations in the x87 unit, as compiled code does them.
inline Result hardware(Operation op, const Case& c) {
  const long double a = toLongDouble(c.a), b = toLongDouble(c.b);
  switch (op) {
    case Operation::Add: return bitsOf(a + b);
    case Operation::Subtract: return bitsOf(a - b);
    case Operation::Multiply: return bitsOf(a * b);
    case Operation::Divide: return bitsOf(a / b);
    case Operation::Sqrt: return bitsOf(__builtin_sqrtl(a));
    case Operation::ToFloat: {
      const auto f = static_cast<float>(a);
      std::uint32_t bits;
      std::memcpy(&bits, &f, 4);
      return {bits, 0};
    }
    case Operation::ToDouble: {
      const auto d = static_cast<double>(a);
      std::uint64_t bits;
      std::memcpy(&bits, &d, 8);
      return {bits, 0};
    }
    case Operation::ToInt32: return {static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<int>(a))), 0};
    case Operation::ToInt64: return {static_cast<std::uint64_t>(static_cast<long long>(a)), 0};
    case Operation::ToUint64: return {static_cast<unsigned long long>(a), 0};
    case Operation::FromFloat: {
      float f;
      const auto bits = static_cast<std::uint32_t>(c.raw);
      std::memcpy(&f, &bits, 4);
      return bitsOf(static_cast<long double>(f));
    }
    case Operation::FromDouble: {
      double d;
      std::memcpy(&d, &c.raw, 8);
      return bitsOf(static_cast<long double>(d));
    }
    case Operation::FromInt64: return bitsOf(static_cast<long double>(static_cast<long long>(c.raw)));
    case Operation::FromUint64: return bitsOf(static_cast<long double>(static_cast<unsigned long long>(c.raw)));
    case Operation::Compare: return comparisons(a == b, a != b, a < b, a <= b, a > b, a >= b);
    case Operation::Negate: {
      const long double m = __builtin_fabsl(a);
      return {bitsOf(-a).high | bitsOf(m).high << 16, bitsOf(-a).low ^ (bitsOf(m).low << 1)};
    }
    case Operation::Scale: return bitsOf(__builtin_scalbnl(a, c.n));
    case Operation::Count: break;
  }
  return {};
}
#endif

}  // namespace msa::extended_cases
