#include "diagram/world_window.hpp"

#include <cmath>
#include <utility>

#include "graphics/picture.hpp"
#include "graphics/truncation.hpp"

namespace msa {

using LD = long double;

WorldWindow setWorldWindow(float x1, float y1, float x2, float y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const float w = float((LD(x2) - x1) + 1), h = float((LD(y2) - y1) + 1);
  return WorldWindow{x1, y1, w, h, true, 1 / (LD(w) - 1), 1 / (LD(h) - 1)};
}

namespace {

// Nearest whole number, halves away from zero.
LD roundHalfAway(LD value) {
  return value > 0 ? truncated(value + 0.5) : truncated(value - 0.5);
}

}  // namespace

std::optional<PixelPoint> mapToPixel(const WorldWindow& window, float x, float y) {
  LD u = x;
  LD v = y;
  if (window.on) {
    u = ((LD(x) - window.x1) * kPictureWidth) * window.perW;
    v = ((LD(y) - window.y1) * kPictureHeight) * window.perH;
  }
  if (!std::isfinite(u) || !std::isfinite(v)) return std::nullopt;
  const LD column = roundHalfAway(u);
  const LD row = window.on ? (kPictureHeight - 1) - roundHalfAway(v) : roundHalfAway(v);
  return PixelPoint{column, row};
}

}  // namespace msa
