#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dialogue/keys.hpp"

namespace msa {

// The key-script language: the keys of a session as UTF-8 text, read by
// msa-headless and msa --play and written by msa --record.
//
// Each character is one key in code page 437 ('\n' is Enter, '\r' is
// ignored, a tab, a backspace U+0008 and an escape U+001B are those keys,
// U+007F and U+2302 both type code 127); special keys are written in braces
// ({BS} {DEL} {LEFT} {RIGHT} {UP} {DOWN} {HOME} {END} {TAB} {ESC} {ENTER}),
// as are the two commands to the host ({SAVE} saves the results, {BREAK}
// stops a running simulation after its first step, {BREAK n} after its n-th:
// where a stop by hand took effect, so that a recorded session replays to
// the same screen); {{ is a literal brace, a brace before
// anything else is typed as it stands, and characters without a code page
// 437 code (or bytes that are not UTF-8) are dropped.

// One element of a key script: a key for the answer editor, or a command.
struct ScriptKey {
  enum class Command : std::uint8_t { None, Save, Break };
  Key key{};
  Command command = Command::None;
  // For a {BREAK n}: the steps the run has finished when it stops; 0 for a
  // bare {BREAK}, which stops it at the first step it meets.
  std::uint64_t step = 0;

  static constexpr ScriptKey of(Key k) { return {k, Command::None, 0}; }
  static constexpr ScriptKey save() { return {Key{}, Command::Save, 0}; }
  static constexpr ScriptKey interrupt(std::uint64_t step = 0) { return {Key{}, Command::Break, step}; }
  friend constexpr bool operator==(ScriptKey, ScriptKey) = default;
};

std::deque<ScriptKey> parseScript(std::string_view utf8);

// The keys of a script alone, its commands left out.
std::deque<Key> parseKeyScript(std::string_view utf8);

// The script text of one element; parseScript reads it back as that element.
std::string scriptText(ScriptKey item);

// The key a typed character stands for: a tab is the Tab key, any other
// character its code page 437 code if it has one.
std::optional<Key> keyForTypedCharacter(char32_t c);

// Keys typed ahead from a script, handed out as the program asks for them.
class ScriptedKeys {
 public:
  ScriptedKeys() = default;
  explicit ScriptedKeys(std::deque<ScriptKey> items) : items_(std::move(items)) {}

  // The next key for an answer line, after carrying out the saves met on
  // the way (a {BREAK} met here is ignored: no simulation runs); none when
  // the script is used up.
  std::optional<Key> nextKey(const std::function<void()>& save);
  // Takes a {BREAK} that comes next when it is due for the simulation now
  // running, which has finished `step` steps: a bare one at once, a
  // {BREAK n} from its n-th step on.
  bool takeBreak(std::uint64_t step);
  bool empty() const { return items_.empty(); }
  // Keys and commands not yet handed out.
  std::size_t size() const { return items_.size(); }

 private:
  std::deque<ScriptKey> items_;
};

}  // namespace msa
