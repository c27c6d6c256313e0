#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>

#include "frontends/headless/headless_host.hpp"
#include "dialogue/answer_editor.hpp"
#include "dialogue/cp437.hpp"

using namespace msa;

namespace {

// Feeds the keys of a key script and counts the beeps.
class FakeHost : public Host {
 public:
  explicit FakeHost(std::string_view script) : keys_(parseKeyScript(script)) {}
  Key nextKey(const Screen&) override {
    if (keys_.empty()) throw ProgramEnd{99};
    const Key key = keys_.front();
    keys_.pop_front();
    return key;
  }
  void beep() override { ++beeps; }
  int beeps = 0;

 private:
  std::deque<Key> keys_;
};

std::string edit(Screen& screen, std::string_view script, int* beeps = nullptr) {
  FakeHost host(script);
  std::string line = editAnswerLine(screen, host);
  if (beeps != nullptr) *beeps = host.beeps;
  return line;
}

// The colours found in a cell's pixels: bit n set when colour n occurs.
unsigned coloursInCell(const Screen& screen, int row, int column) {
  unsigned found = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 8; ++x) found |= 1u << screen.picture().at((column - 1) * 8 + x, (row - 1) * 14 + y);
  return found;
}

struct Editing {
  const char* script;
  const char* answer;
  int beeps;
};

TEST(AnswerEditor, EditsTheLineAndShowsWhatItHolds) {
  const Editing cases[] = {
      {"abc\n", "abc", 0},
      {"abc{LEFT}{LEFT}X\n", "aXbc", 0},             // inserted, never overwriting
      {"ab{LEFT}{LEFT}{LEFT}X\n", "Xab", 0},         // Left stops at the start
      {"ab{LEFT}{RIGHT}{RIGHT}X\n", "abX", 0},       // Right stops at the end
      {"abc{HOME}X{END}Y\n", "XabcY", 0},
      {"abc{BS}\n", "ab", 0},
      {"{BS}a{HOME}{BS}\n", "a", 0},                 // nothing left of the start
      {"abc{LEFT}{BS}\n", "ac", 0},
      {"abc{HOME}{DEL}\n", "bc", 0},
      {"abc{DEL}{LEFT}{DEL}{DEL}\n", "ab", 2},       // at the end: a beep only
      {"{DEL}\n", "", 1},
      {"a{TAB}b\n", "a       b", 0},                // blanks up to character 8
      {"{TAB}b\n", "        b", 0},
      {"abcdefgh{TAB}|\n", "abcdefgh        |", 0},
      {"abcd{LEFT}{LEFT}{TAB}\n", "ab      cd", 0},  // counted at the cursor, tail moved on
      {"abcdef{ESC}xy\n", "xy", 0},
      {"abc{ESC}{ESC}\n", "", 0},
      {"a{UP}b{DOWN}c{HOME}{DOWN}d\n", "dabc", 0},   // no row to move to in a short answer
      {"a\u263Ab\n", "ab", 0},                       // a code below 32 is no character to insert
      {"\u00E9\u00B0{ENTER}", "\x82\xF8", 0},
  };
  for (const auto& c : cases) {
    Screen screen;
    int beeps = 0;
    const std::string answer = edit(screen, c.script, &beeps);
    EXPECT_EQ(answer, c.answer) << c.script;
    EXPECT_EQ(beeps, c.beeps) << c.script;
    std::string shown = cp437ToUtf8(answer);
    shown.erase(shown.find_last_not_of(' ') + 1);
    EXPECT_EQ(screen.rowText(1), shown) << c.script;  // cells freed by deletion are blank
    EXPECT_EQ(std::pair(screen.row(), screen.column()), std::pair(2, 1)) << c.script;
  }
}

