#include "dialogue/picture.hpp"

#include <algorithm>

void Picture::scrollUp(int rows, std::uint8_t fillColour) {
  if (rows <= 0) return;
  if (rows >= kPictureHeight) {
    fill(fillColour);
    return;
  }
  const auto shift = static_cast<std::size_t>(rows) * kPictureWidth;
  std::copy(pixels_.begin() + static_cast<std::ptrdiff_t>(shift), pixels_.end(), pixels_.begin());
  std::fill(pixels_.end() - static_cast<std::ptrdiff_t>(shift), pixels_.end(), fillColour);
}
