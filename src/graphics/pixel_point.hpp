#pragma once

#include "numeric/extended.hpp"

namespace msa {

// A pixel position as whole numbers kept in the extended type: a point far outside
// the picture need not fit an int, and the clipping cuts it as it is.
struct PixelPoint {
  Extended column, row;
};

}  // namespace msa
