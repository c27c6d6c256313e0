#pragma once

#include <string_view>
#include <vector>

#include "dialogue/keys.hpp"

namespace msa {

// Typed and pasted text as key presses for the answer editor, kept apart
// from the window toolkit so that it can be tested on its own.

// One key per character of the UTF-8 text, in code page 437; a tab is the
// Tab key, and characters the code page has no code for are dropped, so
// é, à, ê, è, ô, û, ° and ² arrive as their codes whatever the keyboard layout.
std::vector<Key> keysForText(std::string_view utf8);

// What a paste types: the text up to its first line break, which would
// otherwise end the answer.
std::string_view firstLine(std::string_view text);

}  // namespace msa
