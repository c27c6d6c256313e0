#include "dialogue/messages.hpp"

#include <cerrno>
#include <cstring>

namespace msa {

std::optional<Language> languageFromCode(std::string_view code) {
  for (std::size_t i = 0; i < kLanguageCount; ++i)
    if (kLanguageCodes[i] == code) return static_cast<Language>(i);
  return std::nullopt;
}

std::string_view languageCode(Language language) { return kLanguageCodes[static_cast<std::size_t>(language)]; }

std::string_view message(Language language, Msg key) {
  return kScreenTexts[static_cast<std::size_t>(language)][static_cast<std::size_t>(key)];
}

std::string_view message(Language language, ConsoleMsg key) {
  return kConsoleTexts[static_cast<std::size_t>(language)][static_cast<std::size_t>(key)];
}

std::string systemError(Language language, int error) {
  switch (error) {
    case ENOENT: return std::string(message(language, ConsoleMsg::NoSuchFile));
    case EACCES: return std::string(message(language, ConsoleMsg::PermissionDenied));
    case ENOTDIR: return std::string(message(language, ConsoleMsg::NotADirectory));
    case EROFS: return std::string(message(language, ConsoleMsg::ReadOnlyFileSystem));
    case ENOSPC: return std::string(message(language, ConsoleMsg::NoSpaceLeft));
    default: return std::strerror(error);  // the system's own words
  }
}

std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& given) {
  std::string out;
  out.reserve(pattern.size());
  // The text between placeholders is copied a span at a time, not a
  // character at a time: every screen's text passes here.
  std::size_t plain = 0;  // where the text not yet copied starts
  for (std::size_t i = 0; i + 2 < pattern.size(); ++i) {
    if (pattern[i] == '{' && pattern[i + 2] == '}' && pattern[i + 1] >= '0' && pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '0');
      if (index < given.size()) {
        out.append(pattern.substr(plain, i - plain));
        out += given[index];
        i += 2;
        plain = i + 1;
      }
    }
  }
  out.append(pattern.substr(plain));
  return out;
}

}  // namespace msa
