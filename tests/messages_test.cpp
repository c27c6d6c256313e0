#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "dialogue/cp437.hpp"
#include "dialogue/messages.hpp"

using namespace msa;

namespace {

// Every language of the texts (src/texts), French first.
std::vector<Language> languages() {
  std::vector<Language> all;
  for (std::size_t i = 0; i < kLanguageCount; ++i) all.push_back(static_cast<Language>(i));
  return all;
}
// The widest number the dialogue prints: a blank or sign, 7 digits, the point, "e-038".
constexpr int kWidestNumber = 14;

std::set<std::string> placeholders(std::string_view text) {
  std::set<std::string> found;
  for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1))
    found.insert(std::string(text.substr(at, 3)));
  return found;
}

// Screen columns of a text, each placeholder taken at its widest.
int width(std::string_view text) {
  const std::string filled = fillPlaceholders(text, std::vector<std::string>(10, std::string(kWidestNumber, '9')));
  return static_cast<int>(decodeUtf8(filled).size());
}

// The column (from 0) at which a text's first `mark` stands.
int column(Language language, Msg key, std::u32string_view mark) {
  return static_cast<int>(decodeUtf8(message(language, key)).find(mark));
}

TEST(Messages, EveryKeyHasATextOfTheGridInEachLanguageWithTheSamePlaceholders) {
  for (int i = 0; i < static_cast<int>(Msg::Count); ++i) {
    const Msg key = static_cast<Msg>(i);
    const std::string_view french = message(Language::French, key);
    for (Language language : languages()) {
      const std::string_view text = message(language, key);
      EXPECT_FALSE(text.empty()) << "key " << i;
      EXPECT_EQ(placeholders(text), placeholders(french)) << text;
      for (char32_t c : decodeUtf8(text)) EXPECT_TRUE(unicodeToCp437(c).has_value()) << text;
      // One row of 80 columns, whatever the numbers; three French stops run
      // onto the next row with wide numbers, and stay as they are. The texts
      // from Saved on are the window's title bar, not rows of the grid.
      if (key >= Msg::Saved) continue;
      const bool longInFrench =
          key == Msg::StopAlphaAbove180 || key == Msg::StopAlphaUndefined || key == Msg::StopTimeStalled;
      if (!(language == Language::French && longInFrench)) {
        EXPECT_LE(width(text), 80) << text;
      }
    }
  }
}

// Labels that screens line up in columns stay lined up in every language.
TEST(Messages, AlignedLabelsStayAligned) {
  const Msg status[] = {Msg::StatusBeta, Msg::StatusXhi, Msg::StatusMu, Msg::StatusSpeed, Msg::StatusCurrent, Msg::StatusVoltage};
  const Msg menu[] = {Msg::MenuR, Msg::MenuD, Msg::MenuE, Msg::MenuU, Msg::MenuS, Msg::MenuF};
  for (Language language : languages()) {
    for (Msg key : status) EXPECT_EQ(column(language, key, U"{0}"), column(language, Msg::StatusBeta, U"{0}"));
    for (Msg key : menu) EXPECT_EQ(column(language, key, U"<"), column(language, Msg::MenuR, U"<"));
    EXPECT_EQ(column(language, Msg::ControlChoice2, U"2"), column(language, Msg::ControlChoice1, U"1"));
    EXPECT_EQ(column(language, Msg::IterationChoiceEach, U"1"), column(language, Msg::IterationChoiceAll, U"0"));
    EXPECT_EQ(column(language, Msg::DiagramLevelScale, U"1"), column(language, Msg::DiagramTimeScale, U"1"));
    EXPECT_EQ(column(language, Msg::InitialPsiLine, U"{0}"), column(language, Msg::InitialPsidLine, U"{0}"));
    EXPECT_EQ(column(language, Msg::InitialMuLine, U"{0}"), column(language, Msg::InitialRauLine, U"{0}"));
    EXPECT_EQ(column(language, Msg::PromptDmu, U"{0}"), column(language, Msg::PromptDrau, U"{0}"));
  }
}

TEST(Messages, PlaceholdersTakeTheirValuesInTheOrderTheTextGives) {
  EXPECT_EQ(fillPlaceholders("{1} then {0}, {0}", {"a", "b"}), "b then a, a");
  EXPECT_EQ(fillPlaceholders("{2} {x} {", {"a"}), "{2} {x} {");  // nothing to put there: kept
  EXPECT_EQ(languageFromCode("fr"), Language::French);
  EXPECT_EQ(languageFromCode("en"), Language::English);
  EXPECT_EQ(languageFromCode(""), std::nullopt);
  EXPECT_EQ(languageFromCode("de"), std::nullopt);
}

}  // namespace
