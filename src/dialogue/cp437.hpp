#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace msa {

// Code page 437: the single-byte character set of the text grid.

// The Unicode character shown for a code (0 stands for an empty cell and maps to a blank).
char32_t cp437ToUnicode(std::uint8_t code);
// The code of a Unicode character, if code page 437 has one.
std::optional<std::uint8_t> unicodeToCp437(char32_t c) noexcept;
// Decodes UTF-8 text; invalid bytes become U+FFFD.
std::u32string decodeUtf8(std::string_view text);
void appendUtf8(std::string& out, char32_t c);
// The system's own texts are written in UTF-8 in the source; this gives their codes.
std::string toCp437(std::string_view utf8);
std::string cp437ToUtf8(std::string_view codes);

}  // namespace msa
