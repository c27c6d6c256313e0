#include "graphics/picture.hpp"

#include <algorithm>
#include <cstring>

namespace msa {

void Picture::scrollUp(int rows, std::uint8_t fillColour) {
  if (rows <= 0) return;
  if (rows >= kPictureHeight) {
    fill(fillColour);
    return;
  }
  // Row by row from the top: a destination row never overlaps its source,
  // which lets the copy run as plain memcpy (much faster under AddressSanitizer
  // than one overlapping move of the whole picture).
  for (int row = 0; row + rows < kPictureHeight; ++row)
    std::memcpy(&pixels_[static_cast<std::size_t>(index(0, row))],
                &pixels_[static_cast<std::size_t>(index(0, row + rows))], kPictureWidth);
  std::fill(pixels_.end() - static_cast<std::ptrdiff_t>(rows) * kPictureWidth, pixels_.end(), fillColour);
}

}  // namespace msa
