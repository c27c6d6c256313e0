// Our own sine, cosine, tangent and arctangent: their constants against
// their definitions, arguments at the edges of the reductions, their results
// bit for bit against digests recorded on x86-64 (on every target), and,
// where the extended type is the hardware's, against the C library's
// (glibc's x87 functions).
#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>

#include "numeric/extended.hpp"
#include "numeric/trig_constants.hpp"
#include "numeric/trigonometry.hpp"
#include "numeric/wide_word.hpp"
#include "support/extended_cases.hpp"

using namespace msa;
using namespace msa::trig_constants;

namespace {

// round(2^shift / n!), by long division in whole numbers.
WideWord inverseFactorial(int n, int shift) {
  WideWord factorial = 1;
  for (int i = 2; i <= n; ++i) factorial *= static_cast<unsigned>(i);
  WideWord quotient = 0, rest = 1;
  for (int i = 0; i < shift; ++i) {
    rest <<= 1;
    quotient <<= 1;
    if (rest >= factorial) {
      rest -= factorial;
      quotient |= 1;
    }
  }
  const WideWord twice = rest << 1;  // n! is never twice the rest but for n = 2, rest 0: no tie
  return quotient + (twice > factorial ? 1 : 0);
}

// The series' coefficients are 1/n!, each rounded once: the wide ones times
// 2^128, the narrow ones at the largest scale that keeps them in one word.
// 1/n as one division is rounded once, as the arctangent's coefficients must
// be; pi/2 and pi/4 agree, and the bits of 2/pi begin with the rounded 2/pi.
TEST(ExtendedTrig, ConstantsAreTheirDefinitionsRoundedOnce) {
  const auto checkSeries = [](const WideWords* wide, std::size_t wideCount, const NarrowTerm* narrow,
                              std::size_t narrowCount, int first) {
    for (std::size_t k = 0; k < wideCount; ++k) {
      const int n = first + 2 * static_cast<int>(k);
      EXPECT_TRUE(((WideWord{wide[k].high} << 64) | wide[k].low) == inverseFactorial(n, 128)) << "1/" << n << "!";
    }
    for (std::size_t k = 0; k < narrowCount; ++k) {
      const int n = first + 2 * static_cast<int>(wideCount + k);
      EXPECT_TRUE(narrow[k].value == inverseFactorial(n, narrow[k].scale)) << "1/" << n << "!";
      EXPECT_TRUE((inverseFactorial(n, narrow[k].scale + 1) >> 64) != 0) << "1/" << n << "!";
    }
  };
  checkSeries(kSinWide, std::size(kSinWide), kSinNarrow, std::size(kSinNarrow), 3);
  checkSeries(kCosWide, std::size(kCosWide), kCosNarrow, std::size(kCosNarrow), 2);
  for (int j = 0; j < static_cast<int>(std::size(kAtan)); ++j) {
    EXPECT_TRUE(kAtan[j] == (j % 2 ? Extended(1) : Extended(-1)) / (2 * j + 3)) << j;
  }
  EXPECT_TRUE(kQuarterPi * 2 == kHalfPiHigh);
  EXPECT_TRUE(kAtanTable[64].high == kQuarterPi);
  EXPECT_TRUE(magnitude(kHalfPiLow) < scaleByPowerOfTwo(kHalfPiHigh, -64));
  const Extended head = scaleByPowerOfTwo(Extended(kTwoOverPiWords[kTwoOverPiPadWords]), -64);
  EXPECT_TRUE(magnitude(kTwoOverPi - head) <= extendedConstant(1, -64));
}

// Next to multiples of pi/2, where r loses its leading bits: pi/2 rounded
// lies kHalfPiLow from pi/2, so its cosine is kHalfPiLow; pi rounded lies
// 2 kHalfPiLow from pi. Far up, 2^k pi/2 rounded: only an exact reduction
// knows where those lie. Signs, zeros, and what is not finite.
TEST(ExtendedTrig, ReducesExactlyEverywhere) {
  EXPECT_TRUE(extendedCos(kHalfPiHigh) == kHalfPiLow);
  EXPECT_TRUE(extendedSin(-kHalfPiHigh) == -1);
  EXPECT_TRUE(extendedSin(kHalfPiHigh * 2) == kHalfPiLow * 2);
  EXPECT_TRUE(extendedCos(kHalfPiHigh * 2) == -1);
  for (int k = 0; k < 16384; k += 97) {
    const Extended x = scaleByPowerOfTwo(kHalfPiHigh, k);
    Extended s = 0, c = 0, t = 0;
    extendedSinCosTan(x, s, c, t);
    EXPECT_TRUE(magnitude(s * s + c * c - 1) < extendedConstant(1, -62)) << k;
    EXPECT_TRUE(extendedSin(-x) == -s && extendedCos(-x) == c && extendedTan(-x) == -t) << k;
  }
  // A stored angle, taken apart from its float bits, gives what its widened
  // value gives: every binade the model can meet, both signs, the tiny ones
  // and what is not finite.
  for (float f = 0x1p-40f; f < 0x1p40f; f *= 1.37f) {
    for (const float a : {f, -f}) {
      Extended s = 0, c = 0, t = 0, ws = 0, wc = 0, wt = 0;
      extendedSinCosTan(a, s, c, t);
      extendedSinCosTan(Extended(a), ws, wc, wt);
      ASSERT_TRUE(s == ws && c == wc && t == wt && extendedSin(a) == ws && extendedCos(a) == wc) << a;
    }
  }
  EXPECT_TRUE(isNaN(extendedSin(std::numeric_limits<float>::infinity())));
  EXPECT_TRUE(signBit(extendedSin(Extended(-0.0))));
  EXPECT_TRUE(signBit(extendedTan(Extended(-0.0))));
  EXPECT_TRUE(extendedCos(Extended(-0.0)) == 1);
  EXPECT_TRUE(extendedSin(extendedConstant(1, -40)) == extendedConstant(1, -40));
  const Extended inf = Extended(std::numeric_limits<double>::infinity());
  const Extended nan = Extended(std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(isNaN(extendedSin(nan)) && isNaN(extendedCos(inf)) && isNaN(extendedTan(-inf)));
}

// The results bit for bit, over fixed arguments from our own generator:
// within pi/4, the model's angles, far up, huge, and next to multiples of
// pi/2; the arctangent's series, table and reciprocal ranges. A fault that
// moves only the last bit of a few results (a constant's last digit, a table
// point chosen one off) shows here, where a tolerance of an ulp hides it.
// FNV-1a digests of sin, cos, tan and atan, recorded on x86-64.
std::uint64_t mix(std::uint64_t digest, Extended x) {
  const ExtendedParts p = partsOf(x);
  const std::uint64_t words[] = {p.significand, static_cast<std::uint64_t>(p.exponent + 16383) | (p.negative ? 0x10000u : 0u)};
  for (const std::uint64_t value : words) {
    for (int i = 0; i < 8; ++i) digest = (digest ^ ((value >> (8 * i)) & 0xFF)) * 0x100000001B3u;
  }
  return digest;
}

Extended argument(extended_cases::Random& random, int lowExponent, int highExponent) {
  const bool negative = random.chance(50);
  const int exponent = random.between(lowExponent, highExponent);
  const std::uint64_t significand = random.next() | (std::uint64_t{1} << 63);
  Extended x = 0;
  setParts(x, negative, exponent, significand);
  return x;
}

TEST(ExtendedTrig, ResultsBitForBitOnEveryTarget) {
  constexpr std::uint64_t kRecorded[] = {0x992656F20C58394Cu, 0x8641E27F6652008Eu, 0x9B14196307F0113Eu, 0x5EADD66C424F2746u};
  extended_cases::Random random{0x7A16u};
  std::uint64_t sine = 0xCBF29CE484222325u, cosine = sine, tangent = sine, arctangent = sine;
  for (int k = 0; k < 12000; ++k) {
    Extended x = 0;
    switch (k % 6) {
      case 0: x = argument(random, -33, -2); break;    // no reduction
      case 1: case 2: x = argument(random, -1, 3); break;  // the model's angles
      case 3: x = argument(random, 4, 63); break;
      case 4: x = argument(random, 64, 16383); break;
      default: {  // within 64 units of the last place of k pi/2
        const ExtendedParts p = partsOf(Extended(random.between(1, 1 << 20)) * kHalfPiHigh);
        const bool negative = random.chance(50);
        setParts(x, negative, p.exponent, p.significand + static_cast<std::uint64_t>(random.between(-64, 64)));
        break;
      }
    }
    Extended s = 0, c = 0, t = 0;
    extendedSinCosTan(x, s, c, t);
    sine = mix(sine, s);
    cosine = mix(cosine, c);
    tangent = mix(tangent, t);
    const int low = k % 4 == 0 ? -40 : k % 4 == 1 ? 4 : -4;
    arctangent = mix(arctangent, extendedAtan(argument(random, low, k % 4 == 1 ? 80 : 3)));
  }
  const std::uint64_t digests[] = {sine, cosine, tangent, arctangent};
  const char* const names[] = {"sin", "cos", "tan", "atan"};
  for (int i = 0; i < 4; ++i) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "0x%016" PRIX64 "u", digests[i]);
    EXPECT_EQ(digests[i], kRecorded[i]) << names[i] << ": the results' digest is " << shown;
  }
}

