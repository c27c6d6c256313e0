#pragma once

#include "diagram/world_window.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// The values of the four curves at one instant.
struct CurveValues {
  float te;      // s
  float omegam;  // rad/s
  float mu;      // rad
  float xhi;     // rad
  float Idc;     // A
};

// One segment of each curve from `start` to `end` of a time step: speed in
// colour 12, mu in 13, xhi in 14, current in 15 (the colour left afterwards).
// A curve whose value at either end is not finite gets no segment.
void plotStep(Dialogue& d, const WorldWindow& window, const CurveValues& start,
              const CurveValues& end);

}  // namespace msa
