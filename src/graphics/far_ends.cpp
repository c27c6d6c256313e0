#include "graphics/far_ends.hpp"

#include <algorithm>

#include "numeric/extended.hpp"

namespace msa {

namespace {

bool withinReach(const PixelPoint& p) {
  return magnitude(p.column) <= kPixelReach && magnitude(p.row) <= kPixelReach;
}

// The point where the line from `near` (within the reach) to `far` leaves the
// reach, computed from the near end so that its rounding stays small.
PixelPoint borderPoint(const PixelPoint& near, const PixelPoint& far) {
  const Extended dc = far.column - near.column;
  const Extended dr = far.row - near.row;
  Extended t = 1;
  if (magnitude(far.column) > kPixelReach)
    t = std::min(t, ((dc > 0 ? kPixelReach : -kPixelReach) - near.column) / dc);
  if (magnitude(far.row) > kPixelReach)
    t = std::min(t, ((dr > 0 ? kPixelReach : -kPixelReach) - near.row) / dr);
  return PixelPoint{near.column + t * dc, near.row + t * dr};
}

}  // namespace

void bringFarEndIn(PixelPoint& a, PixelPoint& b) {
  const bool aWithin = withinReach(a);
  const bool bWithin = withinReach(b);
  if (aWithin && !bWithin) b = borderPoint(a, b);
  if (bWithin && !aWithin) a = borderPoint(b, a);
}

}  // namespace msa