TEST(AnswerEditor, UpAndDownMoveByARowWithinALongAnswer) {
  std::string typed;
  for (int i = 0; i < 170; ++i) typed += static_cast<char>('a' + i % 26);
  std::string expected = typed;
  expected.insert(160, "X");  // Home, Down twice (a third would pass the end)
  expected.insert(81, "Y");   // then one row up from just after the X
  expected.insert(2, "Z");    // and one more row up
  Screen screen;
  EXPECT_EQ(edit(screen, typed + "{HOME}{DOWN}{DOWN}{DOWN}X{UP}Y{UP}Z{UP}\n"), expected);
}

TEST(AnswerEditor, EchoesAtTheCursorInThePresentColourAcrossRows) {
  Screen screen;
  screen.moveCursor(5, 78);
  screen.setColour(Colour::LightRed);
  EXPECT_EQ(edit(screen, "abcd{HOME}X\n"), "Xabcd");
  EXPECT_EQ(screen.rowText(5), std::string(77, ' ') + "Xab");
  EXPECT_EQ(screen.rowText(6), "cd");  // the tail moved on into the next row
  EXPECT_EQ(coloursInCell(screen, 5, 78), (1u << 0) | (1u << 12));
  EXPECT_EQ(coloursInCell(screen, 6, 2), (1u << 0) | (1u << 12));
  EXPECT_EQ(coloursInCell(screen, 6, 3), 1u << 0);
  // Enter ends the line wherever the editing cursor stood.
  EXPECT_EQ(std::pair(screen.row(), screen.column()), std::pair(7, 1));
}

TEST(AnswerEditor, AnAnswerReachingPastRow25ScrollsTheScreen) {
  Screen screen;
  screen.moveCursor(24, 1);
  for (char c : std::string("prompt")) screen.putChar(static_cast<std::uint8_t>(c));
  screen.moveCursor(25, 75);
  EXPECT_EQ(edit(screen, "0123456789\n"), "0123456789");
  // One scroll when the echo passed column 80 of row 25, one more for Enter.
  EXPECT_EQ(screen.rowText(22), "prompt");
  EXPECT_EQ(screen.rowText(23), std::string(74, ' ') + "012345");
  EXPECT_EQ(screen.rowText(24), "6789");
  EXPECT_EQ(screen.rowText(25), "");
  EXPECT_EQ(std::pair(screen.row(), screen.column()), std::pair(25, 1));
}

TEST(AnswerEditor, EscapeAfterAScrolledLongAnswerStartsAgainInSight) {
  Screen screen;
  screen.moveCursor(3, 11);
  EXPECT_EQ(edit(screen, std::string(3000, 'x') + "{ESC}new\n"), "new");
  EXPECT_EQ(screen.rowText(1), std::string(10, ' ') + "new");
  for (int row = 2; row <= 25; ++row) EXPECT_EQ(screen.rowText(row), "") << row;
  EXPECT_EQ(screen.row(), 2);
}

// Each key repaints at most the visible part of the answer, so a line far
// longer than the screen stays quick to edit anywhere.
TEST(AnswerEditor, AVeryLongLineIsKeptWholeAndEditedAnywhere) {
  std::string typed;
  for (int i = 0; i < 100000; ++i) typed += static_cast<char>('0' + i % 10);
  std::string script = typed + "{HOME}A{DEL}";     // at the start, long scrolled away
  for (int i = 0; i < 625; ++i) script += "{DOWN}";  // 625 rows down: character 50001
  script += "B{UP}{UP}{DEL}\n";                     // removes what stands at 49842
  std::string expected = typed;
  expected.replace(0, 1, "A");
  expected.insert(50001, "B");
  expected.erase(49842, 1);

  Screen screen;
  int beeps = 0;
  EXPECT_EQ(edit(screen, script, &beeps), expected);
  EXPECT_EQ(beeps, 0);
  // The echo filled row 24 to its end and so stood at row 25, column 1; Enter
  // moved on from there as a new line does.
  EXPECT_EQ(screen.rowText(23), expected.substr(expected.size() - 80));
  EXPECT_EQ(screen.rowText(24), "");
  EXPECT_EQ(std::pair(screen.row(), screen.column()), std::pair(25, 1));
}

}  // namespace
