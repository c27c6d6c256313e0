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

}  // namespace msa
