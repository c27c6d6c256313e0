#include "model/extended_trig.hpp"

#include <bit>
#include <cstdint>
#include <iterator>

#include "model/error_free.hpp"
#include "model/extended_trig_constants.hpp"

namespace msa {

namespace {

using namespace trig_constants;
using namespace error_free;

// Why the reduction r = x - k pi/2 is exact for |x| < 2^16:
//  - k is the whole number nearest to x 2/pi (as rounded), so |k| < 41,723 < 2^16
//    and |r| <= pi/4 (1 + 2^-40).
//  - k Part1 (16 + 31 bits) and k Part2 (16 + 30 bits) fit in 64 bits: exact.
//  - x - k Part1 is exact: for k != 0 the two lie within a factor two of each
//    other (Sterbenz).
//  - x > pi/4 is a multiple of 2^-64, Part1 of 2^-31 and Part2 of 2^-63, so
//    x - k Part1 - k Part2 is a multiple of 2^-64 below 1 in size: it has
//    at most 64 bits and is exact.
//  - the last part is taken off as an exact sum hi + lo. Left out are
//    k (pi/2 - the three parts) < k 2^-129 and the rounding of k Part3, at
//    most k 2^-127: below k 2^-126 in all.
// Where r is below k 2^-55 (x within 2^-39 of a multiple of pi/2) it would
// keep fewer than 71 correct bits: such arguments, and those from 2^16 on,
// take the exact reduction below.
constexpr Extended kRoundShift = extendedConstant(3, 62);  // adding and removing it rounds to a whole number
constexpr Extended kReductionBound = extendedConstant(1, 16);
constexpr Extended kCancellation = extendedConstant(1, -55);
constexpr Extended kTiny = extendedConstant(1, -32);  // below it sin x and tan x round to x, cos x to 1

// sin and cos of the reduced argument, each rounded and with the error of
// that rounding, which the tangent needs; the quadrant is applied by the caller.
struct Kernel {
  Extended sin, sinError, cos, cosError;
  unsigned quadrant;  // k mod 4
};

// The exact reduction, for any finite |x| >= 1 (Payne and Hanek's): with
// |x| = m 2^(e-63), m a 64-bit whole number, x 2/pi mod 4 is taken from the
// product of m with a window of 256 bits of 2/pi, in whole numbers. The bits
// of 2/pi before the window (weights 2^-i, i <= e - 65) add multiples of 4;
// those after it add less than 2^-190, while no x in the format lies closer
// than about 2^-90 to a multiple of pi/2: r keeps more than 100 correct bits.
class ExactReduction {
 public:
  explicit ExactReduction(Extended x) {
    const Extended a = magnitude(x);
    const int e = exponentOf(a);
    const auto m = static_cast<std::uint64_t>(scaleByPowerOfTwo(a, 63 - e));
    multiplyWindow(m, e);
    // x 2/pi mod 4 = P 2^-254: the top two bits are the quadrant, the rest the fraction.
    quadrant_ = product_[7] >> 30;
    product_[7] &= 0x3fffffffu;
    const bool roundUp = product_[7] >> 29;  // fraction >= 1/2: to the next multiple
    if (roundUp) {
      ++quadrant_;
      negateFraction();
    }
    fractionTimesHalfPi();
    if (roundUp) hi_ = -hi_, lo_ = -lo_;
    if (x < 0) hi_ = -hi_, lo_ = -lo_, quadrant_ = 0u - quadrant_;
  }

  Extended hi() const { return hi_; }
  Extended lo() const { return lo_; }
  unsigned quadrant() const { return quadrant_ & 3u; }

 private:
  static constexpr int kWords = 8;  // 256 bits, least significant word first

  // P = m W mod 2^256, W the window of 2/pi from the bit of weight 2^-(e-64).
  void multiplyWindow(std::uint64_t m, int e) {
    const int first = e - 64 + 32 * kTwoOverPiPadWords - 1;  // bit index in the table
    const int word = first / 32, shift = first % 32;
    std::uint32_t window[kWords];
    for (int k = 0; k < kWords; ++k) {
      const std::uint32_t high = kTwoOverPiBits[word + k];
      const std::uint32_t low = shift ? kTwoOverPiBits[word + k + 1] >> (32 - shift) : 0u;
      window[kWords - 1 - k] = (high << shift) | low;
    }
    const std::uint32_t halves[2] = {static_cast<std::uint32_t>(m), static_cast<std::uint32_t>(m >> 32)};
    for (int i = 0; i < 2; ++i) {
      std::uint64_t carry = 0;
      for (int j = 0; i + j < kWords; ++j) {
        const std::uint64_t t = std::uint64_t{halves[i]} * window[j] + product_[i + j] + carry;
        product_[i + j] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
      }
    }
  }

  // The fraction f becomes 1 - f (in 254 bits), the distance to the next multiple.
  void negateFraction() {
    std::uint64_t borrow = 0;
    for (std::uint32_t& w : product_) {
      const std::uint64_t t = std::uint64_t{0} - w - borrow;
      w = static_cast<std::uint32_t>(t);
      borrow = (t >> 32) & 1u;
    }
    product_[7] &= 0x3fffffffu;
  }

