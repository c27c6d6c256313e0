#include "graphics/raster.hpp"

#include <cstdlib>
#include <utility>

namespace msa {

namespace {

void drawVertical(Picture& picture, std::uint8_t colour, int column, int rowA, int rowB) {
  if (rowB < rowA) std::swap(rowA, rowB);
  for (int row = rowA; row <= rowB; ++row) picture.set(column, row, colour);
}

void drawHorizontal(Picture& picture, std::uint8_t colour, int row, int columnA, int columnB) {
  if (columnB < columnA) std::swap(columnA, columnB);
  for (int column = columnA; column <= columnB; ++column) picture.set(column, row, colour);
}

int stepTowards(int from, int to) { return to > from ? 1 : -1; }

// Bresenham along the major axis, the horizontal one when the differences are
// equal; a decision value that is >= 0 moves the minor coordinate.
void drawSlanted(Picture& picture, std::uint8_t colour, PixelEnd a, PixelEnd b) {
  const bool horizontalMajor = std::abs(b.column - a.column) >= std::abs(b.row - a.row);
  int& major = horizontalMajor ? a.column : a.row;
  int& minor = horizontalMajor ? a.row : a.column;
  const int majorEnd = horizontalMajor ? b.column : b.row;
  const int minorEnd = horizontalMajor ? b.row : b.column;
  const int majorDiff = std::abs(majorEnd - major);
  const int minorDiff = std::abs(minorEnd - minor);
  const int majorStep = stepTowards(major, majorEnd);
  const int minorStep = stepTowards(minor, minorEnd);
  int decision = 2 * minorDiff - majorDiff;
  for (int i = 0; i <= majorDiff; ++i) {
    picture.set(a.column, a.row, colour);
    if (decision >= 0) {
      minor += minorStep;
      decision -= 2 * majorDiff;
    }
    decision += 2 * minorDiff;
    major += majorStep;
  }
}

}  // namespace

void drawPixels(Picture& picture, std::uint8_t colour, PixelSegment segment) {
  const PixelEnd a = segment.first;
  const PixelEnd b = segment.second;
  if (a.column == b.column) return drawVertical(picture, colour, a.column, a.row, b.row);
  if (a.row == b.row) return drawHorizontal(picture, colour, a.row, a.column, b.column);
  drawSlanted(picture, colour, a, b);
}

}  // namespace msa
