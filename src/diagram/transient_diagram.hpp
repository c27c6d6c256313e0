#pragma once

#include "data/machine_data.hpp"
#include "diagram/world_window.hpp"
#include "dialogue/dialogue.hpp"

// Clears the screen and draws the frame of the transient diagram from the
// diagram settings: world window temin..temax by ymin..ymax, the two header
// lines, the colour legend on text row 3, the frame, the axes through 0 and
// the graduation ticks. Lines are white (the legend leaves colour 15). Returns
// the world window the curves are to be plotted in.
WorldWindow drawDiagram(Dialogue& d, const MachineData& m);

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
