// libFuzzer target: the whole program, headless, with the input bytes as key
// presses (fuzz_keys.hpp). Every run is bounded: it ends when the keys run
// out, after kMaxAnswers answer lines, after kMaxSteps simulation steps (a
// tiny time step legitimately asks for millions of them), or at the answer
// that would start a diagram with more than kMaxTicks graduation positions.
// Afterwards the text grid must read back as valid rows.
//
// Run with --print-keys FILE... to print inputs as msa-headless key scripts.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/program.hpp"
#include "diagram/tick_loop.hpp"
#include "dialogue/answer_editor.hpp"
#include "dialogue/answer_field.hpp"
#include "dialogue/cp437.hpp"
#include "dialogue/host.hpp"
#include "dialogue/screen.hpp"
#include "fuzz_keys.hpp"

using namespace msa;

namespace {

constexpr int kMaxAnswers = 300;
constexpr long kMaxSteps = 20000;
constexpr long kMaxTicks = 100000;

// Exit statuses of the bounded ends, told apart from the program's own 0.
constexpr int kKeysUsedUp = 101;
constexpr int kAnswerCap = 102;
constexpr int kStepCap = 103;
constexpr int kTickCap = 104;

// Delivers recorded keys, then Enter.
class ReplayHost : public Host {
 public:
  ReplayHost(const Key* keys, std::size_t count) : keys_(keys), count_(count) {}
  Key nextKey(const Screen&) override { return next_ < count_ ? keys_[next_++] : Key::special(Key::Kind::Enter); }
  void beep() override {}

 private:
  const Key* keys_;
  std::size_t count_;
  std::size_t next_ = 0;
};

// The diagram settings as the user answers them. A graduation much finer than
// the diagram (say 1e-7 s) legitimately walks millions of tick positions
// before the first step: the run is ended at the answer that would start such
// a diagram, as a tiny time step is ended by the step cap.
class DiagramSettings {
 public:
  // Whether the prompt on `promptRow` asks for one of the four settings.
  static bool asks(std::string_view promptRow) { return setting(promptRow) != nullptr; }

  // Takes the answer line typed at that prompt.
  void answered(std::string_view promptRow, std::string_view line) {
    float DiagramSettings::*asked = setting(promptRow);
    if (asked == nullptr) return;
    const std::string field = answerField(line);
    // The prompt shows the present value to 7 digits: near enough to count ticks.
    this->*asked = field.empty() ? numericValue(promptRow.substr(promptRow.find("(df") + 3)) : numericValue(field);
    if (asked == &DiagramSettings::dygrad_ && tickPositions() > kMaxTicks) throw ProgramEnd{kTickCap};
  }

 private:
  static float DiagramSettings::*setting(std::string_view promptRow) {
    const auto has = [promptRow](std::string_view text) { return promptRow.find(text) != std::string_view::npos; };
    if (has("simulation temin (df")) return &DiagramSettings::temin_;
    if (has("affichage temax (df")) return &DiagramSettings::temax_;
    if (has("graduations de temps (df")) return &DiagramSettings::dtgrad_;
    if (has("graduations verticales (df")) return &DiagramSettings::dygrad_;
    return nullptr;
  }

  struct TooMany {};
  // How many positions the diagram's four tick loops visit, up to the cap.
  long tickPositions() const {
    long count = 0;
    const auto tick = [&count](float) {
      if (++count > kMaxTicks) throw TooMany{};
    };
    try {
      forEachTick(temax_, dtgrad_, tick);
      forEachTick(temin_, -dtgrad_, tick);
      forEachTick(kYmax, dygrad_, tick);
      forEachTick(kYmin, -dygrad_, tick);
    } catch (const TooMany&) {
    }
    return count;
  }
  // The vertical range of the diagram, fixed by the defaults.
  static constexpr float kYmin = -0.1f, kYmax = 1.4f;
  float temin_ = 0, temax_ = 0, dtgrad_ = 0, dygrad_ = 0;
};

class FuzzHost : public Host {
 public:
  explicit FuzzHost(std::vector<Key> keys) : keys_(std::move(keys)) {}

