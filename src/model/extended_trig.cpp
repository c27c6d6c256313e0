#include "model/extended_trig.hpp"

#include <cmath>
#include <limits>

#include "model/extended_trig_constants.hpp"

namespace msa {

using LD = long double;

namespace {

using namespace trig_constants;

// Everything below relies on the 64-bit significand of the x87 format.
constexpr bool kExtended = std::numeric_limits<LD>::digits == 64;

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
// keep fewer than 71 correct bits: such arguments go to the C library.
constexpr LD kRoundShift = 0x1.8p63L;  // adding and removing it rounds to a whole number
constexpr LD kSplit = 0x1.00000001p32L;  // 2^32 + 1 cuts a significand into two 32-bit halves
constexpr LD kReductionBound = 0x1p16L;
constexpr LD kTiny = 0x1p-32L;  // below it sin x and tan x round to x, cos x to 1

// Exact: a + b == s + the returned error (round to nearest, no overflow).
LD sumError(LD a, LD b, LD s) {
  const LD bVirtual = s - a;
  return (a - (s - bVirtual)) + (b - bVirtual);
}

// Exact: a b == p + the returned error, p = a * b rounded.
LD productError(LD a, LD b, LD p) {
  const LD ta = a * kSplit, tb = b * kSplit;
  const LD ah = ta - (ta - a), bh = tb - (tb - b);
  const LD al = a - ah, bl = b - bh;
  return (((ah * bh - p) + ah * bl) + al * bh) + al * bl;
}

// Exact: a a == p + the returned error, p = a * a rounded.
LD squareError(LD a, LD p) {
  const LD t = a * kSplit;
  const LD ah = t - (t - a);
  const LD al = a - ah;
  return ((ah * ah - p) + (ah + ah) * al) + al * al;
}

// sin and cos of the reduced argument, each rounded and with the error of
// that rounding, which the tangent needs; the quadrant is applied by the caller.
struct Kernel {
  LD sin, sinError, cos, cosError;
  unsigned quadrant;  // k mod 4
};

// r = x - k pi/2 as hi + lo; false when the library must answer.
bool reduce(LD x, LD& hi, LD& lo, unsigned& quadrant) {
  if (!(std::fabs(x) < kReductionBound)) return false;
  if (std::fabs(x) <= kQuarterPi) {
    hi = x;
    lo = 0;
    quadrant = 0;
    return true;
  }
  const LD k = (x * kTwoOverPi + kRoundShift) - kRoundShift;
  const LD head = (x - k * kHalfPiPart1) - k * kHalfPiPart2;
  const LD tail = k * kHalfPiPart3;
  hi = head - tail;
  if (std::fabs(hi) < std::fabs(k) * 0x1p-55L) return false;
  lo = sumError(head, -tail, hi);
  quadrant = static_cast<unsigned>(static_cast<long>(k)) & 3u;
  return true;
}

// sin and cos of hi + lo, |hi| <= pi/4 (1 + 2^-40), |lo| <= 2^-64 |hi|, first as
// unevaluated sums: sin = hi + sl, cos = ch + cl. hi^2 is taken exactly
// (z + zl) so that 1 - hi^2/2 keeps its last bits; the rounding of 1 - z/2
// goes into cl. The two polynomials go side by side, by Horner's rule.
bool kernel(LD x, Kernel& out) {
  LD hi = 0, lo = 0;
  if (!reduce(x, hi, lo, out.quadrant)) return false;
  const LD z = hi * hi;
  const LD zl = squareError(hi, z);
  LD ps = kSin[8], pc = kCos[8];
  ps = ps * z + kSin[7], pc = pc * z + kCos[7];
  ps = ps * z + kSin[6], pc = pc * z + kCos[6];
  ps = ps * z + kSin[5], pc = pc * z + kCos[5];
  ps = ps * z + kSin[4], pc = pc * z + kCos[4];
  ps = ps * z + kSin[3], pc = pc * z + kCos[3];
  ps = ps * z + kSin[2], pc = pc * z + kCos[2];
  ps = ps * z + kSin[1], pc = pc * z + kCos[1];
  ps = ps * z + kSin[0], pc = pc * z + kCos[0];
  const LD hs = hi * ps;
  const LD sl = hs * z + (hs * zl + (lo - (lo * z) * 0.5L));
  const LD halfZ = z * 0.5L;
  const LD ch = 1 - halfZ;
  const LD cl = (((1 - ch) - halfZ) - zl * 0.5L) + ((z * z) * pc - lo * hi);
  out.sin = hi + sl;
  out.sinError = (hi - out.sin) + sl;
  out.cos = ch + cl;
  out.cosError = (ch - out.cos) + cl;
  return true;
}

bool own(LD x, Kernel& k) { return kExtended && std::fabs(x) >= kTiny && kernel(x, k); }

LD sineOf(const Kernel& k) {
  const LD v = k.quadrant & 1 ? k.cos : k.sin;
  return k.quadrant & 2 ? -v : v;
}

LD cosineOf(const Kernel& k) {
  const LD v = k.quadrant & 1 ? k.sin : k.cos;
  return (k.quadrant + 1) & 2 ? -v : v;
}

// sin/cos, or -cos/sin in the odd quadrants, corrected by the exact
// remainder so that only the last rounding and the kernel's own errors remain.
LD tangentOf(const Kernel& k) {
  const bool odd = k.quadrant & 1;
  const LD n = odd ? k.cos : k.sin, nErr = odd ? k.cosError : k.sinError;
  const LD d = odd ? k.sin : k.cos, dErr = odd ? k.sinError : k.cosError;
  const LD q = n / d;
  const LD p = q * d;
  const LD remainder = ((n - p) - productError(q, d, p)) + (nErr - q * dErr);
  const LD t = q + remainder / d;
  return odd ? -t : t;
}

}  // namespace

void extendedSinCos(LD x, LD& sine, LD& cosine) {
  Kernel k{};
  if (kExtended && std::fabs(x) < kTiny) {
    sine = x;
    cosine = 1;
  } else if (own(x, k)) {
    sine = sineOf(k);
    cosine = cosineOf(k);
  } else {
    sine = sinl(x);
    cosine = cosl(x);
  }
}

LD extendedSin(LD x) {
  LD s = 0, c = 0;
  extendedSinCos(x, s, c);
  return s;
}

LD extendedCos(LD x) {
  LD s = 0, c = 0;
  extendedSinCos(x, s, c);
  return c;
}

void extendedSinCosTan(LD x, LD& sine, LD& cosine, LD& tangent) {
  Kernel k{};
  if (kExtended && std::fabs(x) < kTiny) {
    sine = tangent = x;
    cosine = 1;
  } else if (own(x, k)) {
    sine = sineOf(k);
    cosine = cosineOf(k);
    tangent = tangentOf(k);
  } else {
    sine = sinl(x);
    cosine = cosl(x);
    tangent = tanl(x);
  }
}

LD extendedTan(LD x) {
  LD s = 0, c = 0, t = 0;
  extendedSinCosTan(x, s, c, t);
  return t;
}

}  // namespace msa
