#include "dialogue/text_input.hpp"

#include "dialogue/cp437.hpp"
#include "dialogue/key_script.hpp"

namespace msa {

std::vector<Key> keysForText(std::string_view utf8) {
  std::vector<Key> keys;
  for (const char32_t c : decodeUtf8(utf8)) {
    if (const auto key = keyForTypedCharacter(c)) keys.push_back(*key);
  }
  return keys;
}

std::string_view firstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace msa
