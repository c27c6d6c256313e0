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

float smallestTrustworthyStep(const DeviceParameters& d, const SimulationSettings& settings, const DriveState& start) {
  const Extended teSpacing = spacing(std::max(std::fabs(settings.temin), std::fabs(settings.temax)));
  Extended bound = kStepSpacings * teSpacing;
  const Extended acceleration = (magnitude(Extended(start.Cmec)) + std::fabs(start.terms.Cfrot)) / d.J;
  if (isFinite(acceleration) && acceleration > 0) {
    const Extended speedBound = kStepSpacings * spacing(start.omegam) / acceleration;
    if (speedBound > bound) bound = speedBound;
  }
  return isFinite(bound) ? float(bound) : 0.0f;
}

bool stepBelowTrustworthyRange(const DeviceParameters& d, const SimulationSettings& settings,
                               const DriveState& start) {
  return settings.teinc < smallestTrustworthyStep(d, settings, start);
}

}  // namespace msa
