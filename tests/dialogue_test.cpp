#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <utility>

#include "frontends/headless/headless_host.hpp"
#include "dialogue/dialogue.hpp"
#include "dialogue/font.hpp"

using namespace msa;

namespace {

class FakeHost : public Host {
 public:
  explicit FakeHost(std::string_view script = "") : keys_(parseKeyScript(script)) {}
  void answerAwaited(const Screen&) override { ++reads; }
  Key nextKey(const Screen&) override {
    if (keys_.empty()) throw ProgramEnd{99};
    const Key key = keys_.front();
    keys_.pop_front();
    return key;
  }
  void beep() override {}
  int reads = 0;

 private:
  std::deque<Key> keys_;
};

struct Fixture {
  explicit Fixture(std::string_view script = "") : host(script), dialogue(screen, host) {}
  Screen screen;
  FakeHost host;
  Dialogue dialogue;
};

bool allPixels(const Screen& screen, int top, int bottom, std::uint8_t colour) {
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < kPictureWidth; ++x)
      if (screen.picture().at(x, y) != colour) return false;
  return true;
}

TEST(Screen, ANewRowFromRow25ScrollsByOneTextRow) {
  Fixture f;
  for (int row = 1; row <= 25; ++row) {
    f.dialogue.moveCursor(row, 1);
    f.dialogue.printWhole(row);
  }
  f.screen.picture().set(100, 30, 14);  // a diagram pixel in text row 3
  f.dialogue.newLine();
  EXPECT_EQ(f.screen.rowText(1), " 2");
  EXPECT_EQ(f.screen.rowText(24), " 25");
  EXPECT_EQ(f.screen.rowText(25), "");
  EXPECT_EQ(f.screen.cell(25, 2), 0);
  EXPECT_EQ(f.screen.picture().at(100, 16), 14);
  EXPECT_EQ(f.screen.picture().at(100, 30), 0);
  EXPECT_TRUE(allPixels(f.screen, 336, 350, 0));
  EXPECT_FALSE(allPixels(f.screen, 322, 336, 0));  // row 24 now shows " 25"
  EXPECT_EQ(std::pair(f.screen.row(), f.screen.column()), std::pair(25, 1));
  f.dialogue.moveCursor(25, 80);  // a character in the last cell scrolls too
  f.dialogue.printText("z");
  EXPECT_EQ(f.screen.rowText(24), std::string(79, ' ') + "z");
  EXPECT_EQ(f.screen.rowText(25), "");
}

TEST(Screen, PrintingWrapsAtColumn80AndClearKeepsTheColour) {
  Fixture f;
  f.dialogue.setColour(Colour::LightMagenta);
  f.dialogue.moveCursor(2, 79);
  f.dialogue.printText("abc");
  EXPECT_EQ(f.screen.rowText(2), std::string(78, ' ') + "ab");
  EXPECT_EQ(f.screen.rowText(3), "c");
  EXPECT_EQ(std::pair(f.screen.row(), f.screen.column()), std::pair(3, 2));
  f.screen.picture().set(639, 349, 14);
  f.dialogue.clearScreen();
  EXPECT_TRUE(allPixels(f.screen, 0, kPictureHeight, 0));
  EXPECT_EQ(f.screen.text(), std::string(25, '\n'));
  EXPECT_EQ(std::pair(f.screen.row(), f.screen.column()), std::pair(1, 1));
  EXPECT_EQ(f.screen.colour(), Colour::LightMagenta);
}

// Glyph pixels take the present colour, the rest of the cell the background,
// over whatever the picture showed there.
TEST(Screen, ACharacterPaintsItsWholeCell) {
  Fixture f;
  for (int y = 14; y < 28; ++y)
    for (int x = 16; x < 32; ++x) f.screen.picture().set(x, y, 5);  // under cells (2,3) and (2,4)
  f.dialogue.setColour(Colour::LightGreen);
  f.dialogue.moveCursor(2, 3);
  f.dialogue.printText("A ");
  const Glyph& glyph = kFont8x14['A'];
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool on = (glyph[static_cast<std::size_t>(y)] >> (7 - x)) & 1;
      EXPECT_EQ(f.screen.picture().at(16 + x, 14 + y), on ? 10 : 0) << x << ',' << y;
      EXPECT_EQ(f.screen.picture().at(24 + x, 14 + y), 0) << x << ',' << y;
    }
  }
}

TEST(Screen, FrenchLettersAreStoredInCodePage437) {
  Fixture f;
  f.dialogue.printText("éàêèôûx°²");
  const std::uint8_t codes[] = {130, 133, 136, 138, 147, 150, 'x', 248, 253};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(f.screen.cell(1, i + 1), codes[i]) << i;
  EXPECT_EQ(f.screen.rowText(1), "éàêèôûx°²");
  EXPECT_EQ(f.screen.column(), 10);
}

TEST(Dialogue, NextZoneGoesToTheNextZoneOrEndsTheLine) {
  const std::pair<int, int> zones[] = {{1, 15},  {2, 15},  {14, 15}, {15, 29}, {28, 29}, {29, 43},
                                       {43, 57}, {56, 57}, {57, 0},  {66, 0},  {67, 0},  {80, 0}};
  for (const auto& [from, to] : zones) {  // to 0: a new line
    Fixture f;
    f.dialogue.moveCursor(3, 1);
    f.dialogue.printText(std::string(80, 'x'));
    f.dialogue.moveCursor(3, from);
    f.dialogue.printText("", Ending::NextZone);
    std::string row(80, 'x');
    if (to > 0) row.replace(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from),
                            static_cast<std::size_t>(to - from), ' ');  // blanks printed over the x
    EXPECT_EQ(f.screen.rowText(3), row) << from;
    EXPECT_EQ(std::pair(f.screen.row(), f.screen.column()), to > 0 ? std::pair(3, to) : std::pair(4, 1))
        << from;
  }
}

