// msa-trig-accuracy: how far our own sine, cosine, tangent and
// arctangent lie from glibc's (the x87 functions of x86-64), over random
// arguments in each range the model meets, beyond it (up to 2^64, and
// huge), next to multiples of pi/2, and over every float of a
// range. Prints, per function, the largest difference in ulps of the extended
// type, how many results differ at all, and how many differ once rounded to
// float; with GCC's quadmath also the largest error against a 113-bit
// reference. Takes several minutes; not run by CTest. An argument, if given,
// replaces the 10 million per range and skips the floats. Needs the hardware
// extended type, which glibc's functions take.
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "numeric/trigonometry.hpp"
#include "numeric/trig_constants.hpp"
#include "numeric/extended.hpp"

#if defined(__GNUC__) && !defined(__clang__) && __has_include(<quadmath.h>)
#include <quadmath.h>
#define MSA_HAVE_QUADMATH 1
#endif

using namespace msa;

#ifdef MSA_HARDWARE_EXTENDED

namespace {

enum Function { kSin, kCos, kTan, kAtan };

struct Tally {
  const char* name;
  Extended worstUlps = 0, worstArg = 0;
  Extended worstTrueUlps = 0;
  std::uint64_t differ = 0, floatDiffer = 0, count = 0;
};

Extended ulpOf(Extended v) {
  const Extended a = magnitude(v);
  return std::nextafter(a, std::numeric_limits<Extended>::infinity()) - a;
}

Extended trueError(Function f, Extended x, Extended ours) {
#ifdef MSA_HAVE_QUADMATH
  const __float128 q = x;
  const __float128 ref = f == kSin ? sinq(q) : f == kCos ? cosq(q) : f == kTan ? tanq(q) : atanq(q);
  return Extended(fabsq(__float128(ours) - ref)) / ulpOf(Extended(ref));
#else
  (void)f, (void)x, (void)ours;
  return 0;
#endif
}

void record(Tally& t, Function f, Extended x, Extended ours, Extended lib, bool checkTrue) {
  ++t.count;
  if (ours != lib) ++t.differ;
  if (float(ours) != float(lib)) ++t.floatDiffer;
  const Extended ulps = magnitude(ours - lib) / ulpOf(lib);
  if (ulps > t.worstUlps) {
    t.worstUlps = ulps;
    t.worstArg = x;
  }
  if (checkTrue) {
    const Extended e = trueError(f, x, ours);
    if (e > t.worstTrueUlps) t.worstTrueUlps = e;
  }
}

struct Tallies {
  Tally sin{"sin"}, cos{"cos"}, tan{"tan"}, atan{"atan"};
  bool trig = true;  // else the arctangent

  // The true error is looked at for one argument in 16: quadmath is slow.
  void add(Extended x, bool checkTrue) {
    if (!trig) {
      record(atan, kAtan, x, extendedAtan(x), atanl(x), checkTrue);
      return;
    }
    Extended s = 0, c = 0, t = 0;
    extendedSinCosTan(x, s, c, t);
    record(sin, kSin, x, s, sinl(x), checkTrue);
    record(cos, kCos, x, c, cosl(x), checkTrue);
    record(tan, kTan, x, t, tanl(x), checkTrue);
  }

