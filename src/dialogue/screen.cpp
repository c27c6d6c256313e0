#include "dialogue/screen.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "dialogue/cp437.hpp"
#include "dialogue/font.hpp"

namespace msa {

namespace {

static_assert(kGlyphWidth == 8, "a glyph's row is one byte, painted as eight");

// Each glyph row's byte as eight pixel bytes, 0xFF where a dot is lit (most
// significant bit leftmost): a row of a glyph is painted in one store rather
// than pixel by pixel, which made a screen's redrawing most of the time a
// long replay takes.
constexpr std::array<std::array<std::uint8_t, 8>, 256> kDotMasks = [] {
  std::array<std::array<std::uint8_t, 8>, 256> masks{};
  for (std::size_t bits = 0; bits < masks.size(); ++bits)
    for (std::size_t x = 0; x < 8; ++x) masks[bits][x] = (bits >> (7 - x)) & 1 ? 0xFF : 0x00;
  return masks;
}();

}  // namespace

void Screen::paintCell(int row, int column, std::uint8_t code) noexcept {
  if (row < 1 || row > kTextRows || column < 1 || column > kTextColumns) return;
  const std::size_t cell = index(row, column);
  grid_[cell] = code;
  ink_[cell] = paletteIndex(colour_);
  if (!pending_[cell]) {
    pending_[cell] = true;
    pendingCells_[pendingCount_++] = static_cast<std::uint16_t>(cell);
  }
}

void Screen::paintPending() const noexcept {
  if (clearPending_) {
    picture_.fill(kBackground);
    clearPending_ = false;
  }
  for (std::size_t i = 0; i < pendingCount_; ++i) {
    const std::size_t cell = pendingCells_[i];
    pending_[cell] = false;
    paintGlyph(cell);
  }
  pendingCount_ = 0;
}

void Screen::paintGlyph(std::size_t cell) const noexcept {
  const Glyph& glyph = kFont8x14[grid_[cell]];
  const int left = static_cast<int>(cell % kTextColumns) * kGlyphWidth;
  const int top = static_cast<int>(cell / kTextColumns) * kGlyphHeight;
  // Bytewise on eight bytes at once: the same in either byte order.
  constexpr std::uint64_t kEachByte = 0x0101010101010101u;
  const std::uint64_t inkBytes = kEachByte * ink_[cell], backgroundBytes = kEachByte * kBackground;
  for (int y = 0; y < kGlyphHeight; ++y) {
    std::uint64_t mask = 0;
    std::memcpy(&mask, kDotMasks[glyph[static_cast<std::size_t>(y)]].data(), sizeof mask);
    const std::uint64_t span = (mask & inkBytes) | (~mask & backgroundBytes);
    std::memcpy(picture_.row(top + y) + left, &span, sizeof span);
  }
}

void Screen::putChar(std::uint8_t code) noexcept {
  paintCell(row_, column_, code);
  if (++column_ > kTextColumns) newLine();
}

void Screen::newLine() noexcept {
  column_ = 1;
  if (row_ < kTextRows) {
    ++row_;
  } else {
    scrollUp();
  }
}

void Screen::scrollUp() noexcept {
  paintPending();
  picture_.scrollUp(kGlyphHeight, kBackground);
  std::copy(grid_.begin() + kTextColumns, grid_.end(), grid_.begin());
  std::fill(grid_.end() - kTextColumns, grid_.end(), std::uint8_t{0});
}

void Screen::clear() noexcept {
  // What was printed before is covered by the clear, painted or not.
  for (std::size_t i = 0; i < pendingCount_; ++i) pending_[pendingCells_[i]] = false;
  pendingCount_ = 0;
  clearPending_ = true;
  grid_.fill(0);
  row_ = 1;
  column_ = 1;
}

void Screen::moveCursor(int row, int column) noexcept {
  row_ = std::clamp(row, 1, kTextRows);
  column_ = std::clamp(column, 1, kTextColumns);
}

std::string Screen::rowText(int row) const {
  std::string codes;
  for (int c = 1; c <= kTextColumns; ++c) {
    const std::uint8_t code = cell(row, c);
    codes.push_back(static_cast<char>(code == 0 ? ' ' : code));
  }
  codes.erase(codes.find_last_not_of(' ') + 1);
  return cp437ToUtf8(codes);
}

std::string Screen::text() const {
  std::string out;
  for (int r = 1; r <= kTextRows; ++r) {
    out += rowText(r);
    out += '\n';
  }
  return out;
}

}  // namespace msa
