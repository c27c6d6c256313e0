#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "graphics/picture.hpp"

namespace msa {

inline constexpr int kTextColumns = 80;
inline constexpr int kTextRows = 25;

// The picture with its 80 x 25 text grid, text cursor and present colour.
// Rows and columns are 1-based, as the dialogue speaks of them.
//
// What paints and moves the cursor cannot throw, and says so: in the
// WebAssembly build, whose C++ exceptions go through JavaScript, a call that
// may throw from where a string is alive is a round trip through JavaScript,
// and a screen's redrawing makes thousands of them.
class Screen {
 public:
  // Paints the character in the cell under the cursor and advances the cursor,
  // wrapping at column 80 and scrolling from row 25.
  void putChar(std::uint8_t code) noexcept;
  // Paints one cell without touching the cursor.
  void paintCell(int row, int column, std::uint8_t code) noexcept;
  void newLine() noexcept;
  // Scrolls the picture and the grid up by one text row.
  void scrollUp() noexcept;
  void clear() noexcept;
  void setColour(Colour colour) { colour_ = colour; }
  Colour colour() const { return colour_; }
  void moveCursor(int row, int column) noexcept;
  int row() const { return row_; }
  int column() const { return column_; }

  // The code printed in a cell, 0 for a cell nothing was printed in.
  std::uint8_t cell(int row, int column) const { return grid_[index(row, column)]; }
  // A text row in UTF-8, trailing blanks removed.
  std::string rowText(int row) const;
  // The whole grid, one line per row.
  std::string text() const;

  // The picture as painted so far: the cells printed since it was last
  // looked at are painted first.
  Picture& picture() {
    paintPending();
    return picture_;
  }
  const Picture& picture() const {
    paintPending();
    return picture_;
  }

 private:
  static constexpr std::size_t kCells = kTextColumns * kTextRows;
  static std::size_t index(int row, int column) {
    return static_cast<std::size_t>((row - 1) * kTextColumns + (column - 1));
  }
  void paintPending() const noexcept;
  void paintGlyph(std::size_t cell) const noexcept;

  // Printing only notes the cell, its code and colour; the pixels are painted
  // when the picture is looked at (shown, saved, drawn on, scrolled). The
  // cells tile the picture and a glyph covers its cell, so painting only a
  // cell's last character gives the same pixels, and a screen redrawn many
  // times between two looks (a long replay) is painted once.
  mutable Picture picture_;
  std::array<std::uint8_t, kCells> grid_{};
  std::array<std::uint8_t, kCells> ink_{};
  mutable std::array<bool, kCells> pending_{};
  mutable std::array<std::uint16_t, kCells> pendingCells_{};
  mutable std::size_t pendingCount_ = 0;
  // A clear not painted yet: the whole picture goes back to the background.
  mutable bool clearPending_ = false;
  int row_ = 1;
  int column_ = 1;
  Colour colour_ = Colour::White;
  static constexpr std::uint8_t kBackground = 0;
};

}  // namespace msa
