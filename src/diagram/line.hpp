#pragma once

#include "diagram/world_window.hpp"
#include "dialogue/screen.hpp"

namespace msa {

// Draws the segment between two points in user units in the screen's present
// colour, clipped at the picture's border. A point with a coordinate that is
// not finite, or that the window maps to one, draws nothing.
void drawLine(Screen& screen, const WorldWindow& window, float xa, float ya, float xb, float yb);

}  // namespace msa
