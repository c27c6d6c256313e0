#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "dialogue/host.hpp"
#include "dialogue/key_recorder.hpp"
#include "dialogue/key_script.hpp"
#include "dialogue/messages.hpp"
#include "frontends/sdl/sdl_beeper.hpp"
#include "graphics/window_geometry.hpp"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;
struct SDL_KeyboardEvent;

namespace msa {

// What a session adds to the bare window: keys to type before the user's,
// a record of the keys taken, and the save behind Ctrl+S (which returns the
// line the title shows: what was saved, or why not), and the language of the
// title's texts.
struct WindowSession {
  Language language = Language::French;
  ScriptedKeys play;
  KeyRecorder recorder;
  std::function<std::string(const Screen&, bool fourByThree)> save;
};

// The program's real window: shows the picture scaled through the palette,
// turns key presses, typed text and pastes into keys, and beeps.
// Throws std::runtime_error when no window can be made, and NoDisplay when
// there is no display to make it on.
class SdlHost : public Host {
 public:
  struct NoDisplay {
    std::string reason;  // which display was tried, or that none is named
  };

  explicit SdlHost(WindowSession session = {});
  ~SdlHost() override;
  SdlHost(const SdlHost&) = delete;
  SdlHost& operator=(const SdlHost&) = delete;

  Key nextKey(const Screen& screen) override;
  void beep() override { beeper_.beep(); }
  void pictureChanged(const Screen& screen) override;
  bool interruptRequested(std::uint64_t step) override;
  void runNotice(const std::string& text) override;
  bool recordFailed() const { return session_.recorder.failed(); }

 private:
  struct SdlDeleter {
    void operator()(SDL_Window* window) const;
    void operator()(SDL_Renderer* renderer) const;
    void operator()(SDL_Texture* texture) const;
  };

  void createTexture();
  void present(const Screen& screen);
  // Handles everything already queued, without waiting.
  void drainEvents(const Screen& screen);
  void handle(const SDL_Event& event, const Screen& screen);
  void keyDown(const SDL_KeyboardEvent& key, const Screen& screen);
  void paste();
  void toggleFullScreen();
  void save(const Screen& screen);
  void showInTitle(const std::string& message);
  void settleTitle();
  // The title when no save message is showing: the run's notice, if any.
  std::string restingTitle() const;
  std::string titled(const std::string& text) const;  // "msa - text"
  // How long the wait for an event may last before something is due; -1 for ever.
  int wakeAfterMs() const;

  // Initialises the toolkit on construction and shuts it down last.
  struct Toolkit {
    Toolkit();
    ~Toolkit();
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;
  } toolkit_;
  std::unique_ptr<SDL_Window, SdlDeleter> window_;
  std::unique_ptr<SDL_Renderer, SdlDeleter> renderer_;
  std::unique_ptr<SDL_Texture, SdlDeleter> texture_;
  SdlBeeper beeper_;

  WindowSession session_;
  std::deque<Key> pending_;
  // Handling the events that come during a computation (a simulation):
  // Escape, Pause and Ctrl+Break then ask for the run to stop.
  bool computing_ = false;
  bool interruptAsked_ = false;
  std::uint64_t titleUntil_ = 0;  // ms; 0 while the title is the plain one
  std::string runNotice_;  // shown in the title while a run with a notice lasts
  PixelRect windowed_;  // where the window was before going full screen
  // Full screen made by covering the display with the window, where no
  // window manager would grant the toolkit's request.
  bool coveringDisplay_ = false;
  AspectMode aspect_ = AspectMode::SquarePixels;
  std::uint64_t lastPresent_ = 0;  // ms
  std::uint64_t presentCost_ = 0;  // ms the last present took
  // Set by anything that changes what the window should show other than the
  // picture itself (size, exposure, aspect mode).
  bool presentNeeded_ = false;
  // Text that comes with a Ctrl shortcut is not typed text.
  bool shortcutHeld_ = false;
};

}  // namespace msa
