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
  walkPlaceholders(
      pattern, given.size(), [&](std::string_view text) { out.append(text); },
      [&](std::size_t index) { out += given[index]; });
  return out;
}

}  // namespace msa
