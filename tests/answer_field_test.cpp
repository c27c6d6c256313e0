#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "dialogue/answer_field.hpp"

using namespace msa;

namespace {

struct Split {
  std::string line;
  std::string field;
};

TEST(AnswerField, TakesTheFirstFieldOfTheLine) {
  const Split cases[] = {
      {"", ""},
      {"   ", ""},
      {" \t 12", "12"},
      {"\n\r r", "r"},
      {"0,5", "0"},
      {",5", ""},
      {"r ", "r "},                     // a trailing blank belongs to the field
      {"r,x", "r"},
      {"a b\tc", "a b\tc"},
      {"ab\"c,d", "ab\"c"},             // a quote inside a field is ordinary
      {"\"r\"", "r"},
      {"  \"a, b \",c", "a, b "},      // commas and blanks inside quotes
      {"\"r\"xyz", "r"},                // the rest after the closing quote is dropped
      {"\"unterminated, rest ", "unterminated, rest "},
      {"\"\"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(answerField(c.line), c.field) << '[' << c.line << ']';
}

TEST(AnswerField, TakesAtMost4096Characters) {
  EXPECT_EQ(answerField(std::string(5000, 'x')), std::string(4096, 'x'));
  EXPECT_EQ(answerField("  \"" + std::string(5000, 'y') + "\""), std::string(4096, 'y'));
  EXPECT_EQ(answerField(std::string(4096, 'z') + ",1"), std::string(4096, 'z'));
}

struct Value {
  const char* field;
  float value;
};

TEST(NumericValue, ReadsTheLeadingNumber) {
  const Value cases[] = {
      {"", 0},          {"   ", 0},        {"abc", 0},       {"12abc", 12},     {"  7", 7},
      {"1.5e-3", 0.0015f}, {"1.5d-3", 0.0015f}, {"1.5D-3", 0.0015f}, {"1.5E-3", 0.0015f},
      {"-2.5", -2.5f},  {"+4", 4},         {"-", 0},         {"+", 0},          {".", 0},
      {"-.", 0},        {".5", 0.5f},      {"-.5", -0.5f},   {"5.", 5},         {"1e", 1},
      {"1e+", 1},       {"1e-", 1},        {"2e3x", 2000},   {"1.2.3", 1.2f},   {"0,5", 0},
      {"- 5", 0},       {"e5", 0},         {"1 2", 1},       {"0.217", 0.217f},
      {"153.5 V", 153.5f},
  };
  for (const auto& c : cases) EXPECT_EQ(numericValue(c.field), c.value) << '[' << c.field << ']';
}

TEST(NumericValue, ReadsWholeNumbersInBase16_8And2) {
  const Value cases[] = {
      {"&H10", 16},  {"&h10", 16},  {"&HfF", 255}, {"&O17", 15},  {"&o17", 15},  {"&B101", 5},
      {"&b101", 5},  {"  &H10", 16},
      {"&H", 0},     {"&HZZ", 0},   {"&H1G", 1},   {"&O8", 0},    {"&O78", 7},   {"&B2", 0},
      {"&B1012", 5}, {"&H-1", 0},
      // formed as a 32-bit integer that wraps around
      {"&HFFFFFFFF", -1}, {"&H7FFFFFFF", 2147483648.0f}, {"&H80000000", -2147483648.0f},
      {"&H100000000", 0}, {"&H100000010", 16},
      {"&X10", 0},   {"&", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(numericValue(c.field), c.value) << '[' << c.field << ']';
}

TEST(NumericValue, FormsTheValueInDoubleThenRoundsToSingle) {
  const float inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(numericValue("1e39"), inf);
  EXPECT_EQ(numericValue("-1e39"), -inf);
  EXPECT_EQ(numericValue("1d400"), inf);
  EXPECT_EQ(numericValue("3.4028235e38"), std::numeric_limits<float>::max());
  // Up to half a last unit above the largest single still rounds down to it.
  EXPECT_EQ(numericValue("3.40282356e38"), std::numeric_limits<float>::max());
  EXPECT_EQ(numericValue("3.40282357e38"), inf);
  EXPECT_EQ(numericValue("1e-50"), 0.0f);
  EXPECT_EQ(numericValue("1e-400"), 0.0f);
  EXPECT_EQ(numericValue("1.401298e-45"), std::numeric_limits<float>::denorm_min());
  EXPECT_EQ(numericValue("1e-40"), 1e-40f);
  EXPECT_TRUE(std::signbit(numericValue("-0")));
  EXPECT_EQ(numericValue(std::string(300, '9')), inf);
  EXPECT_EQ(numericValue("0." + std::string(300, '0') + "1e300"), 1e-1f);
}

}  // namespace
