#include "model/error_free.hpp"
#include "model/extended_trig.hpp"
#include "model/extended_trig_constants.hpp"

namespace msa {

namespace {

using namespace trig_constants;
using namespace error_free;

constexpr Extended kTiny = extendedConstant(1, -32);  // below it atan x rounds to x
constexpr Extended kHuge = extendedConstant(1, 70);   // from it on atan x rounds to pi/2
constexpr int kSteps = 64;                            // the table holds atan(j/64)

// atan d - d = d^3 A(d^2), |d| <= 2^-7.
Extended oddTail(Extended d) {
  const Extended z = d * d;
  Extended p = kAtan[4];
  p = p * z + kAtan[3];
  p = p * z + kAtan[2];
  p = p * z + kAtan[1];
  p = p * z + kAtan[0];
  return (d * z) * p;
}

// atan(u + ul) as hi + lo, for 0 <= u <= 1 and |ul| <= 2^-63 u. With c = j/64
// the nearest such point, atan(u) = atan(c) + atan(d), d = (u - c)/(1 + u c),
// |d| <= 2^-7: u - c is exact (Sterbenz), the denominator and the quotient are
// carried with their exact rounding errors. What is left out (ul d^2, the
// rounding of the tail, the table's last bits) stays below 2^-75 of atan u.
void atanUpToOne(Extended u, Extended ul, Extended& hi, Extended& lo) {
  const int j = static_cast<int>(u * kSteps + 0.5);
  if (j == 0) {
    hi = u;
    lo = ul + oddTail(u);
    return;
  }
  const Extended c = Extended(j) / kSteps;
  const Extended n = u - c;
  const Extended uc = u * c;
  const Extended dh = 1 + uc;
  const Extended dl = (sumError(1, uc, dh) + productError(u, c, uc)) + ul * c;
  const Extended q = n / dh;
  const Extended p = q * dh;
  const Extended ql = (((n - p) - productError(q, dh, p)) + (ul - q * dl)) / dh;
  const AtanPoint& at = kAtanTable[j];
  hi = at.high + q;
  lo = ((sumError(at.high, q, hi) + at.low) + ql) + oddTail(q);
}

}  // namespace

// Above 1, atan a = pi/2 - atan(1/a), 1/a carried with its exact error.
Extended extendedAtan(Extended x) {
  if (isNaN(x)) return x + x;  // quiet
  const Extended a = magnitude(x);
  if (a < kTiny) return x;
  Extended result = 0;
  if (a <= 1) {
    Extended hi = 0, lo = 0;
    atanUpToOne(a, 0, hi, lo);
    result = hi + lo;
  } else if (a < kHuge) {
    const Extended t = 1 / a;
    const Extended p = t * a;
    const Extended tl = ((1 - p) - productError(t, a, p)) / a;
    Extended hi = 0, lo = 0;
    atanUpToOne(t, tl, hi, lo);
    const Extended s = kHalfPiHigh - hi;
    result = s + ((sumError(kHalfPiHigh, -hi, s) + kHalfPiLow) - lo);
  } else {
    result = kHalfPiHigh;
  }
  return x < 0 ? -result : result;
}

}  // namespace msa
