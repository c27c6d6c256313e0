#include "results/csv_rows.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "data/machine_data.hpp"
#include "model/degrees.hpp"
#include "numeric/decimal_digits.hpp"
#include "numeric/extended.hpp"

namespace msa {

namespace {

// The speed in r/min, as the speed prompts convert it.
float rpm(float omegam) { return float((Extended(omegam) / pi) * 30.0f); }

}  // namespace

void appendCsvNumber(std::string& out, float value) {
  const std::optional<SignificantDigits> d = significantDigits(value, 9);
  if (!d) {  // zeros, infinities, not-a-number, the far ends of the range
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
    out.append(buffer, result.ptr);
    return;
  }
  char figures[9];
  std::uint64_t rest = d->digits;
  for (int i = 8; i >= 0; --i, rest /= 10) figures[i] = static_cast<char>('0' + rest % 10);
  int last = 8;  // the last figure kept: trailing zeros go
  while (last > 0 && figures[last] == '0') --last;
  const int x = d->exponent;
  if (std::signbit(value)) out += '-';
  if (x >= 9 || x < -4) {  // d.dddddddde+xx
    out += figures[0];
    if (last > 0) out.append(".").append(figures + 1, static_cast<std::size_t>(last));
    out += x < 0 ? "e-" : "e+";
    if (std::abs(x) < 10) out += '0';
    out += std::to_string(std::abs(x));
  } else if (x >= 0) {
    out.append(figures, static_cast<std::size_t>(x + 1));
    if (last > x) out.append(".").append(figures + x + 1, static_cast<std::size_t>(last - x));
  } else {
    out.append("0.").append(static_cast<std::size_t>(-x - 1), '0').append(figures, static_cast<std::size_t>(last + 1));
  }
}

void appendCsvRow(std::string& out, int run, const StepPoint& p) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, run);
  out.append(buffer, result.ptr);
  for (const float value : {p.te, rpm(p.omegam), p.Idc, degrees(p.mu), degrees(p.xhi), degrees(p.beta), p.udc, p.Cem}) {
    out += ',';
    appendCsvNumber(out, value);
  }
  out += '\n';
}

}  // namespace msa
