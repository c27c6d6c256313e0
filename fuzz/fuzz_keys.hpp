#pragma once

// How the program fuzzer turns its input bytes into key presses.
//
// Printable ASCII stands for itself and a line feed is Enter, so a plain key
// script (msa-headless syntax without braces) is already a valid input and the
// seeds stay readable. The rest of the byte range is spent on what a random
// byte should most often be to get anywhere in the dialogue:
//
//   0x0A 0x0D            Enter
//   0x08 0x7F 0x09 0x1B  Backspace, Delete, Tab, Escape
//   0x02 0x06 0x10 0x0E  Left, Right, Up, Down
//   0x01 0x05            Home, End
//   other 0x00-0x1F      Enter (a random byte must end lines often)
//   0x20-0x7E            that character
//   0x80-0xBF            one key of kSingleKeys: digits, signs, exponent and
//                        radix letters, menu letters, separators, special
//                        keys and the code page 437 letters of the dialogue
//   0xC0-0xFE            a whole answer of kAnswers, Enter included: menu
//                        choices, runs of Enter, numbers that reach stops
//   0xFF c               the character with code page 437 code c (any code,
//                        even those below 32 that the editor ignores)
//
// tools/keys_to_fuzz.py writes key scripts in this encoding.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogue/cp437.hpp"
#include "dialogue/keys.hpp"

using namespace msa;

namespace fuzzkeys {

using K = Key::Kind;

inline constexpr Key enter() { return Key::special(K::Enter); }
inline constexpr Key ch(char c) { return Key::character(static_cast<std::uint8_t>(c)); }

inline constexpr std::array<Key, 64> kSingleKeys{{
    // Enter and the editing keys
    enter(), enter(), enter(), enter(), enter(), enter(),
    Key::special(K::Backspace), Key::special(K::Delete), Key::special(K::Left), Key::special(K::Right),
    Key::special(K::Up), Key::special(K::Down), Key::special(K::Home), Key::special(K::End),
    Key::special(K::Tab), Key::special(K::Escape),
    // what numbers are made of
    ch('0'), ch('1'), ch('2'), ch('3'), ch('4'), ch('5'), ch('6'), ch('7'), ch('8'), ch('9'),
    ch('.'), ch('e'), ch('E'), ch('d'), ch('D'), ch('-'), ch('+'), ch('&'), ch('H'), ch('O'), ch('B'),
    // separators and menu letters (d, D, e, E above)
    ch(','), ch('"'), ch(' '), ch('r'), ch('R'), ch('u'), ch('U'), ch('s'), ch('S'), ch('f'), ch('F'),
    // code page 437: the accented letters, degree and square signs of the
    // dialogue, and a few others from the upper half
    Key::character(130), Key::character(133), Key::character(136), Key::character(138),
    Key::character(147), Key::character(150), Key::character(248), Key::character(253),
    Key::character(128), Key::character(129), Key::character(171), Key::character(176),
    Key::character(219), Key::character(227), Key::character(236), Key::character(255),
}};

inline constexpr std::array<std::string_view, 63> kAnswers{{
    // menu choices
    "e\n", "E\n", "u\n", "U\n", "s\n", "S\n", "r\n", "R\n", "d\n", "D\n", "f\n",
    // runs of Enter: keep every shown value through a screen or a whole study
    "\n\n\n", "\n\n\n\n\n", "\n\n\n\n\n\n\n\n\n\n", "\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n\n",
    // control modes, iteration choices and ordinary values
    "0\n", "1\n", "2\n", "1.5\n", "-1\n", "0.5\n", "5\n", "10\n", "60\n", "90\n", "180\n",
    "-180\n", "360\n", "400\n", "-5\n", "1000\n", "1e6\n", "110\n", "153.5\n",
    // time settings: start, step, end
    "-0.05\n", "0.0005\n", "3.2\n", "1e-3\n", "0.1\n", "1e-7\n", "3e-9\n", "-1e-7\n", "2e-7\n",
    // the edges of single precision
    "1e38\n", "-1e38\n", "3.4e38\n", "1e39\n", "-1e39\n", "1e-38\n", "1e-45\n", "1.401298e-045\n",
    "-0\n", "1e-30\n",
    // the other forms an answer can take
    "&HFFFFFFFF\n", "&H7FFFFFFF\n", "&B1\n", "&O777\n", "abc\n", ",5\n", "0,5\n", "\"1\"\n",
    "   \n", "1d3\n",
}};
static_assert([] {
  for (std::string_view answer : kAnswers)
    if (answer.empty() || answer.back() != '\n') return false;
  return true;
}(), "every answer of the table is typed out and ended with Enter");

// The keys the input bytes stand for, in order.
inline std::vector<Key> decode(const std::uint8_t* data, std::size_t size) {
  std::vector<Key> keys;
  keys.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t b = data[i];
    switch (b) {
      case 0x08: keys.push_back(Key::special(K::Backspace)); continue;
      case 0x7F: keys.push_back(Key::special(K::Delete)); continue;
      case 0x09: keys.push_back(Key::special(K::Tab)); continue;
      case 0x1B: keys.push_back(Key::special(K::Escape)); continue;
      case 0x02: keys.push_back(Key::special(K::Left)); continue;
      case 0x06: keys.push_back(Key::special(K::Right)); continue;
      case 0x10: keys.push_back(Key::special(K::Up)); continue;
      case 0x0E: keys.push_back(Key::special(K::Down)); continue;
      case 0x01: keys.push_back(Key::special(K::Home)); continue;
      case 0x05: keys.push_back(Key::special(K::End)); continue;
      default: break;
    }
    if (b < 0x20) {
      keys.push_back(enter());
    } else if (b < 0x7F) {
      keys.push_back(Key::character(b));
    } else if (b < 0xC0) {
      keys.push_back(kSingleKeys[b - 0x80u]);
    } else if (b < 0xFF) {
      for (char c : kAnswers[b - 0xC0u]) keys.push_back(c == '\n' ? enter() : ch(c));
    } else if (i + 1 < size) {
      keys.push_back(Key::character(data[++i]));
    }
  }
  return keys;
}

// The keys as an msa-headless key script, to replay an input or to turn it
// into a test. Code 0 is left out: it has no glyph, and the editor ignores it
// as it ignores every code below 32.
inline std::string toKeyScript(const std::vector<Key>& keys) {
  static constexpr std::array<std::string_view, 12> kNames{
      "", "\n", "{BS}", "{DEL}", "{LEFT}", "{RIGHT}", "{UP}", "{DOWN}", "{HOME}", "{END}", "{TAB}", "{ESC}"};
  std::string script;
  for (const Key& key : keys) {
    if (key.kind != K::Char) {
      script += kNames[static_cast<std::size_t>(key.kind)];
    } else if (key.code == '{') {
      script += "{{";
    } else if (key.code != 0) {
      appendUtf8(script, cp437ToUnicode(key.code));
    }
  }
  return script;
}

}  // namespace fuzzkeys
