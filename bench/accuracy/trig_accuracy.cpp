// msa-trig-accuracy: how far the model's own sine, cosine and tangent lie
// from the C library's, over random arguments in each range the model meets
// and over every float in [0.5, 10). Prints, per function, the largest
// difference in long double ulps, how many results differ at all, and how
// many differ once rounded to float; with GCC's quadmath also the largest
// error against a 113-bit reference. Takes a few minutes; not run by CTest.
// An argument, if given, replaces the 10 million per range and skips the floats.
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "model/extended_trig.hpp"

#if defined(__GNUC__) && !defined(__clang__) && __has_include(<quadmath.h>)
#include <quadmath.h>

using namespace msa;
#define MSA_HAVE_QUADMATH 1
#endif

using LD = long double;

namespace {

struct Tally {
  const char* name;
  LD worstUlps = 0, worstArg = 0;
  LD worstTrueUlps = 0;
  std::uint64_t differ = 0, floatDiffer = 0, count = 0;
};

LD ulpOf(LD v) {
  const LD a = std::fabs(v);
  return std::nextafter(a, std::numeric_limits<LD>::infinity()) - a;
}

LD trueError(int which, LD x, LD ours) {
#ifdef MSA_HAVE_QUADMATH
  const __float128 q = x;
  const __float128 ref = which == 0 ? sinq(q) : which == 1 ? cosq(q) : tanq(q);
  return LD(fabsq(__float128(ours) - ref)) / ulpOf(LD(ref));
#else
  (void)which, (void)x, (void)ours;
  return 0;
#endif
}

void record(Tally& t, int which, LD x, LD ours, LD lib, bool checkTrue) {
  ++t.count;
  if (ours != lib) ++t.differ;
  if (float(ours) != float(lib)) ++t.floatDiffer;
  const LD ulps = std::fabs(ours - lib) / ulpOf(lib);
  if (ulps > t.worstUlps) {
    t.worstUlps = ulps;
    t.worstArg = x;
  }
  if (checkTrue) {
    const LD e = trueError(which, x, ours);
    if (e > t.worstTrueUlps) t.worstTrueUlps = e;
  }
}

struct Tallies {
  Tally sin{"sin"}, cos{"cos"}, tan{"tan"};

  // The true error is looked at for one argument in 16: quadmath is slow.
  void add(LD x, bool checkTrue) {
    LD s = 0, c = 0, t = 0;
    extendedSinCosTan(x, s, c, t);
    record(sin, 0, x, s, sinl(x), checkTrue);
    record(cos, 1, x, c, cosl(x), checkTrue);
    record(tan, 2, x, t, tanl(x), checkTrue);
  }

  void print(const char* range) const {
    for (const Tally* t : {&sin, &cos, &tan})
      std::printf("%-22s %s  %10" PRIu64 " args  max %.3Lf ulp from libc (at %.21Lg)  %9" PRIu64
                  " differ  %" PRIu64 " differ as float  max %.3Lf ulp true error\n",
                  range, t->name, t->count, t->worstUlps, t->worstArg, t->differ, t->floatDiffer,
                  t->worstTrueUlps);
  }
};

void randomRange(const char* name, LD low, LD high, std::uint64_t n, std::mt19937_64& rng) {
  Tallies t;
  for (std::uint64_t i = 0; i < n; ++i) {
    const LD u = LD(rng()) * 0x1p-64L;
    t.add(low + (high - low) * u, (i & 15) == 0);
  }
  t.print(name);
}

void everyFloat(float low, float high) {
  Tallies t;
  std::uint64_t i = 0;
  for (float f = low; f < high; f = std::nextafter(f, high)) t.add(f, (++i & 15) == 0);
  t.print("every float [0.5,10)");
}

}  // namespace

int main(int argc, char** argv) {
  if (std::numeric_limits<LD>::digits != 64) {
    std::puts("long double is not the 80-bit format: the C library answers everything");
    return 0;
  }
  std::mt19937_64 rng(20261208);
  const std::uint64_t n = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10'000'000;
  randomRange("mu2 [0.05,0.21]", 0.05L, 0.21L, n, rng);
  randomRange("mu [0.10,0.41]", 0.10L, 0.41L, n, rng);
  randomRange("rau-nu [0.10,0.25]", 0.10L, 0.25L, n, rng);
  randomRange("nu [2.26,2.49]", 2.26L, 2.49L, n, rng);
  randomRange("rau [2.3,2.7]", 2.3L, 2.7L, n, rng);
  randomRange("nu+rau [4.70,5.09]", 4.70L, 5.09L, n, rng);
  randomRange("wide [-100,100]", -100.0L, 100.0L, n, rng);
  randomRange("far [1000,65536)", 1000.0L, 65535.99L, n, rng);
  if (argc <= 1) everyFloat(0.5f, 10.0f);
}
