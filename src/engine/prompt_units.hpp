#pragma once

#include <optional>

namespace msa {

// The units the prompts show and take: angles in degrees (as degrees() of
// the model gives them), the speed in r/min, converted in place before a
// prompt and back after it with the stored pi, so that even an empty answer
// sends the value through both conversions. Every front end that takes
// typed values (the dialogue, Python) turns them into stored quantities
// with these.
float angleFromDegrees(float degrees);  // (degrees / 180) x pi
float rpmShown(float omegam);           // (omegam / pi) x 30
float speedFromRpm(float rpm);          // (rpm / 30) x pi

// What a prompt leaves in an angle or a speed: the typed value converted,
// or, when nothing is typed, the value shown converted back.
float angleAnswer(float stored, std::optional<float> typedDegrees);
float speedAnswer(float stored, std::optional<float> typedRpm);

}  // namespace msa
