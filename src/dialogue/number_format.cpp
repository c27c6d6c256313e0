#include "dialogue/number_format.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace msa {

namespace {

// The decimal exponent of the first significant digit, when it lies in -1..6:
// such numbers are written without an exponent.
std::optional<int> plainExponent(double magnitude) {
  static constexpr std::array<double, 9> kPowers{0.1, 1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7};
  for (int e = -1; e <= 6; ++e)
    if (magnitude >= kPowers[static_cast<std::size_t>(e + 1)] &&
        magnitude < kPowers[static_cast<std::size_t>(e + 2)])
      return e;
  return std::nullopt;
}

void append(NumberText& text, std::string_view part) {
  for (char c : part)
    if (text.size < text.chars.size()) text.chars[text.size++] = c;
}

// Trailing zeros of a fraction removed, and its point if nothing follows it.
std::string_view trimFraction(std::string_view digits) {
  if (digits.find('.') == std::string_view::npos) return digits;
  digits = digits.substr(0, digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits.remove_suffix(1);
  return digits;
}

// d.dddddde+xxx with the mantissa's trailing zeros removed (its point stays).
void appendExponentNotation(NumberText& text, double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.6e", value);
  const std::string_view printed(buffer);
  const std::size_t e = printed.find('e');
  const std::string_view mantissa = printed.substr(0, e);
  append(text, mantissa.substr(0, mantissa.find_last_not_of('0') + 1));
  const int exponent = std::atoi(buffer + e + 1);
  std::snprintf(buffer, sizeof buffer, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
  append(text, buffer);
}

}  // namespace

NumberText numberText(float value) {
  NumberText text;
  if (std::isnan(value)) {
    append(text, " nan");
  } else if (std::isinf(value)) {
    append(text, value > 0 ? " inf" : "-inf");
  } else if (value == 0) {
    append(text, " 0");
  } else {
    const double wide = value;
    if (!std::signbit(wide)) append(text, " ");
    if (const std::optional<int> e = plainExponent(std::fabs(wide))) {
      char buffer[40];
      std::snprintf(buffer, sizeof buffer, "%.*f", 6 - *e, wide);
      append(text, trimFraction(buffer));
    } else {
      appendExponentNotation(text, wide);
    }
  }
  return text;
}

std::string formatNumber(float value) { return std::string(numberText(value).view()); }

std::string formatWhole(std::int32_t value) {
  const std::string digits = std::to_string(value);
  return value >= 0 ? " " + digits : digits;
}

}  // namespace msa
