#include "engine/prompt_units.hpp"

#include "data/constants.hpp"
#include "model/degrees.hpp"
#include "numeric/extended.hpp"

namespace msa {

float angleFromDegrees(float degrees) { return float((Extended(degrees) / 180.0f) * pi); }
float rpmShown(float omegam) { return float((Extended(omegam) / pi) * 30.0f); }
float speedFromRpm(float rpm) { return float((Extended(rpm) / 30.0f) * pi); }

float angleAnswer(float stored, std::optional<float> typedDegrees) {
  return angleFromDegrees(typedDegrees.value_or(degrees(stored)));
}

float speedAnswer(float stored, std::optional<float> typedRpm) {
  return speedFromRpm(typedRpm.value_or(rpmShown(stored)));
}

}  // namespace msa
