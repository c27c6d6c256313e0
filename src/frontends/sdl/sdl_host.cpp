#include "frontends/sdl/sdl_host.hpp"

#include <SDL.h>
#include <SDL_syswm.h>
#if defined(SDL_VIDEO_DRIVER_X11) && defined(MSA_HAVE_X11)
#include <X11/Xatom.h>
#endif

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

bool isSet(const char* variable) {
  const char* value = SDL_getenv(variable);
  return value != nullptr && *value != '\0';
}

// A compositor named by a bare name is looked for in XDG_RUNTIME_DIR; without
// it, trying only prints the library's complaint before ours.
bool waylandReachable() {
  const char* name = SDL_getenv("WAYLAND_DISPLAY");
  return isSet("WAYLAND_DISPLAY") && (name[0] == '/' || isSet("XDG_RUNTIME_DIR"));
}

// Why no display could be used, in the terms of the environment.
std::string noDisplayReason() {
  const bool x11 = isSet("DISPLAY");
  const bool wayland = isSet("WAYLAND_DISPLAY");
  if (!x11 && !wayland) return "no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)";
  std::string reason;
  if (x11) reason = std::string("the X display ") + SDL_getenv("DISPLAY") + " does not answer";
  if (wayland) {
    reason += std::string(x11 ? "; " : "") + "the Wayland display " + SDL_getenv("WAYLAND_DISPLAY") +
              (waylandReachable() ? " does not answer" : " cannot be found (XDG_RUNTIME_DIR is not set)");
  }
  return reason;
}

// Every video driver but those that draw nowhere (offscreen, dummy): with no
// display, the toolkit would fall back to them and the program would wait
// for keys no one can type. Wayland is left out when no compositor is
// named, where trying it only prints a complaint.
std::string displayDrivers() {
  std::string list;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string name = SDL_GetVideoDriver(i);
    if (name == "offscreen" || name == "dummy") continue;
    if (name == "wayland" && !waylandReachable()) continue;
    list += (list.empty() ? "" : ",") + name;
  }
  return list;
}

// Whether a window manager will grant a full-screen request: on X11 only one
// that says it supports it (EWMH) does. Without one, the toolkit would take
// the display's size for the window's while the window stays as it is, and
// lay the picture out for a drawable that is not shown.
bool fullScreenGranted(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11) && defined(MSA_HAVE_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  const Window root = DefaultRootWindow(display);
  // The window the manager names, naming itself: the manager is running.
  const auto windowProperty = [&](Window of, const char* name) -> Window {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window value = None;
    if (XGetWindowProperty(display, of, XInternAtom(display, name, False), 0, 1, False, XA_WINDOW, &type,
                           &format, &count, &after, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
      value = static_cast<Window>(*reinterpret_cast<unsigned long*>(data));
    if (data != nullptr) XFree(data);
    return value;
  };
  const Window check = windowProperty(root, "_NET_SUPPORTING_WM_CHECK");
  if (check == None || windowProperty(check, "_NET_SUPPORTING_WM_CHECK") != check) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  bool supported = false;
  if (XGetWindowProperty(display, root, XInternAtom(display, "_NET_SUPPORTED", False), 0, 4096, False, XA_ATOM,
                         &type, &format, &count, &after, &data) == Success &&
      type == XA_ATOM && format == 32) {
    const Atom fullScreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    const auto* atoms = reinterpret_cast<const unsigned long*>(data);
    supported = std::find(atoms, atoms + count, fullScreen) != atoms + count;
  }
  if (data != nullptr) XFree(data);
  return supported;
#else
  (void)window;
  return true;
#endif
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
  throw NoDisplay{noDisplayReason()};
}

SdlHost::Toolkit::~Toolkit() { SDL_Quit(); }

SdlHost::SdlHost(WindowSession session) : session_(std::move(session)) {
  int scale = 2;
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) scale = initialWindowScale({usable.w, usable.h});
  window_.reset(SDL_CreateWindow(std::string(message(session_.language, Msg::WindowTitle)).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
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

bool SdlHost::interruptRequested(std::uint64_t step) {
  const bool asked = session_.play.takeBreak(step) || std::exchange(interruptAsked_, false);
  if (asked) session_.recorder.record(ScriptKey::interrupt(step));
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
  SDL_SetWindowTitle(window_.get(), titled(message).c_str());
  titleUntil_ = SDL_GetTicks64() + kTitleMessageMs;
}

void SdlHost::settleTitle() {
  if (titleUntil_ == 0 || SDL_GetTicks64() < titleUntil_) return;
  SDL_SetWindowTitle(window_.get(), restingTitle().c_str());
  titleUntil_ = 0;
}

std::string SdlHost::titled(const std::string& text) const {
  return fillPlaceholders(message(session_.language, Msg::WindowTitleMessage), {text});
}

std::string SdlHost::restingTitle() const {
  return runNotice_.empty() ? std::string(message(session_.language, Msg::WindowTitle)) : titled(runNotice_);
}

// The notice stays in the title for the whole run and its diagram; a save's
// message shows over it for a while, then gives way to it again.
void SdlHost::runNotice(const std::string& text) {
  runNotice_ = text;
  if (titleUntil_ == 0) SDL_SetWindowTitle(window_.get(), restingTitle().c_str());
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
    if (key.repeat == 0) {
      showInTitle(std::string(message(session_.language, SDL_SetClipboardText(screen.text().c_str()) == 0 ? Msg::ScreenCopied : Msg::CopyFailed)));
    }
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
  const bool full = coveringDisplay_ || (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  if (!full) {
    SDL_GetWindowPosition(window, &windowed_.x, &windowed_.y);
    SDL_GetWindowSize(window, &windowed_.width, &windowed_.height);
  }
  presentNeeded_ = true;
  SDL_Rect display{};
  if (!full && !fullScreenGranted(window) &&
      SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &display) == 0) {
    // Nobody to grant it: the window itself covers the display, which the
    // server does at once, so that the toolkit's size is the window's.
    SDL_SetWindowPosition(window, display.x, display.y);
    SDL_SetWindowSize(window, display.w, display.h);
    coveringDisplay_ = true;
    return;
  }
  if (!coveringDisplay_) SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  coveringDisplay_ = false;
  // Back where it was and as large as it was: a manager may not say so, and
  // the toolkit would go on drawing for the full screen's size.
  if (full && windowed_.width > 0 && windowed_.height > 0) {
    SDL_SetWindowSize(window, windowed_.width, windowed_.height);
    SDL_SetWindowPosition(window, windowed_.x, windowed_.y);
  }
}

}  // namespace msa
