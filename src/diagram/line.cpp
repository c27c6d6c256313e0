#include "diagram/line.hpp"

#include "graphics/line.hpp"

namespace msa {

void drawLine(Picture& picture, const WorldWindow& window, float xa, float ya, float xb, float yb, Colour colour) {
  const std::optional<PixelPoint> a = mapToPixel(window, xa, ya);
  const std::optional<PixelPoint> b = mapToPixel(window, xb, yb);
  if (!a || !b) return;
  drawLine(picture, *a, *b, colour);
}

}  // namespace msa
