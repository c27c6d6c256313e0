// The model's own sine, cosine and tangent: their constants against their
// definitions, their results against the C library's. These depend on the
// x87 80-bit long double: with another format the library answers everything.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/extended_trig.hpp"
#include "model/extended_trig_constants.hpp"

using namespace msa;

using LD = long double;

namespace {

#define REQUIRE_EXTENDED()                                      \
  if (std::numeric_limits<LD>::digits != 64)                    \
  GTEST_SKIP() << "depends on the x87 80-bit long double"

LD ulpsApart(LD ours, LD library) {
  const LD a = std::fabs(library);
  const LD ulp = std::nextafter(a, std::numeric_limits<LD>::infinity()) - a;
  return std::fabs(ours - library) / ulp;
}

struct Range {
  LD low, high;
};

// The model's angles, the edges of the polynomials (|r| near pi/4 in every
// quadrant), and arguments far up where the third part of pi/2 counts.
constexpr Range kRanges[] = {{-0.8L, 0.8L}, {0.05L, 0.41L}, {2.26L, 2.7L},
                             {4.70L, 5.09L}, {-40.0L, 40.0L}, {30000.0L, 30100.0L}};

LD factorial(int n) { return n <= 1 ? 1.0L : n * factorial(n - 1); }  // exact up to 25!

// 1/n! as one division is rounded once, as the coefficients must be; the
// decimal literals of pi are rounded once by the compiler. The last bits of
// the third part of pi/2 move no result (see the reduction's proof).
TEST(ExtendedTrig, ConstantsAreTheirDefinitionsRoundedOnce) {
  REQUIRE_EXTENDED();
  using namespace trig_constants;
  for (int j = 0; j < 9; ++j) {
    EXPECT_EQ(kSin[j], (j % 2 ? 1.0L : -1.0L) / factorial(2 * j + 3)) << j;
    EXPECT_EQ(kCos[j], (j % 2 ? -1.0L : 1.0L) / factorial(2 * j + 4)) << j;
  }
  EXPECT_EQ(kTwoOverPi, 0.636619772367581343075535053490057448L);
  EXPECT_EQ(kQuarterPi, 0.785398163397448309615660845819875721L);
  EXPECT_EQ(std::trunc(std::ldexp(kHalfPiPart1, 31)), std::ldexp(kHalfPiPart1, 31));
  EXPECT_EQ(std::trunc(std::ldexp(kHalfPiPart2, 63)), std::ldexp(kHalfPiPart2, 63));
  EXPECT_LT(kHalfPiPart2, 0x1p-31L);
  EXPECT_LT(kHalfPiPart3, 0x1p-63L);
  EXPECT_EQ((kHalfPiPart1 + kHalfPiPart2) + kHalfPiPart3, 1.57079632679489661923132169163975144L);
}

TEST(ExtendedTrig, AgreesWithTheLibraryWithinOneUlp) {
  REQUIRE_EXTENDED();
  constexpr int kSteps = 20000;
  for (const Range& range : kRanges) {
    for (int i = 0; i <= kSteps; ++i) {
      const LD x = range.low + (range.high - range.low) * (LD(i) + 0.318309886L) / kSteps;
      LD s = 0, c = 0, t = 0;
      extendedSinCosTan(x, s, c, t);
      ASSERT_LE(ulpsApart(s, sinl(x)), 1) << "sin " << double(x);
      ASSERT_LE(ulpsApart(c, cosl(x)), 1) << "cos " << double(x);
      // glibc's tanl is itself up to 1.6 ulp off (ours below 0.85).
      ASSERT_LE(ulpsApart(t, tanl(x)), 2) << "tan " << double(x);
      ASSERT_EQ(extendedSin(x), s);
      ASSERT_EQ(extendedCos(x), c);
      ASSERT_EQ(extendedTan(x), t);
    }
  }
}

TEST(ExtendedTrig, KeepsSignedZeroAndTinyArgumentsAndLeavesTheRestToTheLibrary) {
  REQUIRE_EXTENDED();
  EXPECT_TRUE(std::signbit(extendedSin(-0.0L)));
  EXPECT_TRUE(std::signbit(extendedTan(-0.0L)));
  EXPECT_EQ(extendedCos(-0.0L), 1.0L);
  EXPECT_EQ(extendedSin(0x1p-40L), 0x1p-40L);
  EXPECT_TRUE(std::isnan(extendedSin(std::numeric_limits<LD>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(extendedCos(std::numeric_limits<LD>::infinity())));
  // Beyond the bound of exact reduction, and next to a multiple of pi/2.
  for (const LD x : {1e6L, -7e5L, 3.14159265358979323851L, 4.71238898038468985769L})
    EXPECT_EQ(extendedSin(x), sinl(x)) << double(x);
}

}  // namespace
