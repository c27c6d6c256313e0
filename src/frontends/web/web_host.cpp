#include "frontends/web/web_host.hpp"

#include <emscripten.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "dialogue/screen.hpp"
#include "graphics/palette.hpp"
#include "graphics/picture.hpp"

// The page's side (src/frontends/web/page/msa-page.js): `Msa` is the page object the
// page's script sets up before the program starts.

// Rows [top, bottom) of the RGBA picture changed since it was last shown.
EM_JS(void, msaShowPicture, (const std::uint8_t* rgba, int top, int bottom), {
  Msa.showPicture(HEAPU8.subarray(rgba, rgba + 640 * 350 * 4), top, bottom);
});
EM_JS(void, msaShowText, (const char* utf8), { Msa.showText(UTF8ToString(utf8)); });
EM_JS(void, msaBeep, (), { Msa.beep(); });
EM_JS(void, msaRecorded, (const char* utf8), { Msa.recorded(UTF8ToString(utf8)); });
// Hands the files of the save folder to the page (which offers them as
// downloads) and removes them.
EM_JS(void, msaSaved, (const char* message, const char* folder), {
  const dir = UTF8ToString(folder);
  const files = [];
  for (const name of FS.readdir(dir).sort()) {
    if (name === "." || name === "..") continue;
    files.push({name : name, data : FS.readFile(dir + "/" + name)});
    FS.unlink(dir + "/" + name);
  }
  Msa.saved(UTF8ToString(message), files);
});
EM_JS(void, msaComputing, (int on), { Msa.computing(on !== 0); });
EM_JS(int, msaTakeEvent, (), { return Msa.takeEvent(); });
EM_JS(void, msaNotice, (const char* utf8), { Msa.notice(UTF8ToString(utf8)); });
// Resolves once the page has an event queued.
EM_ASYNC_JS(void, msaWaitEvent, (), { await Msa.waitEvent(); });
// Lets the browser handle its events and paint, then goes on at once (a
// message to itself: no timer's minimum delay).
EM_ASYNC_JS(void, msaYield, (), { await Msa.yieldToBrowser(); });

