#include "dialogue/answer_field.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>

namespace msa {

namespace {

constexpr std::size_t kFieldLimit = 4096;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> digitValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// &H, &O, &B numbers: the digits of that base up to the first other character,
// formed as a 32-bit integer that wraps around (so &HFFFFFFFF is -1).
float radixValue(std::string_view digits, int base) {
  std::uint32_t value = 0;
  for (char c : digits) {
    const std::optional<int> d = digitValue(c);
    if (!d || *d >= base) break;
    value = value * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(*d);
  }
  return static_cast<float>(static_cast<std::int32_t>(value));
}

// Length of the leading part "sign digits [. digits] [exponent]" (0 if none).
std::size_t decimalPrefix(std::string_view s, std::string& normalised) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  normalised.assign(s.substr(0, i));
  if (i < s.size() && std::strchr("eEdD", s[i]) != nullptr) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    const std::size_t firstDigit = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    if (j > firstDigit) {
      normalised += 'e';
      normalised.append(s.substr(i + 1, j - i - 1));
      i = j;
    }
  }
  return i;
}

}  // namespace

std::string answerField(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && isBlank(line[i])) ++i;
  std::string_view rest = line.substr(i);
  std::string_view field;
  if (!rest.empty() && rest.front() == '"') {
    rest.remove_prefix(1);
    field = rest.substr(0, rest.find('"'));
  } else {
    field = rest.substr(0, rest.find(','));
  }
  return std::string(field.substr(0, kFieldLimit));
}

float numericValue(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  if (field.size() >= 2 && field[0] == '&') {
    switch (field[1]) {
      case 'H': case 'h': return radixValue(field.substr(2), 16);
      case 'O': case 'o': return radixValue(field.substr(2), 8);
      case 'B': case 'b': return radixValue(field.substr(2), 2);
      default: break;
    }
  }
  std::string number;
  if (decimalPrefix(field, number) == 0) return 0.0f;
  const double wide = std::strtod(number.c_str(), nullptr);
  // A magnitude that rounds past the largest single value is an infinity; the
  // conversion itself is not defined for doubles outside the float range.
  constexpr double kOverflow = 0x1.ffffffp+127;  // largest float plus half its last unit
  if (std::fabs(wide) >= kOverflow)
    return wide > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
  return static_cast<float>(wide);
}

}  // namespace msa
