#pragma once

#include <array>
#include <cstdint>

namespace msa {

// An 8 x 14 character cell: one byte per pixel row, bit 7 is the left column.
inline constexpr int kGlyphWidth = 8;
inline constexpr int kGlyphHeight = 14;
using Glyph = std::array<std::uint8_t, kGlyphHeight>;

// The glyphs of code page 437, indexed by code.
extern const std::array<Glyph, 256> kFont8x14;

}  // namespace msa
