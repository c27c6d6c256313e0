#include "dialogue/cp437.hpp"

#include <array>
#include <utility>

namespace msa {

namespace {

// Codes 0-31 and 127-255 (0 is an empty cell, shown as a blank).
constexpr std::array<char32_t, 32> kLow{
    U' ',     U'\u263A', U'\u263B', U'\u2665', U'\u2666', U'\u2663', U'\u2660', U'\u2022',
    U'\u25D8', U'\u25CB', U'\u25D9', U'\u2642', U'\u2640', U'\u266A', U'\u266B', U'\u263C',
    U'\u25BA', U'\u25C4', U'\u2195', U'\u203C', U'\u00B6', U'\u00A7', U'\u25AC', U'\u21A8',
    U'\u2191', U'\u2193', U'\u2192', U'\u2190', U'\u221F', U'\u2194', U'\u25B2', U'\u25BC'};

constexpr std::array<char32_t, 128> kHigh{
    U'\u00C7', U'\u00FC', U'\u00E9', U'\u00E2', U'\u00E4', U'\u00E0', U'\u00E5', U'\u00E7',
    U'\u00EA', U'\u00EB', U'\u00E8', U'\u00EF', U'\u00EE', U'\u00EC', U'\u00C4', U'\u00C5',
    U'\u00C9', U'\u00E6', U'\u00C6', U'\u00F4', U'\u00F6', U'\u00F2', U'\u00FB', U'\u00F9',
    U'\u00FF', U'\u00D6', U'\u00DC', U'\u00A2', U'\u00A3', U'\u00A5', U'\u20A7', U'\u0192',
    U'\u00E1', U'\u00ED', U'\u00F3', U'\u00FA', U'\u00F1', U'\u00D1', U'\u00AA', U'\u00BA',
    U'\u00BF', U'\u2310', U'\u00AC', U'\u00BD', U'\u00BC', U'\u00A1', U'\u00AB', U'\u00BB',
    U'\u2591', U'\u2592', U'\u2593', U'\u2502', U'\u2524', U'\u2561', U'\u2562', U'\u2556',
    U'\u2555', U'\u2563', U'\u2551', U'\u2557', U'\u255D', U'\u255C', U'\u255B', U'\u2510',
    U'\u2514', U'\u2534', U'\u252C', U'\u251C', U'\u2500', U'\u253C', U'\u255E', U'\u255F',
    U'\u255A', U'\u2554', U'\u2569', U'\u2566', U'\u2560', U'\u2550', U'\u256C', U'\u2567',
    U'\u2568', U'\u2564', U'\u2565', U'\u2559', U'\u2558', U'\u2552', U'\u2553', U'\u256B',
    U'\u256A', U'\u2518', U'\u250C', U'\u2588', U'\u2584', U'\u258C', U'\u2590', U'\u2580',
    U'\u03B1', U'\u00DF', U'\u0393', U'\u03C0', U'\u03A3', U'\u03C3', U'\u00B5', U'\u03C4',
    U'\u03A6', U'\u0398', U'\u03A9', U'\u03B4', U'\u221E', U'\u03C6', U'\u03B5', U'\u2229',
    U'\u2261', U'\u00B1', U'\u2265', U'\u2264', U'\u2320', U'\u2321', U'\u00F7', U'\u2248',
    U'\u00B0', U'\u2219', U'\u00B7', U'\u221A', U'\u207F', U'\u00B2', U'\u25A0', U'\u00A0'};

}  // namespace

char32_t cp437ToUnicode(std::uint8_t code) {
  if (code < 32) return kLow[code];
  if (code == 127) return U'\u2302';
  if (code < 128) return code;
  return kHigh[code - 128];
}

std::optional<std::uint8_t> unicodeToCp437(char32_t c) noexcept {
  if (c >= 32 && c < 127) return static_cast<std::uint8_t>(c);
  if (c < 32 || c == 127) return std::nullopt;  // control characters have no glyph code
  if (c == U'\u2302') return std::uint8_t{127};
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c) return static_cast<std::uint8_t>(128 + i);
  for (std::size_t i = 1; i < kLow.size(); ++i)
    if (kLow[i] == c) return static_cast<std::uint8_t>(i);
  return std::nullopt;
}

std::pair<char32_t, std::size_t> decodeUtf8At(std::string_view text, std::size_t i) noexcept {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2
                                        : (lead >> 3) == 30    ? 3 : 4;
  char32_t c = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
  bool ok = extra < 4 && i + extra < text.size();
  for (std::size_t k = 1; ok && k <= extra; ++k) {
    const auto cont = static_cast<unsigned char>(text[i + k]);
    ok = (cont & 0xC0) == 0x80;
    c = (c << 6) | (cont & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are invalid too.
  static constexpr std::array<char32_t, 4> kSmallest{0, 0x80, 0x800, 0x10000};
  if (ok) ok = c >= kSmallest[extra] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
  if (!ok) return {U'\uFFFD', 1};
  return {c, extra + 1};
}

// Written in place (a long key script passes here whole).
std::u32string decodeUtf8(std::string_view text) {
  std::u32string out(text.size(), U'\0');  // never more code points than bytes
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto [c, length] = decodeUtf8At(text, i);
    out[n++] = c;
    i += length;
  }
  out.resize(n);
  return out;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string cp437ToUtf8(std::string_view codes) {
  std::string out;
  for (char ch : codes) appendUtf8(out, cp437ToUnicode(static_cast<std::uint8_t>(ch)));
  return out;
}

}  // namespace msa
