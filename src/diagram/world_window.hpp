#pragma once

#include <optional>

#include "graphics/pixel_point.hpp"
#include "numeric/extended.hpp"

namespace msa {

// The rectangle of user units laid over the whole picture, y pointing up.
struct WorldWindow {
  float x1 = 0, y1 = 0;  // left and bottom edges
  float w = 0, h = 0;    // x2 - x1 + 1 and y2 - y1 + 1
  bool on = false;       // off until a window is set; coordinates are then pixels
  Extended perW = 0, perH = 0;  // 1 / (w - 1) and 1 / (h - 1), divided once
};

// The window that puts (x1, y1)-(x2, y2) onto the picture; reversed corners
// are exchanged first.
WorldWindow setWorldWindow(float x1, float y1, float x2, float y2);

// The pixel of a point in user units: x = x1 falls on column 0, x = x2 on
// column 640, y = y1 on row 349, y = y2 on row -1. Nothing when the point or
// the window yields a coordinate that is not finite.
std::optional<PixelPoint> mapToPixel(const WorldWindow& window, float x, float y);

}  // namespace msa
