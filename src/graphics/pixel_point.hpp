#pragma once

namespace msa {

// A pixel position as whole numbers kept in long double: a point far outside
// the picture need not fit an int, and the clipping cuts it as it is.
struct PixelPoint {
  long double column, row;
};

}  // namespace msa
