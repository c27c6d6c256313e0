// The software extended type, bit for bit as the x87 unit: on x86-64 against
// the hardware case by case; everywhere against digests of the x87 results
// recorded on x86-64 (the cases come from our own generator, the same on
// every target). msa-extended-accuracy runs the same cases by the hundred
// million.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>

#include "numeric/extended.hpp"
#include "support/describe_extended.hpp"
#include "support/extended_cases.hpp"

using namespace msa;
using namespace msa::extended_cases;

namespace {

constexpr int kCasesPerOperation = 6000;

// FNV-1a of the x87 results of each operation's cases, recorded on x86-64.
constexpr std::uint64_t kRecordedDigests[kOperations] = {
    0xFCFB94E57E981D68u, 0xB58289B48D97E87Au, 0xF885EC38FC4ABA85u,
    0xE7D91634843DD3A8u, 0x32123B8F99451327u, 0xA8592DAB4226BEADu,
    0xB86DC78FD599EACAu, 0x46CC30D6799A18E7u, 0x7D48C7A2B0EBB6D4u,
    0x6AADA5B2F9A1EF64u, 0x06E992CEF4795D7Eu, 0x47341FDA36AD5A8Eu,
    0xAAAEFB788C7C9418u, 0x80EE800F25D59A63u, 0x0BC6A830E043C729u,
    0xAB99F337BB2C330Bu, 0xC01B9825ECCAB66Au,
};

std::uint64_t mix(std::uint64_t digest, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) {
    digest = (digest ^ ((value >> (8 * i)) & 0xFF)) * 0x100000001B3u;
  }
  return digest;
}

TEST(SoftExtended, EveryOperationAsTheX87UnitComputesIt) {
  for (int i = 0; i < kOperations; ++i) {
    const auto op = static_cast<Operation>(i);
    Random random{0xC0FFEE00u + static_cast<std::uint64_t>(i)};
    std::uint64_t digest = 0xCBF29CE484222325u;
    int wrong = 0;
    for (int k = 0; k < kCasesPerOperation; ++k) {
      const Case c = makeCase(op, random);
      const Result soft = software(op, c);
      digest = mix(mix(digest, soft.low), soft.high);
#if MSA_HAVE_X87
      const Result hard = hardware(op, c);
      if (soft != hard && ++wrong <= 3) {
        ADD_FAILURE() << name(op) << " of " << describe(c.a) << ", " << describe(c.b) << " (n " << c.n << ", raw "
                      << c.raw << "): ours " << soft.high << ":" << soft.low << ", x87 " << hard.high << ":" << hard.low;
      }
#endif
    }
    EXPECT_EQ(wrong, 0) << name(op);
    char shown[32];
    std::snprintf(shown, sizeof shown, "0x%016" PRIX64 "u", digest);
    EXPECT_EQ(digest, kRecordedDigests[i]) << name(op) << ": the results' digest is " << shown;
  }
}

// Code written for long double compiles for the software type and means the
// same: an arithmetic operand on either side, widened exactly.
TEST(SoftExtended, MixedOperandsAndConstants) {
  constexpr SoftExtended third = SoftExtended(1) / 3;
  static_assert(third.significand() == 0xAAAAAAAAAAAAAAABu && third.biasedExponent() == 0x3FFD);
  static_assert(extendedConstant(0xC90FDAA22168C235u, -62) > 3.14159 &&
                extendedConstant(0xC90FDAA22168C235u, -62) < 3.1416);
  const SoftExtended x = 2.5f;
  EXPECT_TRUE(x * 3.6 == SoftExtended(2.5) * SoftExtended(3.6));
  EXPECT_TRUE(2.0f * x == 5 && x < 3u && 0 < x && x >= 2.5 && !(-x <= -3));
  EXPECT_EQ(float(x / 2), 1.25f);
  EXPECT_EQ(static_cast<int>(-x), -2);
  EXPECT_EQ(exponentOf(x), 1);
  EXPECT_TRUE(scaleByPowerOfTwo(x, -3) == 0.3125 && magnitude(-x) == x && extendedSqrt(SoftExtended(6.25)) == x);
  EXPECT_TRUE(isNaN(SoftExtended(0.0) / 0.0) && signBit(SoftExtended(0.0) / 0.0) && isInf(1 / SoftExtended(0.0)));
}

}  // namespace

namespace {

// The trigonometry takes a product's error from the whole product of the
// significands where it can: the same value as the splitting, to the bit (a
// zero error included), and the splitting's own outside its reach.
TEST(SoftExtended, ExactProductErrorIsTheSplittingsValue) {
  Random random{0xE770u};
  for (int k = 0; k < 20000; ++k) {
    const int spread = k % 8 == 0 ? 9000 : 300;
    const SoftExtended a = normalWith(random, kBias + random.between(-spread, spread));
    const SoftExtended b = k % 4 == 0 ? a : normalWith(random, kBias + random.between(-300, 300));
    const SoftExtended p = a * b;
    ASSERT_EQ(describe(exactProductError(a, b, p)), describe(error_free::splitProductError(a, b, p)))
        << describe(a) << " " << describe(b);
  }
}

}  // namespace

namespace {

// The whole-word product and quotient that WebAssembly uses (in 32-bit
// halves and digits), against the compiler's 128-bit arithmetic, here on
// every target: random words and the edges of the quotient's corrections.
TEST(SoftExtended, WordProductAndQuotientInHalves) {
  using namespace soft_extended_detail;
  Random random{0xD1D0u};
  for (int k = 0; k < 100000; ++k) {
    const std::uint64_t a = k % 3 == 0 ? ~std::uint64_t{0} - random.below(4) : random.next();
    const std::uint64_t b = random.next();
    ASSERT_TRUE(multiplyWordsInHalves(a, b) == static_cast<WideWord>(a) * b) << a << " " << b;
    const std::uint64_t divisor = (k % 5 == 0 ? ~std::uint64_t{0} << random.below(40) : b) | kIntegerBit;
    const std::uint64_t high = (k % 7 == 0 ? divisor - 1 - random.below(3) : a) % divisor;
    const std::uint64_t low = k % 11 == 0 ? ~std::uint64_t{0} : random.next();
    const WideWord numerator = (static_cast<WideWord>(high) << 64) | low;
    std::uint64_t remainder = 0;
    const std::uint64_t quotient = divideWordsInDigits(high, low, divisor, remainder);
    ASSERT_TRUE(quotient == numerator / divisor && remainder == numerator % divisor) << high << " " << low << " " << divisor;
  }
}

}  // namespace
