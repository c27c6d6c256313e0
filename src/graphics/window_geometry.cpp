#include "graphics/window_geometry.hpp"

#include <algorithm>

#include "graphics/picture.hpp"

namespace msa {

namespace {

// Window sizes come from the toolkit and may be anything; products are taken
// in 64 bits so that no size can overflow them.
using Wide = long long;

// a * num / den rounded to nearest, for non-negative operands.
int scaled(int a, int num, int den) {
  return static_cast<int>((Wide{a} * num + den / 2) / den);
}

PixelRect centred(PixelSize area, int width, int height) {
  width = std::clamp(width, 1, area.width);
  height = std::clamp(height, 1, area.height);
  return {(area.width - width) / 2, (area.height - height) / 2, width, height};
}

// The largest rectangle of shape num:den (width:height) inside the area.
PixelRect fitShape(PixelSize area, int num, int den) {
  if (Wide{area.width} * den <= Wide{area.height} * num)
    return centred(area, area.width, scaled(area.width, den, num));
  return centred(area, scaled(area.height, num, den), area.height);
}

// Width of a 4:3 rectangle of the given height.
Wide fourByThreeWidth(int height) { return (Wide{height} * 4 + 1) / 3; }

}  // namespace

PixelRect pictureRect(PixelSize drawable, AspectMode mode) {
  if (drawable.width <= 0 || drawable.height <= 0) return {};
  if (mode == AspectMode::SquarePixels) {
    const int factor = std::min(drawable.width / kPictureWidth, drawable.height / kPictureHeight);
    if (factor >= 1) return centred(drawable, kPictureWidth * factor, kPictureHeight * factor);
    return fitShape(drawable, kPictureWidth, kPictureHeight);
  }
  const PixelRect largest = fitShape(drawable, 4, 3);
  int rowHeight = drawable.height / kPictureHeight;
  while (rowHeight >= 1 && fourByThreeWidth(kPictureHeight * rowHeight) > drawable.width) --rowHeight;
  const int height = kPictureHeight * rowHeight;
  // Rows of equal height are worth a slightly smaller picture, not a much smaller one.
  if (rowHeight >= 1 && Wide{height} * 8 >= Wide{largest.height} * 7)
    return centred(drawable, static_cast<int>(fourByThreeWidth(height)), height);
  return largest;
}

int initialWindowScale(PixelSize usable) {
  constexpr int kTitleBarAllowance = 40;
  constexpr int kLargest = 2;
  for (int factor = kLargest; factor > 1; --factor) {
    if (kPictureWidth * factor <= usable.width &&
        kPictureHeight * factor + kTitleBarAllowance <= usable.height)
      return factor;
  }
  return 1;
}

}  // namespace msa