TEST(ExtendedAtan, EdgesAndWhatIsNotFinite) {
  const Extended inf = Extended(std::numeric_limits<double>::infinity());
  EXPECT_TRUE(extendedAtan(1) == kQuarterPi);
  EXPECT_TRUE(extendedAtan(-1) == -kQuarterPi);
  EXPECT_TRUE(extendedAtan(inf) == kHalfPiHigh);
  EXPECT_TRUE(extendedAtan(-inf) == -kHalfPiHigh);
  EXPECT_TRUE(extendedAtan(extendedConstant(1, 100)) == kHalfPiHigh);
  EXPECT_TRUE(signBit(extendedAtan(Extended(-0.0))));
  EXPECT_TRUE(extendedAtan(extendedConstant(3, -40)) == extendedConstant(3, -40));
  EXPECT_TRUE(isNaN(extendedAtan(Extended(std::numeric_limits<double>::quiet_NaN()))));
}

#ifdef MSA_HARDWARE_EXTENDED

Extended ulpsApart(Extended ours, Extended library) {
  const Extended a = magnitude(library);
  const Extended ulp = std::nextafter(a, std::numeric_limits<Extended>::infinity()) - a;
  return magnitude(ours - library) / ulp;
}

struct Range {
  double low, high;
};

// The model's angles, the edges of the series (|r| near pi/4 in every
// quadrant), and arguments far up, to 1e300.
constexpr Range kRanges[] = {{-0.8, 0.8},        {0.05, 0.41},   {2.26, 2.7},  {4.70, 5.09},
                             {-40.0, 40.0},      {30000, 30100}, {1e6, 1e7},   {-1e19, -1e18},
                             {1e300, 1.001e300}};

