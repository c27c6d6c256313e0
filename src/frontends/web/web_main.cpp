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

// The keys of a `#play=` link, as the page decoded them (UTF-8, allocated
// with malloc), or an empty string.
EM_JS(char*, msaPlayScript, (), {
  const text = Msa.playScript();
  const size = lengthBytesUTF8(text) + 1;
  const buffer = _malloc(size);
  stringToUTF8(text, buffer, size);
  return buffer;
});
EM_JS(void, msaEnded, (int status), { Msa.ended(status); });
// The dialogue's language, from the page's address (?lang=en): 1 for English.
EM_JS(int, msaEnglish, (), { return Msa.language() === 'en' ? 1 : 0; });

using namespace msa;

int main() {
  mkdir(kWebSaveFolder, 0777);
  std::string play;
  if (char* text = msaPlayScript()) {
    play = text;
    std::free(text);
  }
  // The screen is large (the whole picture); keep it off the stack.
  auto screen = std::make_unique<Screen>();
  SimulationLog log;
  const Language language = msaEnglish() ? Language::English : Language::French;
  const ResultSaver saver(kWebSaveFolder, log, localTimeNow, language);
  WebHost host(parseScript(play), [&saver](const Screen& shown, bool fourByThree) {
    return saver.save(shown.picture(), fourByThree).message;
  });
  const int status = runProgram(*screen, host, &log, language);
  msaEnded(status);
  return status;
}
