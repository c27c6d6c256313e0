#pragma once

#include <array>
#include <cstdint>

namespace msa {

struct Rgb {
  std::uint8_t r, g, b;
};

// The fixed 16-colour palette; a picture holds indexes into it.
inline constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},       {0, 0, 170},     {0, 170, 0},     {0, 170, 170},
    {170, 0, 0},     {170, 0, 170},   {170, 85, 0},    {170, 170, 170},
    {85, 85, 85},    {85, 85, 255},   {85, 255, 85},   {85, 255, 255},
    {255, 85, 85},   {255, 85, 255},  {255, 255, 85},  {255, 255, 255},
}};

// The palette's colours by name, valued as their indexes.
enum class Colour : std::uint8_t {
  Black, Blue, Green, Cyan, Red, Magenta, Brown, LightGrey,
  DarkGrey, LightBlue, LightGreen, LightCyan, LightRed, LightMagenta, Yellow, White,
};

constexpr std::uint8_t paletteIndex(Colour colour) { return static_cast<std::uint8_t>(colour); }

}  // namespace msa
