#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "dialogue/host.hpp"
#include "dialogue/messages.hpp"
#include "dialogue/screen.hpp"

namespace msa {

// How a print ends.
enum class Ending { None, NewLine, NextZone };

// The dialogue operations every screen of the program is made of. Texts are
// given in UTF-8 and shown in code page 437; the screens name their texts
// by key, in the language the dialogue speaks.
class Dialogue {
 public:
  Dialogue(Screen& screen, Host& host, Language language = Language::French)
      : screen_(screen), host_(host), language_(language) {}

  void printText(std::string_view utf8, Ending ending = Ending::None);
  void printNumber(float value, Ending ending = Ending::None);
  void printWhole(std::int32_t value, Ending ending = Ending::None);
  // The text of a key; with numbers, each {n} replaced by the n-th number as printNumber prints it.
  void print(Msg key, Ending ending = Ending::None);
  void print(Msg key, std::initializer_list<float> numbers, Ending ending = Ending::None);
  // The text of a key with each {n} replaced by values[n].
  void printFilled(Msg key, const std::vector<std::string>& values, Ending ending = Ending::None);
  std::string_view text(Msg key) const { return message(language_, key); }
  Language language() const { return language_; }
  void newLine() { screen_.newLine(); }
  void clearScreen() { screen_.clear(); }
  void setColour(Colour colour) { screen_.setColour(colour); }
  void moveCursor(int row, int column) { screen_.moveCursor(row, column); }
  // Lets the user type one line and returns its first answer field (code page 437).
  std::string readAnswer();
  // The prompt, its {0} the present value, and an answer: empty keeps the
  // value, else its numeric value.
  void parameterPrompt(std::string_view pattern, float& quantity);
  void parameterPrompt(Msg prompt, float& quantity) { parameterPrompt(text(prompt), quantity); }
  void pause();

  Screen& screen() { return screen_; }
  Host& host() { return host_; }

 private:
  void end(Ending ending);
  void printCodes(std::string_view codes);
  void printPattern(std::string_view pattern, std::initializer_list<float> numbers);
  Screen& screen_;
  Host& host_;
  Language language_;
};

}  // namespace msa