  void answerAwaited(const Screen& screen) override {
    checkCursor(screen);
    if (++answers_ > kMaxAnswers) throw ProgramEnd{kAnswerCap};
    promptRow_ = screen.rowText(screen.row());
    answerRow_ = screen.row();
    answerColumn_ = screen.column();
    answerStart_ = next_;
    settingAsked_ = DiagramSettings::asks(promptRow_);
  }
  Key nextKey(const Screen& screen) override {
    checkCursor(screen);
    if (next_ == keys_.size()) throw ProgramEnd{kKeysUsedUp};
    const Key key = keys_[next_++];
    if (key.kind == Key::Kind::Enter && settingAsked_) settings_.answered(promptRow_, typedLine());
    return key;
  }
  void beep() override {}
  void pictureChanged(const Screen&) override {
    if (++pictures_ > kMaxSteps) throw ProgramEnd{kStepCap};
  }

 private:
  static void checkCursor(const Screen& s) {
    if (s.row() < 1 || s.row() > kTextRows || s.column() < 1 || s.column() > kTextColumns) {
      std::fprintf(stderr, "cursor outside the grid: row %d, column %d\n", s.row(), s.column());
      std::abort();
    }
  }

  // The line the answer editor is about to return: the keys since the
  // answer began, replayed through the editor on a screen of its own.
  std::string typedLine() {
    if (!scratch_) scratch_ = std::make_unique<Screen>();
    scratch_->moveCursor(answerRow_, answerColumn_);
    ReplayHost replay(keys_.data() + answerStart_, next_ - 1 - answerStart_);
    return editAnswerLine(*scratch_, replay);
  }

  std::vector<Key> keys_;
  std::size_t next_ = 0;
  int answers_ = 0;
  long pictures_ = 0;
  std::string promptRow_;
  int answerRow_ = 1, answerColumn_ = 1;
  std::size_t answerStart_ = 0;
  bool settingAsked_ = false;
  std::unique_ptr<Screen> scratch_;
  DiagramSettings settings_;
};

[[noreturn]] void fail(const char* what, int row) {
  std::fprintf(stderr, "%s (row %d)\n", what, row);
  std::abort();
}

// Every row reads back as at most 80 characters of code page 437 with no
// trailing blank, and every pixel holds a palette index.
void checkScreen(const Screen& screen) {
  for (int row = 1; row <= kTextRows; ++row) {
    const std::string text = screen.rowText(row);
    const std::u32string chars = decodeUtf8(text);
    if (chars.size() > static_cast<std::size_t>(kTextColumns)) fail("row longer than the grid", row);
    if (!chars.empty() && chars.back() == U' ') fail("row ends with a blank", row);
    for (char32_t c : chars)
      if (!unicodeToCp437(c) && c != U' ') fail("row holds a character outside code page 437", row);
    for (int column = 1; column <= kTextColumns; ++column) {
      const std::uint8_t code = screen.cell(row, column);
      const char32_t shown = code == 0 ? U' ' : cp437ToUnicode(code);
      const auto at = static_cast<std::size_t>(column - 1);
      if (shown != (at < chars.size() ? chars[at] : U' ')) fail("row text differs from its cells", row);
    }
  }
  for (std::uint8_t pixel : screen.picture().pixels())
    if (pixel > 15) fail("pixel outside the palette", 0);
}

int printKeyScripts(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') continue;
    std::ifstream in(argv[i], std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::fputs(fuzzkeys::toKeyScript(fuzzkeys::decode(data, bytes.size())).c_str(), stdout);
  }
  return 0;
}

}  // namespace

// libFuzzer leaves flags that start with "--" to the target.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  for (int i = 1; i < *argc; ++i)
    if (std::string((*argv)[i]) == "--print-keys") std::exit(printKeyScripts(*argc, *argv));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzHost host(fuzzkeys::decode(data, size));
  Screen screen;
  const int status = runProgram(screen, host);
  if (status != 0 && status != kKeysUsedUp && status != kAnswerCap && status != kStepCap &&
      status != kTickCap) {
    std::fprintf(stderr, "unexpected exit status %d\n", status);
    std::abort();
  }
  checkScreen(screen);
  return 0;
}
