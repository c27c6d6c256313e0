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
// the program waits for a key or runs a simulation. The events are typed
// characters' code points and those of page_events.list (page::Event).
//
// A #play= link is replayed as fast as the program goes: the picture, the
// text region, the session's keys and how far the replay is reach the page
// only when the browser gets its turn (every kReplayTurnMs), where Escape
// or a stop ends the replay and keeps what it typed.
class WebHost : public Host {
 public:
  // Saves the results (Ctrl+S or the page's button) and returns the line
  // the page shows: what was saved, or why not.
  using SaveAction = std::function<std::string(const Screen&, bool fourByThree)>;

  WebHost(std::deque<ScriptKey> play, SaveAction save);

  void answerAwaited(const Screen& screen) override;
  Key nextKey(const Screen& screen) override;
  void beep() override;
  void pictureChanged(const Screen& screen) override;
  bool interruptRequested(std::uint64_t step) override;
  // In the page's status line while the run lasts.
  void runNotice(const std::string& text) override;
  // Hands the page the session's keys it has not been told yet (the page
  // keeps them for its links and its address).
  void flushRecord();

 private:
  void present(const Screen& screen);
  // The page's busy mark, told only when it changes.
  void showComputing(bool on);
  // The text grid for the page's text region, when it changed: at each
  // answer line and as the answer is typed.
  void showText(const Screen& screen);
  // The browser's turn during a replay: the picture, the text and how far
  // the replay is, then the events that came meanwhile.
  void replayTurn(const Screen& screen);
  // Handles every event the page has queued, without waiting.
  void drainEvents(const Screen& screen);
  void handle(int event, const Screen& screen);
  void record(ScriptKey item);
  void save(const Screen& screen, bool fourByThree);

  ScriptedKeys play_;
  std::size_t playTotal_;  // the keys and commands the replayed link holds
  bool replayShown_ = false;  // the page shows how far the replay is
  SaveAction save_;
  std::deque<Key> pending_;
  std::string recorded_;  // keys recorded, not yet handed to the page
  std::uint64_t reads_ = 0;  // answer lines asked for
  std::uint64_t readsShown_ = 0;
  std::string textShown_;
  bool computing_ = false;
  bool computingShown_ = false;
  bool interruptAsked_ = false;
  bool lastFourByThree_ = false;
  double lastPresent_ = 0;  // ms
  double presentCost_ = 0;  // ms the last present took
  double lastTurn_ = 0;  // ms: when the browser last had its turn
  unsigned keysSinceClock_ = 0;
  std::vector<std::uint8_t> shown_;  // the colour indexes the canvas shows
  std::vector<std::uint32_t> rgba_;  // the canvas's pixels
};

}  // namespace msa
