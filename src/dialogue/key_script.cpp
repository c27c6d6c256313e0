#include "dialogue/key_script.hpp"

#include <array>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "dialogue/cp437.hpp"

namespace msa {

namespace {

using K = Key::Kind;
using Command = ScriptKey::Command;

constexpr std::array<std::pair<std::u32string_view, ScriptKey>, 13> kNamed{{
    {U"BS", ScriptKey::of(Key::special(K::Backspace))},   {U"DEL", ScriptKey::of(Key::special(K::Delete))},
    {U"LEFT", ScriptKey::of(Key::special(K::Left))},      {U"RIGHT", ScriptKey::of(Key::special(K::Right))},
    {U"UP", ScriptKey::of(Key::special(K::Up))},          {U"DOWN", ScriptKey::of(Key::special(K::Down))},
    {U"HOME", ScriptKey::of(Key::special(K::Home))},      {U"END", ScriptKey::of(Key::special(K::End))},
    {U"TAB", ScriptKey::of(Key::special(K::Tab))},        {U"ESC", ScriptKey::of(Key::special(K::Escape))},
    {U"ENTER", ScriptKey::of(Key::special(K::Enter))},    {U"SAVE", ScriptKey::save()},
    {U"BREAK", ScriptKey::interrupt()},
}};

// "{BREAK n}" with n a whole number that fits 64 bits (digits only, no
// sign, the one blank after the name), moving `i` to its closing brace.
std::optional<ScriptKey> breakAtStepAt(const std::u32string& text, std::size_t& i) {
  constexpr std::u32string_view kOpening = U"{BREAK ";
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  if (text.compare(i, kOpening.size(), kOpening) != 0) return std::nullopt;
  std::uint64_t step = 0;
  std::size_t j = i + kOpening.size();
  const std::size_t first = j;
  for (; j < text.size() && text[j] >= U'0' && text[j] <= U'9'; ++j) {
    const auto digit = static_cast<std::uint64_t>(text[j] - U'0');
    if (step > (kMax - digit) / 10) return std::nullopt;
    step = step * 10 + digit;
  }
  if (j == first || j >= text.size() || text[j] != U'}') return std::nullopt;
  i = j;
  return ScriptKey::interrupt(step);
}

// The named element a brace at `i` opens, moving `i` to its closing brace.
std::optional<ScriptKey> namedAt(const std::u32string& text, std::size_t& i) {
  if (const auto stop = breakAtStepAt(text, i)) return stop;
  for (const auto& [name, item] : kNamed) {
    const std::size_t close = i + 1 + name.size();
    if (close < text.size() && text[close] == U'}' && text.compare(i + 1, name.size(), name) == 0) {
      i = close;
      return item;
    }
  }
  return std::nullopt;
}

std::optional<Key> keyForScriptCharacter(char32_t c) {
  switch (c) {
    case U'\n': return Key::special(K::Enter);
    case U'\b': return Key::special(K::Backspace);
    case U'\x1B': return Key::special(K::Escape);
    case U'\x7F': return Key::character(127);
    default: return keyForTypedCharacter(c);
  }
}

}  // namespace

std::optional<Key> keyForTypedCharacter(char32_t c) {
  if (c == U'\t') return Key::special(K::Tab);
  if (const auto code = unicodeToCp437(c)) return Key::character(*code);
  return std::nullopt;
}

std::deque<ScriptKey> parseScript(std::string_view utf8) {
  const std::u32string text = decodeUtf8(utf8);
  // Written in place, then moved into the deque at once: a page link may
  // hold most of a million keys.
  std::vector<ScriptKey> items(text.size());  // never more items than characters
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == U'{') {
      if (i + 1 < text.size() && text[i + 1] == U'{') {
        ++i;
      } else if (const auto named = namedAt(text, i)) {
        items[n++] = *named;
        continue;
      }
      items[n++] = ScriptKey::of(Key::character('{'));  // {{, or no name: a plain brace
      continue;
    }
    if (const auto key = keyForScriptCharacter(text[i])) items[n++] = ScriptKey::of(*key);
  }
  return std::deque<ScriptKey>(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(n));
}

std::deque<Key> parseKeyScript(std::string_view utf8) {
  std::deque<Key> keys;
  for (const ScriptKey& item : parseScript(utf8))
    if (item.command == Command::None) keys.push_back(item.key);
  return keys;
}

std::string scriptText(ScriptKey item) {
  if (item.command == Command::Break && item.step != 0) return "{BREAK " + std::to_string(item.step) + "}";
  for (const auto& [name, named] : kNamed) {
    if (named == item && named.key.kind != K::Enter) {
      std::string text = "{";
      for (const char32_t c : name) text += static_cast<char>(c);
      return text + "}";
    }
  }
  if (item.command != Command::None) return {};
  if (item.key.kind == K::Enter) return "\n";
  if (item.key.kind != K::Char || item.key.code == 0) return {};  // code 0 cannot be typed
  if (item.key.code == '{') return "{{";
  std::string text;
  appendUtf8(text, cp437ToUnicode(item.key.code));
  return text;
}

std::optional<Key> ScriptedKeys::nextKey(const std::function<void()>& save) {
  while (!items_.empty()) {
    const ScriptKey item = items_.front();
    items_.pop_front();
    if (item.command == Command::None) return item.key;
    if (item.command == Command::Save && save) save();
  }
  return std::nullopt;
}

bool ScriptedKeys::takeBreak(std::uint64_t step) {
  if (items_.empty() || items_.front().command != Command::Break || step < items_.front().step) return false;
  items_.pop_front();
  return true;
}

}  // namespace msa
