#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The languages (Language: French, the reference, first), the keys of the
// texts (Msg: what the screens and the window show; ConsoleMsg: what the
// programs print on the console) and their tables are made by the build from
// the texts of every language, src/texts/CODE.texts. A text is a pattern in
// UTF-8 where {0}, {1}... stand for the numbers or names the program puts
// into it, so that each language orders its words its own way; a screen's
// text holds code page 437 characters only.
#include "dialogue/message_keys.hpp"

namespace msa {

// The language of a code ("fr", "en"...); nothing for any other code.
std::optional<Language> languageFromCode(std::string_view code);
std::string_view languageCode(Language language);

// The text of a key in a language.
std::string_view message(Language language, Msg key);
std::string_view message(Language language, ConsoleMsg key);

// Why the system refused a file or folder (an errno value), in a language.
std::string systemError(Language language, int error);

// The pattern with each {n} replaced by values[n]; any other brace is kept.
std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& values);

// Walks a pattern: each span of text between placeholders to `text`, each
// placeholder {n} with n below `given` to `value(n)`; any other brace is text.
template <typename Text, typename Value>
void walkPlaceholders(std::string_view pattern, std::size_t given, Text text, Value value) {
  std::size_t plain = 0;  // where the text not yet passed on starts
  for (std::size_t i = 0; i + 2 < pattern.size(); ++i) {
    if (pattern[i] == '{' && pattern[i + 2] == '}' && pattern[i + 1] >= '0' && pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '0');
      if (index < given) {
        text(pattern.substr(plain, i - plain));
        value(index);
        i += 2;
        plain = i + 1;
      }
    }
  }
  text(pattern.substr(plain));
}

}  // namespace msa
