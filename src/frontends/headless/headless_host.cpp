#include "frontends/headless/headless_host.hpp"

#include <cerrno>

#include "graphics/picture.hpp"
#include "dialogue/screen.hpp"

namespace msa {

void HeadlessHost::answerAwaited(const Screen& screen) {
  ++reads_;
  std::fprintf(out_, "=== read %d\n%s", reads_, screen.text().c_str());
  std::fflush(out_);
  if (picturesDir_.empty()) return;
  const std::string path = picturesDir_ + "/read-" + std::to_string(reads_) + ".pgm";
  if (!writePgm(path, screen.picture())) {
    const std::string why = systemError(language_, errno);
    const std::string said = fillPlaceholders(message(language_, ConsoleMsg::PictureUnwritable), {path, why});
    std::fprintf(stderr, "msa-headless: %s\n", said.c_str());
    throw ProgramEnd{kFileErrorStatus};
  }
}

Key HeadlessHost::nextKey(const Screen& screen) {
  const auto key = keys_.nextKey([&] {
    if (save_) save_(screen);
  });
  if (key) return *key;
  std::fputs("=== end of input\n", out_);
  std::fflush(out_);
  throw ProgramEnd{kEndOfInputStatus};
}

bool writePgm(const std::string& path, const Picture& picture) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  std::fprintf(file, "P5\n%d %d\n15\n", kPictureWidth, kPictureHeight);
  const auto& pixels = picture.pixels();
  const bool ok = std::fwrite(pixels.data(), 1, pixels.size(), file) == pixels.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace msa
