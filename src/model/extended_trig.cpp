#include "model/extended_trig.hpp"

#include <cmath>
#include <cstddef>
#include <limits>

#include "model/extended_trig_constants.hpp"

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

// A value carried as an unevaluated sum hi + lo, |lo| much below |hi|.
struct Pair {
  LD hi, lo;
};

struct Reduced {
  Pair r;
  unsigned quadrant;  // k mod 4
};

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

bool reduce(LD x, Reduced& out) {
  if (!(std::fabs(x) < kReductionBound)) return false;
  if (std::fabs(x) <= kQuarterPi) {
    out = Reduced{{x, 0}, 0};
    return true;
  }
  const LD k = (x * kTwoOverPi + kRoundShift) - kRoundShift;
  const LD head = (x - k * kHalfPiPart1) - k * kHalfPiPart2;
  const LD tail = k * kHalfPiPart3;
  const LD hi = head - tail;
  if (std::fabs(hi) < std::fabs(k) * 0x1p-55L) return false;
  out = Reduced{{hi, sumError(head, -tail, hi)}, static_cast<unsigned>(static_cast<long>(k)) & 3u};
  return true;
}

template <std::size_t N>
LD horner(const LD (&c)[N], LD z) {
  LD p = c[N - 1];
  for (std::size_t i = N - 1; i-- > 0;) p = p * z + c[i];
  return p;
}

// sin and cos of r.hi + r.lo, |r.hi| <= pi/4 (1 + 2^-40), |r.lo| <= 2^-64 |r.hi|.
// r.hi^2 is taken exactly (z + zl) so that 1 - r^2/2 keeps its last bits; the
// rounding of 1 - z/2 is carried in the low part.
void kernel(Pair r, Pair& s, Pair& c) {
  const LD z = r.hi * r.hi;
  const LD zl = productError(r.hi, r.hi, z);
  const LD hs = r.hi * horner(kSin, z);
  s.hi = r.hi;
  s.lo = hs * z + (hs * zl + (r.lo - (r.lo * z) * 0.5L));
  const LD halfZ = z * 0.5L;
  c.hi = 1 - halfZ;
  c.lo = (((1 - c.hi) - halfZ) - zl * 0.5L) + ((z * z) * horner(kCos, z) - r.lo * r.hi);
}

LD rounded(Pair p) { return p.hi + p.lo; }

// n / d for pairs, corrected by the exact remainder so that only the last
// rounding and the pairs' own errors remain.
LD quotient(Pair n, Pair d) {
  const LD nr = n.hi + n.lo, dr = d.hi + d.lo;
  const LD nErr = (n.hi - nr) + n.lo, dErr = (d.hi - dr) + d.lo;
  const LD q = nr / dr;
  const LD p = q * dr;
  const LD remainder = ((nr - p) - productError(q, dr, p)) + (nErr - q * dErr);
  return q + remainder / dr;
}

Pair negated(Pair p) { return Pair{-p.hi, -p.lo}; }

struct Kernel {
  Pair sin, cos;  // of x itself, the quadrant applied
};

Kernel evaluate(const Reduced& red) {
  Pair s{}, c{};
  kernel(red.r, s, c);
  switch (red.quadrant) {
    case 0: return Kernel{s, c};
    case 1: return Kernel{c, negated(s)};
    case 2: return Kernel{negated(s), negated(c)};
    default: return Kernel{negated(c), s};
  }
}

bool own(LD x, Reduced& red) { return kExtended && std::fabs(x) >= kTiny && reduce(x, red); }

}  // namespace

void extendedSinCos(LD x, LD& sine, LD& cosine) {
  Reduced red{};
  if (kExtended && std::fabs(x) < kTiny) {
    sine = x;
    cosine = 1;
    return;
  }
  if (!own(x, red)) {
    sine = sinl(x);
    cosine = cosl(x);
    return;
  }
  const Kernel k = evaluate(red);
  sine = rounded(k.sin);
  cosine = rounded(k.cos);
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
  Reduced red{};
  if (kExtended && std::fabs(x) < kTiny) {
    sine = tangent = x;
    cosine = 1;
    return;
  }
  if (!own(x, red)) {
    sine = sinl(x);
    cosine = cosl(x);
    tangent = tanl(x);
    return;
  }
  const Kernel k = evaluate(red);
  sine = rounded(k.sin);
  cosine = rounded(k.cos);
  tangent = quotient(k.sin, k.cos);
}

LD extendedTan(LD x) {
  LD s = 0, c = 0, t = 0;
  extendedSinCosTan(x, s, c, t);
  return t;
}
