#pragma once

#include "graphics/pixel_point.hpp"
#include "numeric/extended.hpp"

namespace msa {

// How far from the picture's origin a pixel coordinate may lie and still be
// clipped by the ordinary pixel arithmetic; pictures of any real diagram stay
// well inside it.
inline constexpr Extended kPixelReach = 1048576;  // 2^20

// A segment with one end beyond the reach and the other within it gets its far
// end moved in along the line onto the reach's border, so that the clipping
// works on moderate numbers and cuts the picture's edge where the line does.
// Anything else is left as it is.
void bringFarEndIn(PixelPoint& a, PixelPoint& b);

}  // namespace msa
