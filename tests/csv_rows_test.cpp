#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "results/csv_rows.hpp"

using namespace msa;

namespace {

std::string printed(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

std::string csv(float value) {
  std::string out;
  appendCsvNumber(out, value);
  return out;
}

TEST(CsvNumbers, AreNineDigitPrintfNumbersThatReadBackAsTheSameFloat) {
  const float edges[] = {0.0f, -0.0f, 1.0f, 0.1f, -0.05f, 1146.0f, 123456789.0f, 1e9f, 1e-5f, 9.99999999e-5f,
                         FLT_MIN, FLT_MAX, FLT_TRUE_MIN, -FLT_MAX, 0.000123456789f, 5.0e-4f};
  for (const float value : edges) EXPECT_EQ(csv(value), printed(value)) << printed(value);
  EXPECT_EQ(csv(std::numeric_limits<float>::infinity()), "inf");
  EXPECT_EQ(csv(-std::numeric_limits<float>::infinity()), "-inf");
  EXPECT_EQ(csv(std::numeric_limits<float>::quiet_NaN()), "nan");
  // Both floats next to each power of ten, where 9.99999999...e(k-1) rounds
  // up to 1e(k) and the exponent must go up with it.
  for (int k = -45; k <= 38; ++k) {
    char power[16];
    std::snprintf(power, sizeof power, "1e%d", k);
    const float nearest = std::strtof(power, nullptr);
    for (const float value : {std::nextafter(nearest, 0.0f), nearest, std::nextafter(nearest, FLT_MAX)}) {
      EXPECT_EQ(csv(value), printed(value)) << power;
    }
  }

  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> bits;
  for (int i = 0; i < 200000; ++i) {
    const std::uint32_t pattern = bits(random);
    float value;
    std::memcpy(&value, &pattern, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string text = csv(value);
    ASSERT_EQ(text, printed(value));
    ASSERT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
  }
}

TEST(CsvRows, ShowSpeedInRpmAndAnglesInDegrees) {
  std::string out;
  // 40 pi rad/s is 1200 r/min; pi/4 rad is 45°, pi/2 90°, pi 180°.
  appendCsvRow(out, 3, {0.5f, 125.663704f, 0.785398185f, 1.57079637f, 5.0f, 3.14159274f, 110.0f, -4.25f});
  EXPECT_EQ(out, "3,0.5,1200,5,45,90,180,110,-4.25\n");
}

}  // namespace