  void print(const char* range) const {
    for (const Tally* t : {&sin, &cos, &tan, &atan}) {
      if (t->count == 0) continue;
      std::printf("%-28s %-4s %10" PRIu64 " args  max %.3Lf ulp from libc (at %.21Lg)  %9" PRIu64
                  " differ  %" PRIu64 " differ as float  max %.3Lf ulp true error\n",
                  range, t->name, t->count, t->worstUlps, t->worstArg, t->differ, t->floatDiffer,
                  t->worstTrueUlps);
    }
    std::fflush(stdout);
  }
};

Extended uniform(std::mt19937_64& rng) { return Extended(rng()) * extendedConstant(1, -64); }

void randomRange(bool trig, const char* name, Extended low, Extended high, std::uint64_t n,
                 std::mt19937_64& rng) {
  Tallies t;
  t.trig = trig;
  for (std::uint64_t i = 0; i < n; ++i) t.add(low + (high - low) * uniform(rng), (i & 15) == 0);
  t.print(name);
}

// A random significand and a uniformly drawn binary exponent in [low, high).
void logRange(bool trig, const char* name, int low, int high, std::uint64_t n, std::mt19937_64& rng) {
  Tallies t;
  t.trig = trig;
  for (std::uint64_t i = 0; i < n; ++i) {
    const Extended m = Extended(rng() | (std::uint64_t{1} << 63)) * extendedConstant(1, -63);
    const int e = low + int(rng() % std::uint64_t(high - low));
    const Extended x = scaleByPowerOfTwo(m, e);
    t.add(rng() & 1 ? -x : x, (i & 15) == 0);
  }
  t.print(name);
}

// k pi/2 rounded, k up to 2^`bits`, moved by up to 64 ulps: the arguments
// whose reduction cancels most.
void nearMultiples(const char* name, int bits, std::uint64_t n, std::mt19937_64& rng) {
  using namespace trig_constants;
  Tallies t;
  for (std::uint64_t i = 0; i < n; ++i) {
    const Extended k = Extended(1 + rng() % (std::uint64_t{1} << bits));
    Extended x = k * kHalfPiHigh + k * kHalfPiLow;
    const int steps = int(rng() % 129) - 64;
    for (int s = 0; s < steps; ++s) x = std::nextafter(x, std::numeric_limits<Extended>::infinity());
    for (int s = 0; s > steps; --s) x = std::nextafter(x, Extended(0));
    t.add(x, (i & 15) == 0);
  }
  t.print(name);
}

void everyFloat(bool trig, const char* name, float low, float high) {
  Tallies t;
  t.trig = trig;
  std::uint64_t i = 0;
  for (float f = low; f < high; f = std::nextafter(f, high)) t.add(f, (++i & 15) == 0);
  t.print(name);
}

bool sameBits(Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; }

void specials() {
  const Extended inf = std::numeric_limits<Extended>::infinity();
  const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
  int differ = 0;
  for (const Extended x : {inf, -inf, nan, -nan, Extended(0), -Extended(0)}) {
    differ += !sameBits(extendedAtan(x), atanl(x));
    differ += !sameBits(extendedSin(x), sinl(x)) + !sameBits(extendedCos(x), cosl(x)) +
              !sameBits(extendedTan(x), tanl(x));
  }
  std::printf("infinities, NaN, zeros: %d of 24 results differ in their bits from libc\n", differ);
}

}  // namespace

int main(int argc, char** argv) {
  std::mt19937_64 rng(20261208);
  const std::uint64_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
  specials();
  // The arctangent: b/a of the argument of a vector, sinval/cosval of the guard angle.
  randomRange(false, "atan b/a [-1,1]", -1, 1, n, rng);
  randomRange(false, "atan sinval/cosval [-4,4]", -4, 4, n, rng);
  randomRange(false, "atan wide [-100,100]", -100, 100, n, rng);
  logRange(false, "atan huge [2^7,2^16384)", 7, 16384, n, rng);
  logRange(false, "atan tiny [2^-80,2^-7)", -80, -7, n, rng);
  if (argc <= 1) everyFloat(false, "atan every float [1/16,16)", 0.0625f, 16.0f);
  // Sine, cosine and tangent: the model's angles, then beyond.
  randomRange(true, "mu2 [0.05,0.21]", 0.05, 0.21, n, rng);
  randomRange(true, "mu [0.10,0.41]", 0.10, 0.41, n, rng);
  randomRange(true, "rau-nu [0.10,0.25]", 0.10, 0.25, n, rng);
  randomRange(true, "nu [2.26,2.49]", 2.26, 2.49, n, rng);
  randomRange(true, "rau [2.3,2.7]", 2.3, 2.7, n, rng);
  randomRange(true, "nu+rau [4.70,5.09]", 4.70, 5.09, n, rng);
  randomRange(true, "wide [-100,100]", -100, 100, n, rng);
  randomRange(true, "far [1000,65536)", 1000, 65535.99, n, rng);
  logRange(true, "beyond [2^16,2^64)", 16, 64, n, rng);
  logRange(true, "huge [2^64,2^16384)", 64, 16384, n, rng);
  nearMultiples("near k pi/2, k < 2^16", 16, n, rng);
  nearMultiples("near k pi/2, k < 2^40", 40, n, rng);
  if (argc <= 1) everyFloat(true, "every float [0.5,10)", 0.5f, 10.0f);
}

#else

int main() {
  std::puts("the extended type is the software one here: glibc's functions take another");
  return 0;
}

#endif
