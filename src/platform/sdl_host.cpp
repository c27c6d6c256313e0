#include "platform/sdl_host.hpp"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "graphics/picture.hpp"
#include "dialogue/screen.hpp"
#include "dialogue/text_input.hpp"

namespace msa {

namespace {


// A fast computation calls pictureChanged() far more often than a display can
// follow; the picture is shown at most this often (about 60 times a second),
// and on a display so slow that showing it takes longer, at most a third of
// the time goes to showing it, the rest to computing.
constexpr std::uint64_t kPresentIntervalMs = 16;

// While a beep is sounding, the wait for a key wakes up this often to stop
// the audio device once the beep has played.
constexpr int kBeepPollMs = 50;

// How long the title tells what a save did.
constexpr std::uint64_t kTitleMessageMs = 4000;

[[noreturn]] void fail(const std::string& what) {
  throw std::runtime_error(what + ": " + SDL_GetError());
}

constexpr Uint32 argb(Rgb colour) {
  return 0xFF000000u | Uint32{colour.r} << 16 | Uint32{colour.g} << 8 | Uint32{colour.b};
}

constexpr std::array<Uint32, 16> kArgbPalette = [] {
  std::array<Uint32, 16> table{};
  for (std::size_t i = 0; i < table.size(); ++i) table[i] = argb(kPalette[i]);
  return table;
}();

// The window's icon, drawn in the palette: a two-pole rotor (red north,
// light blue south) inside a grey stator ring.
void setIcon(SDL_Window* window) {
  constexpr int kSize = 32;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, kSize, kSize, 32, SDL_PIXELFORMAT_ARGB8888);
  if (icon == nullptr) return;  // the window manager's default icon will do
  if (SDL_LockSurface(icon) == 0) {
    for (int y = 0; y < kSize; ++y) {
      auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(icon->pixels) + y * icon->pitch);
      for (int x = 0; x < kSize; ++x) {
        // Doubled coordinates from the centre, so that the pixel centres are whole.
        const int dx = 2 * x + 1 - kSize;
        const int dy = 2 * y + 1 - kSize;
        const int distance2 = dx * dx + dy * dy;
        Uint32 pixel = 0;  // transparent outside the stator
        if (distance2 <= 31 * 31) pixel = kArgbPalette[distance2 >= 25 * 25 ? 7 : 0];
        if (dx >= -7 && dx <= 7 && dy >= -21 && dy <= 21) pixel = kArgbPalette[dy < 0 ? 12 : 9];
        if (distance2 <= 5 * 5) pixel = kArgbPalette[15];  // the shaft
        row[x] = pixel;
      }
    }
    SDL_UnlockSurface(icon);
    SDL_SetWindowIcon(window, icon);
  }
  SDL_FreeSurface(icon);
}

std::optional<Key::Kind> specialKey(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return Key::Kind::Enter;
    case SDLK_BACKSPACE: return Key::Kind::Backspace;
    case SDLK_DELETE: return Key::Kind::Delete;
    case SDLK_LEFT: return Key::Kind::Left;
    case SDLK_RIGHT: return Key::Kind::Right;
    case SDLK_UP: return Key::Kind::Up;
    case SDLK_DOWN: return Key::Kind::Down;
    case SDLK_HOME: return Key::Kind::Home;
    case SDLK_END: return Key::Kind::End;
    case SDLK_TAB: return Key::Kind::Tab;
    case SDLK_ESCAPE: return Key::Kind::Escape;
    default: return std::nullopt;
  }
}

bool isEnter(SDL_Keycode key) { return key == SDLK_RETURN || key == SDLK_KP_ENTER; }

// Every video driver but those that draw nowhere (offscreen, dummy): with no
// display, the toolkit would fall back to them and the program would wait
// for keys no one can type. Wayland is left out when no compositor is
// named, where trying it only prints a complaint.
std::string displayDrivers() {
  std::string list;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string name = SDL_GetVideoDriver(i);
    if (name == "offscreen" || name == "dummy") continue;
    if (name == "wayland" && SDL_getenv("WAYLAND_DISPLAY") == nullptr) continue;
    list += (list.empty() ? "" : ",") + name;
  }
  return list;
}

// Sets a flag for as long as it lives.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void SdlHost::SdlDeleter::operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
void SdlHost::SdlDeleter::operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
void SdlHost::SdlDeleter::operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }

SdlHost::Toolkit::Toolkit() {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  // A driver named in the environment is used as asked, whatever it is.
  const bool named = SDL_getenv("SDL_VIDEODRIVER") != nullptr;
  if (!named) SDL_SetHint(SDL_HINT_VIDEODRIVER, displayDrivers().c_str());
  if (SDL_Init(SDL_INIT_VIDEO) == 0) return;
  if (named) fail("cannot start the video system");
  SDL_Quit();
  throw NoDisplay{};
}

