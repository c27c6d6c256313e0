#pragma once

#include <cstdio>
#include <deque>
#include <string>
#include <string_view>

#include "dialogue/host.hpp"

// Turns a key script into key presses: each character is one key ('\n' is
// Enter, '\r' is ignored, '\t' is Tab), special keys are written in braces
// ({BS} {DEL} {LEFT} {RIGHT} {UP} {DOWN} {HOME} {END} {TAB} {ESC} {ENTER}),
// {{ is a literal brace, a brace before anything else is typed as it stands, and
// characters without a code page 437 code (or bytes that are not UTF-8) are dropped.
std::deque<Key> parseKeyScript(std::string_view utf8);

// The host of msa-headless: keys from a script, and at every awaited answer
// line a transcript of the text grid (and optionally a PGM picture).
class HeadlessHost : public Host {
 public:
  HeadlessHost(std::deque<Key> keys, std::FILE* transcript, std::string picturesDir = {})
      : keys_(std::move(keys)), out_(transcript), picturesDir_(std::move(picturesDir)) {}

  void answerAwaited(const Screen& screen) override;
  Key nextKey(const Screen& screen) override;
  void beep() override {}
  int readsSoFar() const { return reads_; }

 private:
  std::deque<Key> keys_;
  std::FILE* out_;
  std::string picturesDir_;
  int reads_ = 0;
};

// Writes the picture as binary PGM (P5), 640 x 350, maxval 15, one byte per pixel.
bool writePgm(const std::string& path, const class Picture& picture);

// Exit status of msa-headless when the script runs out while a key is awaited.
inline constexpr int kEndOfInputStatus = 3;
// Exit status when a file or folder named on the command line cannot be used.
inline constexpr int kFileErrorStatus = 2;
