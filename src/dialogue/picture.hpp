#pragma once

#include <array>
#include <cstdint>

// The 640 x 350 picture of colour indexes (0-15) that the window shows.
inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 350;

struct Rgb {
  std::uint8_t r, g, b;
};

// The fixed 16-colour palette.
inline constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},       {0, 0, 170},     {0, 170, 0},     {0, 170, 170},
    {170, 0, 0},     {170, 0, 170},   {170, 85, 0},    {170, 170, 170},
    {85, 85, 85},    {85, 85, 255},   {85, 255, 85},   {85, 255, 255},
    {255, 85, 85},   {255, 85, 255},  {255, 255, 85},  {255, 255, 255},
}};

class Picture {
 public:
  using Pixels = std::array<std::uint8_t, kPictureWidth * kPictureHeight>;

  std::uint8_t at(int column, int row) const { return pixels_[index(column, row)]; }
  void set(int column, int row, std::uint8_t colour) { pixels_[index(column, row)] = colour; }
  void fill(std::uint8_t colour) { pixels_.fill(colour); }
  // Moves rows [from, kPictureHeight) up by `from` rows and fills the freed bottom rows.
  void scrollUp(int rows, std::uint8_t fillColour);
  const Pixels& pixels() const { return pixels_; }

 private:
  static int index(int column, int row) { return row * kPictureWidth + column; }
  Pixels pixels_{};
};
