#pragma once

#include <cstdio>

#include "dialogue/key_script.hpp"

namespace msa {

// Writes the keys of a session as a key script, as they are taken, so that
// msa-headless or msa --play can type them again. The file is flushed at
// every Enter: a session that ends abruptly keeps its whole answer lines.
class KeyRecorder {
 public:
  KeyRecorder() = default;
  explicit KeyRecorder(std::FILE* file) : file_(file) {}
  void record(ScriptKey item);
  // Whether writing has failed (disk full...).
  bool failed() const { return failed_; }

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

}  // namespace msa
