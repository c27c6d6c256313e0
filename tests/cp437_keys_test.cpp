#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogue/text_input.hpp"

using namespace msa;

namespace {

Key ch(int code) { return Key::character(static_cast<std::uint8_t>(code)); }

struct TextCase {
  const char* what;
  std::string utf8;
  std::vector<Key> keys;
};

TEST(TypedText, BecomesCodePage437Keys) {
  const TextCase cases[] = {
      {"plain ASCII", "a1,", {ch('a'), ch('1'), ch(',')}},
      {"the French letters and signs of the dialogue", "éàêèôû°²",
       {ch(130), ch(133), ch(136), ch(138), ch(147), ch(150), ch(248), ch(253)}},
      {"capitals and other letters the code page has", "ÉÇç£µ", {ch(144), ch(128), ch(135), ch(156), ch(230)}},
      {"a tab is the Tab key", "1\t2", {ch('1'), Key::special(Key::Kind::Tab), ch('2')}},
      {"characters without a code are dropped", "a€b✓c😀", {ch('a'), ch('b'), ch('c')}},
      {"a decomposed accent loses only the accent", "e\u0301", {ch('e')}},
      {"control characters are dropped", std::string("x\x07\x1b", 3) + "y", {ch('x'), ch('y')}},
      {"a NUL inside is dropped", std::string("p\0q", 3), {ch('p'), ch('q')}},
      {"invalid UTF-8 is dropped", "a\xff\xc3z", {ch('a'), ch('z')}},
      {"nothing", "", {}},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(keysForText(c.utf8), c.keys) << c.what;
  }
}

TEST(PastedText, StopsAtTheFirstLineBreak) {
  struct Case {
    const char* text;
    const char* line;
  };
  const Case cases[] = {
      {"0.217", "0.217"},     {"12\nsecond", "12"}, {"12\r\nsecond", "12"}, {"12\rsecond", "12"},
      {"\nsecond", ""},       {"", ""},             {"a b,c\t", "a b,c\t"},
  };
  for (const Case& c : cases) EXPECT_EQ(firstLine(c.text), c.line) << c.text;
}

}  // namespace
