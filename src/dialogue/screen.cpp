#include "dialogue/screen.hpp"

#include <algorithm>

#include "dialogue/cp437.hpp"
#include "dialogue/font.hpp"

namespace msa {

void Screen::paintCell(int row, int column, std::uint8_t code) {
  if (row < 1 || row > kTextRows || column < 1 || column > kTextColumns) return;
  grid_[index(row, column)] = code;
  const Glyph& glyph = kFont8x14[code];
  const int left = (column - 1) * kGlyphWidth;
  const int top = (row - 1) * kGlyphHeight;
  for (int y = 0; y < kGlyphHeight; ++y) {
    for (int x = 0; x < kGlyphWidth; ++x) {
      const bool on = (glyph[static_cast<std::size_t>(y)] >> (7 - x)) & 1;
      picture_.set(left + x, top + y, on ? paletteIndex(colour_) : kBackground);
    }
  }
}

void Screen::putChar(std::uint8_t code) {
  paintCell(row_, column_, code);
  if (++column_ > kTextColumns) newLine();
}

void Screen::newLine() {
  column_ = 1;
  if (row_ < kTextRows) {
    ++row_;
  } else {
    scrollUp();
  }
}

void Screen::scrollUp() {
  picture_.scrollUp(kGlyphHeight, kBackground);
  std::copy(grid_.begin() + kTextColumns, grid_.end(), grid_.begin());
  std::fill(grid_.end() - kTextColumns, grid_.end(), std::uint8_t{0});
}

void Screen::clear() {
  picture_.fill(kBackground);
  grid_.fill(0);
  row_ = 1;
  column_ = 1;
}

void Screen::moveCursor(int row, int column) {
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