TEST(ExtendedTrig, AgreesWithTheLibraryWithinOneUlp) {
  constexpr int kSteps = 10000;
  for (const Range& range : kRanges) {
    for (int i = 0; i <= kSteps; ++i) {
      const Extended x = range.low + (range.high - range.low) * (Extended(i) + 0.318309886) / kSteps;
      Extended s = 0, c = 0, t = 0;
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
  for (int k = 0; k < 16384; k += 97) {
    const Extended x = scaleByPowerOfTwo(kHalfPiHigh, k);
    ASSERT_LE(ulpsApart(extendedSin(x), sinl(x)), 1) << k;
    ASSERT_LE(ulpsApart(extendedCos(x), cosl(x)), 1) << k;
  }
}

// The arctangent over the quotients the model forms: |b/a| <= 1 in the
// argument of a vector, any sinval/cosval for the guard angle.
TEST(ExtendedAtan, AgreesWithTheLibraryWithinOneUlpAndAsFloat) {
  constexpr int kSteps = 20000;
  for (const Range& range : {Range{-1, 1}, Range{-100, 100}, Range{1e3, 1e22}, Range{1e-12, 1e-6}}) {
    for (int i = 0; i <= kSteps; ++i) {
      const Extended x = range.low + (range.high - range.low) * (Extended(i) + 0.318309886) / kSteps;
      const Extended ours = extendedAtan(x);
      ASSERT_LE(ulpsApart(ours, atanl(x)), 1) << double(x);
      ASSERT_EQ(float(ours), float(atanl(x))) << double(x);
    }
  }
}

#endif

}  // namespace
