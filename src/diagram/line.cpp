#include "diagram/line.hpp"

#include "graphics/line.hpp"

namespace msa {

void drawLine(Screen& screen, const WorldWindow& window, float xa, float ya, float xb, float yb) {
  const std::optional<PixelPoint> a = mapToPixel(window, xa, ya);
  const std::optional<PixelPoint> b = mapToPixel(window, xb, yb);
  if (!a || !b) return;
  drawLine(screen.picture(), *a, *b, screen.colour());
}

}  // namespace msa
