#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dialogue/host.hpp"
#include "dialogue/screen.hpp"

namespace msa {

// How a print ends.
enum class Ending { None, NewLine, NextZone };

// The dialogue operations every screen of the program is made of. Texts are
// given in UTF-8 and shown in code page 437.
class Dialogue {
 public:
  Dialogue(Screen& screen, Host& host) : screen_(screen), host_(host) {}

  void printText(std::string_view utf8, Ending ending = Ending::None);
  void printNumber(float value, Ending ending = Ending::None);
  void printWhole(std::int32_t value, Ending ending = Ending::None);
  void newLine() { screen_.newLine(); }
  void clearScreen() { screen_.clear(); }
  void setColour(Colour colour) { screen_.setColour(colour); }
  void moveCursor(int row, int column) { screen_.moveCursor(row, column); }
  // Lets the user type one line and returns its first answer field (code page 437).
  std::string readAnswer();
  // " name (df value unit)= " and an answer: empty keeps the value, else its numeric value.
  void parameterPrompt(std::string_view name, float& quantity, std::string_view unit);
  void pause();

  Screen& screen() { return screen_; }
  Host& host() { return host_; }

 private:
  void end(Ending ending);
  void printCodes(std::string_view codes);
  Screen& screen_;
  Host& host_;
};

}  // namespace msa
