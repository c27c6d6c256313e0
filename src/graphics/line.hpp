#pragma once

#include "graphics/palette.hpp"
#include "graphics/picture.hpp"
#include "graphics/pixel_point.hpp"

namespace msa {

// Draws the segment between two pixel positions (which may lie far outside the
// picture) in the given colour, clipped at the picture's border, both ends included.
void drawLine(Picture& picture, PixelPoint from, PixelPoint to, Colour colour);

}  // namespace msa
