#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dialogue/host.hpp"
#include "dialogue/key_script.hpp"

namespace msa {

// The folder of the in-memory file system that saves go to; the page hands
// its files to the browser as downloads and removes them.
inline constexpr const char* kWebSaveFolder = "/saves";

// The program in a browser page (src/frontends/web/page): the picture goes to the
// page's canvas, keys come from the page's key handlers through a queue of
// events, and the dialogue's blocking waits yield to the browser (the
// program is built with Asyncify), so that the page stays responsive while
// the program waits for a key or runs a simulation.
class WebHost : public Host {
 public:
  // Saves the results (Ctrl+S or the page's button) and returns the line
  // the page shows: what was saved, or why not.
  using SaveAction = std::function<std::string(const Screen&, bool fourByThree)>;

  WebHost(std::deque<ScriptKey> play, SaveAction save) : play_(std::move(play)), save_(std::move(save)) {}

  void answerAwaited(const Screen& screen) override;
  Key nextKey(const Screen& screen) override;
  void beep() override;
  void pictureChanged(const Screen& screen) override;
  bool interruptRequested(std::uint64_t step) override;
  // In the page's status line while the run lasts.
  void runNotice(const std::string& text) override;

  // Events the page sends, besides typed characters (code points >= 0).
  // The numbers are those of src/frontends/web/page/msa-page.js.
  enum Event : int {
    kNoEvent = -1000,
    kEnter = -1, kBackspace = -2, kDelete = -3, kLeft = -4, kRight = -5, kUp = -6, kDown = -7,
    kHome = -8, kEnd = -9, kTab = -10, kEscape = -11,
    kStop = -20,            // Pause, Ctrl+Break
    kSave = -30,            // Ctrl+S with square pixels
    kSaveFourByThree = -31  // Ctrl+S with the 4:3 view on
  };

 private:
  void present(const Screen& screen);
  // Handles every event the page has queued, without waiting.
  void drainEvents(const Screen& screen);
  void handle(int event, const Screen& screen);
  void record(ScriptKey item);
  void save(const Screen& screen, bool fourByThree);

  ScriptedKeys play_;
  SaveAction save_;
  std::deque<Key> pending_;
  bool computing_ = false;
  bool interruptAsked_ = false;
  bool lastFourByThree_ = false;
  double lastPresent_ = 0;  // ms
  double presentCost_ = 0;  // ms the last present took
  std::vector<std::uint8_t> shown_;  // the colour indexes the canvas shows
  std::vector<std::uint32_t> rgba_;  // the canvas's pixels
};

}  // namespace msa
