#pragma once

#include <array>
#include <cstdint>

#include "graphics/palette.hpp"

namespace msa {

// The 640 x 350 picture of colour indexes (0-15) that the window shows.
inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 350;


class Picture {
 public:
  using Pixels = std::array<std::uint8_t, kPictureWidth * kPictureHeight>;

  std::uint8_t at(int column, int row) const { return pixels_[index(column, row)]; }
  void set(int column, int row, std::uint8_t colour) { pixels_[index(column, row)] = colour; }
  void fill(std::uint8_t colour) { pixels_.fill(colour); }
  // The kPictureWidth pixels of one row, for painting a span at once.
  std::uint8_t* row(int row) { return pixels_.data() + index(0, row); }
  // Moves rows [rows, kPictureHeight) up by `rows` rows and fills the freed bottom rows.
  void scrollUp(int rows, std::uint8_t fillColour);
  const Pixels& pixels() const { return pixels_; }

 private:
  static int index(int column, int row) { return row * kPictureWidth + column; }
  Pixels pixels_{};
};

}  // namespace msa
