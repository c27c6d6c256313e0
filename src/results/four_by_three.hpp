#pragma once

#include <cstdint>
#include <vector>

namespace msa {

class Picture;

inline constexpr int kFourByThreeWidth = 640;
inline constexpr int kFourByThreeHeight = 480;

// The picture as the window's 4:3 view shows it, at 640 x 480: placed as
// the window places it in an area of that size, every screen pixel the
// colour of the nearest picture pixel, black outside. RGB, 3 bytes a pixel.
std::vector<std::uint8_t> fourByThreeRgb(const Picture& picture);

}  // namespace msa
