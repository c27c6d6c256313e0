#pragma once

#include <optional>

#include "graphics/pixel_point.hpp"

namespace msa {

// A pixel of the picture: column 0-639, row 0-349.
struct PixelEnd {
  int column, row;
  friend bool operator==(PixelEnd, PixelEnd) = default;
};

// The visible part of a segment, its ends in the order it is drawn.
struct PixelSegment {
  PixelEnd first, second;
};

// Cohen-Sutherland clipping to the picture. The end worked on is always the
// first one: when only the second lies outside, the two are exchanged, and the
// exchange carries over to the order in which the pixels are drawn. Crossings
// are truncated toward zero. Nothing when no part is visible.
std::optional<PixelSegment> clipToPicture(PixelPoint a, PixelPoint b);

}  // namespace msa
