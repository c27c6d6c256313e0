#include "dialogue/answer_editor.hpp"

#include <algorithm>

namespace msa {

namespace {

constexpr long kCells = long{kTextColumns} * kTextRows;

// The answer is echoed in consecutive cells from where the reading started.
// Its start is kept as a cell number that goes negative when the echo of a
// long answer has scrolled its beginning off the screen; only the visible part
// is ever painted, so a key costs at most one screenful of cells.
class AnswerLine {
 public:
  explicit AnswerLine(Screen& screen)
      : screen_(screen), start_(long{screen.row() - 1} * kTextColumns + (screen.column() - 1)) {}

  void insert(const std::string& codes) {
    text_.insert(position_, codes);
    position_ += codes.size();
    makeRoomFor(text_.size());
    repaint(position_ - codes.size(), text_.size());
  }
  void erase(std::size_t at, std::size_t count) {
    const std::size_t oldSize = text_.size();
    text_.erase(at, count);
    repaint(at, oldSize);
  }
  void backspace() {
    if (position_ == 0) return;
    --position_;
    erase(position_, 1);
  }
  bool deleteUnderCursor() {
    if (position_ >= text_.size()) return false;
    erase(position_, 1);
    return true;
  }
  void eraseAll() {
    position_ = 0;
    erase(0, text_.size());
    // A long answer may have scrolled its start off the top; the new answer
    // starts again in the top row, in the same column, so it is seen as typed.
    if (start_ < 0) start_ = (start_ % kTextColumns + kTextColumns) % kTextColumns;
  }
  void moveTo(std::size_t position) { position_ = std::min(position, text_.size()); }
  std::size_t position() const { return position_; }
  std::size_t size() const { return text_.size(); }

  // Enter: the cursor goes to column 1 of the row after the end of the answer.
  std::string finish() {
    const long end = start_ + static_cast<long>(text_.size());
    const long row = end < 0 ? 0 : std::min<long>(end / kTextColumns, kTextRows - 1);
    screen_.moveCursor(static_cast<int>(row) + 1, kTextColumns);
    screen_.newLine();
    return text_;
  }

 private:
  // Scrolls until the cell after the answer's last character lies on the screen,
  // as typing at the last column of row 25 does.
  void makeRoomFor(std::size_t length) {
    while (start_ + static_cast<long>(length) >= kCells) {
      screen_.scrollUp();
      start_ -= kTextColumns;
    }
  }
  // Paints characters [from, to) of the answer, blanks past its end.
  void repaint(std::size_t from, std::size_t to) {
    const long first = std::max<long>(static_cast<long>(from), -start_);
    const long last = std::min<long>(static_cast<long>(to), kCells - start_);
    for (long i = first; i < last; ++i) {
      const long cell = start_ + i;
      const auto index = static_cast<std::size_t>(i);
      const auto code = index < text_.size() ? static_cast<std::uint8_t>(text_[index]) : std::uint8_t{' '};
      screen_.paintCell(static_cast<int>(cell / kTextColumns) + 1, static_cast<int>(cell % kTextColumns) + 1, code);
    }
  }

  Screen& screen_;
  long start_;
  std::string text_;
  std::size_t position_ = 0;
};

}  // namespace

std::string editAnswerLine(Screen& screen, Host& host) {
  AnswerLine line(screen);
  for (;;) {
    const Key key = host.nextKey(screen);
    switch (key.kind) {
      case Key::Kind::Char:
        if (key.code >= 32) line.insert(std::string(1, static_cast<char>(key.code)));
        break;
      case Key::Kind::Enter: return line.finish();
      case Key::Kind::Backspace: line.backspace(); break;
      case Key::Kind::Delete:
        if (!line.deleteUnderCursor()) host.beep();
        break;
      case Key::Kind::Left:
        if (line.position() > 0) line.moveTo(line.position() - 1);
        break;
      case Key::Kind::Right: line.moveTo(line.position() + 1); break;
      case Key::Kind::Home: line.moveTo(0); break;
      case Key::Kind::End: line.moveTo(line.size()); break;
      case Key::Kind::Up:
        if (line.position() >= kTextColumns) line.moveTo(line.position() - kTextColumns);
        break;
      case Key::Kind::Down:
        if (line.position() + kTextColumns <= line.size()) line.moveTo(line.position() + kTextColumns);
        break;
      case Key::Kind::Tab: line.insert(std::string(8 - line.position() % 8, ' ')); break;
      case Key::Kind::Escape: line.eraseAll(); break;
    }
  }
}

}  // namespace msa
