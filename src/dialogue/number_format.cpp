#include "dialogue/number_format.hpp"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace msa {

namespace {

std::string trimFraction(std::string digits) {
  if (digits.find('.') == std::string::npos) return digits;
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits.pop_back();
  return digits;
}

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

std::string exponentNotation(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.6e", value);
  std::string text(buffer);
  const auto e = text.find('e');
  std::string mantissa = text.substr(0, e);
  mantissa.erase(mantissa.find_last_not_of('0') + 1);  // the point stays
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::snprintf(buffer, sizeof buffer, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return mantissa + buffer;
}

}  // namespace

std::string formatNumber(float value) {
  if (std::isnan(value)) return " nan";
  if (std::isinf(value)) return value > 0 ? " inf" : "-inf";
  if (value == 0) return " 0";
  const double wide = value;
  const std::optional<int> e = plainExponent(std::fabs(wide));
  std::string text;
  if (e) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*f", 6 - *e, wide);
    text = trimFraction(buffer);
  } else {
    text = exponentNotation(wide);
  }
  return text.front() == '-' ? text : " " + text;
}

std::string formatWhole(std::int32_t value) {
  const std::string digits = std::to_string(value);
  return value >= 0 ? " " + digits : digits;
}

}  // namespace msa