TEST(Dialogue, CoefficientLinePutsTheNumbersInTheirZones) {
  using Place = std::pair<int, int>;  // row, column
  struct Line {
    float x, y, z;
    Place places[3];
  };
  const float wide = -1.2345678e-5f;  // -1.234568e-005: 14 characters
  const Line lines[] = {
      {0.5f, -0.25f, 0.125f, {{1, 29}, {1, 43}, {1, 57}}},
      {-1.23456e-4f, 1.23456e-3f, 0.5f, {{1, 29}, {1, 43}, {1, 57}}},  // 13 characters each
      {wide, 0.5f, 0.5f, {{1, 29}, {1, 57}, {2, 1}}},
      {0.5f, wide, 0.5f, {{1, 29}, {1, 43}, {2, 1}}},
      {wide, wide, wide, {{1, 29}, {1, 57}, {2, 1}}},
  };
  for (const auto& l : lines) {
    Fixture f;
    f.dialogue.printText(" Coefficients x,y,z = ", Ending::NextZone);
    Place places[3];
    const float values[3] = {l.x, l.y, l.z};
    for (int i = 0; i < 3; ++i) {
      places[i] = {f.screen.row(), f.screen.column()};
      f.dialogue.printNumber(values[i], i < 2 ? Ending::NextZone : Ending::NewLine);
    }
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(places[i], l.places[i]) << l.x << ' ' << l.y << " number " << i;
  }
}

TEST(Dialogue, NumbersAndWholeNumbersHaveNoTrailingBlank) {
  struct Whole {
    std::int32_t value;
    const char* text;
  };
  const Whole wholes[] = {{5, " 5"}, {-3, "-3"}, {0, " 0"},
                          {std::numeric_limits<std::int32_t>::min(), "-2147483648"},
                          {std::numeric_limits<std::int32_t>::max(), " 2147483647"}};
  for (const auto& w : wholes) {
    Fixture f;
    f.dialogue.printWhole(w.value);
    f.dialogue.printText("|");
    EXPECT_EQ(f.screen.rowText(1), std::string(w.text) + "|");
  }
  Fixture f;
  f.dialogue.printText(" Angle mu = ");
  f.dialogue.printNumber(6.1f);
  f.dialogue.printText(" °", Ending::NewLine);
  f.dialogue.printText(" Itération N°");
  f.dialogue.printWhole(7, Ending::NewLine);
  EXPECT_EQ(f.screen.rowText(1), " Angle mu =  6.1 °");
  EXPECT_EQ(f.screen.rowText(2), " Itération N° 7");
  EXPECT_EQ(f.screen.row(), 3);
}

TEST(Dialogue, ParameterPromptShowsTheValueAndReadsTheAnswerAfterIt) {
  struct Prompt {
    const char* name;
    float value;
    const char* unit;
    const char* typed;
    const char* shown;
    float stored;
  };
  const float inf = std::numeric_limits<float>::infinity();
  const Prompt prompts[] = {
      {"inductance dc ldc", 0.217f, "H", "\n", " inductance dc ldc (df  0.217 H)=", 0.217f},
      {"inductance dc ldc", 0.217f, "H", "0.3\n", " inductance dc ldc (df  0.217 H)= 0.3", 0.3f},
      {"nombre de paires de pôles", 2, "", "   \n", " nombre de paires de pôles (df  2 )=", 2},
      {"temin", -0.05f, "s", "0,5\n", " temin (df -5.e-002 s)= 0,5", 0},
      {"temin", -0.05f, "s", ",5\n", " temin (df -5.e-002 s)= ,5", -0.05f},
      {"r", 0.5f, "ohms", "abc\n", " r (df  0.5 ohms)= abc", 0},
      {"r", 0.5f, "ohms", "12abc\n", " r (df  0.5 ohms)= 12abc", 12},
      {"r", 0.5f, "ohms", " 1.5d-3\n", " r (df  0.5 ohms)=  1.5d-3", 0.0015f},
      {"r", 0.5f, "ohms", "&H10\n", " r (df  0.5 ohms)= &H10", 16},
      {"J", inf, "kgm²", "\n", " J (df  inf kgm²)=", inf},
  };
  for (const auto& p : prompts) {
    Fixture f(p.typed);
    float quantity = p.value;
    f.dialogue.parameterPrompt(std::string(" ") + p.name + " (df {0} " + p.unit + ")= ", quantity);
    EXPECT_EQ(f.screen.rowText(1), p.shown) << p.typed;
    EXPECT_EQ(quantity, p.stored) << p.typed;
    EXPECT_EQ(f.host.reads, 1);
    EXPECT_EQ(std::pair(f.screen.row(), f.screen.column()), std::pair(2, 1));
  }
}

TEST(Dialogue, PauseReadsOneLineAndDiscardsIt) {
  Fixture f("ignored, text\nnext\n");
  f.dialogue.moveCursor(3, 5);
  f.dialogue.printText("x");
  f.dialogue.pause();
  EXPECT_EQ(f.screen.rowText(3), "    x");
  EXPECT_EQ(f.screen.rowText(4), "pressez <enter> pour continuerignored, text");
  EXPECT_EQ(std::pair(f.screen.row(), f.screen.column()), std::pair(5, 1));
  EXPECT_EQ(f.host.reads, 1);
  EXPECT_EQ(f.dialogue.readAnswer(), "next");  // the pause took one line only
}

}  // namespace
