#pragma once

namespace msa {

// Where the 640 x 350 picture goes inside the window. Pure arithmetic on
// sizes in drawable pixels, kept apart from the window toolkit so that it
// can be tested on its own.

struct PixelSize {
  int width = 0;
  int height = 0;
};

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

enum class AspectMode {
  // Every picture pixel is a square of screen pixels.
  SquarePixels,
  // The picture fills a 4:3 rectangle, as on the screens it was drawn for:
  // picture pixels are about 1.37 times taller than wide.
  FourByThree,
};

// The rectangle of the drawable area that shows the picture, centred, the
// rest being border. Square pixels: the largest whole factor that fits, or,
// in an area smaller than the picture, the largest rectangle of the picture's
// shape. Four by three: the largest 4:3 rectangle, in which picture rows
// differ in height by at most one screen pixel, or, when one is at least
// seven eighths as tall, a smaller one whose height is a whole multiple of
// 350, so that every picture row is equally tall. Empty for an empty area.
PixelRect pictureRect(PixelSize drawable, AspectMode mode);

// The whole factor (1 or 2) at which the window first opens on a desktop
// whose usable area has this size, leaving room for a title bar.
int initialWindowScale(PixelSize usable);

}  // namespace msa
