#pragma once

#include <cstdint>

#include "graphics/clip.hpp"
#include "graphics/picture.hpp"

namespace msa {

// Sets the pixels of a segment whose ends lie in the picture, both ends
// included: straight runs for vertical and horizontal segments, Bresenham's
// steps from the first end to the second for any other.
void drawPixels(Picture& picture, std::uint8_t colour, PixelSegment segment);

}  // namespace msa
