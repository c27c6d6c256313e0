#include "app/headless_host.hpp"

#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include "dialogue/cp437.hpp"
#include "dialogue/screen.hpp"

namespace {

constexpr std::array<std::pair<std::u32string_view, Key::Kind>, 11> kSpecialKeys{{
    {U"BS", Key::Kind::Backspace}, {U"DEL", Key::Kind::Delete}, {U"LEFT", Key::Kind::Left},
    {U"RIGHT", Key::Kind::Right},  {U"UP", Key::Kind::Up},      {U"DOWN", Key::Kind::Down},
    {U"HOME", Key::Kind::Home},    {U"END", Key::Kind::End},    {U"TAB", Key::Kind::Tab},
    {U"ESC", Key::Kind::Escape},   {U"ENTER", Key::Kind::Enter},
}};

}  // namespace

std::deque<Key> parseKeyScript(std::string_view utf8) {
  const std::u32string text = decodeUtf8(utf8);
  std::deque<Key> keys;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == U'{') {
      if (i + 1 < text.size() && text[i + 1] == U'{') {
        keys.push_back(Key::character('{'));
        ++i;
        continue;
      }
      bool matched = false;
      for (const auto& [spelling, kind] : kSpecialKeys) {
        const std::size_t close = i + 1 + spelling.size();
        if (close < text.size() && text[close] == U'}' && text.compare(i + 1, spelling.size(), spelling) == 0) {
          keys.push_back(Key::special(kind));
          i = close;
          matched = true;
          break;
        }
      }
      if (!matched) keys.push_back(Key::character('{'));  // not a key name: a plain brace
      continue;
    }
    if (c == U'\n') {
      keys.push_back(Key::special(Key::Kind::Enter));
    } else if (c == U'\t') {
      keys.push_back(Key::special(Key::Kind::Tab));
    } else if (auto code = unicodeToCp437(c)) {
      keys.push_back(Key::character(*code));
    }
  }
  return keys;
}

void HeadlessHost::answerAwaited(const Screen& screen) {
  ++reads_;
  std::fprintf(out_, "=== read %d\n%s", reads_, screen.text().c_str());
  std::fflush(out_);
  if (picturesDir_.empty()) return;
  const std::string path = picturesDir_ + "/read-" + std::to_string(reads_) + ".pgm";
  if (!writePgm(path, screen.picture())) {
    std::fprintf(stderr, "msa-headless: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    throw ProgramEnd{kFileErrorStatus};
  }
}

Key HeadlessHost::nextKey(const Screen&) {
  if (keys_.empty()) {
    std::fputs("=== end of input\n", out_);
    std::fflush(out_);
    throw ProgramEnd{kEndOfInputStatus};
  }
  const Key key = keys_.front();
  keys_.pop_front();
  return key;
}

bool writePgm(const std::string& path, const Picture& picture) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P5\n%d %d\n15\n", kPictureWidth, kPictureHeight);
  const auto& pixels = picture.pixels();
  const bool ok = std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
  return std::fclose(file) == 0 && ok;
}
