#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <string>

#include "dialogue/host.hpp"
#include "dialogue/key_script.hpp"

namespace msa {

// The host of msa-headless: keys from a script, and at every awaited answer
// line a transcript of the text grid (and optionally a PGM picture). A
// {SAVE} of the script calls `save` with the screen as it stands when the
// next key is asked for; a {BREAK} stops the simulation that finds it next
// (a {BREAK n} after that run's n-th step).
class HeadlessHost : public Host {
 public:
  using SaveAction = std::function<void(const Screen&)>;

  HeadlessHost(std::deque<ScriptKey> script, std::FILE* transcript, std::string picturesDir = {},
               SaveAction save = {})
      : keys_(std::move(script)), out_(transcript), picturesDir_(std::move(picturesDir)), save_(std::move(save)) {}

  void answerAwaited(const Screen& screen) override;
  Key nextKey(const Screen& screen) override;
  void beep() override {}
  bool interruptRequested(std::uint64_t step) override { return keys_.takeBreak(step); }
  // One line on standard error, so that the transcript stays as it is.
  void runNotice(const std::string& text) override {
    if (!text.empty()) std::fprintf(stderr, "msa-headless: %s\n", text.c_str());
  }

 private:
  ScriptedKeys keys_;
  std::FILE* out_;
  std::string picturesDir_;
  SaveAction save_;
  int reads_ = 0;
};

// Writes the picture as binary PGM (P5), 640 x 350, maxval 15, one byte per pixel.
bool writePgm(const std::string& path, const class Picture& picture);

// Exit status of msa-headless when the script runs out while a key is awaited.
inline constexpr int kEndOfInputStatus = 3;
// Exit status when a file or folder named on the command line cannot be used.
inline constexpr int kFileErrorStatus = 2;

}  // namespace msa
