#include "model/step_resolution.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/extended.hpp"

namespace msa {

namespace {

// The distance from |value| to the next float up; 0 for a value that is not finite.
Extended spacing(float value) {
  const float a = std::fabs(value);
  if (!std::isfinite(a)) return 0;
  return Extended(std::nextafter(a, std::numeric_limits<float>::infinity())) - a;
}

}  // namespace

float smallestTrustworthyStep(const MachineData& m) {
  const Extended teSpacing = spacing(std::max(std::fabs(m.temin), std::fabs(m.temax)));
  Extended bound = kStepSpacings * teSpacing;
  const Extended acceleration = (magnitude(Extended(m.Cmec)) + std::fabs(m.Cfrot)) / m.J;
  if (isFinite(acceleration) && acceleration > 0) {
    const Extended speedBound = kStepSpacings * spacing(m.omegam) / acceleration;
    if (speedBound > bound) bound = speedBound;
  }
  return isFinite(bound) ? float(bound) : 0.0f;
}

bool stepBelowTrustworthyRange(const MachineData& m) { return m.teinc < smallestTrustworthyStep(m); }

}  // namespace msa
