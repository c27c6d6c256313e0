#include "dialogue/dialogue.hpp"

#include <array>

#include "dialogue/answer_editor.hpp"
#include "dialogue/answer_field.hpp"
#include "dialogue/cp437.hpp"
#include "dialogue/number_format.hpp"

namespace msa {

namespace {

// Print zones of 14 columns start at 1, 15, 29, 43 and 57; past the last one
// that still leaves a whole zone on the line, the line ends.
constexpr int kZoneWidth = 14;
constexpr int kLastZoneTarget = kTextColumns - kZoneWidth;

}  // namespace

void Dialogue::printCodes(std::string_view codes) {
  for (char c : codes) screen_.putChar(static_cast<std::uint8_t>(c));
}

void Dialogue::end(Ending ending) {
  switch (ending) {
    case Ending::None: break;
    case Ending::NewLine: screen_.newLine(); break;
    case Ending::NextZone: {
      const int k = screen_.column();
      const int target = kZoneWidth * ((k - 1 + kZoneWidth) / kZoneWidth) + 1;
      if (target > kLastZoneTarget) {
        screen_.newLine();
      } else {
        while (screen_.column() < target) screen_.putChar(' ');
      }
      break;
    }
  }
}

void Dialogue::printText(std::string_view utf8, Ending ending) {
  forEachCp437(utf8, [this](std::uint8_t code) { screen_.putChar(code); });
  end(ending);
}

void Dialogue::printNumber(float value, Ending ending) {
  printCodes(numberText(value).view());
  end(ending);
}

void Dialogue::print(Msg key, Ending ending) { printText(text(key), ending); }

void Dialogue::print(Msg key, std::initializer_list<float> numbers, Ending ending) {
  printPattern(text(key), numbers);
  end(ending);
}

// Written in place from numbers held on the stack: nothing here allocates,
// so nothing needs cleaning up if something below throws (the WebAssembly
// build then calls straight through rather than by way of JavaScript).
void Dialogue::printPattern(std::string_view pattern, std::initializer_list<float> numbers) {
  std::array<NumberText, 10> values;  // placeholders are {0} to {9}
  std::size_t count = 0;
  for (float number : numbers)
    if (count < values.size()) values[count++] = numberText(number);
  walkPlaceholders(
      pattern, count, [this](std::string_view piece) { printText(piece); },
      [&](std::size_t index) { printText(values[index].view()); });
}

void Dialogue::printFilled(Msg key, const std::vector<std::string>& values, Ending ending) {
  printText(fillPlaceholders(text(key), values), ending);
}

void Dialogue::printWhole(std::int32_t value, Ending ending) {
  printCodes(formatWhole(value));
  end(ending);
}

std::string Dialogue::readAnswer() {
  host_.answerAwaited(screen_);
  return answerField(editAnswerLine(screen_, host_));
}

void Dialogue::parameterPrompt(std::string_view pattern, float& quantity) {
  printPattern(pattern, {quantity});
  const std::string field = readAnswer();
  if (!field.empty()) quantity = numericValue(field);
}

void Dialogue::pause() {
  newLine();
  print(Msg::Pause);
  readAnswer();
}

}  // namespace msa
