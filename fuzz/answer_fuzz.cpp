// libFuzzer target: the answer line and the number format.
//
// The input is one typed line: its answer field and the numeric value of the
// field and of the line must keep the properties below. Its first four bytes,
// read as the bits of a float (any pattern: subnormals, infinities, NaNs), and
// the value the line itself gives, are printed in the number format and read
// back: the text must give the value again to 7 significant digits.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "dialogue/answer_field.hpp"
#include "dialogue/number_format.hpp"

using namespace msa;

namespace {

[[noreturn]] void fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

bool same(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool isLineBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

void checkField(std::string_view line) {
  const std::string field = answerField(line);
  if (field.size() > 4096) fail("field longer than 4096 characters", field);
  std::string_view rest = line;
  while (!rest.empty() && isLineBlank(rest.front())) rest.remove_prefix(1);
  const bool quoted = !rest.empty() && rest.front() == '"';
  if (quoted) rest.remove_prefix(1);
  // The field is where the line's text begins, and stops at the first
  // closing quote or comma, or at the limit.
  if (rest.substr(0, field.size()) != field) fail("field is not the start of the line's text", field);
  const char stop = quoted ? '"' : ',';
  if (field.find(stop) != std::string::npos) fail("field runs past its end", field);
  if (field.size() < 4096 && field.size() < rest.size() && rest[field.size()] != stop)
    fail("field ends early", field);
}

void checkValue(std::string_view field) {
  const float value = numericValue(field);
  if (std::isnan(value)) fail("not a number from an answer", field);
  // Leading blanks are skipped, and nothing after the number counts.
  if (!same(numericValue(" " + std::string(field)), value)) fail("a leading blank changes the value", field);
  if (!same(numericValue(std::string(field) + "x"), value)) fail("trailing text changes the value", field);
  std::string_view text = field;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.size() >= 2 && text[0] == '&' && std::strchr("HhOoBb", text[1]) != nullptr) {
    // Whole numbers formed in 32 bits.
    if (value != std::trunc(value) || std::fabs(value) > 2147483648.0f) fail("radix value is no 32-bit integer", field);
    return;
  }
  if (!text.empty() && text[0] >= '0' && text[0] <= '9' && !same(numericValue("-" + std::string(text)), -value))
    fail("a minus sign does not negate the value", field);
  // d and D are exponent letters like e and E.
  std::string withE(field);
  std::replace(withE.begin(), withE.end(), 'd', 'e');
  std::replace(withE.begin(), withE.end(), 'D', 'E');
  if (!same(numericValue(withE), value)) fail("d exponent differs from e exponent", field);
}

void checkFormat(float value) {
  const std::string text = formatNumber(value);
  if (text.empty() || text.size() > 14) fail("printed number of the wrong length", text);
  if (text.front() != ' ' && text.front() != '-') fail("printed number without its sign place", text);
  if (text.back() == ' ') fail("printed number ends with a blank", text);
  if (std::isnan(value)) {
    if (text != " nan") fail("not a number printed otherwise", text);
    return;
  }
  if (std::isinf(value)) {
    if (text != (value > 0 ? " inf" : "-inf")) fail("infinity printed otherwise", text);
    return;
  }
  if ((text.front() == '-') != (value < 0)) fail("printed sign differs", text);
  // The text stands for a decimal within half a unit of its 7th digit...
  const double decimal = std::strtod(text.c_str(), nullptr);
  if (!(std::fabs(decimal) <= 0x1.fffffep+127)) fail("printed number beyond single precision", text);
  if (std::fabs(decimal - double(value)) > 5e-7 * std::fabs(double(value)) * (1 + 1e-12))
    fail("printed number is not the value to 7 digits", text);
  // ... and an answer of that text is that decimal rounded to single precision.
  const float back = numericValue(text);
  if (back != static_cast<float>(decimal)) fail("printed number reads back otherwise", text);
  if (std::fabs(back - double(value)) > 5.6e-7 * std::fabs(double(value)) && std::fabs(value) >= 0x1p-126f)
    fail("printed number does not read back to 7 digits", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  checkField(line);
  const std::string field = answerField(line);
  checkValue(field);
  checkValue(line);
  checkFormat(numericValue(field));
  if (size >= 4) {
    float bits;
    std::memcpy(&bits, data, sizeof bits);
    checkFormat(bits);
  }
  return 0;
}
