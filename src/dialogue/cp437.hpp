#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace msa {

// Code page 437: the single-byte character set of the text grid.

// The Unicode character shown for a code (0 stands for an empty cell and maps to a blank).
char32_t cp437ToUnicode(std::uint8_t code);
// The code of a Unicode character, if code page 437 has one.
std::optional<std::uint8_t> unicodeToCp437(char32_t c) noexcept;
// The code point that starts at text[i] and the bytes it takes: U+FFFD and
// one byte where those bytes are not UTF-8.
std::pair<char32_t, std::size_t> decodeUtf8At(std::string_view text, std::size_t i) noexcept;
// Decodes UTF-8 text; invalid bytes become U+FFFD.
std::u32string decodeUtf8(std::string_view text);
void appendUtf8(std::string& out, char32_t c);
// The system's own texts are written in UTF-8; this gives their codes, a
// code at a time to `take`, without the heap: every text the screens print
// passes here, and in the WebAssembly build a call that may throw from where
// a string is alive is a round trip through JavaScript.
template <typename Take>
void forEachCp437(std::string_view utf8, Take take) {
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte >= 32 && byte < 127) {  // printable ASCII as it stands
      take(static_cast<std::uint8_t>(byte));
      ++i;
      continue;
    }
    const auto [c, length] = decodeUtf8At(utf8, i);
    if (const auto code = unicodeToCp437(c)) take(*code);
    i += length;
  }
}
std::string cp437ToUtf8(std::string_view codes);

}  // namespace msa
