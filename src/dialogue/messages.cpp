#include "dialogue/messages.hpp"

namespace msa {

std::optional<Language> languageFromCode(std::string_view code) {
  if (code == "fr") return Language::French;
  if (code == "en") return Language::English;
  return std::nullopt;
}

std::string_view languageCode(Language language) { return language == Language::English ? "en" : "fr"; }

std::string_view message(Language language, Msg key) {
  return language == Language::English ? englishText(key) : frenchText(key);
}

std::string fillPlaceholders(std::string_view pattern, const std::vector<std::string>& given) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '0' &&
        pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '0');
      if (index < given.size()) {
        out += given[index];
        i += 2;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

}  // namespace msa
