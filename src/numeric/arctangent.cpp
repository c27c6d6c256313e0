#include "numeric/error_free.hpp"
#include "numeric/trigonometry.hpp"
#include "numeric/trig_constants.hpp"

namespace msa {

namespace {

using namespace trig_constants;
using namespace error_free;

constexpr Extended kTiny = extendedConstant(1, -32);      // below it atan x rounds to x
constexpr Extended kShort = extendedConstant(1, -3);      // below it the series alone
constexpr Extended kLong = extendedConstant(1, 3);        // above it the series of 1/x
constexpr Extended kHuge = extendedConstant(1, 70);       // from it on atan x rounds to pi/2
constexpr Extended kStep = extendedConstant(1, -6);       // the table holds atan(j/64)

// atan d - d = d^3 A(d^2), by its first five terms, for |d| <= 2^-7 (1 + 2^-16).
Extended tableTail(Extended d) {
  const Extended z = d * d;
  Extended p = kAtan[4];
  for (int k = 3; k >= 0; --k) p = p * z + kAtan[k];
  return (d * z) * p;
}

// atan d - d by all twelve terms, for |d| < 1/8: below 2^-6 of d, so its
// roundings stay below 2^-69 of atan d.
Extended seriesTail(Extended d) {
  const Extended z = d * d;
  Extended p = kAtan[11];
  for (int k = 10; k >= 0; --k) p = p * z + kAtan[k];
  return (d * z) * p;
}

// a c == p + the returned error, p = a * c rounded, for c of at most 32 bits.
Extended shortProductError(Extended a, Extended c, Extended p) {
  const Extended t = a * kSplit;
  const Extended ah = t - (t - a);
  return (ah * c - p) + (a - ah) * c;
}

// atan(j/64) + atan(n/d) as hi + lo, j >= 8, |n/d| <= 2^-7 (1 + 2^-16). The
// quotient's own rounding and d's counts at most 1.5 of its ulps, and it is
// below 1/16 of the result: less than 0.1 ulp of the result.
void fromTablePoint(int j, Extended n, Extended d, Extended& hi, Extended& lo) {
  const Extended q = n / d;
  const AtanPoint& at = kAtanTable[j];
  hi = at.high + q;
  lo = (sumError(at.high, q, hi) + at.low) + tableTail(q);
}

}  // namespace

// Up to 1/8 the series; up to 1 atan u = atan c + atan((u - c)/(1 + u c)), c = j/64
// the nearest table point, u - c exact (Sterbenz); above 1 atan a = pi/2 - atan(1/a),
// the same with 1/a near c: atan c + atan((1 - a c)/(a + c)), a c taken exactly
// so that 1 - a c (within 1/3 of 0) is exact too; above 8 the series of 1/a, with
// the exact error of 1/a.
Extended extendedAtan(Extended x) {
  if (isNaN(x)) return x + x;  // quiet
  const Extended a = magnitude(x);
  if (a < kTiny) return x;
  Extended result = 0;
  if (a < kShort) {
    result = a + seriesTail(a);
  } else if (a <= 1) {
    const int j = static_cast<int>(a * 64 + 0.5);
    const Extended c = Extended(j) * kStep;
    Extended hi = 0, lo = 0;
    fromTablePoint(j, a - c, 1 + a * c, hi, lo);
    result = hi + lo;
  } else if (a < kHuge) {
    Extended hi = 0, lo = 0;
    if (a > kLong) {
      const Extended t = 1 / a;
      const Extended p = t * a;
      hi = t;
      lo = ((1 - p) - productError(t, a, p)) * t + seriesTail(t);
    } else {
      const int j = static_cast<int>(64.0f / float(a) + 0.5f);
      const Extended c = Extended(j) * kStep;
      const Extended ac = a * c;
      fromTablePoint(j, (1 - ac) - shortProductError(a, c, ac), a + c, hi, lo);
    }
    const Extended s = kHalfPiHigh - hi;
    result = s + ((sumError(kHalfPiHigh, -hi, s) + kHalfPiLow) - lo);
  } else {
    result = kHalfPiHigh;
  }
  return x < 0 ? -result : result;
}

}  // namespace msa
