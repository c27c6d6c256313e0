#pragma once

#include <cstdint>

#include "diagram/world_window.hpp"
#include "dialogue/picture.hpp"
#include "dialogue/screen.hpp"

// Draws the segment between two pixel positions (which may lie far outside the
// picture) in the given colour, clipped at the picture's border.
void drawPixelSegment(Picture& picture, std::uint8_t colour, PixelPoint a, PixelPoint b);

// Draws the segment between two points in user units in the screen's present
// colour, clipped at the picture's border. A point with a coordinate that is
// not finite, or that the window maps to one, draws nothing.
void drawLine(Screen& screen, const WorldWindow& window, float xa, float ya, float xb, float yb);
