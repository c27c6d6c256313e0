#include "graphics/line.hpp"

#include "graphics/clip.hpp"
#include "graphics/far_ends.hpp"
#include "graphics/raster.hpp"

namespace msa {

void drawLine(Picture& picture, PixelPoint from, PixelPoint to, Colour colour) {
  bringFarEndIn(from, to);
  const std::optional<PixelSegment> visible = clipToPicture(from, to);
  if (!visible) return;
  drawPixels(picture, paletteIndex(colour), *visible);
}

}  // namespace msa
