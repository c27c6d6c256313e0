#include "diagram/world_window.hpp"

#include <utility>

#include "graphics/picture.hpp"
#include "graphics/truncation.hpp"
#include "numeric/extended.hpp"

namespace msa {

WorldWindow setWorldWindow(float x1, float y1, float x2, float y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const float w = float((Extended(x2) - x1) + 1), h = float((Extended(y2) - y1) + 1);
  return WorldWindow{x1, y1, w, h, true, 1 / (Extended(w) - 1), 1 / (Extended(h) - 1)};
}

namespace {

// Nearest whole number, halves away from zero.
Extended roundHalfAway(Extended value) {
  return value > 0 ? truncated(value + 0.5) : truncated(value - 0.5);
}

}  // namespace

std::optional<PixelPoint> mapToPixel(const WorldWindow& window, float x, float y) {
  Extended u = x;
  Extended v = y;
  if (window.on) {
    u = ((Extended(x) - window.x1) * kPictureWidth) * window.perW;
    v = ((Extended(y) - window.y1) * kPictureHeight) * window.perH;
  }
  if (!isFinite(u) || !isFinite(v)) return std::nullopt;
  const Extended column = roundHalfAway(u);
  const Extended row = window.on ? (kPictureHeight - 1) - roundHalfAway(v) : roundHalfAway(v);
  return PixelPoint{column, row};
}

}  // namespace msa
