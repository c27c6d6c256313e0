#pragma once

#include <cstdint>
#include <deque>
#include <memory>

#include "dialogue/host.hpp"
#include "platform/sdl_beeper.hpp"
#include "graphics/window_geometry.hpp"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;
struct SDL_KeyboardEvent;

// The program's real window: shows the picture scaled through the palette,
// turns key presses, typed text and pastes into keys, and beeps.
// Throws std::runtime_error when no window can be made.
class SdlHost : public Host {
 public:
  SdlHost();
  ~SdlHost() override;
  SdlHost(const SdlHost&) = delete;
  SdlHost& operator=(const SdlHost&) = delete;

  Key nextKey(const Screen& screen) override;
  void beep() override { beeper_.beep(); }
  void pictureChanged(const Screen& screen) override;

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

  // Initialises the toolkit on construction and shuts it down last.
  struct Session {
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
  } session_;
  std::unique_ptr<SDL_Window, SdlDeleter> window_;
  std::unique_ptr<SDL_Renderer, SdlDeleter> renderer_;
  std::unique_ptr<SDL_Texture, SdlDeleter> texture_;
  SdlBeeper beeper_;

  std::deque<Key> pending_;
  AspectMode aspect_ = AspectMode::SquarePixels;
  std::uint64_t lastPresent_ = 0;  // ms
  std::uint64_t presentCost_ = 0;  // ms the last present took
  // Set by anything that changes what the window should show other than the
  // picture itself (size, exposure, aspect mode).
  bool presentNeeded_ = false;
  // Text that comes with a Ctrl shortcut is not typed text.
  bool shortcutHeld_ = false;
};
