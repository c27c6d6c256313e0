#pragma once

#include "data/simulation_settings.hpp"
#include "diagram/world_window.hpp"
#include "dialogue/dialogue.hpp"

namespace msa {

// Clears the screen and draws the frame of the transient diagram from the
// diagram settings: world window temin..temax by ymin..ymax, the two header
// lines, the colour legend on text row 3, the frame, the axes through 0 and
// the graduation ticks. Lines are white (the legend leaves colour 15). Returns
// the world window the curves are to be plotted in.
WorldWindow drawDiagram(Dialogue& d, const SimulationSettings& m);

}  // namespace msa
