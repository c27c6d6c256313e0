#include "results/csv_rows.hpp"

#include <charconv>

#include "numeric/extended.hpp"
#include "studies/study_io.hpp"

namespace msa {

namespace {

// The speed in r/min, as the speed prompts convert it.
float rpm(float omegam) { return float((Extended(omegam) / pi) * 30.0f); }

}  // namespace

void appendCsvNumber(std::string& out, float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
  out.append(buffer, result.ptr);
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
