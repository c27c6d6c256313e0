#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "dialogue/answer_field.hpp"
#include "dialogue/number_format.hpp"

using namespace msa;

namespace {

struct Printed {
  float value;
  const char* text;
};

TEST(NumberFormat, PrintsEachValueAsTheDialogueShowsIt) {
  const Printed cases[] = {
      {3.1415927f, " 3.141593"},  {0.217f, " 0.217"},       {1146.0f, " 1146"},
      {120.00884f, " 120.0088"},  {49.5f, " 49.5"},         {-49.5f, "-49.5"},
      {0.1f, " 0.1"},             {0.09f, " 9.e-002"},      {0.05f, " 5.e-002"},
      {-0.05f, "-5.e-002"},       {0.00611f, " 6.11e-003"}, {0.0005f, " 5.e-004"},
      {0.00001f, " 1.e-005"},     {1234567.0f, " 1234567"}, {10000000.0f, " 1.e+007"},
      {12345678.0f, " 1.234568e+007"}, {0.0f, " 0"},        {6.1f, " 6.1"},
      {-1.2345678e-5f, "-1.234568e-005"},  // the longest text: 14 characters
      {-0.0f, " 0"},
      {2.0f, " 2"},
      {-1.0f, "-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

// The notation follows the value's own decimal exponent; a carry made by the
// 7-digit rounding changes the printed exponent but not the notation.
TEST(NumberFormat, NotationAtTheEdgesOfThePlainRange) {
  const Printed cases[] = {
      {std::nextafter(0.1f, 0.0f), " 9.999999e-002"},  // 0.099999994, just below 0.1
      {0.099999999f, " 0.1"},                          // rounds to the single 0.1
      {std::nextafter(1e7f, 0.0f), " 9999999"},
      {9999999.5f, " 1.e+007"},                        // the single nearest is 10 000 000
      {std::nextafter(1.0f, 0.0f), " 0.9999999"},
      {999999.94f, " 999999.9"},
      {1e-5f, " 1.e-005"},                             // 9.99999975e-6: exponent -6 before rounding
      {1e11f, " 1.e+011"},                             // 99999997952 likewise
  };
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST(NumberFormat, ExtremeAndNonFiniteValues) {
  using L = std::numeric_limits<float>;
  const Printed cases[] = {
      {L::infinity(), " inf"},         {-L::infinity(), "-inf"},      {L::quiet_NaN(), " nan"},
      {L::max(), " 3.402823e+038"},    {L::lowest(), "-3.402823e+038"},
      {L::min(), " 1.175494e-038"},    {L::denorm_min(), " 1.401298e-045"},
      {-L::denorm_min(), "-1.401298e-045"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

// Every finite single, printed and typed back, gives itself again to the
// printed 7 digits; the text never ends with a blank, a point or a 0 after
// the point, and is at most 14 characters long.
TEST(NumberFormat, PrintedTextReadsBackToTheSameValue) {
  std::uint32_t state = 12345;
  int checked = 0;
  for (int n = 0; n < 200000; ++n) {
    state = state * 1664525u + 1013904223u;  // the whole bit-pattern space, sign included
    const float value = std::bit_cast<float>(state);
    if (!std::isfinite(value)) continue;
    ++checked;
    const std::string text = formatNumber(value);
    ASSERT_LE(text.size(), 14u) << text;
    ASSERT_EQ(text.front() == '-', std::signbit(value) && value != 0) << text;
    ASSERT_NE(text.back(), ' ');
    ASSERT_NE(text.back(), '.');
    if (text.find('e') == std::string::npos && text.find('.') != std::string::npos) {
      ASSERT_NE(text.back(), '0') << text;
    }
    const float back = numericValue(text);
    // The 7-digit text lies within half a unit of its last digit (5e-7 of the
    // value); the single nearest to it is no farther from it than the value is.
    ASSERT_LE(std::fabs(double{back} - double{value}), 1e-6 * std::fabs(double{value}))
        << value << " printed " << text << " read back " << back;
  }
  EXPECT_GT(checked, 190000);
}

}  // namespace
