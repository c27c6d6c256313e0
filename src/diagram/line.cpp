#include "diagram/line.hpp"

#include "diagram/clip.hpp"
#include "diagram/far_ends.hpp"
#include "diagram/raster.hpp"

void drawPixelSegment(Picture& picture, std::uint8_t colour, PixelPoint a, PixelPoint b) {
  bringFarEndIn(a, b);
  const std::optional<PixelSegment> visible = clipToPicture(a, b);
  if (!visible) return;
  drawPixels(picture, colour, *visible);
}

void drawLine(Screen& screen, const WorldWindow& window, float xa, float ya, float xb, float yb) {
  const std::optional<PixelPoint> a = mapToPixel(window, xa, ya);
  const std::optional<PixelPoint> b = mapToPixel(window, xb, yb);
  if (!a || !b) return;
  drawPixelSegment(screen.picture(), screen.colour(), *a, *b);
}
