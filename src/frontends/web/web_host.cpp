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
#include "frontends/web/page_events.hpp"
#include "graphics/palette.hpp"
#include "graphics/picture.hpp"

// The page's side (src/frontends/web/page/msa-page.js): `Msa` is the page object the
// page's script sets up before the program starts.

// Rows [top, bottom) of the RGBA picture changed since it was last shown.
EM_JS(void, msaShowPicture, (const std::uint8_t* rgba, int top, int bottom), {
  Msa.showPicture(HEAPU8.subarray(rgba, rgba + 640 * 350 * 4), top, bottom);
});
// The text grid; `reads` counts the answer lines asked for so far (a new one
// is announced, the same one was edited).
EM_JS(void, msaShowText, (const char* utf8, double reads), { Msa.showText(UTF8ToString(utf8), reads); });
EM_JS(void, msaBeep, (), { Msa.beep(); });
// Keys of the session in the key-script language; `save` for a {SAVE},
// which the page's links keep and its address leaves out.
EM_JS(void, msaRecorded, (const char* utf8, int save), { Msa.recorded(UTF8ToString(utf8), save !== 0); });
// How far a link's replay is: `state` 0 going, 1 finished, 2 stopped by the user.
EM_JS(void, msaReplay, (double done, double total, int state), { Msa.replay(done, total, state); });
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
// A replayed link gives the browser its turn this often: drawing and
// handing over the text at every key would make a long link take minutes.
constexpr double kReplayTurnMs = 100;
// ...reading the clock once every so many keys.
constexpr unsigned kKeysPerClockReading = 64;
enum ReplayState : int { kReplayGoing = 0, kReplayFinished = 1, kReplayStopped = 2 };

constexpr std::array<std::uint32_t, 16> kRgbaPalette = [] {
  std::array<std::uint32_t, 16> table{};
  // Canvas pixels are R, G, B, A bytes in memory: little-endian words.
  for (std::size_t i = 0; i < table.size(); ++i)
    table[i] = 0xFF000000u | std::uint32_t{kPalette[i].b} << 16 | std::uint32_t{kPalette[i].g} << 8 | kPalette[i].r;
  return table;
}();

std::optional<Key::Kind> specialKey(int event) {
  switch (event) {
    case page::kEnter: return Key::Kind::Enter;
    case page::kBackspace: return Key::Kind::Backspace;
    case page::kDelete: return Key::Kind::Delete;
    case page::kLeft: return Key::Kind::Left;
    case page::kRight: return Key::Kind::Right;
    case page::kUp: return Key::Kind::Up;
    case page::kDown: return Key::Kind::Down;
    case page::kHome: return Key::Kind::Home;
    case page::kEnd: return Key::Kind::End;
    case page::kTab: return Key::Kind::Tab;
    case page::kEscape: return Key::Kind::Escape;
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

WebHost::WebHost(std::deque<ScriptKey> play, SaveAction save)
    : play_(std::move(play)), playTotal_(play_.size()), save_(std::move(save)), lastTurn_(emscripten_get_now()) {}

void WebHost::answerAwaited(const Screen& screen) {
  ++reads_;
  if (play_.empty()) showText(screen);
}

void WebHost::showText(const Screen& screen) {
  std::string text = screen.text();
  if (reads_ == readsShown_ && text == textShown_) return;
  msaShowText(text.c_str(), static_cast<double>(reads_));
  readsShown_ = reads_;
  textShown_ = std::move(text);
}

void WebHost::showComputing(bool on) {
  if (on == computingShown_) return;
  msaComputing(on ? 1 : 0);
  computingShown_ = on;
}

Key WebHost::nextKey(const Screen& screen) {
  interruptAsked_ = false;  // asked for while no simulation ran: void
  showComputing(false);
  // The played keys come first, as fast as they are asked for.
  if (!play_.empty()) {
    if (++keysSinceClock_ >= kKeysPerClockReading) {
      keysSinceClock_ = 0;
      if (emscripten_get_now() - lastTurn_ >= kReplayTurnMs) replayTurn(screen);
    }
    if (const auto played = play_.nextKey([&] { save(screen, lastFourByThree_); })) {
      record(ScriptKey::of(*played));
      return *played;
    }
  }
  if (replayShown_) {
    msaReplay(static_cast<double>(playTotal_), static_cast<double>(playTotal_), kReplayFinished);
    replayShown_ = false;
  }
  if (pending_.empty()) {
    flushRecord();
    showText(screen);
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

void WebHost::replayTurn(const Screen& screen) {
  flushRecord();
  showText(screen);
  present(screen);
  replayShown_ = true;
  msaReplay(static_cast<double>(playTotal_ - play_.size()), static_cast<double>(playTotal_), kReplayGoing);
  msaYield();
  lastTurn_ = emscripten_get_now();
  drainEvents(screen);
}

// A replay's beeps would sound as one buzz.
void WebHost::beep() {
  if (play_.empty()) msaBeep();
}

void WebHost::pictureChanged(const Screen& screen) {
  if (emscripten_get_now() - lastPresent_ < std::max(kPresentIntervalMs, 2 * presentCost_)) return;
  showComputing(true);
  computing_ = true;
  drainEvents(screen);
  computing_ = false;
  flushRecord();
  present(screen);
  msaYield();
  lastTurn_ = emscripten_get_now();
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
  for (int event = msaTakeEvent(); event != page::kNoEvent; event = msaTakeEvent()) handle(event, screen);
}

void WebHost::handle(int event, const Screen& screen) {
  if (event >= 0) {
    if (const auto key = keyForTypedCharacter(static_cast<char32_t>(event))) pending_.push_back(*key);
    return;
  }
  // Escape or a stop during a replay stops the replay: what it typed stays,
  // the rest of the link is left out, and a run it started stops too.
  if ((event == page::kEscape || event == page::kStop) && !play_.empty()) {
    msaReplay(static_cast<double>(playTotal_ - play_.size()), static_cast<double>(playTotal_), kReplayStopped);
    play_ = ScriptedKeys{};
    replayShown_ = false;
    if (computing_) interruptAsked_ = true;
    return;
  }
  switch (event) {
    case page::kSave:
    case page::kSaveFourByThree:
      save(screen, event == page::kSaveFourByThree);
      return;
    case page::kStop:
      if (computing_) interruptAsked_ = true;
      return;
    case page::kEscape:
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

void WebHost::record(ScriptKey item) { recorded_ += scriptText(item); }

void WebHost::flushRecord() {
  if (recorded_.empty()) return;
  msaRecorded(recorded_.c_str(), 0);
  recorded_.clear();
}

void WebHost::save(const Screen& screen, bool fourByThree) {
  lastFourByThree_ = fourByThree;
  if (!save_) return;
  flushRecord();
  msaRecorded(scriptText(ScriptKey::save()).c_str(), 1);
  msaSaved(save_(screen, fourByThree).c_str(), kWebSaveFolder);
}

void WebHost::runNotice(const std::string& text) { msaNotice(text.c_str()); }

}  // namespace msa
