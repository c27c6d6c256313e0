#include "model/step_resolution.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace msa {

namespace {

// The distance from |value| to the next float up; 0 for a value that is not finite.
long double spacing(float value) {
  const float a = std::fabs(value);
  if (!std::isfinite(a)) return 0;
  return static_cast<long double>(std::nextafter(a, std::numeric_limits<float>::infinity())) - a;
}

}  // namespace

float smallestTrustworthyStep(const MachineData& m) {
  const long double teSpacing = spacing(std::max(std::fabs(m.temin), std::fabs(m.temax)));
  long double bound = kStepSpacings * teSpacing;
  const long double acceleration = (std::fabs(static_cast<long double>(m.Cmec)) + std::fabs(m.Cfrot)) / m.J;
  if (std::isfinite(acceleration) && acceleration > 0) {
    bound = std::max(bound, kStepSpacings * spacing(m.omegam) / acceleration);
  }
  return std::isfinite(bound) ? static_cast<float>(bound) : 0.0f;
}

bool stepBelowTrustworthyRange(const MachineData& m) { return m.teinc < smallestTrustworthyStep(m); }

}  // namespace msa
