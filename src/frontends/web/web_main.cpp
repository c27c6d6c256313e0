// msa in a browser page: the program of the desktop window, its picture on
// the page's canvas (src/frontends/web/page).
#include <emscripten.h>
#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/program.hpp"
#include "dialogue/key_script.hpp"
#include "dialogue/messages.hpp"
#include "dialogue/screen.hpp"
#include "results/result_saver.hpp"
#include "results/simulation_log.hpp"
#include "frontends/web/web_host.hpp"

// A text of the page (UTF-8, allocated with malloc): 0 the keys of a
// `#play=` link as the page decoded them, or an empty string; 1 the code of
// the dialogue's language, which the page chose from its address (?lang=).
EM_JS(char*, msaPageText, (int which), {
  const text = which === 0 ? Msa.playScript() : Msa.language();
  const size = lengthBytesUTF8(text) + 1;
  const buffer = _malloc(size);
  stringToUTF8(text, buffer, size);
  return buffer;
});
EM_JS(void, msaEnded, (int status), { Msa.ended(status); });

namespace {

// The texts msaPageText gives.
enum PageText : int { kPlayScript = 0, kLanguageCode = 1 };

std::string pageText(PageText which) {
  std::string text;
  if (char* given = msaPageText(which)) {
    text = given;
    std::free(given);
  }
  return text;
}

}  // namespace

using namespace msa;

int main() {
  mkdir(kWebSaveFolder, 0777);
  const std::string play = pageText(kPlayScript);
  // The screen is large (the whole picture); keep it off the stack.
  auto screen = std::make_unique<Screen>();
  SimulationLog log;
  const Language language = languageFromCode(pageText(kLanguageCode)).value_or(Language::French);
  const ResultSaver saver(kWebSaveFolder, log, localTimeNow, language);
  WebHost host(parseScript(play), [&saver](const Screen& shown, bool fourByThree) {
    return saver.save(shown.picture(), fourByThree).message;
  });
  const int status = runProgram(*screen, host, &log, language);
  host.flushRecord();
  msaEnded(status);
  return status;
}
