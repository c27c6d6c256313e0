#include <gtest/gtest.h>

#include <string>
#include <deque>
#include <vector>

#include "dialogue/key_script.hpp"

using namespace msa;

namespace {

using K = Key::Kind;

Key ch(char c) { return Key::character(static_cast<std::uint8_t>(c)); }
Key code(int c) { return Key::character(static_cast<std::uint8_t>(c)); }
Key sp(K kind) { return Key::special(kind); }

struct Script {
  std::string text;
  std::vector<Key> keys;
};

TEST(KeyScript, TurnsTheScriptIntoKeyPresses) {
  const Script scripts[] = {
      {"", {}},
      {"ab\n", {ch('a'), ch('b'), sp(K::Enter)}},
      {"a\r\nb\r", {ch('a'), sp(K::Enter), ch('b')}},
      {"\t", {sp(K::Tab)}},
      {"{BS}{DEL}{LEFT}{RIGHT}{UP}{DOWN}{HOME}{END}{TAB}{ESC}{ENTER}",
       {sp(K::Backspace), sp(K::Delete), sp(K::Left), sp(K::Right), sp(K::Up), sp(K::Down),
        sp(K::Home), sp(K::End), sp(K::Tab), sp(K::Escape), sp(K::Enter)}},
      {"x{{y", {ch('x'), ch('{'), ch('y')}},
      {"{{BS}", {ch('{'), ch('B'), ch('S'), ch('}')}},
      {"{FOO}", {ch('{'), ch('F'), ch('O'), ch('O'), ch('}')}},
      {"{bs}", {ch('{'), ch('b'), ch('s'), ch('}')}},      // names are capitals
      {"{BS", {ch('{'), ch('B'), ch('S')}},
      {"{", {ch('{')}},
      {"{BSX}", {ch('{'), ch('B'), ch('S'), ch('X'), ch('}')}},
      {"{ENTER}}", {sp(K::Enter), ch('}')}},
      {"{{ENTER}", {ch('{'), ch('E'), ch('N'), ch('T'), ch('E'), ch('R'), ch('}')}},
      {"{{{ENTER}", {ch('{'), sp(K::Enter)}},
      {"pôles é° 5²", {ch('p'), code(147), ch('l'), ch('e'), ch('s'), ch(' '), code(130), code(248),
                       ch(' '), ch('5'), code(253)}},
      {"a\U0001F600\u0416b", {ch('a'), ch('b')}},              // no code page 437 code
      {"a\x80\xFF\xC3z\xE2\x82", {ch('a'), ch('z')}},          // invalid UTF-8
      {"\xC1\xBB\xE0\x80\xBB\xED\xA0\x80x", {ch('x')}},        // overlong forms, a surrogate
      {"\xF4\x90\x80\x80y", {ch('y')}},                        // past U+10FFFF
      {std::string("a\0b", 3), {ch('a'), ch('b')}},
      {"a\bb\x1B\x7F", {ch('a'), sp(K::Backspace), ch('b'), sp(K::Escape), code(127)}},  // as {BS} {ESC} ⌂
      {"{SAVE}x{BREAK}{BREAK 12}", {ch('x')}},  // commands are no keys
      {"{BREAK }{BREAK -1}{BREAK 1x}", {ch('{'), ch('B'), ch('R'), ch('E'), ch('A'), ch('K'), ch(' '), ch('}'),
                                        ch('{'), ch('B'), ch('R'), ch('E'), ch('A'), ch('K'), ch(' '), ch('-'),
                                        ch('1'), ch('}'), ch('{'), ch('B'), ch('R'), ch('E'), ch('A'), ch('K'),
                                        ch(' '), ch('1'), ch('x'), ch('}')}},  // a step is digits only
  };
  for (const auto& s : scripts) {
    const auto keys = parseKeyScript(s.text);
    EXPECT_EQ(std::vector<Key>(keys.begin(), keys.end()), s.keys) << s.text;
  }
}

TEST(KeyScript, CommandsComeInTheirPlaceAndEveryKeyIsWrittenBackAsItself) {
  const auto items = parseScript("1{SAVE}{BREAK}{SAVE\n");
  const std::deque<ScriptKey> expected{ScriptKey::of(ch('1')), ScriptKey::save(), ScriptKey::interrupt(),
                                       ScriptKey::of(ch('{')), ScriptKey::of(ch('S')), ScriptKey::of(ch('A')),
                                       ScriptKey::of(ch('V')), ScriptKey::of(ch('E')), ScriptKey::of(sp(K::Enter))};
  EXPECT_EQ(items, expected);

  std::vector<ScriptKey> all{ScriptKey::save(), ScriptKey::interrupt(), ScriptKey::interrupt(1),
                             ScriptKey::interrupt(18446744073709551615u)};
  for (int c = 1; c < 256; ++c) all.push_back(ScriptKey::of(code(c)));
  for (K kind : {K::Enter, K::Backspace, K::Delete, K::Left, K::Right, K::Up, K::Down, K::Home, K::End, K::Tab,
                 K::Escape})
    all.push_back(ScriptKey::of(sp(kind)));
  std::string text;
  for (const ScriptKey& item : all) text += scriptText(item);
  const auto back = parseScript(text);
  EXPECT_EQ(std::vector<ScriptKey>(back.begin(), back.end()), all);
  EXPECT_EQ(scriptText(ScriptKey::of(ch('{'))) + scriptText(ScriptKey::of(sp(K::Enter))), "{{\n");
}

// A bare {BREAK} stops the run at its first step; {BREAK n} at its n-th; a
// break never meets a run's step when keys come first (it is then dropped).
TEST(KeyScript, BreaksAreTakenAtTheirStep) {
  ScriptedKeys keys(parseScript("{BREAK}{BREAK 3}a{BREAK 2}b"));
  EXPECT_TRUE(keys.takeBreak(1));
  EXPECT_FALSE(keys.takeBreak(1));
  EXPECT_FALSE(keys.takeBreak(2));
  EXPECT_TRUE(keys.takeBreak(3));
  EXPECT_FALSE(keys.takeBreak(4));  // a key comes next
  EXPECT_EQ(keys.nextKey({}), ch('a'));
  EXPECT_EQ(keys.nextKey({}), ch('b'));  // the run that {BREAK 2} waited for never came
  EXPECT_TRUE(keys.empty());
}

}  // namespace
