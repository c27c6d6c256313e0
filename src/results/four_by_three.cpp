#include "results/four_by_three.hpp"

#include "graphics/picture.hpp"
#include "graphics/window_geometry.hpp"

namespace msa {

std::vector<std::uint8_t> fourByThreeRgb(const Picture& picture) {
  const PixelRect where = pictureRect({kFourByThreeWidth, kFourByThreeHeight}, AspectMode::FourByThree);
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kFourByThreeWidth) * kFourByThreeHeight * 3, 0);
  if (where.width <= 0 || where.height <= 0) return rgb;
  for (int y = 0; y < where.height; ++y) {
    // The picture pixel whose span holds the screen pixel's centre.
    const int row = static_cast<int>((2LL * y + 1) * kPictureHeight / (2LL * where.height));
    for (int x = 0; x < where.width; ++x) {
      const int column = static_cast<int>((2LL * x + 1) * kPictureWidth / (2LL * where.width));
      const Rgb colour = kPalette[picture.at(column, row) & 15];
      std::uint8_t* out = &rgb[(static_cast<std::size_t>(where.y + y) * kFourByThreeWidth + where.x + x) * 3];
      out[0] = colour.r;
      out[1] = colour.g;
      out[2] = colour.b;
    }
  }
  return rgb;
}

}  // namespace msa
