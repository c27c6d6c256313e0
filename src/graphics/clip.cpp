#include "graphics/clip.hpp"

#include <utility>

#include "graphics/picture.hpp"
#include "graphics/truncation.hpp"
#include "numeric/extended.hpp"

namespace msa {

namespace {

enum Outcode : unsigned { kInside = 0, kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };

constexpr Extended kLastColumn = kPictureWidth - 1;
constexpr Extended kLastRow = kPictureHeight - 1;

// Each pass moves an end onto an edge; rounding near a corner can cost a pass
// or two more, never this many.
constexpr int kMaxPasses = 16;

bool finite(const PixelPoint& p) { return isFinite(p.column) && isFinite(p.row); }

unsigned outcode(const PixelPoint& p) {
  unsigned code = kInside;
  if (p.column < 0) code |= kLeft;
  if (p.column > kLastColumn) code |= kRight;
  if (p.row < 0) code |= kTop;
  if (p.row > kLastRow) code |= kBottom;
  return code;
}

// Moves the outside end `a` along the line to `b` onto the first edge of its
// outcode, in the order left, right, top, bottom.
void moveOntoEdge(PixelPoint& a, const PixelPoint& b, unsigned code) {
  const bool sameColumn = a.column == b.column;
  const Extended s = sameColumn ? Extended(1) : (b.row - a.row) / (b.column - a.column);
  if (code & kLeft) {
    a.row = truncated(a.row + s * (0 - a.column));
    a.column = 0;
  } else if (code & kRight) {
    a.row = truncated(a.row + s * (kLastColumn - a.column));
    a.column = kLastColumn;
  } else if (code & kTop) {
    if (!sameColumn) a.column = truncated(a.column + (1 / s) * (0 - a.row));
    a.row = 0;
  } else {
    if (!sameColumn) a.column = truncated(a.column + (1 / s) * (kLastRow - a.row));
    a.row = kLastRow;
  }
}

// Only called with both coordinates inside the picture, so the conversion is exact.
PixelEnd toEnd(const PixelPoint& p) {
  return PixelEnd{static_cast<int>(p.column), static_cast<int>(p.row)};
}

}  // namespace

std::optional<PixelSegment> clipToPicture(PixelPoint a, PixelPoint b) {
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    if (!finite(a) || !finite(b)) return std::nullopt;
    unsigned codeA = outcode(a);
    const unsigned codeB = outcode(b);
    if ((codeA | codeB) == kInside) return PixelSegment{toEnd(a), toEnd(b)};
    if ((codeA & codeB) != 0) return std::nullopt;
    if (codeA == kInside) {
      std::swap(a, b);
      codeA = codeB;
    }
    moveOntoEdge(a, b, codeA);
  }
  return std::nullopt;
}

}  // namespace msa
