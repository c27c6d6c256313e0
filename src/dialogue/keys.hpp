#pragma once

#include <cstdint>

namespace msa {

// One key press as the answer editor sees it.
struct Key {
  enum class Kind : std::uint8_t {
    Char, Enter, Backspace, Delete, Left, Right, Up, Down, Home, End, Tab, Escape
  };
  Kind kind = Kind::Char;
  std::uint8_t code = 0;  // code page 437 code when kind is Char

  static constexpr Key character(std::uint8_t c) { return Key{Kind::Char, c}; }
  static constexpr Key special(Kind k) { return Key{k, 0}; }
  friend constexpr bool operator==(Key, Key) = default;
};

}  // namespace msa