namespace msa {

namespace {

// While the program computes, the picture is shown at most this often
// (about the display's rate), and on a machine so slow that showing it takes
// longer, at most a third of the time goes to showing it.
constexpr double kPresentIntervalMs = 16;

constexpr std::array<std::uint32_t, 16> kRgbaPalette = [] {
  std::array<std::uint32_t, 16> table{};
  // Canvas pixels are R, G, B, A bytes in memory: little-endian words.
  for (std::size_t i = 0; i < table.size(); ++i)
    table[i] = 0xFF000000u | std::uint32_t{kPalette[i].b} << 16 | std::uint32_t{kPalette[i].g} << 8 | kPalette[i].r;
  return table;
}();

std::optional<Key::Kind> specialKey(int event) {
  switch (event) {
    case WebHost::kEnter: return Key::Kind::Enter;
    case WebHost::kBackspace: return Key::Kind::Backspace;
    case WebHost::kDelete: return Key::Kind::Delete;
    case WebHost::kLeft: return Key::Kind::Left;
    case WebHost::kRight: return Key::Kind::Right;
    case WebHost::kUp: return Key::Kind::Up;
    case WebHost::kDown: return Key::Kind::Down;
    case WebHost::kHome: return Key::Kind::Home;
    case WebHost::kEnd: return Key::Kind::End;
    case WebHost::kTab: return Key::Kind::Tab;
    case WebHost::kEscape: return Key::Kind::Escape;
    default: return std::nullopt;
  }
}

}  // namespace

void WebHost::present(const Screen& screen) {
  const double start = emscripten_get_now();
  const auto& pixels = screen.picture().pixels();
  if (shown_.empty()) {
    shown_.assign(pixels.size(), 0xFF);  // no colour: every row is new
    rgba_.resize(pixels.size());
  }
  // Only the rows that changed are converted and handed to the canvas: a
  // running diagram changes a band of it at a time.
  const auto rowDiffers = [&](int y) {
    const std::size_t at = static_cast<std::size_t>(y) * kPictureWidth;
    return std::memcmp(pixels.data() + at, shown_.data() + at, kPictureWidth) != 0;
  };
  int top = 0;
  while (top < kPictureHeight && !rowDiffers(top)) ++top;
  int bottom = kPictureHeight;
  while (bottom > top && !rowDiffers(bottom - 1)) --bottom;
  if (top < bottom) {
    const std::size_t from = static_cast<std::size_t>(top) * kPictureWidth;
    const std::size_t to = static_cast<std::size_t>(bottom) * kPictureWidth;
    for (std::size_t i = from; i < to; ++i) rgba_[i] = kRgbaPalette[pixels[i] & 15];
    std::memcpy(shown_.data() + from, pixels.data() + from, to - from);
    msaShowPicture(reinterpret_cast<const std::uint8_t*>(rgba_.data()), top, bottom);
  }
  lastPresent_ = emscripten_get_now();
  presentCost_ = lastPresent_ - start;
}

void WebHost::answerAwaited(const Screen& screen) { msaShowText(screen.text().c_str()); }

Key WebHost::nextKey(const Screen& screen) {
  interruptAsked_ = false;  // asked for while no simulation ran: void
  msaComputing(0);
  // The played keys come first, as fast as they are asked for.
  if (!play_.empty()) {
    drainEvents(screen);
    if (const auto played = play_.nextKey([&] { save(screen, lastFourByThree_); })) {
      record(ScriptKey::of(*played));
      return *played;
    }
  }
  if (pending_.empty()) {
    present(screen);
    drainEvents(screen);
    while (pending_.empty()) {
      msaWaitEvent();
      drainEvents(screen);
    }
  }
  const Key key = pending_.front();
  pending_.pop_front();
  record(ScriptKey::of(key));
  return key;
}

void WebHost::beep() { msaBeep(); }

void WebHost::pictureChanged(const Screen& screen) {
  if (emscripten_get_now() - lastPresent_ < std::max(kPresentIntervalMs, 2 * presentCost_)) return;
  msaComputing(1);
  computing_ = true;
  drainEvents(screen);
  computing_ = false;
  present(screen);
  msaYield();
  // Keys and stops that came while the browser had the hand.
  computing_ = true;
  drainEvents(screen);
  computing_ = false;
}

bool WebHost::interruptRequested(std::uint64_t step) {
  const bool asked = play_.takeBreak(step) || std::exchange(interruptAsked_, false);
  if (asked) record(ScriptKey::interrupt(step));
  return asked;
}

void WebHost::drainEvents(const Screen& screen) {
  for (int event = msaTakeEvent(); event != kNoEvent; event = msaTakeEvent()) handle(event, screen);
}

void WebHost::handle(int event, const Screen& screen) {
  if (event >= 0) {
    if (const auto key = keyForTypedCharacter(static_cast<char32_t>(event))) pending_.push_back(*key);
    return;
  }
  switch (event) {
    case kSave:
    case kSaveFourByThree:
      save(screen, event == kSaveFourByThree);
      return;
    case kStop:
      if (computing_) interruptAsked_ = true;
      return;
    case kEscape:
      // Escape stops a running simulation; otherwise it erases the answer.
      if (computing_) {
        interruptAsked_ = true;
        return;
      }
      break;
    default:
      break;
  }
  if (const auto kind = specialKey(event)) pending_.push_back(Key::special(*kind));
}

void WebHost::record(ScriptKey item) { msaRecorded(scriptText(item).c_str()); }

void WebHost::save(const Screen& screen, bool fourByThree) {
  lastFourByThree_ = fourByThree;
  if (!save_) return;
  record(ScriptKey::save());
  msaSaved(save_(screen, fourByThree).c_str(), kWebSaveFolder);
}

void WebHost::runNotice(const std::string& text) { msaNotice(text.c_str()); }

}  // namespace msa