SdlHost::Toolkit::~Toolkit() { SDL_Quit(); }

SdlHost::SdlHost(WindowSession session) : session_(std::move(session)) {
  int scale = 2;
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) scale = initialWindowScale({usable.w, usable.h});
  window_.reset(SDL_CreateWindow(session_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                 kPictureWidth * scale, kPictureHeight * scale,
                                 SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI));
  if (!window_) fail("cannot open the window");
  setIcon(window_.get());
  renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
  if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!renderer_) fail("cannot draw in the window");
  createTexture();
  SDL_StartTextInput();
}

SdlHost::~SdlHost() = default;

void SdlHost::createTexture() {
  texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                   kPictureWidth, kPictureHeight));
  if (!texture_) fail("cannot make the picture texture");
  SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeNearest);
}

void SdlHost::present(const Screen& screen) {
  const std::uint64_t start = SDL_GetTicks64();
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_.get(), nullptr, &pixels, &pitch) == 0) {
    const auto& picture = screen.picture().pixels();
    for (int y = 0; y < kPictureHeight; ++y) {
      auto* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(pixels) + y * pitch);
      const std::uint8_t* in = picture.data() + y * kPictureWidth;
      for (int x = 0; x < kPictureWidth; ++x) out[x] = kArgbPalette[in[x] & 15];
    }
    SDL_UnlockTexture(texture_.get());
  }
  // The drawable size, not the window size: on a HiDPI screen it is larger,
  // and scaling to it keeps the picture sharp.
  PixelSize drawable;
  if (SDL_GetRendererOutputSize(renderer_.get(), &drawable.width, &drawable.height) != 0) drawable = {};
  const PixelRect where = pictureRect(drawable, aspect_);
  SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
  SDL_RenderClear(renderer_.get());
  if (where.width > 0 && where.height > 0) {
    // Enlarged, the picture stays sharp; reduced (a small window, or the 4:3
    // view squeezing 640 columns), picking whole pixels would drop rows and
    // columns, and with them thin diagram lines and strokes of letters, so
    // it is filtered instead.
    const bool reduced = where.width < kPictureWidth || where.height < kPictureHeight;
    SDL_SetTextureScaleMode(texture_.get(), reduced ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    const SDL_Rect target{where.x, where.y, where.width, where.height};
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &target);
  }
  SDL_RenderPresent(renderer_.get());
  lastPresent_ = SDL_GetTicks64();
  presentCost_ = lastPresent_ - start;
  presentNeeded_ = false;
}

Key SdlHost::nextKey(const Screen& screen) {
  interruptAsked_ = false;  // asked for while no simulation ran: void
  // The played keys come first, as fast as they are asked for.
  if (!session_.play.empty()) {
    drainEvents(screen);
    if (const auto played = session_.play.nextKey([&] { save(screen); })) {
      session_.recorder.record(ScriptKey::of(*played));
      return *played;
    }
  }
  // Keys typed ahead (or pasted) are answered at once; the picture is shown
  // whenever the program really has to wait.
  if (pending_.empty()) {
    present(screen);
    while (pending_.empty()) {
      SDL_Event event;
      const int wake = wakeAfterMs();
      const bool got = wake < 0 ? SDL_WaitEvent(&event) == 1 : SDL_WaitEventTimeout(&event, std::max(wake, 1)) == 1;
      if (!got && wake < 0) fail("cannot wait for events");
      beeper_.settle();
      settleTitle();
      if (got) handle(event, screen);
      drainEvents(screen);
      if (presentNeeded_) present(screen);
    }
  }
  const Key key = pending_.front();
  pending_.pop_front();
  session_.recorder.record(ScriptKey::of(key));
  return key;
}

bool SdlHost::interruptRequested() {
  const bool asked = session_.play.takeBreak() || std::exchange(interruptAsked_, false);
  if (asked) session_.recorder.record(ScriptKey::interrupt());
  return asked;
}

int SdlHost::wakeAfterMs() const {
  int wake = beeper_.sounding() ? kBeepPollMs : -1;
  if (titleUntil_ != 0) {
    const std::uint64_t now = SDL_GetTicks64();
    const int left = titleUntil_ > now ? static_cast<int>(std::min<std::uint64_t>(titleUntil_ - now, kTitleMessageMs)) : 0;
    wake = wake < 0 ? left : std::min(wake, left);
  }
  return wake;
}

void SdlHost::save(const Screen& screen) {
  if (!session_.save) return;
  session_.recorder.record(ScriptKey::save());
  showInTitle(session_.save(screen, aspect_ == AspectMode::FourByThree));
}

