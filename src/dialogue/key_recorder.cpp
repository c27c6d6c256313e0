#include "dialogue/key_recorder.hpp"

#include <string>

namespace msa {

void KeyRecorder::record(ScriptKey item) {
  if (file_ == nullptr) return;
  const std::string text = scriptText(item);
  if (std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
  if (item.command == ScriptKey::Command::None && item.key.kind == Key::Kind::Enter && std::fflush(file_) != 0)
    failed_ = true;
}

}  // namespace msa
