#pragma once

#include "diagram/world_window.hpp"
#include "graphics/palette.hpp"
#include "graphics/picture.hpp"

namespace msa {

// Draws the segment between two points in user units in the given colour,
// clipped at the picture's border. A point with a coordinate that is not
// finite, or that the window maps to one, draws nothing.
void drawLine(Picture& picture, const WorldWindow& window, float xa, float ya, float xb, float yb, Colour colour);

}  // namespace msa