  // The 32 bits of P whose highest has index `top` (bits below index 0 are zero).
  std::uint32_t bitsBelow(int top) const {
    const int bottom = top - 31;
    if (bottom < 0) return bottom > -32 ? product_[0] << -bottom : 0u;
    const int word = bottom / 32, shift = bottom % 32;
    const std::uint32_t next = shift && word + 1 < kWords ? product_[word + 1] << (32 - shift) : 0u;
    return (product_[word] >> shift) | next;
  }

  // r = f pi/2 as hi + lo, f = P 2^-254 taken to 128 bits from its first.
  void fractionTimesHalfPi() {
    int top = -1;
    for (int w = kWords - 1; w >= 0 && top < 0; --w)
      if (product_[w] != 0) top = 32 * w + 31 - std::countl_zero(product_[w]);
    if (top < 0) return;  // x a multiple of pi/2 to 190 bits: r is 0 to the precision we keep
    const std::uint64_t head = (std::uint64_t{bitsBelow(top)} << 32) | bitsBelow(top - 32);
    const std::uint64_t rest = (std::uint64_t{bitsBelow(top - 64)} << 32) | bitsBelow(top - 96);
    const Extended fh = scaleByPowerOfTwo(Extended(head), top - 63 - 254);
    const Extended fl = scaleByPowerOfTwo(Extended(rest), top - 127 - 254);
    const Extended ph = fh * kHalfPiHigh;
    const Extended t = productError(fh, kHalfPiHigh, ph) + (fh * kHalfPiLow + fl * kHalfPiHigh);
    hi_ = ph + t;
    lo_ = (ph - hi_) + t;
  }

  std::uint32_t product_[kWords] = {};
  unsigned quadrant_ = 0;
  Extended hi_ = 0, lo_ = 0;
};

// Apart, so that the common arguments' path stays short.
[[gnu::noinline]] void reduceExactly(Extended x, Extended& hi, Extended& lo, unsigned& quadrant) {
  const ExactReduction exact(x);
  hi = exact.hi();
  lo = exact.lo();
  quadrant = exact.quadrant();
}

// r = x - k pi/2 as hi + lo, for finite x.
void reduce(Extended x, Extended& hi, Extended& lo, unsigned& quadrant) {
  if (magnitude(x) <= kQuarterPi) {
    hi = x;
    lo = 0;
    quadrant = 0;
    return;
  }
  if (magnitude(x) < kReductionBound) {
    const Extended k = (x * kTwoOverPi + kRoundShift) - kRoundShift;
    const Extended head = (x - k * kHalfPiPart1) - k * kHalfPiPart2;
    const Extended tail = k * kHalfPiPart3;
    hi = head - tail;
    if (!(magnitude(hi) < magnitude(k) * kCancellation)) {
      lo = sumError(head, -tail, hi);
      quadrant = static_cast<unsigned>(static_cast<long>(k)) & 3u;
      return;
    }
  }
  reduceExactly(x, hi, lo, quadrant);
}

// sin and cos of hi + lo, |hi| <= pi/4 (1 + 2^-40), |lo| <= 2^-64 |hi|, first as
// unevaluated sums: sin = hi + sl, cos = ch + cl. hi^2 is taken exactly
// (z + zl) so that 1 - hi^2/2 keeps its last bits; the rounding of 1 - z/2
// goes into cl. The two polynomials go side by side, by Horner's rule.
void kernel(Extended x, Kernel& out) {
  Extended hi = 0, lo = 0;
  reduce(x, hi, lo, out.quadrant);
  const Extended z = hi * hi;
  const Extended zl = squareError(hi, z);
  Extended ps = kSin[8], pc = kCos[8];
  ps = ps * z + kSin[7], pc = pc * z + kCos[7];
  ps = ps * z + kSin[6], pc = pc * z + kCos[6];
  ps = ps * z + kSin[5], pc = pc * z + kCos[5];
  ps = ps * z + kSin[4], pc = pc * z + kCos[4];
  ps = ps * z + kSin[3], pc = pc * z + kCos[3];
  ps = ps * z + kSin[2], pc = pc * z + kCos[2];
  ps = ps * z + kSin[1], pc = pc * z + kCos[1];
  ps = ps * z + kSin[0], pc = pc * z + kCos[0];
  const Extended hs = hi * ps;
  const Extended sl = hs * z + (hs * zl + (lo - (lo * z) * 0.5));
  const Extended halfZ = z * 0.5;
  const Extended ch = 1 - halfZ;
  const Extended cl = (((1 - ch) - halfZ) - zl * 0.5) + ((z * z) * pc - lo * hi);
  out.sin = hi + sl;
  out.sinError = (hi - out.sin) + sl;
  out.cos = ch + cl;
  out.cosError = (ch - out.cos) + cl;
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
    kernel(x, k);
    sine = sineOf(k);
    cosine = cosineOf(k);
  }
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

void extendedSinCosTan(Extended x, Extended& sine, Extended& cosine, Extended& tangent) {
  if (!isFinite(x)) {
    sine = cosine = tangent = x - x;
  } else if (magnitude(x) < kTiny) {
    sine = tangent = x;
    cosine = 1;
  } else {
    Kernel k{};
    kernel(x, k);
    sine = sineOf(k);
    cosine = cosineOf(k);
    tangent = tangentOf(k);
  }
}

Extended extendedTan(Extended x) {
  Extended s = 0, c = 0, t = 0;
  extendedSinCosTan(x, s, c, t);
  return t;
}

}  // namespace msa