void SdlHost::showInTitle(const std::string& message) {
  SDL_SetWindowTitle(window_.get(), fillPlaceholders(session_.titleMessage, {message}).c_str());
  titleUntil_ = SDL_GetTicks64() + kTitleMessageMs;
}

void SdlHost::settleTitle() {
  if (titleUntil_ == 0 || SDL_GetTicks64() < titleUntil_) return;
  SDL_SetWindowTitle(window_.get(), session_.title.c_str());
  titleUntil_ = 0;
}

void SdlHost::pictureChanged(const Screen& screen) {
  if (SDL_GetTicks64() - lastPresent_ < std::max(kPresentIntervalMs, 2 * presentCost_)) return;
  // Handling the events keeps the window responsive during a long
  // computation; keys typed meanwhile wait in the queue.
  {
    const FlagScope computing(computing_);
    drainEvents(screen);
  }
  present(screen);
  beeper_.settle();
  settleTitle();
}

void SdlHost::drainEvents(const Screen& screen) {
  SDL_Event event;
  while (SDL_PollEvent(&event) == 1) handle(event, screen);
}

void SdlHost::handle(const SDL_Event& event, const Screen& screen) {
  switch (event.type) {
    case SDL_QUIT:
      // The close button ends the program as menu F does.
      throw ProgramEnd{0};
    case SDL_KEYDOWN:
      keyDown(event.key, screen);
      break;
    case SDL_TEXTINPUT:
      if (!shortcutHeld_) {
        for (const Key key : keysForText(event.text.text)) pending_.push_back(key);
      }
      break;
    case SDL_WINDOWEVENT:
      presentNeeded_ = true;
      break;
    case SDL_RENDER_DEVICE_RESET:
      createTexture();
      presentNeeded_ = true;
      break;
    case SDL_RENDER_TARGETS_RESET:
      presentNeeded_ = true;
      break;
    default:
      break;
  }
}

void SdlHost::keyDown(const SDL_KeyboardEvent& key, const Screen& screen) {
  const SDL_Keycode code = key.keysym.sym;
  const bool ctrl = (key.keysym.mod & KMOD_CTRL) != 0;
  const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
  const bool shift = (key.keysym.mod & KMOD_SHIFT) != 0;
  // Ctrl with Alt is AltGr on some systems, which types characters.
  shortcutHeld_ = ctrl && !alt;

  if (shortcutHeld_ && code == SDLK_s) {
    if (key.repeat == 0) save(screen);  // a held key saves once
    return;
  }
  // Stop keys: they only ever stop a running simulation (Escape otherwise
  // erases the answer, below).
  if (code == SDLK_PAUSE || code == SDLK_CANCEL || (computing_ && code == SDLK_ESCAPE)) {
    if (computing_) interruptAsked_ = true;
    return;
  }
  if (shortcutHeld_ && (code == SDLK_c || code == SDLK_INSERT)) {
    SDL_SetClipboardText(screen.text().c_str());
    return;
  }
  if ((shortcutHeld_ && code == SDLK_v) || (shift && !ctrl && !alt && code == SDLK_INSERT)) {
    paste();
    return;
  }
  if (code == SDLK_F10 || code == SDLK_F11 || (alt && isEnter(code))) {
    if (key.repeat != 0) return;  // a held key toggles once
    if (code == SDLK_F10) {
      aspect_ = aspect_ == AspectMode::SquarePixels ? AspectMode::FourByThree : AspectMode::SquarePixels;
      presentNeeded_ = true;
    } else {
      toggleFullScreen();
    }
    return;
  }
  if (const auto kind = specialKey(code)) pending_.push_back(Key::special(*kind));
}

void SdlHost::paste() {
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return;
  for (const Key key : keysForText(firstLine(text))) pending_.push_back(key);
  SDL_free(text);
}

void SdlHost::toggleFullScreen() {
  SDL_Window* window = window_.get();
  const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  if (!full) {
    SDL_GetWindowPosition(window, &windowed_.x, &windowed_.y);
    SDL_GetWindowSize(window, &windowed_.width, &windowed_.height);
  }
  SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  // Without a window manager, the toolkit is not told the size the window
  // gets back and would go on drawing for the full screen's: setting the
  // size it had makes the toolkit's idea, the drawable and the view agree.
  if (full && windowed_.width > 0 && windowed_.height > 0) {
    SDL_SetWindowSize(window, windowed_.width, windowed_.height);
    SDL_SetWindowPosition(window, windowed_.x, windowed_.y);
  }
  presentNeeded_ = true;
}

}  // namespace msa
