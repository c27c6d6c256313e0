#include "numeric/trigonometry.hpp"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "numeric/error_free.hpp"
#include "numeric/trig_constants.hpp"

namespace msa {

namespace {

using namespace trig_constants;
using namespace error_free;

constexpr Extended kTiny = extendedConstant(1, -32);  // below it sin x and tan x round to x, cos x to 1

// sin and cos of the reduced argument, each rounded and with the error of
// that rounding, which the tangent needs; the quadrant is applied by the caller.
struct Kernel {
  Extended sin, sinError, cos, cosError;
  unsigned quadrant;  // k mod 4
};

// pi/4 rounded (exponent -1): the significand of pi/2 rounded.
constexpr std::uint64_t kQuarterPiSignificand = kHalfPiWords.high + (kHalfPiWords.low >> 63);
constexpr WideWord kLowWord = ~std::uint64_t{0};

constexpr WideWord wide(WideWords w) { return (WideWord{w.high} << 64) | w.low; }

// a b 2^-128, less at most 2 (the product of the low words and the carries
// of the middle ones' lower halves are left out).
WideWord multiplyHigh(WideWord a, WideWord b) {
  const auto a1 = static_cast<std::uint64_t>(a >> 64), a0 = static_cast<std::uint64_t>(a);
  const auto b1 = static_cast<std::uint64_t>(b >> 64), b0 = static_cast<std::uint64_t>(b);
  const WideWord middle1 = multiplyWords(a1, b0), middle2 = multiplyWords(a0, b1);
  const WideWord carries = ((middle1 & kLowWord) + (middle2 & kLowWord)) >> 64;
  return multiplyWords(a1, b1) + (middle1 >> 64) + (middle2 >> 64) + carries;
}

// r, the argument less the nearest multiple of pi/2, in whole numbers:
// |r| = magnitude 2^(exponent - 127), the magnitude's top bit set.
struct Reduced {
  WideWord magnitude;
  int exponent;
  bool negative;
  unsigned quadrant;  // k mod 4
};

// For |x| > pi/4 (Payne and Hanek's reduction): with |x| = m 2^(e-63), m a
// 64-bit whole number, x 2/pi mod 4 is taken from the product of m with a
// window of five words of 2/pi holding the bits of weights 2^-(e-64) to at
// least 2^-(e+192). The bits before them (weights 2^-i, i <= e - 65) add
// multiples of 4; those after add less than 2^-190, while no x in the format
// lies closer than about 2^-90 to a multiple of pi/2: r keeps more than 100
// correct bits.
Reduced reduceByHalfPi(const ExtendedParts& x) {
  const int first = x.exponent + 64 * kTwoOverPiPadWords - 65;  // the bit of weight 2^-(e-64) in the table
  const int word = first / 64, shift = first % 64;
  // Q = m W mod 2^320, least significant word first: bit 318 - shift of Q
  // has weight 1 in x 2/pi.
  std::uint64_t q[5];
  std::uint64_t carry = 0;
  for (int k = 0; k < 4; ++k) {
    const WideWord t = multiplyWords(x.significand, kTwoOverPiWords[word + 4 - k]) + carry;
    q[k] = static_cast<std::uint64_t>(t);
    carry = static_cast<std::uint64_t>(t >> 64);
  }
  q[4] = x.significand * kTwoOverPiWords[word] + carry;
  // P = Q 2^-(64 - shift) mod 2^256: x 2/pi mod 4 = P 2^-254.
  std::uint64_t product[4];
  for (int k = 0; k < 4; ++k) product[k] = (q[k + 1] << shift) | ((q[k] >> 1) >> (63 - shift));
  Reduced r{0, 0, x.negative, static_cast<unsigned>(product[3] >> 62)};
  product[3] &= ~std::uint64_t{0} >> 2;
  if ((product[3] >> 61) != 0) {  // the fraction is at least 1/2: r from the next multiple, negative
    ++r.quadrant;
    r.negative = !r.negative;
    std::uint64_t borrow = 0;
    for (std::uint64_t& w : product) {
      const std::uint64_t negated = 0 - w - borrow;
      borrow = (w | borrow) != 0 ? 1 : 0;
      w = negated;
    }
    product[3] &= ~std::uint64_t{0} >> 2;
  }
  if (x.negative) r.quadrant = 0u - r.quadrant;
  r.quadrant &= 3u;
  // The fraction f = F 2^(top - 381), F its first 128 bits, then r = f pi/2.
  const WideWord high = (WideWord{product[3]} << 64) | product[2], low = (WideWord{product[1]} << 64) | product[0];
  WideWord f = 0;
  int top = 0;
  if (high != 0) {
    const int zeros = leadingZeros(high);  // at least 2
    f = (high << zeros) | (low >> (128 - zeros));
    top = 255 - zeros;
  } else if (low != 0) {
    const int zeros = leadingZeros(low);
    f = low << zeros;
    top = 127 - zeros;
  } else {
    return r;  // x a multiple of pi/2 to 190 bits: r is 0 to the precision kept
  }
  const WideWord g = multiplyHigh(f, wide(kHalfPiWords));  // in [2^126, 2^128)
  const bool below = (g >> 127) == 0;
  r.magnitude = below ? g << 1 : g;
  r.exponent = top - 253 - (below ? 1 : 0);
  return r;
}

// z (c0 - z (c1 - z (c2 - ...))) for the sine's and the cosine's terms side
// by side (two independent chains the processor runs at once), z and the
// results times 2^128, every partial sum positive. The small terms past the
// wide ones go in one word, each partial sum at its term's scale (about 64
// bits of it kept, which is all their share of the result needs).
void sineAndCosineSeries(WideWord z, WideWord& sine, WideWord& cosine) {
  static_assert(std::size(kSinNarrow) == std::size(kCosNarrow) && std::size(kSinWide) == std::size(kCosWide));
  constexpr std::size_t kNarrow = std::size(kSinNarrow), kWide = std::size(kSinWide);
  const auto z1 = static_cast<std::uint64_t>(z >> 64);
  std::uint64_t s = kSinNarrow[kNarrow - 1].value, c = kCosNarrow[kNarrow - 1].value;
  for (std::size_t i = 1; i < kNarrow; ++i) {
    const std::size_t k = kNarrow - 1 - i;
    s = kSinNarrow[k].value -
        static_cast<std::uint64_t>(multiplyWords(z1, s) >> (64 + kSinNarrow[k + 1].scale - kSinNarrow[k].scale));
    c = kCosNarrow[k].value -
        static_cast<std::uint64_t>(multiplyWords(z1, c) >> (64 + kCosNarrow[k + 1].scale - kCosNarrow[k].scale));
  }
  sine = WideWord{s} << (128 - kSinNarrow[0].scale);
  cosine = WideWord{c} << (128 - kCosNarrow[0].scale);
  for (std::size_t i = 0; i < kWide; ++i) {
    const std::size_t k = kWide - 1 - i;
    sine = wide(kSinWide[k]) - multiplyHigh(z, sine);
    cosine = wide(kCosWide[k]) - multiplyHigh(z, cosine);
  }
  sine = multiplyHigh(z, sine);
  cosine = multiplyHigh(z, cosine);
}

// magnitude 2^(exponent - 127) with its sign, rounded to the extended format
// to nearest even, and the exact rest: hi + lo is the value.
void roundToPair(bool negative, WideWord magnitude, int exponent, Extended& hi, Extended& lo) {
  const auto top = static_cast<std::uint64_t>(magnitude >> 64), low = static_cast<std::uint64_t>(magnitude);
  const bool up = (low >> 63) != 0 && ((low << 1) != 0 || (top & 1) != 0);
  const std::uint64_t significand = top + (up ? 1 : 0);
  if (significand == 0) {
    setParts(hi, negative, exponent + 1, std::uint64_t{1} << 63);  // rounded up to a power of two
  } else {
    setParts(hi, negative, exponent, significand);
  }
  const std::uint64_t rest = up ? 0 - low : low;  // 2^64 - low when rounded up
  if (rest == 0) {
    lo = 0;
    return;
  }
  const int zeros = std::countl_zero(rest);
  setParts(lo, negative != up, exponent - 64 - zeros, rest << zeros);
}

// sin and cos of r = x - k pi/2, in whole numbers, each rounded once: the
// reduction, the square and the wide terms lose less than 2^-120 of the
// result, the narrow terms less than 2^-73, the terms left out less than
// 2^-77 (so the error stays within 0.51 ulp).
void kernel(const ExtendedParts& parts, Kernel& out) {
  Reduced r{WideWord{parts.significand} << 64, parts.exponent, parts.negative, 0};
  if (parts.exponent > -1 || (parts.exponent == -1 && parts.significand > kQuarterPiSignificand)) {
    r = reduceByHalfPi(parts);
  }
  out.quadrant = r.quadrant;
  if (r.magnitude == 0) {
    out.sin = out.sinError = out.cosError = 0;
    out.cos = 1;
    return;
  }
  // z = r^2 times 2^128: r < 1, so its exponent is at most -1.
  const int shift = -2 * r.exponent - 2;
  const WideWord square = multiplyHigh(r.magnitude, r.magnitude);
  const WideWord z = shift < 128 ? square >> shift : 0;
  WideWord v = 0, w = 0;
  sineAndCosineSeries(z, v, w);
  WideWord sine = r.magnitude - multiplyHigh(r.magnitude, v);  // r (1 - v), at least 0.9 r
  int sineExponent = r.exponent;
  if ((sine >> 127) == 0) {
    sine <<= 1;
    --sineExponent;
  }
  roundToPair(r.negative, sine, sineExponent, out.sin, out.sinError);
  if (w == 0) {
    out.cos = 1;
    out.cosError = 0;
  } else {
    roundToPair(false, 0 - w, -1, out.cos, out.cosError);  // 1 - w, at least cos(pi/4)
  }
}

Extended sineOf(const Kernel& k) {
  const Extended v = k.quadrant & 1 ? k.cos : k.sin;
  return k.quadrant & 2 ? -v : v;
}

Extended cosineOf(const Kernel& k) {
  const Extended v = k.quadrant & 1 ? k.sin : k.cos;
  return (k.quadrant + 1) & 2 ? -v : v;
}

// sin/cos, or -cos/sin in the odd quadrants, corrected by the exact
// remainder so that only the last rounding and the kernel's own errors remain.
Extended tangentOf(const Kernel& k) {
  const bool odd = k.quadrant & 1;
  const Extended n = odd ? k.cos : k.sin, nErr = odd ? k.cosError : k.sinError;
  const Extended d = odd ? k.sin : k.cos, dErr = odd ? k.sinError : k.cosError;
  const Extended q = n / d;
  const Extended p = q * d;
  const Extended remainder = ((n - p) - productError(q, d, p)) + (nErr - q * dErr);
  const Extended t = q + remainder / d;
  return odd ? -t : t;
}

// A stored angle's parts straight from its bits, without the trip through
// the x87 unit (whose stores an integer load cannot take from the store
// buffer): false when it is not finite or below kTiny, which take the
// general path.
bool floatParts(float x, ExtendedParts& parts) {
  const auto bits = std::bit_cast<std::uint32_t>(x);
  const int field = static_cast<int>((bits >> 23) & 0xFFu);
  if (field == 0xFF || field < 127 - 32) return false;
  parts = {(bits >> 31) != 0, field - 127, (std::uint64_t{bits & 0x7FFFFFu} | 0x800000u) << 40};
  return true;
}

}  // namespace

// Not finite: x - x is not-a-number (a quiet one for a not-a-number x).
void extendedSinCos(Extended x, Extended& sine, Extended& cosine) {
  if (!isFinite(x)) {
    sine = cosine = x - x;
  } else if (magnitude(x) < kTiny) {
    sine = x;
    cosine = 1;
  } else {
    Kernel k{};
    kernel(partsOf(x), k);
    sine = sineOf(k);
    cosine = cosineOf(k);
  }
}

void extendedSinCos(float x, Extended& sine, Extended& cosine) {
  ExtendedParts parts{};
  if (!floatParts(x, parts)) return extendedSinCos(Extended(x), sine, cosine);
  Kernel k{};
  kernel(parts, k);
  sine = sineOf(k);
  cosine = cosineOf(k);
}

Extended extendedSin(Extended x) {
  Extended s = 0, c = 0;
  extendedSinCos(x, s, c);
  return s;
}

Extended extendedCos(Extended x) {
  Extended s = 0, c = 0;
  extendedSinCos(x, s, c);
  return c;
}

Extended extendedSin(float x) {
  Extended s = 0, c = 0;
  extendedSinCos(x, s, c);
  return s;
}

Extended extendedCos(float x) {
  Extended s = 0, c = 0;
  extendedSinCos(x, s, c);
  return c;
}

void extendedSinCosTan(Extended x, Extended& sine, Extended& cosine, Extended& tangent) {
  if (!isFinite(x)) {
    sine = cosine = tangent = x - x;
  } else if (magnitude(x) < kTiny) {
    sine = tangent = x;
    cosine = 1;
  } else {
    Kernel k{};
    kernel(partsOf(x), k);
    sine = sineOf(k);
    cosine = cosineOf(k);
    tangent = tangentOf(k);
  }
}

void extendedSinCosTan(float x, Extended& sine, Extended& cosine, Extended& tangent) {
  ExtendedParts parts{};
  if (!floatParts(x, parts)) return extendedSinCosTan(Extended(x), sine, cosine, tangent);
  Kernel k{};
  kernel(parts, k);
  sine = sineOf(k);
  cosine = cosineOf(k);
  tangent = tangentOf(k);
}

Extended extendedTan(Extended x) {
  Extended s = 0, c = 0, t = 0;
  extendedSinCosTan(x, s, c, t);
  return t;
}

}  // namespace msa
