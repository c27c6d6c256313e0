#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "dialogue/keys.hpp"

namespace msa {

class Screen;

// What the dialogue needs from the place it runs in: a real window or the
// headless driver. Every call may throw ProgramEnd to end the run.
class Host {
 public:
  virtual ~Host() = default;
  // The dialogue is about to wait for an answer line: the picture is complete.
  virtual void answerAwaited(const Screen&) {}
  // Blocks until a key is pressed.
  virtual Key nextKey(const Screen& screen) = 0;
  virtual void beep() = 0;
  // Called often during a long computation that reads no keys: a window host
  // shows the picture now and then and keeps its events flowing.
  virtual void pictureChanged(const Screen&) {}
  // Asked after every simulation step, with the steps the run has finished:
  // true, once, when the user has asked for the running simulation to stop
  // (a host that records the session writes where it took effect).
  virtual bool interruptRequested(std::uint64_t /*step*/) { return false; }
  // A notice that holds for the simulation about to run, told outside the
  // text grid so that no screen changes (a window's title bar, the headless
  // driver's standard error); called again with "" when the run is over.
  virtual void runNotice(const std::string&) {}
};

// Unwinds the whole program to its entry point with the given exit status
// (menu F, the window's close button, or the end of a key script).
struct ProgramEnd {
  int status;
};

}  // namespace msa
